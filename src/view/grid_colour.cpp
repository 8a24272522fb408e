#include "view/grid_colour.h"

void ChooseGridColour(Puzzle &p, int index)
{
    p.gboxidx = int16_t(index);
    p.gridclr = GRID_BOX_COLOURS[std::size_t(index)];
    if (p.nwords > 0)
        p.changed = true;
}
