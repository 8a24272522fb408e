#include "view/text_stamps.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// Room around the text for glyphs that reach past their advance.
constexpr int MARGIN = 3;

} // namespace

const QImage &TextStamps::stamp(const QString &text, const QColor &color)
{
    const QString key = color.name() + text;
    auto found = m_stamps.constFind(key);
    if (found != m_stamps.constEnd())
        return *found;
    const QFontMetrics metrics(m_font);
    QImage image(metrics.horizontalAdvance(text) + 2 * MARGIN, metrics.height() + 2 * MARGIN,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(m_font);
    painter.setPen(color);
    painter.drawText(MARGIN, MARGIN + metrics.ascent(), text);
    return *m_stamps.insert(key, image);
}

void TextStamps::draw(QPainter &painter, int left, int top, const QString &text)
{
    painter.drawImage(left - MARGIN, top - MARGIN, stamp(text, painter.pen().color()));
}
