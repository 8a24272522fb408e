#include "panel/drag_geometry.h"

#include "view/cell_geometry.h"

#include <cstdlib>

namespace {

constexpr int GRID_SLACK = 4;    // pixels a press in the grid may wander
constexpr int ROW_SLACK = 6;     // pixels around a row that start nothing
constexpr int SCROLL_SLACK = 8;  // twips a move over the scroll bar must exceed

}  // namespace

bool NearGridPress(int x, int y, int downx, int downy)
{
    return std::abs(x - downx) <= GRID_SLACK && std::abs(y - downy) <= GRID_SLACK;
}

bool NearRow(int px, int py, int rowwidth, int rowheight)
{
    return px >= -ROW_SLACK && px <= rowwidth + ROW_SLACK && py >= -ROW_SLACK && py <= rowheight + ROW_SLACK;
}

bool StrictlyInside(double x, double y, int left, int top, int width, int height)
{
    return x > left && x < left + width && y > top && y < top + height;
}

PanelZone ZoneOf(double x, double y, const PanelPlace &panel)
{
    if (y <= panel.pnltop() || y >= panel.pnlbottom())
        return PanelZone::Elsewhere;
    if (x > panel.pnlleft && x < panel.pnlleft + panel.rowwidth)
        return PanelZone::Rows;
    if (x > panel.pnlleft + panel.rowwidth)
        return PanelZone::RightSide;
    return PanelZone::Elsewhere;
}

int RowUnder(double y, const std::array<bool, PANEL_ROWS> &showsWord)
{
    int candidate = -1;
    for (int i = 0; i < PANEL_ROWS; ++i) {
        const int top = ROW_TOPS[std::size_t(i)];
        const int height = i == 0 ? FIRST_ROW_HEIGHT : ROW_HEIGHT;
        if (showsWord[std::size_t(i)] && y >= top && y < top + height)
            candidate = i;
    }
    return candidate;
}

ScrollStep ScrollOverBar(double y, double scrolly, int value, int maximum)
{
    if (y + SCROLL_SLACK < scrolly) {
        if (value >= 2)
            --value;
    } else if (y - SCROLL_SLACK > scrolly) {
        if (value < maximum)
            ++value;
    }
    return {value, double(RoundHalfEven(y))};
}

Found DropPosition(const Puzzle &p, int w, int ptcol, int ptrow)
{
    const WordEntry &entry = p.Words[w];
    const int lastcell = (entry.across() ? ptcol : ptrow) + entry.lw - 1;
    if (lastcell > (entry.across() ? p.gcols : p.grows))
        return {};
    return SearchCWGrid(p, entry.word.trimmed(), entry.lw, entry.dr, ptcol, ptrow, true, true, true);
}
