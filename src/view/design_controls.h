// Controls made at their design places: left, top, width and height in
// twips, relative to the parent, as the window was drawn up. Every part of
// the window builds its own controls with these.
#pragma once

#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QString>

class QGroupBox;
class QLabel;
class QToolButton;
class ShapeBox;

void PlaceTwips(QWidget *widget, int left, int top, int width, int height);

// The widget, named and at its place.
template <class W>
W *Named(W *widget, const char *name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    PlaceTwips(widget, left, top, width, height);
    return widget;
}

// The picture resources/icons/<name>.svg; none for an empty name.
QIcon Icon(const QString &name);
// A picture check box's pictures: <name>.svg while checked, <name>_off.svg while not.
QIcon ToggleIcon(const QString &name);

QGroupBox *FrameAt(QWidget *parent, const char *name, int left, int top, int width, int height);
QLabel *LabelAt(QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height);
QFrame *LineAt(QWidget *parent, int left, int top, int width, int height, QFrame::Shape shape);
ShapeBox *ShapeAt(QWidget *parent, const char *name, const QColor &border, int left, int top, int width, int height);
// A square button showing a picture and a tooltip, which is also its
// accessible name. Tab reaches it, and Space and Enter press it (a click
// leaves the focus where it was).
QToolButton *PictureButton(QWidget *parent, const char *name, int left, int top, const QString &tip,
                           const QString &icon, int size = 420);
