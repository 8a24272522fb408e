#include "view/accessible_scroll_bar.h"

#include <QAccessibleWidget>
#include <QScrollBar>

namespace {

class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleScrollBar(QScrollBar *bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return widget()->isEnabled() ? static_cast<QAccessibleValueInterface *>(this) : nullptr;
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? QString::number(bar()->value()) : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant &value) override
    {
        if (widget()->isEnabled())
            bar()->setValue(value.toInt());
    }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar *bar() const { return static_cast<QScrollBar *>(widget()); }
};

}  // namespace

QAccessibleInterface *AccessibleScrollBarFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QScrollBar") && object->isWidgetType())
        return new AccessibleScrollBar(static_cast<QScrollBar *>(object));
    return nullptr;
}
