#include "view/svg_picture.h"

#include <QImageReader>

#include <array>
#include <cstring>

QImage DrawSvg(const QString &file, QSize pixels)
{
    // Qt's SVG image reader, a plugin loaded only when a picture is not
    // found drawn, so the program need not link the SVG library.
    QImageReader reader(file);
    reader.setScaledSize(reader.size().scaled(pixels, Qt::KeepAspectRatio));
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString DrawnIconName(const QString &name, QSize pixels)
{
    return QStringLiteral("%1-%2x%3.argb").arg(name).arg(pixels.width()).arg(pixels.height());
}

QByteArray DrawnIconBytes(const QImage &picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::array<qint32, 2> size{pixels.width(), pixels.height()};
    QByteArray bytes(reinterpret_cast<const char *>(size.data()), sizeof size);
    bytes.append(reinterpret_cast<const char *>(pixels.constBits()), pixels.sizeInBytes());
    return bytes;
}

QImage DrawnIconPicture(const QByteArray &bytes)
{
    std::array<qint32, 2> size{};
    if (bytes.size() < qsizetype(sizeof size))
        return {};
    std::memcpy(size.data(), bytes.constData(), sizeof size);
    if (size[0] <= 0 || size[1] <= 0 || bytes.size() != qsizetype(sizeof size) + qsizetype(size[0]) * size[1] * 4)
        return {};
    return QImage(reinterpret_cast<const uchar *>(bytes.constData()) + sizeof size, size[0], size[1],
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}
