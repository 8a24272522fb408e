// The benchmarks that use widgets need the program's one QApplication; it is
// made on first use, on the offscreen platform unless the caller chose another.
#pragma once

#include <QApplication>

inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "gridly_bench";
    static char *argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}
