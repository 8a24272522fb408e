// SVG files drawn into pictures, and the stored form of the pictures drawn at
// build time (see svg_icon.h), on Qt Gui alone: the printed page draws its
// logo with these, without the widgets' icon machinery.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

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
