// Which design-mode commands are enabled, from the word count, the number of
// placed words and the current word. Open, Exit and Help are always enabled;
// the play-mode buttons are not covered here.
#pragma once

#include "document/gridlymod.h"

struct CommandStates {
    bool cb_new = false;
    bool cb_save = false;
    bool cb_print = false;
    bool cb_play = false;
    bool cb_procAutosz = false;
    bool cb_procfixsize = false;
    bool cb_cleargrid = false;
    bool ck_gridwrd = false;
    bool cb_putword = false;
    bool cb_addword = false;
    bool cb_updtword = false;
    bool cb_delword = false;
    bool operator==(const CommandStates &) const = default;
};

// The states SetCmdButtons gives the buttons. 0 <= curw <= nwords.
// Auto Put Word is disabled while the current word is already in the grid,
// where it would do nothing.
CommandStates CommandStatesOf(const Puzzle &p);
