// The printer as the printed puzzle uses it: a text printer with a current
// position, in twips (1440 per inch) from the top-left corner of the printable
// area. Text is printed with its top-left corner at the current position;
// ending a line goes back to the left margin (x 0) and down by the height of a
// line of the current font. An operation the printer refuses is skipped, and
// the caller goes on with the next; once the document is ended, printed()
// tells whether it reached the printer whole.
#pragma once

#include "document/gridlymod.h"
#include "view/grid_look.h"

#include <QColor>
#include <QImage>
#include <QString>

class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    virtual void setTextColour(const QColor &colour) = 0;

    // The printable area; 0 when the printer cannot tell.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;

    virtual int currentX() = 0;
    virtual int currentY() = 0;
    virtual void setCurrentX(int x) = 0;
    virtual void setCurrentY(int y) = 0;

    // Prints at the current position; the position moves to the end of the text.
    virtual void printStay(const QString &text) = 0;
    // Prints at the current position, then ends the line.
    virtual void printLine(const QString &text) = 0;
    // Ends the line without printing.
    virtual void newLine() = 0;
    // Draws a picture with its top-left corner at (x, y), 15 twips to each of
    // its pixels in the window (its pixel ratio counts). The current position
    // does not move.
    virtual void drawPicture(int x, int y, const QImage &picture) = 0;
    // Draws the grid of p as the grid view shows it with `look`, with its
    // top-left corner at (x, y), 15 twips to a grid pixel, as lines and text.
    // The current position does not move.
    virtual void drawGrid(int x, int y, const Puzzle &p, GridLook look) = 0;
    // Hands the document to the printer. Nothing may be printed after it.
    virtual void endDoc() = 0;
    // After endDoc: the printer took the whole document.
    virtual bool printed() const = 0;
};
