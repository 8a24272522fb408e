// A rectangle outline drawn over other controls: the grid frame, the frame of
// the direction control, and the current-word and cursor boxes over the grid.
// It never takes the mouse.
#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

// The outline of rect, borderWidth thick, inside it: filled rather than
// stroked, so that it covers the same whole pixels at any pixel ratio.
void FillOutline(QPainter &painter, const QRect &rect, const QColor &color, int borderWidth = 1);

class ShapeBox : public QWidget {
    Q_OBJECT
public:
    ShapeBox(QWidget *parent, const QColor &border, int borderWidth = 1);
    QColor borderColor() const { return m_border; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_border;
    int m_width;
};
