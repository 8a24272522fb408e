// The printed puzzle: the logo and the grid picture at the top of the page,
// the grid centred on the middle of the page, and from the middle of the page
// down the headings "Across" and "Down" over the two clue columns (see
// clue_layout.h), the down column starting at the middle of the page.
#pragma once

#include "document/gridlymod.h"

#include <QImage>

class PagePrinter;

// Prints the placed words of p as one document. grid: the grid picture as the
// window shows it; logo: the program's logo. Both print 15 twips to a pixel.
void PrintPuzzlePage(PagePrinter &printer, const Puzzle &p, const QImage &logo, const QImage &grid);
