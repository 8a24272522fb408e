// A control filled with one background colour, as labels, boxes and the
// direction control are.
#pragma once

#include <QPalette>
#include <QWidget>

inline void SetBackground(QWidget *widget, const QColor &color)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
}
