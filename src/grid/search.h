// Where a word may go in the grid: the legality test of one position and the
// two searches built on it, one for a position crossing letters already in the
// grid and one for a position away from every letter. CWGrid and the places
// of the words in the grid are read, only inside the 24 x 24 arrays; a
// neighbour outside the grid in use (gcols x grows) counts as empty.
#pragma once

#include "document/gridlymod.h"

#include <cstdint>
#include <string>

// A position found by a search: column and row of the word's first letter.
// fndcol 0 means nothing was found.
struct Found {
    int16_t fndcol = 0;
    int16_t fndrow = 0;
    bool found() const { return fndcol >= 1; }
};

// Is word wrd (trimmed, lw cells) legal with its first letter at (c, r) in
// direction dr?
// mtcLetter: legal when it shares at least one letter with the grid at the
// same place, clashes with none, has no letter beside any of its empty cells,
// and the cells before and after it are empty.
// mtcEmpty (tried only when the crossing test did not succeed, and only when
// the word fits in the grid in use): legal when all its cells, the cells
// beside them and the cells before and after are empty.
// Neither may share a cell with a placed word of the same direction (a word
// hidden inside another); a one-letter word counts as both directions, so it
// only goes on an empty cell.
// While a word is dragged (dragging) the beside, before and after tests are
// left out. A position whose cells would leave the 24 x 24 arrays is never
// legal.
Found SearchCWGrid(const Puzzle &p, const std::string &wrd, int lw, Direction dr, int c, int r, bool mtcLetter,
                   bool mtcEmpty, bool dragging = false);

// First legal crossing position of w in direction dr. Across: leftmost start
// column first, then topmost row; down: topmost start row first, then leftmost
// column. Nothing when w is longer than the grid in use.
Found MatchLetters(const Puzzle &p, const std::string &w, Direction dr);

// First free run of lw cells in direction dr: across, the topmost row that
// has one, its leftmost run; down, the leftmost column, its topmost run.
// lw >= 1.
Found GetEmpty(const Puzzle &p, int lw, Direction dr);
