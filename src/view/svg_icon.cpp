#include "view/svg_icon.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstring>

namespace {

class SvgIconEngine : public QIconEngine {
public:
    SvgIconEngine(const QString &file, const QString &offFile) : m_files{file, offFile} {}

    QIconEngine *clone() const override { return new SvgIconEngine(m_files[0], m_files[1]); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State state) override
    {
        return QImageReader(file(state)).size().scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const quint64 key = quint64(size.width()) << 32 | quint64(size.height()) << 8 | quint64(mode) << 1 | state;
        auto found = m_pixmaps.constFind(key);
        if (found != m_pixmaps.constEnd())
            return *found;
        const QResource drawn(QStringLiteral(":/icons/drawn/")
                              + DrawnIconName(QFileInfo(file(state)).completeBaseName(), size));
        QImage image = drawn.isValid() ? DrawnIconPicture(drawn.uncompressedData()) : QImage();
        if (image.isNull())
            image = DrawSvg(file(state), size);
        QPixmap pixmap = QPixmap::fromImage(image);
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return *m_pixmaps.insert(key, pixmap);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap shown = pixmap(rect.size() * ratio, mode, state);
        shown.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), shown);
    }

private:
    const QString &file(QIcon::State state) const
    {
        return state == QIcon::Off && !m_files[1].isEmpty() ? m_files[1] : m_files[0];
    }

    std::array<QString, 2> m_files;  // the picture, and the unchecked one or ""
    QHash<quint64, QPixmap> m_pixmaps;  // by size, mode and state
};

// Watches a window for its first paint, then sets its icon from the event loop.
class IconAfterPaint : public QObject {
public:
    IconAfterPaint(QWidget *window, const QIcon &icon) : QObject(window), m_window(window), m_icon(icon)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            QTimer::singleShot(0, m_window, [window = m_window, icon = m_icon] { window->setWindowIcon(icon); });
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_window;
    QIcon m_icon;
};

} // namespace

QIcon SvgIcon(const QString &file, const QString &offFile)
{
    return QIcon(new SvgIconEngine(file, offFile));
}

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

void SetWindowIconAfterFirstPaint(QWidget *window, const QIcon &icon)
{
    new IconAfterPaint(window, icon);
}
