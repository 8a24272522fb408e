#include "view/colour_box.h"

#include "view/background.h"

#include <QMouseEvent>

ColourBox::ColourBox(QWidget *parent, int index, const QColor &color, const QString &name)
    : QFrame(parent), m_index(index), m_color(color)
{
    setAccessibleName(name);
    SetBackground(this, color);
    QPalette pal = palette();
    // The chosen box's border: black, or white where black would not show.
    pal.setColor(QPalette::WindowText, qGray(color.rgb()) < 128 ? Qt::white : Qt::black);
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setChosen(false);
}

void ColourBox::setChosen(bool chosen)
{
    setFrameStyle(chosen ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
    setAccessibleDescription(chosen ? QStringLiteral("Chosen grid colour") : QString());
}

void ColourBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_index);
}
