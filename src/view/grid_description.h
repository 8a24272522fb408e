// What the grid picture tells assistive technology, which cannot read a
// picture: the current word by its clue number, direction and length
// ("12 Across, 5 letters"), and in play mode the score line after it.
#pragma once

#include "document/gridlymod.h"

#include <string>
#include <string_view>

// scoreLine: the play mode's score line, "" in design mode.
std::string GridDescription(const Puzzle &p, std::string_view scoreLine);
