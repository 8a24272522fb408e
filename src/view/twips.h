// The window is laid out in twips (1/1440 inch) at 15 twips to the pixel.
#pragma once

#include <QRect>

inline constexpr int TPP = 15;  // twips per pixel, both directions

// A twips value to pixels, dropping the remainder.
constexpr int TwipsToPixels(int twips)
{
    return twips / TPP;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}
