// A process that saves, for the fault tests to limit, lock out or kill:
//
//   gridly_fault_writer copy SOURCE PATH   SOURCE's bytes written to PATH through WriteWholeFile
//   gridly_fault_writer window FOLDER      the real window with FOLDER as its program folder:
//                                          opens FOLDER/old.gly at start-up, saves it over itself
//                                          (without the bytes the reader ignores), exits
//
// Exit status: 0 saved, 1 the save was refused (its message on standard
// output), 2 wrong arguments.
#include "scripted_desktop.h"
#include "window/file_store.h"
#include "window/gridly.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

namespace {

// The error the window showed for its Save, "" when it saved.
QString SaveThroughWindow(const QString &folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("old.gly"));
    ScriptedDesktop desktop;
    gridly window(desktop, folder, {path});  // opens old.gly at start-up
    if (!window.Form_Load() || window.puzzle().nwords == 0)
        return QStringLiteral("old.gly did not open");
    window.show();
    desktop.chooseFile(path);
    auto *save = window.findChild<QWidget *>(QStringLiteral("cb_save"));
    QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());
    const QString error = desktop.messages.isEmpty() ? QString() : desktop.messages.constLast().text;
    window.close();  // as Exit: writes gridly.cfg
    return error;
}

} // namespace

int main(int argc, char **argv)
{
    const auto argument = [&](int i) { return QString::fromLocal8Bit(argv[i]); };
    QString error;
    if (argc == 4 && argument(1) == QLatin1String("copy")) {
        error = WriteWholeFile(argument(3), ReadWholeFile(argument(2)).bytes);
    } else if (argc == 3 && argument(1) == QLatin1String("window")) {
        QApplication app(argc, argv);
        error = SaveThroughWindow(argument(2));
    } else {
        std::fprintf(stderr, "usage: gridly_fault_writer copy SOURCE PATH | window FOLDER\n");
        return 2;
    }
    std::printf("%s\n", qPrintable(error));
    return error.isEmpty() ? 0 : 1;
}
