#include "view/window_style.h"

#include "view/size_bar.h"

#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

const QColor SIZE_BAR_BACKGROUND(0xf4, 0xf4, 0xf4);
const QColor SIZE_BAR_BORDER(0x9a, 0x9a, 0x9a);
const QColor SIZE_BAR_HANDLE(0x6f, 0x87, 0xa8);
constexpr int SIZE_BAR_HANDLE_MIN = 10;

// What black at this opacity looks like over a colour, as an opaque colour:
// filling with it is a plain copy, where a blend of a large area would make the
// painter start worker threads.
QColor Shade(const QColor &under, int alpha)
{
    const auto shade = [alpha](int channel) { return (channel * (255 - alpha) + 127) / 255; };
    return QColor(shade(under.red()), shade(under.green()), shade(under.blue()));
}

// Two chevrons pointing the way the hidden items are, drawn at whatever size is
// asked for.
class ChevronIcon : public QIconEngine {
public:
    explicit ChevronIcon(Qt::Orientation orientation) : m_orientation(orientation) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal side = qMin(rect.width(), rect.height());
        const QPointF centre = QRectF(rect).center();
        const qreal arm = side / 4;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(mode == QIcon::Disabled ? Qt::gray : Qt::black, qMax<qreal>(1, side / 12)));
        for (const qreal shift : {-arm / 2, arm / 2}) {
            const QPointF tip =
                centre + (m_orientation == Qt::Horizontal ? QPointF(shift + arm / 2, 0) : QPointF(0, shift + arm / 2));
            const QPointF back = m_orientation == Qt::Horizontal ? QPointF(-arm / 2, arm) : QPointF(arm, -arm / 2);
            const QPointF other = m_orientation == Qt::Horizontal ? QPointF(-arm / 2, -arm) : QPointF(-arm, -arm / 2);
            painter->drawPolyline(QPolygonF({tip + back, tip, tip + other}));
        }
        painter->restore();
    }
    // The engine's own pixmap() paints over memory it has not cleared.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }
    QIconEngine *clone() const override { return new ChevronIcon(m_orientation); }

private:
    Qt::Orientation m_orientation;
};

bool IsSizeBar(const QWidget *widget)
{
    return qobject_cast<const SizeBar *>(widget) != nullptr;
}

// The handle inside the border, as long as a page of the range would be, at
// least SIZE_BAR_HANDLE_MIN.
QRect SizeBarHandle(const QStyleOptionSlider &bar)
{
    const QRect inside = bar.rect.adjusted(1, 1, -1, -1);
    const bool across = bar.orientation == Qt::Horizontal;
    const int room = across ? inside.width() : inside.height();
    const int span = bar.maximum - bar.minimum + bar.pageStep;
    const int length = qBound(SIZE_BAR_HANDLE_MIN, span > 0 ? room * bar.pageStep / span : room, room);
    const int offset =
        QStyle::sliderPositionFromValue(bar.minimum, bar.maximum, bar.sliderPosition, room - length, bar.upsideDown);
    return across ? QRect(inside.left() + offset, inside.top(), length, inside.height())
                  : QRect(inside.left(), inside.top() + offset, inside.width(), length);
}

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The frame's outer line starts one pixel in from the left and four down,
    // below the title when there is one. Its shades darken the window's
    // colour: a faint fill, a lighter inner line and a darker outer one with
    // rounded corners.
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const bool titled = !box || box->isCheckable() || !box->title().isEmpty();
    const int title =
        titled ? qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height()) : 0;
    const QRect frame = option->rect.adjusted(1, 4 + title, 0, 0);
    const QColor window = option->palette.color(QPalette::Window);
    painter->save();
    painter->fillRect(frame.adjusted(2, 2, -2, -2), Shade(window, 3));
    painter->setPen(Shade(window, 7));
    painter->drawRect(frame.adjusted(1, 1, -2, -2));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Shade(window, 26));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 1.0, 1.0);
    painter->restore();
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                     const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar || !IsSizeBar(widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ScrollBar)
            drawFocus(option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(SIZE_BAR_BORDER);
    painter->setBrush(SIZE_BAR_BACKGROUND);
    painter->drawRoundedRect(QRectF(bar->rect).adjusted(0.5, 0.5, -0.5, -0.5), 1, 1);
    painter->setPen(Qt::NoPen);
    painter->setBrush(SIZE_BAR_HANDLE);
    painter->drawRoundedRect(SizeBarHandle(*bar), 2, 2);
    painter->restore();
    drawFocus(option, painter, widget);
}

// A scroll bar reached from the keyboard shows the focus frame around its
// handle's track, as the other controls do; Fusion draws none for it.
void WindowStyle::drawFocus(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (!(option->state & State_HasFocus))
        return;
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect = option->rect;
    proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                                  const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar || !IsSizeBar(widget))
        return QProxyStyle::subControlRect(control, option, sub, widget);
    const QRect inside = bar->rect.adjusted(1, 1, -1, -1);
    const QRect handle = SizeBarHandle(*bar);
    const bool across = bar->orientation == Qt::Horizontal;
    switch (sub) {
    case SC_ScrollBarSlider: return handle;
    case SC_ScrollBarGroove: return inside;
    case SC_ScrollBarSubPage:
        return across ? QRect(inside.topLeft(), QPoint(handle.left() - 1, inside.bottom()))
                      : QRect(inside.topLeft(), QPoint(inside.right(), handle.top() - 1));
    case SC_ScrollBarAddPage:
        return across ? QRect(QPoint(handle.right() + 1, inside.top()), inside.bottomRight())
                      : QRect(QPoint(inside.left(), handle.bottom() + 1), inside.bottomRight());
    default:  // no arrows, no first or last buttons
        return {};
    }
}

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new ChevronIcon(Qt::Horizontal));
    if (icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new ChevronIcon(Qt::Vertical));
    return QProxyStyle::standardIcon(icon, option, widget);
}
