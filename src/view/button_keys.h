// The window's picture buttons from the keyboard and the mouse. Space and
// Enter press a button that has the keyboard focus, and the focus stays on
// it, wherever the command it ran would put it. What the window does after a
// press of the mouse (the focus going back to where the next typing belongs)
// follows only a real release of the mouse over the button, which comes
// before its click: not a key, and not a press by assistive technology.
#pragma once

#include <functional>

class QAbstractButton;
class QKeyEvent;

// Space or Enter with no modifier (the keypad's Enter too): the keys that press.
bool IsPressKey(const QKeyEvent *event);
void PressWithKeys(QAbstractButton *button);
void OnMouseRelease(QAbstractButton *button, std::function<void()> then);
