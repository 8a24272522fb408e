#include "grid/grid_ops.h"

void PutWordInGrid(Puzzle &p, int w, int lw, int &gc, int &gr, std::string &dr)
{
    std::string text;
    char marker;
    if (w >= 1) {
        marker = CELL_UNFILLED;
        WordEntry &entry = p.Words[w];
        text = entry.word.trimmed();
        entry.stat = STAT_PLACED;
        entry.dr.assign(dr);
        entry.gc = int16_t(gc);
        entry.gr = int16_t(gr);
        ++p.nplaced;
    } else {
        marker = CELL_EMPTY;
        w = gc;
        WordEntry &entry = p.Words[w];
        entry.stat = STAT_UNPLACED;
        text.assign(std::size_t(lw), CELL_EMPTY);
        dr = entry.dr.str();
        gc = entry.gc;
        gr = entry.gr;
        --p.nplaced;
    }

    const bool across = dr == DIR_ACROSS;
    text.resize(std::size_t(lw), ' ');
    for (int k = 1; k <= lw; ++k) {
        const int c = across ? gc + k - 1 : gc;
        const int r = across ? gr : gr + k - 1;
        p.CWGrid(c, r) = text[std::size_t(k - 1)];
        p.Pgrid(c, r) = marker;
        int16_t &owner = p.CWIdx(c, r);
        if (marker == CELL_EMPTY) {
            // Only uncrossed words are taken out, so these cells are its own; an
            // empty cell must not select the word when clicked.
            if (owner == w)
                owner = 0;
            continue;
        }
        if (owner >= 1)
            p.Words[owner].stat = STAT_PLACED;  // crossed: an uncrossed word counts as crossed now
        owner = int16_t(w);
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
        int gc = entry.gc, gr = entry.gr;
        std::string dr = entry.dr.str();
        PutWordInGrid(p, i, entry.lw, gc, gr, dr);
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
        p.Words[i].dr.assign(DIR_ACROSS);
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
