// The player's answers kept in two forms: per word in pword (with its judge
// pwok) and per cell in Pgrid. Each rebuild carries one form into the other and
// judges every word; PGridStat turns the count of right words into the score
// line.
//
// The rebuilds change only the puzzle. The window calls PGridStat after each of
// them and shows what it returns.
#pragma once

#include "document/gridlymod.h"

#include <string>

// A word is right when its whole 24-character answer equals its word, blanks
// included: an empty cell reads as a blank, so it satisfies a blank of the word.
bool AnswerIsRight(const WordEntry &entry);

// True when the word is placed and every one of its cells lies in the 24 x 24
// arrays; only such words are read from or written to Pgrid.
bool WordInPlayGrid(const WordEntry &entry);

// Empties every letter cell of Pgrid, then writes the answers of the words in
// the grid into the cells still empty, in list order, so at a crossing the
// first word in the list with a character there wins. Judges every word and
// counts ncorrect.
void PwordsToPgrid(Puzzle &p);

// Reads the answer of every word in the grid from its cells and judges it.
// A word not in the grid (possible when saving in design mode) keeps its pword
// and pwok; ncorrect counts it by its pwok.
void PgridToPwords(Puzzle &p);

struct PlayStat {
    std::string caption;     // the text of the score line
    bool completed = false;  // every word right: the play controls are disabled

    bool operator==(const PlayStat &) const = default;
};

// " 2 out of  5 words are Correct!", or "Crossword Completed!!!" when ncorrect
// equals nwords.
std::string ScoreCaption(const Puzzle &p);
// The score line; in the completed state curw becomes 0.
PlayStat PGridStat(Puzzle &p);
