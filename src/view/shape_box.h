// A rectangle outline drawn over other controls: the grid frame, the frame of
// the direction control, and the current-word and cursor boxes over the grid.
// It never takes the mouse.
#pragma once

#include <QColor>
#include <QWidget>

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
