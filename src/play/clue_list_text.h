// Texts of the items of the two clue lists of play mode. The lists sort their
// items as text: the leading blanks keep each header first, the two-digit
// numbers keep the clues in number order. Bytes are Windows-1252; the window
// converts them.
#pragma once

#include "document/gridlymod.h"

#include <string>
#include <string_view>

inline constexpr std::string_view CLUE_HEADER_ACROSS = "      [Across]";
inline constexpr std::string_view CLUE_HEADER_DOWN = "      [Down]";

// "07- " followed by the whole 40-character clue, trailing blanks included.
// 0 <= nbr <= 99.
std::string ClueListText(const WordEntry &entry);
