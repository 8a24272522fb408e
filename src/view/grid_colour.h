// The grid's background colour, chosen by one of the six colour boxes.
#pragma once

#include "document/gridlymod.h"

// Box index 0..5 becomes the grid colour (gboxidx and gridclr); the puzzle is
// changed when the list holds words.
void ChooseGridColour(Puzzle &p, int index);
