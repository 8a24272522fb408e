// A grid-size bar: a scroll bar without arrows, drawn flat with a rounded
// border and a handle at least 10 pixels long (the window's style draws it),
// small enough for its place and large enough to be handled.
#pragma once

#include <QScrollBar>

class SizeBar : public QScrollBar {
    Q_OBJECT
public:
    using QScrollBar::QScrollBar;
};
