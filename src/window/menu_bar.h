// The menu bar above the window's controls: every command of the window, and
// what Gridly does beyond its buttons (recent puzzles, the exports, the
// connected grid, taking a word out of the grid by keyboard, About). Each
// command is an action with a mnemonic and the shortcuts set here, since the
// platforms' standard keys differ. The window connects each to its handler
// and decides, with its buttons, which are enabled.
#pragma once

#include <QString>

class QAction;
class QMainWindow;
class QMenu;
struct CommandStates;

struct MenuBar {
    explicit MenuBar(QMainWindow *window);

    // The menus' part of SetCmdButtons: an item that names a button is
    // enabled as that button is; play mode leaves Save, Export, Print, Help,
    // About, Undo, Redo, Exit and the way back to design. takeOut: the current
    // word is in the grid.
    void Enable(const CommandStates &states, bool playing, bool takeOut);

    QAction *fileNew = nullptr;
    QAction *fileOpen = nullptr;
    QAction *fileSave = nullptr;
    QMenu *recent = nullptr;  // filled each time it opens
    QAction *clearRecent = nullptr;
    QMenu *exportMenu = nullptr;
    QAction *exportPuz = nullptr;
    QAction *exportIpuz = nullptr;
    QAction *exportWorksheet = nullptr;
    QAction *exportAnswerKey = nullptr;
    QAction *exportWebPage = nullptr;
    QAction *filePrint = nullptr;
    QAction *fileExit = nullptr;

    QAction *undo = nullptr;
    QAction *redo = nullptr;

    QAction *generateAuto = nullptr;
    QAction *generateFixed = nullptr;
    QAction *makeConnected = nullptr;
    QAction *autoPut = nullptr;
    QAction *takeOut = nullptr;
    QAction *minimumSize = nullptr;
    QAction *clearGrid = nullptr;
    QAction *playOrDesign = nullptr;  // "Do Cross Word" in design, "Design" in play

    QAction *help = nullptr;
    QAction *about = nullptr;
};
