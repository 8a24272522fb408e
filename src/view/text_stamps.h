// Texts drawn by their top-left corner in one font, each distinct text drawn
// once into a small transparent image and kept: the few letters and numbers
// of a grid come back all over it, and laying text out and rendering glyphs
// is most of the cost of a picture. Text is drawn without antialiasing, so a
// stamp puts down exactly the pixels that drawing the text would.
#pragma once

#include <QFont>
#include <QHash>
#include <QImage>

class QPainter;

class TextStamps {
public:
    explicit TextStamps(const QFont &font) : m_font(font) {}

    void draw(QPainter &painter, int left, int top, const QString &text);

private:
    const QImage &stamp(const QString &text, const QColor &color);

    QFont m_font;
    QHash<QString, QImage> m_stamps;  // by colour and text
};
