#include "document/command_state.h"

CommandStates CommandStatesOf(const Puzzle &p)
{
    const bool words = p.nwords > 0;
    const bool current = p.curw >= 1;
    CommandStates s;
    s.cb_new = s.cb_save = s.cb_procAutosz = s.cb_procfixsize = words;
    s.cb_print = s.cb_cleargrid = s.ck_gridwrd = words && p.nplaced >= 1;
    s.cb_play = words && p.nplaced == p.nwords;
    s.cb_addword = !current && p.nwords < MAXWORDS;
    s.cb_updtword = s.cb_delword = current;
    s.cb_putword = current && !p.Words[p.curw].placed();
    return s;
}
