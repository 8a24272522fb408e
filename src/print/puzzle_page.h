// The printed puzzle: the logo and the grid at the top of the page,
// the grid centred on the middle of the page, and from the middle of the page
// down the headings "Across" and "Down" over the two clue columns (see
// clue_layout.h), the down column starting at the middle of the page.
#pragma once

#include "document/gridlymod.h"
#include "view/grid_look.h"

#include <QImage>

class PagePrinter;

// Prints the placed words of p as one document: the grid drawn as the grid
// view draws it with `look`, and logo, the program's logo; both 15 twips to a
// window pixel. It needs no window.
void PrintPuzzlePage(PagePrinter &printer, const Puzzle &p, const QImage &logo, GridLook look);
