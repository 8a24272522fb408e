#include "view/design_controls.h"

#include "view/shape_box.h"
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
    return name.isEmpty() ? QIcon() : QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QIcon ToggleIcon(const QString &name)
{
    QIcon both;
    both.addFile(QStringLiteral(":/icons/%1.svg").arg(name), {}, QIcon::Normal, QIcon::On);
    both.addFile(QStringLiteral(":/icons/%1_off.svg").arg(name), {}, QIcon::Normal, QIcon::Off);
    return both;
}

QGroupBox *FrameAt(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    PlaceTwips(box, left, top, width, height);
    return box;
}

QLabel *LabelAt(QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    auto *lbl = new QLabel(caption, parent);
    lbl->setObjectName(QString::fromLatin1(name));
    PlaceTwips(lbl, left, top, width, height);
    return lbl;
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
    auto *box = new ShapeBox(parent, border);
    box->setObjectName(QString::fromLatin1(name));
    PlaceTwips(box, left, top, width, height);
    return box;
}

QToolButton *PictureButton(QWidget *parent, const char *name, int left, int top, const QString &tip,
                           const QString &icon, int size)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    PlaceTwips(button, left, top, size, size);
    button->setToolTip(tip);
    button->setIcon(Icon(icon));
    const int px = TwipsToPixels(size);
    button->setIconSize(QSize(px - 4, px - 4));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
