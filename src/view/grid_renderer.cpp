#include "view/grid_renderer.h"

#include "view/cell_geometry.h"
#include "view/widget_text.h"

#include <QPainter>
#include <QtMath>

namespace {

QColor toColor(Rgb rgb)
{
    return QColor(rgb.r, rgb.g, rgb.b);
}

QFont GridFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void drawWordCells(QPainter &painter, TextStamps &letters, const Puzzle &p, GridLook look, const WordEntry &entry,
                   const QColor &cellColor)
{
    const bool showLetters = ShowsLetters(p, look);
    const std::string text = ShownLetters(entry, look).str();
    for (int k = 1; k <= entry.lw; ++k) {
        const int left = (entry.cellCol(k) - 1) * CELLPX;
        const int top = (entry.cellRow(k) - 1) * CELLPX;
        painter.fillRect(left, top, CELLPX + 1, CELLPX + 1, cellColor);
        const char letter = text[std::size_t(k - 1)];
        if (letter != ' ' && showLetters)
            letters.draw(painter, left + txtoff, top + txtoff, WidgetText({&letter, 1}));
    }
}

}  // namespace

QSize GridSize(const Puzzle &p)
{
    return {p.gcols * CELLPX + 1, p.grows * CELLPX + 1};
}

QSize WindowSize(const QImage &image)
{
    // Whole window pixels: a fractional ratio rounds the image up, never the window down.
    return {int(image.width() / image.devicePixelRatio()), int(image.height() / image.devicePixelRatio())};
}

GridRenderer::GridRenderer() : m_letters(GridFont(11, true)), m_numbers(GridFont(9, false))
{
}

QImage RenderGrid(const Puzzle &p, GridLook look, qreal ratio)
{
    return GridRenderer().render(p, look, ratio);
}

void DrawGrid(QPainter &painter, const Puzzle &p, GridLook look)
{
    GridRenderer().draw(painter, p, look);
}

QImage GridRenderer::render(const Puzzle &p, GridLook look, qreal ratio)
{
    const QSizeF size = QSizeF(GridSize(p)) * ratio;
    QImage image(qCeil(size.width()), qCeil(size.height()), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // A fractional ratio leaves part of a pixel beyond the last grid line: it joins the line.
    if (QSizeF(image.size()) != size)
        image.fill(Qt::black);
    QPainter painter(&image);
    draw(painter, p, look);
    return image;
}

void GridRenderer::draw(QPainter &painter, const Puzzle &p, GridLook look)
{
    const int width = GridSize(p).width();
    const int height = GridSize(p).height();
    painter.save();
    painter.fillRect(0, 0, width, height, look.dragging ? QColor(128, 128, 128) : toColor(p.gridclr));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(Qt::black);

    // Correct words are drawn last, so their colour wins where words cross.
    for (int pass = 0; pass <= 1; ++pass) {
        const QColor cellColor = pass == 1 && look.playing && look.validWord ? QColor(255, 255, 0) : QColor(Qt::white);
        for (int i = 1; i <= p.nwords; ++i) {
            const WordEntry &entry = p.Words[i];
            if (entry.placed() && entry.pwok == pass)
                drawWordCells(painter, m_letters, p, look, entry, cellColor);
        }
    }

    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &entry = p.Words[i];
        if (entry.placed() && entry.nbr != 0)
            m_numbers.draw(painter, (entry.gc - 1) * CELLPX + 2, (entry.gr - 1) * CELLPX, QString::number(entry.nbr));
    }

    // One-pixel lines as filled rectangles: the same pixels, far cheaper than
    // stroking, and on paper rectangles exactly one grid pixel wide.
    for (int x = 0; x <= p.gcols * CELLPX; x += CELLPX)
        painter.fillRect(x, 0, 1, height, Qt::black);
    for (int y = 0; y <= p.grows * CELLPX; y += CELLPX)
        painter.fillRect(0, y, width, 1, Qt::black);
    painter.restore();
}
