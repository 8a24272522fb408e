// Texts drawn by their top-left corner in one font. On the window's images
// each distinct text is drawn once into a small transparent image, at the
// image's pixel ratio, and kept: the few letters and numbers of a grid come
// back all over it, and laying text out and rendering glyphs is most of the
// cost of a picture. Text is drawn without antialiasing, so a stamp puts down
// exactly the pixels that drawing the text would. On a printer or a PDF the
// text is drawn as text.
#pragma once

#include <QFont>
#include <QHash>
#include <QImage>

class QPainter;

// Text drawn by its top-left corner in the painter's font, as the grid and the
// drag picture place it.
void DrawTextAt(QPainter &painter, int left, int top, const QString &text);

class TextStamps {
public:
    explicit TextStamps(const QFont &font) : m_font(font) {}

    void draw(QPainter &painter, int left, int top, const QString &text);

private:
    struct Key {
        QString text;
        QRgb color;
        qreal ratio;

        bool operator==(const Key &) const = default;
        friend size_t qHash(const Key &key, size_t seed) { return qHashMulti(seed, key.text, key.color, key.ratio); }
    };

    const QImage &stamp(const Key &key);

    QFont m_font;
    QHash<Key, QImage> m_stamps;
};
