#include "panel/drag_picture.h"

#include "view/cell_geometry.h"
#include "view/grid_renderer.h"
#include "view/shape_box.h"

#include <QPainter>

namespace {

constexpr int THICKNESS = 22;  // the picture's side across the word

QFont pictureFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

QSize DragPictureSize(int lw, bool across)
{
    const int length = CELLPX * lw + 2;
    return across ? QSize(length, THICKNESS) : QSize(THICKNESS, length);
}

bool OverlapsGrid(double pbx, double pby, QSize size, const QRect &gridRect)
{
    return gridRect.left() - size.width() <= pbx && pbx < gridRect.left() + gridRect.width()
        && gridRect.top() - size.height() <= pby && pby < gridRect.top() + gridRect.height();
}

void DrawDragPicture(QImage &picture, const QString &text, bool across, const QImage &grid,
                     std::optional<QPoint> source)
{
    const QSize size = WindowSize(picture);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    if (source) {
        // The part of the block that lies on the grid, in window pixels; each
        // image is read and written at its own pixel ratio.
        const QRect block = QRect(*source, size) & QRect(QPoint(0, 0), WindowSize(grid));
        const qreal ratio = grid.devicePixelRatio();
        painter.drawImage(block.translated(-*source), grid,
                          QRectF(QPointF(block.topLeft()) * ratio, QSizeF(block.size()) * ratio));
    }
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    const QColor blue(0, 0, 255);
    painter.setPen(blue);
    painter.setFont(pictureFont());
    int x = txtoff;
    int y = txtoff;
    for (const QChar letter : text) {
        DrawTextAt(painter, x, y, QString(letter));
        if (across) {
            x += CELLPX;
            painter.fillRect(x - txtoff, 0, 1, THICKNESS, blue);
        } else {
            y += CELLPX;
            painter.fillRect(0, y - txtoff, THICKNESS, 1, blue);
        }
    }
    FillOutline(painter, QRect(QPoint(0, 0), size), blue);
}
