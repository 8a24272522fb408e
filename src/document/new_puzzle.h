// The data part of New: an empty word list and no file. The grid arrays are
// emptied afterwards by ResetWords.
#pragma once

#include "document/gridlymod.h"

// Every entry: stat 0, direction across, word, answer and clue blank, pwok 0
// (lw, nbr, gc and gr keep their values); nwords 0, no current word,
// nothing placed or correct, no file, changed False.
void ClearWordList(Puzzle &p);
