// Qt's keys as the play keyboard knows them: the code of the key pressed (not
// of the character it types) and the modifier bits of play/play_keys.h.
//
// Letters give 65..90, the digit keys of the main keyboard 48..57, the space
// bar 32, the minus key 189, Home 36, End 35, Left 37, Up 38, Right 39,
// Down 40. Keys of the numeric keypad give codes of their own (96..111 for
// its digits and signs) so they never type; its navigation keys, with Num Lock
// off, are the navigation keys. Every other key gives 0.
//
// Qt names a key by the character it types, so a shifted digit key arrives as
// its symbol. With Shift held, the symbols of a US keyboard's digit row and
// its underscore are taken back to their keys: Shift with the 7 key is the
// ampersand either way.
#pragma once

#include <Qt>

struct PlayKeyPress {
    int keycode = 0;
    int shift = 0;  // KEY_SHIFT | KEY_CTRL | KEY_ALT

    bool operator==(const PlayKeyPress &) const = default;
};

PlayKeyPress PlayKeyFromQt(int key, Qt::KeyboardModifiers modifiers);
