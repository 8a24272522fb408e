// Pixels of a grid picture: 20 pixels a cell, a one-pixel line on each cell's
// top and left edge, the letter drawn 8 pixels in from the corner.
#pragma once

#include <QImage>

// The paper of cell (c, r), away from its letter and its number.
inline QRgb CellPaper(const QImage &grid, int c, int r)
{
    return grid.pixel((c - 1) * 20 + 4, (r - 1) * 20 + 17);
}

// Pixels of colour ink where the letter of cell (c, r) is drawn.
inline int LetterInk(const QImage &grid, int c, int r, QRgb ink = qRgb(0, 0, 0))
{
    int pixels = 0;
    for (int i = 0; i < 144; ++i)
        pixels += grid.pixel((c - 1) * 20 + 8 + i % 12, (r - 1) * 20 + 8 + i / 12) == ink;
    return pixels;
}
