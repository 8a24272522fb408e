// The data part of the play commands that change answers directly: reveal the
// current word, clear it, clear them all. Each carries the answers into Pgrid,
// sets changed and returns the score line to show; the window asks the
// questions first and redraws afterwards.
#pragma once

#include "document/gridlymod.h"
#include "play/play_grid.h"

#include <optional>

// "Get Word": the current word's answer becomes its word. Nothing happens (and
// nothing is returned) without a current word in 1..nwords.
std::optional<PlayStat> GetWord(Puzzle &p);

// "Clear Current Word", after the user agreed: the current word's answer is
// blanked, and so is the shared character of every crossing word that is not
// right; a right crossing word keeps its letter in the shared cell. Nothing
// happens (and nothing is returned) without a current word in 1..nwords.
std::optional<PlayStat> ClearCurrentWord(Puzzle &p);

// "Clear All Words", after the user agreed: every answer blank, none right.
PlayStat ClearAllWords(Puzzle &p);
