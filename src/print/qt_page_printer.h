// The page printer on one of Qt's paged devices (a QPrinter in the window, a
// QPdfWriter for the PDF file): a painter whose unit is the twip, fonts sized
// in twips (20 to the point), and the text position kept by a PrintHead. The
// document begins with the first thing drawn. When the device cannot begin
// it (printer gone, an unwritable output file) every drawing is skipped while
// the position still moves; a refused new page is skipped and the text goes
// on on the current page.
#pragma once

#include "print/page_printer.h"
#include "print/print_head.h"

#include <QFont>
#include <QPainter>

#include <memory>

class QPagedPaintDevice;

class QtPagePrinter : public PagePrinter {
public:
    explicit QtPagePrinter(std::unique_ptr<QPagedPaintDevice> device);
    // Ends a document that was begun and not ended.
    ~QtPagePrinter() override;

    void setFontName(const QString &name) override;
    void setFontSize(int points) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void setTextColour(const QColor &colour) override;

    int pageWidth() override;
    int pageHeight() override;

    int currentX() override { return m_head.x(); }
    int currentY() override { return m_head.y(); }
    void setCurrentX(int x) override { m_head.setX(x); }
    void setCurrentY(int y) override { m_head.setY(y); }

    void printStay(const QString &text) override;
    void printLine(const QString &text) override;
    void newLine() override;
    void drawPicture(int x, int y, const QImage &picture) override;
    void drawGrid(int x, int y, const Puzzle &p, GridLook look) override;
    void endDoc() override;
    bool printed() const override { return m_printed; }

private:
    enum class State { NotBegun, Printing, Refused, Ended };

    // True when drawing may go on; begins the document the first time.
    bool printing();
    void printText(const QString &text);
    int lineHeight() const;

    std::unique_ptr<QPagedPaintDevice> m_printer;
    QPainter m_painter;
    State m_state = State::NotBegun;
    QFont m_font;
    QColor m_colour = Qt::black;
    PrintHead m_head;
    bool m_printed = false;
};
