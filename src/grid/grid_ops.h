// Writing words into the grid arrays and taking them out, emptying and
// rebuilding the arrays from the word list, and clue numbering. None of these
// test whether a position is legal: the callers have found a legal one.
#pragma once

#include "document/gridlymod.h"

#include <string>

// w >= 1: place word w with its first letter at (gc, gr) in direction dr.
// w == 0: take the word whose index is in gc out of the grid, and hand its
// direction, column and row back in dr, gc and gr.
// Sets changed; the caller refreshes the command states.
void PutWordInGrid(Puzzle &p, int w, int lw, int &gc, int &gr, std::string &dr);

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
