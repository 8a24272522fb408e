// One row of the word panel: a label in bold that knows the index of the word
// it shows (0 for none) and reports the mouse in twips relative to itself, as
// the panel's drag code measures.
#pragma once

#include <QLabel>

class RowLabel : public QLabel {
    Q_OBJECT
public:
    RowLabel(QWidget *parent, int index);

    int index() const { return m_index; }
    // Shows a word; one too wide for the row is drawn smaller, whole.
    void setCaption(const QString &text);
    int word() const { return m_word; }
    void setWord(int w) { m_word = w; }
    void setBackground(const QColor &color);
    QColor background() const { return m_background; }

signals:
    void mousePressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    void mouseMoved(int index, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x, double y);
    void mouseReleased(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    QFont m_font;  // the row's own font, bold
    int m_word = 0;
    QColor m_background;
};
