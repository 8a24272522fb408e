// Icons drawn from the program's SVG files at the size and pixel ratio they
// are shown at. The sizes the window shows on screens of pixel ratio 1 and 2
// are drawn at build time (gridly_draw_icons) into resources, so that the
// start copies pixels instead of parsing and drawing SVG; any other size is
// drawn from the SVG file the first time it is asked for. Every size drawn
// is kept.
#pragma once

#include <QIcon>
#include <QString>

class QWidget;

// file: ":/icons/NAME.svg"; offFile: the picture while a checkable button is
// unchecked, "" for none.
QIcon SvgIcon(const QString &file, const QString &offFile = {});

// Gives window its icon once its first frame is painted: drawing the icon at
// the four sizes a window list asks for is work that the first sight of the
// window need not wait for.
void SetWindowIconAfterFirstPaint(QWidget *window, const QIcon &icon);
