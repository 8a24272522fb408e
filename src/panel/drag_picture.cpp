#include "panel/drag_picture.h"

#include "view/cell_geometry.h"
#include "view/grid_renderer.h"

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

} // namespace

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
    picture.fill(Qt::white);
    QPainter painter(&picture);
    if (source)
        painter.drawImage(QPoint(0, 0), grid, QRect(*source, picture.size()));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setPen(QColor(0, 0, 255));
    painter.setFont(pictureFont());
    int x = txtoff;
    int y = txtoff;
    for (const QChar letter : text) {
        DrawTextAt(painter, x, y, QString(letter));
        if (across) {
            x += CELLPX;
            painter.drawLine(x - txtoff, 0, x - txtoff, THICKNESS);
        } else {
            y += CELLPX;
            painter.drawLine(0, y - txtoff, THICKNESS, y - txtoff);
        }
    }
    painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
}
