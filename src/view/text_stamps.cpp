#include "view/text_stamps.h"

#include <QPaintEngine>
#include <QPainter>

namespace {

// Room around the text for glyphs that reach past their advance.
constexpr int MARGIN = 3;

}  // namespace

void DrawTextAt(QPainter &painter, int left, int top, const QString &text)
{
    painter.drawText(left, top + painter.fontMetrics().ascent(), text);
}

const QImage &TextStamps::stamp(const Key &key)
{
    auto found = m_stamps.constFind(key);
    if (found != m_stamps.constEnd())
        return *found;
    const QFontMetrics metrics(m_font);
    const QSize size(metrics.horizontalAdvance(key.text) + 2 * MARGIN, metrics.height() + 2 * MARGIN);
    QImage image(size * key.ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(key.ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(m_font);
    painter.setPen(QColor(key.color));
    DrawTextAt(painter, MARGIN, MARGIN, key.text);
    return *m_stamps.insert(key, image);
}

void TextStamps::draw(QPainter &painter, int left, int top, const QString &text)
{
    if (painter.paintEngine()->type() == QPaintEngine::Raster) {
        painter.drawImage(left - MARGIN, top - MARGIN,
                          stamp({text, painter.pen().color().rgb(), painter.device()->devicePixelRatio()}));
        return;
    }
    painter.setFont(m_font);
    DrawTextAt(painter, left, top, text);
}
