#include "view/window_style.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The frame's outer line starts one pixel in from the left and four down,
    // below the title when there is one. Its shades are black over the
    // window's colour: a faint fill, a lighter inner line and a darker outer
    // one with rounded corners.
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const bool titled = !box || box->isCheckable() || !box->title().isEmpty();
    const int title = titled ? qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                    option->fontMetrics.height())
                             : 0;
    const QRect frame = option->rect.adjusted(1, 4 + title, 0, 0);
    painter->save();
    painter->fillRect(frame.adjusted(2, 2, -2, -2), QColor(0, 0, 0, 3));
    painter->setPen(QColor(0, 0, 0, 7));
    painter->drawRect(frame.adjusted(1, 1, -2, -2));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QColor(0, 0, 0, 26));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 1.0, 1.0);
    painter->restore();
}
