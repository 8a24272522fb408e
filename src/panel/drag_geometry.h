// The measures a drag is judged by, free of widgets: how far the pointer must
// move before a drag starts, where a point lies around the word panel, which
// row is under it, how a move over the panel's scroll bar scrolls, and where
// the dragged word may be dropped in the grid.
#pragma once

#include "document/gridlymod.h"
#include "grid/search.h"
#include "panel/panel_layout.h"

#include <array>

// Where the panel's rows lie in the window, in pixels.
struct PanelPlace {
    std::array<int, PANEL_ROWS> rowtop{};
    int pnlleft = 0;  // left edge of the rows
    int rowwidth = 0;
    int rowheight = 0;

    int pnltop() const { return rowtop[0]; }
    int pnlbottom() const { return rowtop[PANEL_ROWS - 1] + rowheight; }
};

// A word pressed in the grid at (downx, downy) stays put while the pointer,
// (x, y) in grid pixels, is within 4 pixels of the press in both directions.
bool NearGridPress(int x, int y, int downx, int downy);

// A word pressed in its panel row does not start a drag while the pointer,
// (px, py) pixels from the row's top-left corner, is within 6 pixels around
// the row.
bool NearRow(int px, int py, int rowwidth, int rowheight);

// (x, y) lies inside the rectangle, its edges excluded.
bool StrictlyInside(double x, double y, int left, int top, int width, int height);

enum class PanelZone {
    Rows,       // over the rows: a drop target may be lit
    RightSide,  // right of the rows, within their height: the scroll bar's side
    Elsewhere,
};

// Where a window point off the grid lies against the rows.
PanelZone ZoneOf(double x, double y, const PanelPlace &panel);

// The row under panel-twips y among the rows that show a word, measured with
// the rows' design positions; where two rows overlap by their border, the
// lower one. -1 when there is none.
int RowUnder(double y, const std::array<bool, PANEL_ROWS> &showsWord);

// scrolly before any event over the panel's scroll bar: far below every row,
// so that the first event there counts as a move up.
inline constexpr double NO_SCROLL_EVENT = 9999;

struct ScrollStep {
    int value;       // the scroll bar's new value
    double scrolly;  // the y to compare the next event with
};

// One pointer event at panel-twips y over the scroll bar, whose value runs
// from 1 to maximum: a move of more than 8 twips up from scrolly scrolls one
// word up, more than 8 down one word down. scrolly NO_SCROLL_EVENT (no event
// over the bar before) makes the first event count as a move up.
ScrollStep ScrollOverBar(double y, double scrolly, int value, int maximum);

// Where word w may be dropped with its first letter on cell (ptcol, ptrow),
// in its direction: it must end inside the grid in use, and each of its
// cells must be empty or hold the letter the word has there; what lies
// around it does not matter. Nothing found when it may not.
// Searched as for a dragged word (the relaxed test). 1 <= w <= nwords,
// word w is not in CWGrid.
Found DropPosition(const Puzzle &p, int w, int ptcol, int ptrow);
