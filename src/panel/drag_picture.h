// The picture of a word being dragged: the word's letters in blue, one to a
// 20-pixel cell with a blue line after each cell and a blue outline, over
// the part of the grid picture that lies beneath it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

// Width and height of the picture of a word of lw cells laid across or down.
QSize DragPictureSize(int lw, bool across);

// Does a picture of this size with its top-left corner at (pbx, pby) overlap
// the grid picture placed at gridRect? Both in window pixels.
bool OverlapsGrid(double pbx, double pby, QSize size, const QRect &gridRect);

// Draws the picture of text (one character to a cell) into picture, whose
// size and pixel ratio stay. Cleared to white first; when source is given,
// the block of grid of the picture's size whose top-left corner is at source
// (in the window's pixels) is copied in. Pixels of that block outside grid
// stay white.
void DrawDragPicture(QImage &picture, const QString &text, bool across, const QImage &grid,
                     std::optional<QPoint> source);
