#include "view/colour_box.h"

#include "view/background.h"
#include "view/button_keys.h"
#include "view/focus_frame.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class AccessibleColourBox : public QAccessibleWidget {
public:
    explicit AccessibleColourBox(ColourBox *box) : QAccessibleWidget(box, QAccessible::Button) {}

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (widget()->isEnabled() && widget()->isVisible())
            static_cast<ColourBox *>(widget())->click();
    }
};

QAccessibleInterface *AccessibleColourBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ColourBox") && object->isWidgetType())
        return new AccessibleColourBox(static_cast<ColourBox *>(object));
    return nullptr;
}

}  // namespace

ColourBox::ColourBox(QWidget *parent, int index, const QColor &color, const QString &name)
    : QFrame(parent), m_index(index), m_color(color)
{
    static const bool accessible = (QAccessible::installFactory(AccessibleColourBoxFactory), true);
    Q_UNUSED(accessible);
    setAccessibleName(name);
    SetBackground(this, color);
    QPalette pal = palette();
    // The chosen box's border: black, or white where black would not show.
    pal.setColor(QPalette::WindowText, qGray(color.rgb()) < 128 ? Qt::white : Qt::black);
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setChosen(false);
}

void ColourBox::setChosen(bool chosen)
{
    setFrameStyle(chosen ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
    setAccessibleDescription(chosen ? QStringLiteral("Chosen grid colour") : QString());
}

void ColourBox::click()
{
    emit clicked(m_index);
}

void ColourBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void ColourBox::keyPressEvent(QKeyEvent *event)
{
    if (IsPressKey(event)) {
        click();
        return;
    }
    const int key = event->key();
    QPoint way;
    switch (key) {
    case Qt::Key_Left: way = {-1, 0}; break;
    case Qt::Key_Right: way = {1, 0}; break;
    case Qt::Key_Up: way = {0, -1}; break;
    case Qt::Key_Down: way = {0, 1}; break;
    default: break;
    }
    if (way.isNull()) {
        QFrame::keyPressEvent(event);
        return;
    }
    // The nearest box that way, the boxes being laid out in rows.
    ColourBox *next = nullptr;
    int nearest = 0;
    for (ColourBox *box : parentWidget()->findChildren<ColourBox *>(Qt::FindDirectChildrenOnly)) {
        const QPoint step = box->geometry().center() - geometry().center();
        const int along = step.x() * way.x() + step.y() * way.y();
        const int across = way.x() != 0 ? step.y() : step.x();
        const int distance = along + 4 * qAbs(across);
        if (along > 0 && (!next || distance < nearest)) {
            next = box;
            nearest = distance;
        }
    }
    if (next)
        next->setFocus(Qt::TabFocusReason);
}

// A box with the keyboard focus shows the style's focus frame inside it.
void ColourBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    DrawFocusFrame(this, rect().adjusted(2, 2, -2, -2));
}
