// Which words the word panel's rows show: row r shows word wtop + r, and
// the scroll bar runs wtop from 1 to its maximum.
#pragma once

#include "panel/panel_layout.h"

// The scroll bar's maximum for nwords words.
int ScrollMaximum(int nwords);

// The row that shows word w of nwords, 0..PANEL_ROWS - 1, or -1 when the
// panel whose first row is wtop does not show it. w >= 1.
int RowOf(int w, int wtop, int nwords);

// The scroll value that shows word w in the panel whose first row is wtop;
// wtop when w is already shown.
int BringIntoView(int w, int wtop);
