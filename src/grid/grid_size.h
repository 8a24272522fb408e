// The size of the grid in use and the moving of all words: the smallest size
// that still holds every placed word, cutting the grid down to it, the size
// scroll bars' rule, and shifting every placed word by one cell. Changing the
// size never moves a word; columns and rows come and go at the right and at
// the bottom only.
#pragma once

#include "document/gridlymod.h"

#include <cstdint>
#include <string_view>

// Where the placed words begin: the leftmost start column and the topmost
// start row (1 and 1 when no word is placed).
struct GridExtent {
    int16_t leftcol = 1;
    int16_t toprow = 1;
};

// Sets gcolsmin and growsmin to the last column and row that a placed word
// uses, never below GRIDMIN, and returns where the placed words begin.
GridExtent GetGridSize(Puzzle &p);

// Moves every placed word one cell: 'U' up, 'D' down, 'L' left, any other tag
// right. Up and left stop at row and column 1; down and right stop when the
// smallest size (never below GRIDMIN) already equals the size in use. On a
// move the grid arrays are rebuilt (the player's letters move along) and the
// puzzle is changed; clue numbers stay. With no word in the grid nothing
// moves. Returns whether the words moved.
bool ShiftWords(Puzzle &p, char tag);

// "Set to Minimun Size": the grid in use becomes the smallest size that holds
// the words; no current word; changed when the list holds words.
void SetToMinimumSize(Puzzle &p);

// The Change events of the column and row scroll bars, for a new value in
// GRIDMIN..GRIDMAX. Returns the value the scroll bar must hold: when it
// differs from `value` (a value below the smallest size) nothing changed and
// the window sets the bar to it, which raises the event again; otherwise the
// size took the value and the puzzle is changed when the list holds words.
int ChangeGridCols(Puzzle &p, int value);
int ChangeGridRows(Puzzle &p, int value);

// The question "Clear Grid" asks (Yes/No) before taking every word out.
inline constexpr std::string_view CLEAR_GRID_QUESTION_TITLE = "Clear Grid";
inline constexpr std::string_view CLEAR_GRID_QUESTION = "Remove Words from Grid";
