#include "document/new_puzzle.h"

void ClearWordList(Puzzle &p)
{
    for (int i = 1; i <= MAXWORDS; ++i) {
        WordEntry &entry = p.Words[i];
        entry.stat = STAT_NONE;
        entry.dr = Direction::Across;
        entry.word.clear();
        entry.pword.clear();
        entry.clue.clear();
        entry.pwok = 0;
    }
    p.nwords = 0;
    p.curw = 0;
    p.nplaced = 0;
    p.ncorrect = 0;
    p.changed = false;
}
