// Keyboard entry of play mode: while a word is current, the keys move the
// cursor cell along that word or write a character into it. Every move works
// on the position along the word, so the cursor never leaves the word, and the
// arrows follow the word's direction: Left and Up step back, Right and Down
// step forward.
//
// The window hands over the codes of the keys, not of the characters they
// type: the KEY_ codes below, the digit keys of the main keyboard 48..57 and
// the letter keys 65..90 ('0'..'9', 'A'..'Z'). Any other code (the numeric
// keypad's among them) does nothing. Modifier bits: KEY_SHIFT, KEY_CTRL,
// KEY_ALT.
#pragma once

#include "document/gridlymod.h"
#include "play/play_grid.h"

#include <cstdint>
#include <optional>

inline constexpr int KEY_SPACE = 32, KEY_END = 35, KEY_HOME = 36;
inline constexpr int KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40;
inline constexpr int KEY_DIGIT_7 = 55, KEY_MINUS = 189;
// The numeric keypad's digits and signs, which never type.
inline constexpr int KEY_PAD_0 = 96, KEY_PAD_TIMES = 106, KEY_PAD_PLUS = 107, KEY_PAD_MINUS = 109;
inline constexpr int KEY_PAD_POINT = 110, KEY_PAD_DIVIDE = 111;

inline constexpr int KEY_SHIFT = 1;
inline constexpr int KEY_CTRL = 2;
inline constexpr int KEY_ALT = 4;

// The cursor cell; (0, 0) = no cursor.
struct PlayCursor {
    int16_t pcol = 0;
    int16_t prow = 0;

    bool operator==(const PlayCursor &) const = default;
};

struct KeyOutcome {
    // The key was for the play grid: the window swallows it (and the character
    // it would type) and moves the cursor box to `cursor`.
    bool consumed = false;
    PlayCursor cursor;
    // Set when a character was written: the grid needs redrawing and this score
    // line showing (completed: curw is 0 now).
    std::optional<PlayStat> stat;
};

// Applies one key press of play mode. Acts only with a current word in
// 1..nwords that is in the grid; otherwise the key is not consumed and nothing
// changes. A cursor that is not on the current word counts as being on its
// first cell. shift: the KEY_ bits held.
KeyOutcome PlayKeyDown(Puzzle &p, PlayCursor cursor, int keycode, int shift);
