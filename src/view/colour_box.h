// One of the six grid colour boxes: a patch of colour that shows a single-line
// border while it is the chosen one, and reports a click with its index. Tab
// reaches it; the arrow keys go round the boxes. To
// assistive technology it is a button named by its colour, whose press
// action is the click; the chosen one's description says so.
#pragma once

#include <QFrame>

class ColourBox : public QFrame {
    Q_OBJECT
public:
    ColourBox(QWidget *parent, int index, const QColor &color, const QString &name);

    QColor color() const { return m_color; }
    void setChosen(bool chosen);
    bool chosen() const { return frameShape() != QFrame::NoFrame; }
    // What a left click on the box does, from wherever it is asked for.
    void click();

signals:
    void clicked(int index);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Space and Enter choose the box; the arrows move the focus to the box beside.
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_index;
    QColor m_color;
};
