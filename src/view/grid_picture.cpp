#include "view/grid_picture.h"

#include "view/accessible_grid.h"
#include "view/cell_geometry.h"
#include "view/grid_renderer.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The grid's own interface while assistive technology listens; nothing is
// made for it, or told, before.
AccessibleGrid *Accessible(GridPicture *grid)
{
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<AccessibleGrid *>(QAccessible::queryAccessibleInterface(grid));
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
    setFocusPolicy(Qt::StrongFocus);
}

void GridPicture::setImage(const QImage &image)
{
    m_image = image;
    resize(WindowSize(image));
    update();
}

// One change of the puzzle redraws the grid and the panel, each of which
// says the description changed: a reader hears of it once, when they are done.
void GridPicture::descriptionChanged()
{
    if (m_describing || !Accessible(this))
        return;
    m_describing = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_describing = false;
            AccessibleGrid *grid = Accessible(this);
            if (!grid)
                return;
            QAccessibleEvent event(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
            grid->announceNames();
        },
        Qt::QueuedConnection);
}

void GridPicture::setCells(int cols, int rows)
{
    if (cols == m_cols && rows == m_rows)
        return;
    m_cols = cols;
    m_rows = rows;
    if (!Accessible(this))
        return;
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void GridPicture::setCursorCell(QPoint cell)
{
    if (cell == m_cursor)
        return;
    m_cursor = cell;
    if (AccessibleGrid *grid = Accessible(this); grid && hasFocus())
        grid->announceCursor();
}

// The focus comes to the picture: a reader hears the cursor's cell after the
// picture itself, once Qt has told of the picture.
void GridPicture::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (AccessibleGrid *grid = Accessible(this); grid && hasFocus())
                grid->announceCursor();
        },
        Qt::QueuedConnection);
}

void GridPicture::paintEvent(QPaintEvent *event)
{
    const QRectF area = event->rect();
    const qreal ratio = m_image.devicePixelRatio();
    QPainter painter(this);
    painter.drawImage(area, m_image, QRectF(area.topLeft() * ratio, area.size() * ratio));
    // Reached with the keyboard, the grid's outline takes the focus colour (the
    // style's focus frame would tint every cell); the picture itself, printed
    // and dragged over, stays the grid alone.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
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
