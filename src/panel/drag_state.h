// The working state of a word being dragged from the panel or the grid, and
// the panel geometry the drag measures against (window pixels).
#pragma once

#include <cstdint>

// scrolly before any event over the panel's scroll bar: far below every row,
// so that the first event there counts as a move up.
inline constexpr double NO_SCROLL_EVENT = 9999;

struct DragState {
    int16_t fndcol = 0;  // last legal grid position under the pointer; 0 = none
    int16_t fndrow = 0;
    int16_t lastcol = 0;  // the cell last tested; 0, 0 = none
    int16_t lastrow = 0;
    int16_t downx = 0;  // grid pixels of the last left press on a word cell
    int16_t downy = 0;
    int tgtrow = -1;          // panel row lit as drop target; -1 = none
    double scrolly = NO_SCROLL_EVENT;  // panel twips y of the last event over the scroll bar
    int pnlleft = 0;          // left edge of the rows
    int rowwidth = 0;
    int rowheight = 0;
    int pnltop = 0;     // top of row 0
    int pnlbottom = 0;  // bottom of row 15

    // What every selection and press does first.
    void end()
    {
        fndcol = 0;
        lastcol = lastrow = 0;
        scrolly = NO_SCROLL_EVENT;
        tgtrow = -1;
    }
};
