#include "view/grid_picture.h"

#include "view/cell_geometry.h"
#include "view/grid_renderer.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The grid as assistive technology sees it: a picture with a name and a
// description that GridPicture gives when asked.
class AccessibleGrid : public QAccessibleWidget {
public:
    explicit AccessibleGrid(GridPicture *grid) : QAccessibleWidget(grid, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("Crossword Grid");
        if (t == QAccessible::Description)
            return static_cast<const GridPicture *>(widget())->description();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *AccessibleGridFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("GridPicture"))
        return new AccessibleGrid(static_cast<GridPicture *>(object));
    return nullptr;
}

}  // namespace

QRect WordBoxRect(int col, int row, int lw, bool across)
{
    const int length = lw * CELLPX;
    return QRect((col - 1) * CELLPX, (row - 1) * CELLPX, across ? length : 22, across ? 22 : length);
}

QRect WordBoxRect(const WordEntry &entry)
{
    return WordBoxRect(entry.gc, entry.gr, entry.lw, entry.across());
}

GridPicture::GridPicture(QWidget *parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(AccessibleGridFactory), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void GridPicture::setImage(const QImage &image)
{
    m_image = image;
    resize(WindowSize(image));
    update();
}

void GridPicture::descriptionChanged()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void GridPicture::paintEvent(QPaintEvent *event)
{
    const QRectF area = event->rect();
    const qreal ratio = m_image.devicePixelRatio();
    QPainter painter(this);
    painter.drawImage(area, m_image, QRectF(area.topLeft() * ratio, area.size() * ratio));
}

void GridPicture::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void GridPicture::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void GridPicture::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
}
