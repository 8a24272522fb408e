// Draws the crossword grid of a puzzle into an image, from the word list (not
// from the grid arrays): the background, the word cells, their letters, the
// clue numbers and the black grid lines. One cell is 20 pixels; the image is
// gcols x 20 + 1 by grows x 20 + 1 pixels so that the last grid line lies inside.
#pragma once

#include "document/gridlymod.h"
#include "view/text_stamps.h"

#include <QImage>

// Keeps the letters and numbers it has laid out from one picture to the next.
class GridRenderer {
public:
    GridRenderer();
    // validWord: the "Valid Word Indicator" is checked (correct words turn yellow in play).
    QImage render(const Puzzle &p, bool validWord);

private:
    TextStamps m_letters;
    TextStamps m_numbers;
};

// One picture from a renderer of its own.
QImage RenderGrid(const Puzzle &p, bool validWord);

// Text drawn by its top-left corner, as the grid and the drag picture place it.
class QPainter;
void DrawTextAt(QPainter &painter, int left, int top, const QString &text);
