#include "view/shape_box.h"

#include <QPainter>

ShapeBox::ShapeBox(QWidget *parent, const QColor &border, int borderWidth)
    : QWidget(parent), m_border(border), m_width(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FillOutline(QPainter &painter, const QRect &rect, const QColor &color, int borderWidth)
{
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height(), b = borderWidth;
    painter.fillRect(x, y, w, b, color);
    painter.fillRect(x, y + h - b, w, b, color);
    painter.fillRect(x, y, b, h, color);
    painter.fillRect(x + w - b, y, b, h, color);
}

void ShapeBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    FillOutline(painter, rect(), m_border, m_width);
}
