// What the grid picture tells assistive technology, which cannot read a
// picture: the current word by its clue number, direction and length
// ("12 Across, 5 letters"), and in play mode the score line after it; and
// each cell in words, as a screen reader reads the grid as a table.
#pragma once

#include "document/gridlymod.h"
#include "view/grid_look.h"

#include <string>
#include <string_view>

// scoreLine: the play mode's score line, "" in design mode.
std::string GridDescription(const Puzzle &p, std::string_view scoreLine);

// A cell as it is seen: each word through it, across first, as "3 Across,
// letter 2 of 5" (", right" after a word the indicator shows right), then ": "
// and the letter shown there, or "empty"; "block" for a cell of no word. The
// letter is the one drawn: the word's in design mode while the grid words are
// on, none while they are off, the player's in play mode.
// 1 <= col <= gcols, 1 <= row <= grows.
std::string CellDescription(const Puzzle &p, int col, int row, GridLook look);
