// Writing words into the grid arrays and taking them out, emptying and
// rebuilding the arrays from the word list, and clue numbering. None of these
// test whether a position is legal: the callers have found a legal one.
#pragma once

#include "document/gridlymod.h"

// Places word w with its first letter at (gc, gr) in direction dr: the word
// records the place and gets stat 1, its letters go into CWGrid, its cells of
// Pgrid become unfilled, and a word it crosses that had no crossing yet counts
// as crossed. Sets changed; the caller refreshes the command states.
void PutWordInGrid(Puzzle &p, int w, int gc, int gr, Direction dr);

// Takes word w out of the grid: stat 2, its cells emptied. It keeps its
// recorded place and direction. Only a word that nothing crosses is taken
// out, so every cell it empties is its own. Sets changed.
void TakeWordOutOfGrid(Puzzle &p, int w);

// Every cell of all three arrays emptied, all 24 x 24; nplaced = 0.
// The word records are not touched.
void ClearGrid(Puzzle &p);

// ClearGrid, then every word with stat 1 written again at its recorded place,
// in list order (so a crossing cell's CWIdx names the higher index).
void LoadGrid(Puzzle &p);

// Every word out of the grid (stat 0, direction across), no current word,
// grid emptied. The caller redraws the picture and the panel.
void ResetWords(Puzzle &p);

// Clue numbers 1, 2, 3 ... over the start cells of placed words in reading
// order of the grid in use; words sharing a start cell share a number.
void GenGridNbrs(Puzzle &p);
