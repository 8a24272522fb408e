// The Across Lite .puz format, version 1.3: a 52-byte header with its
// checksums, the solution and the player's grid (one byte a cell, "." where
// no word runs, "-" for an empty cell), then NUL-terminated Latin-1 strings:
// title, author, copyright, the clues by number (across before down at one
// number) and the notes. Author, copyright and notes stay empty.
//
// A .puz file names no cell and numbers nothing: solvers number the grid
// from its pattern and give the clues out in that order. So a puzzle is
// refused, naming the first offending word or cell, when its pattern would
// read differently from its words, or when it holds what .puz cannot:
//   - a one-letter word (solvers number only runs of two or more);
//   - a cell other than A-Z or 0-9 (a blank, "&", "-");
//   - a word running on into a letter before or after it;
//   - a run of two or more letters that is not one of the words (letters of
//     two words touching side by side).
#pragma once

#include "document/export_grid.h"

#include <string_view>

// The puzzle p, titled title (UTF-8, turned into Latin-1: quotes, dashes
// and the ellipsis become their ASCII forms, other characters beyond Latin-1
// "?", control characters are dropped; clues alike). The player's grid is
// empty, or with withAnswers holds the answers in Pgrid that .puz can hold.
ExportFile WritePuzFile(const Puzzle &p, std::string_view title, bool withAnswers);
