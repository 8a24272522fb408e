// What the grid picture tells assistive technology, which cannot read a
// picture: the current word by its clue number, direction and length
// ("12 Across, 5 letters"), and in play mode the score line after it.
#pragma once

#include "document/gridlymod.h"

#include <string>

std::string GridDescription(const Puzzle &p);
