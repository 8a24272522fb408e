// Windows-1252 <-> UTF-8 at the boundary between the puzzle and the widgets.
//
// The puzzle keeps word, answer and clue texts as Windows-1252 bytes (that is
// what a puzzle file holds); widgets speak Unicode. The five bytes Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081, U+008D,
// U+008F, U+0090 and U+009D and back, as Windows itself converts them, so that
// every byte of a file survives a trip through a widget.
#pragma once

#include <string>
#include <string_view>

// Every byte becomes one character.
std::string Cp1252ToUtf8(std::string_view cp1252);

// Characters Windows-1252 cannot hold and invalid UTF-8 sequences are dropped.
std::string Utf8ToCp1252(std::string_view utf8);

// Utf8ToCp1252 for the text of a one-line entry box: control characters
// (below 32, and 127) are dropped as well.
std::string EntryTextToCp1252(std::string_view utf8);

bool Cp1252CanHold(char32_t c);

inline constexpr char32_t INVALID_UTF8 = 0xFFFFFFFF;

// Decodes the character of utf8 that starts at pos (< utf8.size()) and moves
// pos past it. An invalid sequence (a bad lead or continuation byte, an
// overlong form, a surrogate, a value above U+10FFFF, a cut sequence) gives
// INVALID_UTF8 and moves pos by one byte.
char32_t DecodeUtf8(std::string_view utf8, std::size_t &pos);

void AppendUtf8(std::string &out, char32_t c);
