#include "view/grid_picture.h"

#include "view/grid_renderer.h"

#include <QMouseEvent>
#include <QPainter>

GridPicture::GridPicture(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void GridPicture::setImage(const QImage &image)
{
    m_image = image;
    resize(WindowSize(image));
    update();
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
