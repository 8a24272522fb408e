// The window's style: Fusion, except that a frame (QGroupBox) is drawn with
// the painter instead of from Fusion's frame picture. Reading that picture is
// the first image the program reads, and it makes Qt load every image-format
// plugin it has (the SVG module among them) before the first paint; a
// stretched picture is also pixel-doubled on a high-density screen, where
// lines are drawn sharp.
#pragma once

#include <QProxyStyle>

class WindowStyle : public QProxyStyle {
    Q_OBJECT
public:
    WindowStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
