// The picture of a dragged word: its letters, cell lines and outline in blue
// over the part of the grid picture beneath it.
#include "grid_pixels.h"
#include "panel/drag_picture.h"

#include <QTest>

namespace {

const QRgb BLUE = qRgb(0, 0, 255);
const QRgb WHITE = qRgb(255, 255, 255);

} // namespace

class TestDragPicture : public QObject {
    Q_OBJECT
private slots:
    void pictureDrawsTheWordInBlueOverTheGridBeneath()
    {
        // The grid's block at the source is copied in, white beyond the grid, under a blue outline, a blue line after each cell and blue letters.
        QImage grid(40, 40, QImage::Format_RGB32);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                grid.setPixel(x, y, qRgb(x, y, 100));
        QImage picture(DragPictureSize(3, true), QImage::Format_RGB32);
        QCOMPARE(picture.size(), QSize(62, 22));
        DrawDragPicture(picture, QStringLiteral("C T"), true, grid, QPoint(5, -5));
        for (int x = 0; x < 62; ++x) {
            QCOMPARE(picture.pixel(x, 0), BLUE);
            QCOMPARE(picture.pixel(x, 21), BLUE);
        }
        for (int y = 0; y < 22; ++y)
            for (int x : {0, 20, 40, 60, 61})
                QCOMPARE(picture.pixel(x, y), BLUE);
        QCOMPARE(picture.pixel(3, 7), qRgb(8, 2, 100));
        QCOMPARE(picture.pixel(34, 20), qRgb(39, 15, 100));
        QCOMPARE(picture.pixel(3, 3), WHITE);    // above the grid
        QCOMPARE(picture.pixel(36, 10), WHITE);  // right of the grid
        QVERIFY(LetterInk(picture, 1, 1, BLUE) > 5);
        QCOMPARE(LetterInk(picture, 2, 1, BLUE), 0);
        QVERIFY(LetterInk(picture, 3, 1, BLUE) > 5);
    }
};

QTEST_MAIN(TestDragPicture)
#include "test_drag_picture.moc"
