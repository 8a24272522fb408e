#include "grid/grid_size.h"

#include "document/puzzle_grid.h"

#include <algorithm>

namespace {

// The scroll bar rule for one dimension: the size may not drop below the
// smallest size that holds the words.
int ChangeSize(Puzzle &p, int value, int16_t Puzzle::*size, int16_t Puzzle::*smallest)
{
    GetGridSize(p);
    if (value < p.*smallest)
        return p.*smallest;
    p.*size = int16_t(value);
    if (p.nwords > 0)  // an empty list has nothing to save
        p.changed = true;
    return value;
}

}  // namespace

GridExtent GetGridSize(Puzzle &p)
{
    int leftmost = p.gcols, topmost = p.grows;
    int lastCol = 1, lastRow = 1;
    bool anyPlaced = false;
    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &entry = p.Words[i];
        if (!entry.placed())
            continue;
        anyPlaced = true;
        lastCol = std::max(lastCol, entry.cellCol(entry.lw));
        lastRow = std::max(lastRow, entry.cellRow(entry.lw));
        leftmost = std::min<int>(leftmost, entry.gc);
        topmost = std::min<int>(topmost, entry.gr);
    }
    p.gcolsmin = int16_t(std::max(GRIDMIN, lastCol));
    p.growsmin = int16_t(std::max(GRIDMIN, lastRow));
    if (!anyPlaced)
        return {};
    return {int16_t(leftmost), int16_t(topmost)};
}

bool ShiftWords(Puzzle &p, char tag)
{
    const GridExtent extent = GetGridSize(p);
    int dc = 0, dr = 0;
    bool allowed = false;
    switch (tag) {
    case 'U':
        dr = -1;
        allowed = extent.toprow > 1;
        break;
    case 'D':
        dr = 1;
        allowed = p.growsmin < p.grows;
        break;
    case 'L':
        dc = -1;
        allowed = extent.leftcol > 1;
        break;
    default:
        dc = 1;
        allowed = p.gcolsmin < p.gcols;
        break;
    }
    // With nothing in the grid there is nothing to move, and nothing changes.
    if (!allowed || p.nplaced == 0)
        return false;

    for (int i = 1; i <= p.nwords; ++i) {
        WordEntry &entry = p.Words[i];
        if (entry.placed()) {
            entry.gc = int16_t(entry.gc + dc);
            entry.gr = int16_t(entry.gr + dr);
        }
    }
    // The player's letters move with the words; LoadGrid keeps them there.
    const Grid<char> answers = p.Pgrid;
    p.Pgrid.fill(CELL_EMPTY);
    for (int c = 1; c <= GRIDMAX; ++c)
        for (int r = 1; r <= GRIDMAX; ++r)
            if (Grid<char>::inside(c + dc, r + dr))
                p.Pgrid(c + dc, r + dr) = answers(c, r);
    LoadGrid(p);
    p.changed = true;
    return true;
}

void SetToMinimumSize(Puzzle &p)
{
    GetGridSize(p);
    p.gcols = p.gcolsmin;
    p.grows = p.growsmin;
    if (p.nwords > 0)
        p.changed = true;
    p.curw = 0;
}

int ChangeGridCols(Puzzle &p, int value)
{
    return ChangeSize(p, value, &Puzzle::gcols, &Puzzle::gcolsmin);
}

int ChangeGridRows(Puzzle &p, int value)
{
    return ChangeSize(p, value, &Puzzle::grows, &Puzzle::growsmin);
}
