#include "document/puzzle_grid.h"

void PutWordInGrid(Puzzle &p, int w, int gc, int gr, Direction dr)
{
    WordEntry &entry = p.Words[w];
    entry.stat = STAT_PLACED;
    entry.dr = dr;
    entry.gc = int16_t(gc);
    entry.gr = int16_t(gr);
    ++p.nplaced;
    std::string text = entry.word.trimmed();
    text.resize(std::size_t(entry.lw), ' ');
    for (int k = 1; k <= entry.lw; ++k) {
        const int c = entry.cellCol(k), r = entry.cellRow(k);
        p.CWGrid(c, r) = text[std::size_t(k - 1)];
        p.Pgrid(c, r) = CELL_UNFILLED;
        int16_t &owner = p.CWIdx(c, r);
        if (owner >= 1)
            p.Words[owner].stat = STAT_PLACED;  // crossed: an uncrossed word counts as crossed now
        owner = int16_t(w);
    }
    p.changed = true;
}

void TakeWordOutOfGrid(Puzzle &p, int w)
{
    WordEntry &entry = p.Words[w];
    entry.stat = STAT_UNPLACED;
    --p.nplaced;
    for (int k = 1; k <= entry.lw; ++k) {
        const int c = entry.cellCol(k), r = entry.cellRow(k);
        p.CWGrid(c, r) = CELL_EMPTY;
        p.Pgrid(c, r) = CELL_EMPTY;
        // The cells are the word's own; an empty cell must not select it when clicked.
        if (p.CWIdx(c, r) == w)
            p.CWIdx(c, r) = 0;
    }
    p.changed = true;
}

void ClearGrid(Puzzle &p)
{
    p.CWGrid.fill(CELL_EMPTY);
    p.CWIdx.fill(0);
    p.Pgrid.fill(CELL_EMPTY);
    p.nplaced = 0;
}

void LoadGrid(Puzzle &p)
{
    // The player's letters stay in every cell that is still a word's cell, so
    // taking one word out of the grid loses no other word's answer.
    const Grid<char> answers = p.Pgrid;
    ClearGrid(p);
    for (int i = 1; i <= p.nwords; ++i) {
        WordEntry &entry = p.Words[i];
        if (!entry.placed())
            continue;
        PutWordInGrid(p, i, entry.gc, entry.gr, entry.dr);
    }
    for (int c = 1; c <= GRIDMAX; ++c)
        for (int r = 1; r <= GRIDMAX; ++r)
            if (p.Pgrid(c, r) == CELL_UNFILLED && answers(c, r) != CELL_EMPTY)
                p.Pgrid(c, r) = answers(c, r);
}

void ResetWords(Puzzle &p)
{
    for (int i = 1; i <= p.nwords; ++i) {
        p.Words[i].stat = STAT_NONE;
        p.Words[i].dr = Direction::Across;
    }
    p.nplaced = 0;
    p.curw = 0;
    ClearGrid(p);
}

void GenGridNbrs(Puzzle &p)
{
    int number = 0;
    for (int r = 1; r <= p.grows; ++r) {
        for (int c = 1; c <= p.gcols; ++c) {
            bool first = true;
            for (int i = 1; i <= p.nwords; ++i) {
                WordEntry &entry = p.Words[i];
                if (!entry.placed() || entry.gc != c || entry.gr != r)
                    continue;
                if (first) {
                    ++number;
                    first = false;
                }
                entry.nbr = int16_t(number);
            }
        }
    }
}
