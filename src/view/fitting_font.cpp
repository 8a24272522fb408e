#include "view/fitting_font.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int SMALLEST = 6;

bool Fits(const QFont &font, const QString &text, int room)
{
    const QFontMetrics metrics(font);
    const int overhangs = std::max(0, -metrics.minLeftBearing()) + std::max(0, -metrics.minRightBearing());
    return metrics.horizontalAdvance(text) + overhangs <= room;
}

}  // namespace

QFont FittingFont(const QFont &font, const QString &text, int room)
{
    if (Fits(font, text, room))
        return font;
    QFont smaller = font;
    for (int size = QFontInfo(font).pixelSize() - 1; size >= SMALLEST; --size) {
        smaller.setPixelSize(size);
        if (Fits(smaller, text, room))
            break;
    }
    return smaller;
}
