// Text that must show whole in a box of fixed width, such as a word of 24
// wide letters in a panel row or in the word box.
#pragma once

#include <QFont>
#include <QString>

// font itself when text fits room pixels, its advance and the font's
// overhangs on both sides together; else font at the largest smaller pixel
// size at which it fits (6 at the least).
QFont FittingFont(const QFont &font, const QString &text, int room);
