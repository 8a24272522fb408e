// What the word panel and a drag do to the puzzle: choosing the current
// word, lifting it off the grid, dropping it, turning it, and swapping two
// words in the list. The current word is curw throughout.
#pragma once

#include "document/gridlymod.h"
#include "grid/search.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view WORD_MOVE_TITLE = "Word Move";

// Word w (1..nwords) becomes current, as a press on its row makes it. A word
// out of the grid that is longer than the grid in use one way turns the
// other way; one longer both ways is refused: no word is current, and the
// message to show under WORD_MOVE_TITLE comes back.
std::optional<std::string> ChooseWord(Puzzle &p, int w);

// The current word leaves the grid as its drag starts; only a legal drop
// brings it back. The grid is rebuilt and renumbered; changed is True.
void LiftWord(Puzzle &p);

// The current word goes into the grid at `at` in its direction; the grid is
// renumbered. at.found().
void DropWord(Puzzle &p, Found at);

// A drag that ended nowhere: a current word out of the grid comes out across.
void DropNowhere(Puzzle &p);

// The current word turns to dr while it is dragged.
void TurnWord(Puzzle &p, Direction dr);

// The current word and word w change places in the list; changed is True.
void SwapWords(Puzzle &p, int w);
