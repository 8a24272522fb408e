// The open ipuz format (JSON, UTF-8), kind crossword, version 2.
//
// A .gly grid is numbered by its words' start cells, not by its pattern, and
// the program's own checks let letters of two words touch side by side. So
// the file says everything itself instead of leaving it to the solver: the
// clue numbers stand in the puzzle grid, every clue lists its cells, and two
// touching letters that belong to no common word are parted by a bar
// ("barred" style), so a solver that finds words from the pattern finds the
// puzzle's words.
#pragma once

#include "document/export_grid.h"

#include <string_view>

// The puzzle p, every word in the grid, titled title (UTF-8; invalid bytes
// become U+FFFD). Title and clues are HTML to ipuz readers: their "&", "<"
// and ">" are written "&amp;", "&lt;" and "&gt;", so they read back as
// typed. The player's grid is empty, or with withAnswers holds the answers
// in Pgrid. Refuses only what ReadExportGrid refuses.
ExportFile WriteIpuzFile(const Puzzle &p, std::string_view title, bool withAnswers);
