#include "view/shape_box.h"

#include <QPainter>

ShapeBox::ShapeBox(QWidget *parent, const QColor &border, int borderWidth)
    : QWidget(parent), m_border(border), m_width(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_border);
    const int w = width(), h = height(), b = m_width;
    painter.drawRect(0, 0, w, b);
    painter.drawRect(0, h - b, w, b);
    painter.drawRect(0, 0, b, h);
    painter.drawRect(w - b, 0, b, h);
}
