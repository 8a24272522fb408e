#include "panel/row_label.h"

#include "view/background.h"
#include "view/fitting_font.h"
#include "view/twips.h"

#include <QMouseEvent>

RowLabel::RowLabel(QWidget *parent, int index) : QLabel(parent), m_index(index), m_font(font())
{
    m_font.setBold(true);
    setFont(m_font);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setIndent(3);
    setBackground(Qt::white);
}

void RowLabel::setCaption(const QString &text)
{
    if (text == this->text())
        return;  // the panel shows its rows again after every change: only new words are laid out
    setText(text);
    setFont(FittingFont(m_font, text, contentsRect().width() - indent()));
}

void RowLabel::setBackground(const QColor &color)
{
    if (color == m_background)
        return;
    m_background = color;
    SetBackground(this, color);
}

void RowLabel::mousePressEvent(QMouseEvent *event)
{
    const QPointF pos = event->position() * TPP;
    emit mousePressed(m_index, event->button(), event->modifiers(), pos.x(), pos.y());
}

void RowLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF pos = event->position() * TPP;
    emit mouseMoved(m_index, event->buttons(), event->modifiers(), pos.x(), pos.y());
}

void RowLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF pos = event->position() * TPP;
    emit mouseReleased(m_index, event->button(), event->modifiers(), pos.x(), pos.y());
}
