// A word list file: UTF-8 text, one word a line, a tab, its clue. Every line
// goes through what the entry boxes and Add allow, so a list makes exactly
// the puzzle a user could type: the word as the word box takes it (letters
// become capitals; only A-Z, 0-9, blank, "&" and "-"; at most 24
// characters), the clue as the clue box takes it (characters Windows-1252
// can store, no control characters, at most 40), then Add's own checks
// (blank word or clue, a word twice, two blanks together) and its limit of
// 40 words. Blank lines are skipped; a CR before the line end and a UTF-8
// byte order mark are allowed.
#pragma once

#include "document/gridlymod.h"

#include <string>
#include <string_view>

struct WordListRead {
    Puzzle puzzle;        // the words, none in the grid, when refusal is ""
    std::string refusal;  // "Line 4: ..." for the first bad line, or why the list is empty
};

WordListRead ReadWordList(std::string_view utf8);
