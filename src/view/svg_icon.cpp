#include "view/svg_icon.h"

#include "view/svg_picture.h"

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

    std::array<QString, 2> m_files;     // the picture, and the unchecked one or ""
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

}  // namespace

QIcon SvgIcon(const QString &file, const QString &offFile)
{
    return QIcon(new SvgIconEngine(file, offFile));
}

void SetWindowIconAfterFirstPaint(QWidget *window, const QIcon &icon)
{
    new IconAfterPaint(window, icon);
}
