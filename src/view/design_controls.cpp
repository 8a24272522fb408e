#include "view/design_controls.h"

#include "view/button_keys.h"
#include "view/shape_box.h"
#include "view/svg_icon.h"
#include "view/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

void PlaceTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsRect(left, top, width, height));
}

QIcon Icon(const QString &name)
{
    return name.isEmpty() ? QIcon() : SvgIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QIcon ToggleIcon(const QString &name)
{
    return SvgIcon(QStringLiteral(":/icons/%1.svg").arg(name), QStringLiteral(":/icons/%1_off.svg").arg(name));
}

QGroupBox *FrameAt(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    return Named(new QGroupBox(parent), name, left, top, width, height);
}

QLabel *LabelAt(QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    return Named(new QLabel(caption, parent), name, left, top, width, height);
}

QFrame *LineAt(QWidget *parent, int left, int top, int width, int height, QFrame::Shape shape)
{
    auto *ln = new QFrame(parent);
    ln->setFrameShape(shape);
    ln->setFrameShadow(QFrame::Sunken);
    PlaceTwips(ln, left, top, width, height);
    return ln;
}

ShapeBox *ShapeAt(QWidget *parent, const char *name, const QColor &border, int left, int top, int width, int height)
{
    return Named(new ShapeBox(parent, border), name, left, top, width, height);
}

QToolButton *PictureButton(QWidget *parent, const char *name, int left, int top, const QString &tip,
                           const QString &icon, int size)
{
    auto *button = Named(new QToolButton(parent), name, left, top, size, size);
    button->setToolTip(tip);
    button->setAccessibleName(tip);  // what a screen reader says for a picture without words
    button->setIcon(Icon(icon));
    const int px = TwipsToPixels(size);
    button->setIconSize(QSize(px - 4, px - 4));
    button->setFocusPolicy(Qt::TabFocus);  // reached with Tab; a click leaves the focus where it is
    PressWithKeys(button);
    return button;
}
