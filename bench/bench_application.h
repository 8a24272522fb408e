// The benchmarks that use widgets need the program's one QApplication; it is
// made on first use, on the offscreen platform unless the caller chose another.
// A program built with GRIDLY_BENCH_RATIO runs its screen at that device pixel
// ratio, as a high-density screen would.
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
#ifdef GRIDLY_BENCH_RATIO
    qputenv("QT_SCALE_FACTOR", QByteArray::number(GRIDLY_BENCH_RATIO));
#endif
    new QApplication(argc, argv);
}
