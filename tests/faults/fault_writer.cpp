// A process that saves, for the fault tests to limit, lock out or kill:
//
//   gridly_fault_writer bytes PATH COUNT    one write of COUNT bytes through WriteWholeFile
//   gridly_fault_writer puzzle PATH N       the first N of the forty sample words as a puzzle file
//   gridly_fault_writer window FOLDER       the real window with FOLDER as its program folder:
//                                           opens FOLDER/old.gly, adds a word, saves over it, exits
//
// Exit status: 0 saved, 1 the save was refused (the reason on standard
// output), 2 wrong arguments, 3 the window could not open old.gly.
#include "document/puzzle_file.h"
#include "sample_puzzles.h"
#include "scripted_desktop.h"
#include "window/file_store.h"
#include "window/gridly.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

namespace {

int Report(const QString &error)
{
    if (error.isEmpty())
        return 0;
    std::printf("%s\n", qPrintable(error));
    return 1;
}

QByteArray Pattern(qsizetype count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

QByteArray FirstSampleWords(int n)
{
    Puzzle p = FortyUnplacedWords();
    p.nwords = int16_t(n);
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

void Click(gridly &window, const char *name)
{
    auto *button = window.findChild<QAbstractButton *>(QLatin1String(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void Type(gridly &window, const char *box, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(QLatin1String(box));
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

int SaveThroughWindow(int argc, char **argv, const QString &folder)
{
    QApplication app(argc, argv);
    ScriptedDesktop desktop;
    gridly window(desktop, folder, {});
    if (!window.Form_Load())
        return 3;
    window.show();
    const QString path = QDir(folder).filePath(QStringLiteral("old.gly"));
    desktop.chooseFile(path);
    Click(window, "cb_open");
    if (window.puzzle().nwords == 0)
        return 3;
    Type(window, "inp_word", QStringLiteral("ADDED"));
    Type(window, "inp_clue", QStringLiteral("Added by the fault test"));
    Click(window, "cb_addword");
    desktop.chooseFile(path);
    Click(window, "cb_save");
    const bool saved = !window.puzzle().changed;
    const QString error = saved || desktop.messages.isEmpty() ? QString() : desktop.messages.constLast().text;
    if (!saved)
        desktop.answer(Desktop::Answer::No);  // "Save Changes Before Exit"
    Click(window, "cb_exit");
    return Report(error);
}

} // namespace

int main(int argc, char **argv)
{
    const QString mode = argc >= 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString target = argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == QLatin1String("bytes") && argc == 4)
        return Report(WriteWholeFile(target, Pattern(QByteArray(argv[3]).toLongLong())));
    if (mode == QLatin1String("puzzle") && argc == 4)
        return Report(WriteWholeFile(target, FirstSampleWords(QByteArray(argv[3]).toInt())));
    if (mode == QLatin1String("window") && argc == 3)
        return SaveThroughWindow(argc, argv, target);
    std::fprintf(stderr, "usage: gridly_fault_writer bytes PATH COUNT | puzzle PATH N | window FOLDER\n");
    return 2;
}
