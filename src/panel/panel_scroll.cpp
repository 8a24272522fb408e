#include "panel/panel_scroll.h"

int ScrollMaximum(int nwords)
{
    return nwords > PANEL_ROWS ? nwords - (PANEL_ROWS - 1) : 1;
}

int RowOf(int w, int wtop, int nwords)
{
    return w >= wtop && w < wtop + PANEL_ROWS && w <= nwords ? w - wtop : -1;
}

int BringIntoView(int w, int wtop)
{
    if (w > wtop + PANEL_ROWS - 1)
        return w - (PANEL_ROWS - 1);
    if (w < wtop)
        return w;
    return wtop;
}
