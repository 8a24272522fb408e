#include "panel/word_moves.h"

#include "document/puzzle_grid.h"

#include <utility>

std::optional<std::string> ChooseWord(Puzzle &p, int w)
{
    p.curw = int16_t(w);
    WordEntry &entry = p.Words[w];
    if (entry.placed())
        return std::nullopt;
    if (entry.lw > p.gcols && entry.lw > p.grows) {
        p.curw = 0;
        return "This Word is Longer than the Current Grid Size\rIncrease the Grid Size to Fit ' "
            + std::to_string(entry.lw) + "' Characters.";
    }
    if (entry.lw > p.gcols)
        entry.dr = Direction::Down;
    else if (entry.lw > p.grows)
        entry.dr = Direction::Across;
    return std::nullopt;
}

void LiftWord(Puzzle &p)
{
    p.Words[p.curw].stat = STAT_UNPLACED;
    p.changed = true;
    LoadGrid(p);
    GenGridNbrs(p);
}

void DropWord(Puzzle &p, Found at)
{
    PutWordInGrid(p, p.curw, at.fndcol, at.fndrow, p.Words[p.curw].dr);
    GenGridNbrs(p);
}

void DropNowhere(Puzzle &p)
{
    WordEntry &entry = p.Words[p.curw];
    if (!entry.placed())
        entry.dr = Direction::Across;
}

void TurnWord(Puzzle &p, Direction dr)
{
    p.Words[p.curw].dr = dr;
}

void SwapWords(Puzzle &p, int w)
{
    std::swap(p.Words[p.curw], p.Words[w]);
    p.changed = true;
}
