#include "view/colour_box.h"

#include "view/background.h"

#include <QAccessibleWidget>
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
