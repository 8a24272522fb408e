// How the grid is shown besides what the puzzle holds: the same for the
// picture, the printed page and the words a screen reader hears of a cell.
#pragma once

#include "document/gridlymod.h"

struct GridLook {
    bool playing = false;    // the player's answers instead of the words, always shown
    bool dragging = false;   // a word is dragged: the background is grey
    bool validWord = false;  // the "Valid Word Indicator": right answers turn yellow in play
};

// The cells show letters in play mode, and in design mode while the grid words are on.
inline bool ShowsLetters(const Puzzle &p, GridLook look)
{
    return look.playing || p.gridwrd;
}

// The letters a word's cells show: the player's in play mode, else the word's own.
inline const auto &ShownLetters(const WordEntry &entry, GridLook look)
{
    return look.playing ? entry.pword : entry.word;
}
