// The working state of a word being dragged from the panel or the grid.
#pragma once

#include <cstdint>

struct DragState {
    int16_t fndcol = 0;  // last legal grid position under the pointer; 0 = none
    int16_t fndrow = 0;
    int16_t lastcol = 0;  // the cell last tested; 0, 0 = none
    int16_t lastrow = 0;
    int16_t downx = 0;  // grid pixels of the last left press on a word cell
    int16_t downy = 0;

    // What every selection does first.
    void end()
    {
        fndcol = 0;
        lastcol = lastrow = 0;
    }
};
