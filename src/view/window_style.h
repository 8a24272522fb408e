// The window's style: Fusion, with two things drawn by hand. A frame
// (QGroupBox) is drawn with the painter instead of from Fusion's frame
// picture: reading that picture is the first image the program reads, and it
// makes Qt load every image-format plugin it has (the SVG module among them)
// before the first paint, and a stretched picture is pixel-doubled on a
// high-density screen. The grid-size bars (SizeBar) are drawn and laid out
// here too, which is much cheaper at start-up than a style sheet, and scroll
// bars show a focus frame when the keyboard reaches them. The menu bar's
// overflow button gets a chevron drawn with the painter: Fusion's picture for
// it is a file read through the image plugins at start-up, as above.
#pragma once

#include <QProxyStyle>

class WindowStyle : public QProxyStyle {
    Q_OBJECT
public:
    WindowStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    void drawFocus(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
};
