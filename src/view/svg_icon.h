// Icons drawn from the program's SVG files at the size and pixel ratio they
// are shown at. The sizes the window shows on screens of pixel ratio 1 and 2
// are drawn at build time (gridly_draw_icons) into resources, so that the
// start copies pixels instead of parsing and drawing SVG; any other size is
// drawn from the SVG file the first time it is asked for. Every size drawn
// is kept.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

class QWidget;

// file: ":/icons/NAME.svg"; offFile: the picture while a checkable button is
// unchecked, "" for none.
QIcon SvgIcon(const QString &file, const QString &offFile = {});

// The picture of an SVG file fitted into pixels, its proportions kept; a
// null image when the file cannot be drawn.
QImage DrawSvg(const QString &file, QSize pixels);

// A drawn icon is stored as its width and height (two 32-bit integers) and
// its premultiplied ARGB pixels, ready to use without decoding, in the file
// ":/icons/drawn/" + DrawnIconName(NAME, the pixels it was drawn into).
QString DrawnIconName(const QString &name, QSize pixels);
QByteArray DrawnIconBytes(const QImage &picture);
// A null image when the bytes are not a drawn icon.
QImage DrawnIconPicture(const QByteArray &bytes);

// Gives window its icon once its first frame is painted: drawing the icon at
// the four sizes a window list asks for is work that the first sight of the
// window need not wait for.
void SetWindowIconAfterFirstPaint(QWidget *window, const QIcon &icon);
