#include "view/button_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

bool IsPressKey(const QKeyEvent *event)
{
    const int key = event->key();
    return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

namespace {

class KeyPress : public QObject {
public:
    explicit KeyPress(QAbstractButton *button) : QObject(button), m_button(button) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!IsPressKey(key))
            return false;
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && m_button->isEnabled()) {
            const QPointer<QAbstractButton> button = m_button;
            button->click();
            if (button && button->isVisible() && button->isEnabled())
                button->setFocus(Qt::OtherFocusReason);
        }
        return true;  // the release of the key that pressed, too
    }

private:
    QAbstractButton *m_button;
};

class MouseRelease : public QObject {
public:
    MouseRelease(QAbstractButton *button, std::function<void()> then)
        : QObject(button), m_button(button), m_then(std::move(then))
    {
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && m_button->isDown()
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_then();
        return false;
    }

private:
    QAbstractButton *m_button;
    std::function<void()> m_then;
};

}  // namespace

void PressWithKeys(QAbstractButton *button)
{
    button->installEventFilter(new KeyPress(button));
}

void OnMouseRelease(QAbstractButton *button, std::function<void()> then)
{
    button->installEventFilter(new MouseRelease(button, std::move(then)));
}
