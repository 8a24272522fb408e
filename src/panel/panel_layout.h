// Design positions of the word panel's rows inside their frame, in twips.
#pragma once

#include <array>

inline constexpr int ROW_LEFT = 75;
inline constexpr int ROW_WIDTH = 2910;
inline constexpr int ROW_HEIGHT = 360;        // rows 1..15
inline constexpr int FIRST_ROW_HEIGHT = 330;  // row 0
inline constexpr int PANEL_ROWS = 16;
// Neighbouring rows overlap by their border.
inline constexpr std::array<int, PANEL_ROWS> ROW_TOPS{240,  540,  870,  1200, 1530, 1860, 2190, 2520,
                                                      2835, 3165, 3495, 3825, 4155, 4485, 4815, 5145};
