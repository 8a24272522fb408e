// Scroll bars as assistive technology reads them, with one change from Qt's
// own: a disabled bar offers no value to set. Qt's bar, and the bus's
// increase and decrease actions built on its value, move a disabled bar as
// readily as an enabled one, and the bars of the mode not shown are disabled
// so that nothing changes the grid or the word panel unseen.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The factory Qt asks for every QScrollBar's interface; install it once.
QAccessibleInterface *AccessibleScrollBarFactory(const QString &className, QObject *object);
