#include "window/menu_bar.h"

#include "document/command_state.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *Item(QMenu *menu, const char *name, const QString &text, const QList<QKeySequence> &keys = {})
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

}  // namespace

MenuBar::MenuBar(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menu_bar"));

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    fileNew = Item(file, "menu_new", QStringLiteral("&New"), {QKeySequence(Qt::CTRL | Qt::Key_N)});
    fileOpen = Item(file, "menu_open", QStringLiteral("&Open..."), {QKeySequence(Qt::CTRL | Qt::Key_O)});
    fileSave = Item(file, "menu_save", QStringLiteral("&Save..."), {QKeySequence(Qt::CTRL | Qt::Key_S)});
    recent = file->addMenu(QStringLiteral("&Recent Puzzles"));
    recent->setObjectName(QStringLiteral("menu_recent"));
    clearRecent = new QAction(QStringLiteral("&Clear List"), file);  // kept while the list is rebuilt
    clearRecent->setObjectName(QStringLiteral("menu_clear_recent"));
    exportMenu = file->addMenu(QStringLiteral("&Export"));
    exportMenu->setObjectName(QStringLiteral("menu_export"));
    exportPuz = Item(exportMenu, "menu_export_puz", QStringLiteral("Across Lite &.puz..."));
    exportIpuz = Item(exportMenu, "menu_export_ipuz", QStringLiteral("&ipuz..."));
    exportWorksheet = Item(exportMenu, "menu_export_worksheet", QStringLiteral("PDF &Worksheet..."));
    exportAnswerKey = Item(exportMenu, "menu_export_answer_key", QStringLiteral("PDF &Answer Key..."));
    exportWebPage = Item(exportMenu, "menu_export_web_page", QStringLiteral("&Web Page..."));
    filePrint = Item(file, "menu_print", QStringLiteral("&Print"), {QKeySequence(Qt::CTRL | Qt::Key_P)});
    file->addSeparator();
    fileExit = Item(file, "menu_exit", QStringLiteral("E&xit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    undo = Item(edit, "undo", QStringLiteral("&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redo = Item(edit, "redo", QStringLiteral("&Redo"),
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu *puzzle = bar->addMenu(QStringLiteral("&Puzzle"));
    generateAuto = Item(puzzle, "menu_generate_auto", QStringLiteral("Generate (&Auto Size)"));
    generateFixed = Item(puzzle, "menu_generate_fixed", QStringLiteral("Generate (&Fixed Size)"));
    makeConnected = Item(puzzle, "menu_make_connected", QStringLiteral("Make &Connected Grid"));
    puzzle->addSeparator();
    autoPut = Item(puzzle, "menu_auto_put", QStringLiteral("Auto &Put Word in Grid"));
    takeOut = Item(puzzle, "menu_take_out", QStringLiteral("&Take Word Out of Grid"));
    puzzle->addSeparator();
    minimumSize = Item(puzzle, "menu_minimum_size", QStringLiteral("Set to &Minimun Size"));
    clearGrid = Item(puzzle, "menu_clear_grid", QStringLiteral("C&lear Grid"));
    puzzle->addSeparator();
    playOrDesign = Item(puzzle, "menu_play", QStringLiteral("&Do Cross Word"));

    QMenu *helpMenu = bar->addMenu(QStringLiteral("&Help"));
    help = Item(helpMenu, "menu_help", QStringLiteral("Gridly &Help"), {QKeySequence(Qt::Key_F1)});
    about = Item(helpMenu, "menu_about", QStringLiteral("&About Gridly"));
}

void MenuBar::Enable(const CommandStates &states, bool playing, bool takeOutWord)
{
    const bool design = !playing;
    fileNew->setEnabled(design && states.cb_new);
    fileOpen->setEnabled(design);
    recent->setEnabled(design);
    fileSave->setEnabled(states.cb_save);
    exportMenu->setEnabled(states.cb_save);  // there are words; a puzzle not whole is refused by name
    filePrint->setEnabled(states.cb_print);
    generateAuto->setEnabled(design && states.cb_procAutosz);
    generateFixed->setEnabled(design && states.cb_procfixsize);
    makeConnected->setEnabled(design && states.cb_procAutosz);
    autoPut->setEnabled(design && states.cb_putword);
    takeOut->setEnabled(design && takeOutWord);
    minimumSize->setEnabled(design);
    clearGrid->setEnabled(design && states.cb_cleargrid);
    playOrDesign->setText(playing ? QStringLiteral("&Design") : QStringLiteral("&Do Cross Word"));
    playOrDesign->setEnabled(playing || states.cb_play);
}
