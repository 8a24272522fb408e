// Draws the crossword grid of a puzzle from the word list (not from the grid
// arrays): the background, the word cells, their letters, the clue numbers and
// the black grid lines. It draws in grid pixels, one cell being 20 of them,
// onto whatever the painter paints: the window's image at the screen's pixel
// ratio, a printer or a PDF, where lines stay lines and letters text.
#pragma once

#include "document/gridlymod.h"
#include "view/grid_look.h"
#include "view/text_stamps.h"

#include <QImage>

class QPainter;

// The grid in grid pixels: gcols x 20 + 1 by grows x 20 + 1, so that the last
// grid line lies inside.
QSize GridSize(const Puzzle &p);

// An image's size in the window's pixels, whatever its pixel ratio.
QSize WindowSize(const QImage &image);

// Keeps the letters and numbers it has laid out from one picture to the next.
class GridRenderer {
public:
    GridRenderer();
    // The picture holds GridSize(p) x ratio pixels and says so in its devicePixelRatio.
    QImage render(const Puzzle &p, GridLook look, qreal ratio = 1);
    // Draws the grid with its top-left corner at the painter's origin.
    void draw(QPainter &painter, const Puzzle &p, GridLook look);

private:
    TextStamps m_letters;
    TextStamps m_numbers;
};

// One picture, or one drawing, from a renderer of its own.
QImage RenderGrid(const Puzzle &p, GridLook look = {}, qreal ratio = 1);
void DrawGrid(QPainter &painter, const Puzzle &p, GridLook look);
