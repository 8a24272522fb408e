// Sound puzzles as the program itself leaves them (words placed by the
// generator, numbered, answers carried from the player's grid), for the fault
// tests, the fuzzers' seeds and the benchmarks.
#pragma once

#include "document/gridlymod.h"

#include <string>
#include <vector>

// The forty words generated into the 24 x 24 grid: every word placed and
// numbered. The same puzzle on every call.
Puzzle FortyWordPuzzle();

struct SamplePuzzle {
    std::string name;
    Puzzle puzzle;
};

// One word; a 15 x 15 grid; some words out of the grid; blanks, "&" and "-"
// in words; Windows-1252 letters in clues; answers typed in play; the forty
// word puzzle, placed, half placed and unplaced.
std::vector<SamplePuzzle> SamplePuzzles();
