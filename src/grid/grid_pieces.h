// How the placed words of a puzzle hang together. Two words meet when they
// share a cell; a piece is a group of words that meet, directly or through
// others.
#pragma once

#include "document/gridlymod.h"

struct GridPieces {
    int pieces = 0;     // 0 when no word is placed
    int uncrossed = 0;  // placed words that meet no other
};

GridPieces CountPieces(const Puzzle &p);
