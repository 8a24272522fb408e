// The measures of a drag without the window: thresholds, the zones around the
// word panel, the row under the pointer, scrolling over the scroll bar, where
// a dragged word may land, and the picture of the dragged word.
#include "panel/drag_geometry.h"
#include "panel/drag_picture.h"
#include "puzzle_builder.h"

#include <QTest>

namespace {

const QRgb BLUE = qRgb(0, 0, 255);
const QRgb WHITE = qRgb(255, 255, 255);

// The panel as the window lays it out: frame at (571, -4), rows 5 pixels in,
// 194 by 24, row 0 at 16 and row 15 ending at 367 inside the frame.
DragState DesignPanel()
{
    DragState d;
    d.pnlleft = 576;
    d.rowwidth = 194;
    d.rowheight = 24;
    d.pnltop = 12;
    d.pnlbottom = 363;
    return d;
}

// A down word BOA whose O and A a dragged CAT may meet.
Puzzle BoaAndCat()
{
    Puzzle p = MakePuzzle({{"BOA", 6, 3, "Down"}, {"CAT"}});
    p.dragging = true;
    return p;
}

} // namespace

class TestDrag : public QObject {
    Q_OBJECT
private slots:
    void gridPressHoldsWithinFourPixels_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("near");
        QTest::newRow("on the press") << 50 << 30 << true;
        QTest::newRow("4 right") << 54 << 30 << true;
        QTest::newRow("4 left, 4 up") << 46 << 26 << true;
        QTest::newRow("5 right") << 55 << 30 << false;
        QTest::newRow("5 down") << 50 << 35 << false;
        QTest::newRow("5 left") << 45 << 30 << false;
    }
    void gridPressHoldsWithinFourPixels()
    {
        // A word pressed in the grid at (50, 30) starts to move only when the pointer is more than 4 pixels away.
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, near);
        QCOMPARE(NearGridPress(x, y, 50, 30), near);
    }

    void rowHoldsWithinSixPixelsAround_data()
    {
        QTest::addColumn<int>("px");
        QTest::addColumn<int>("py");
        QTest::addColumn<bool>("near");
        QTest::newRow("inside") << 100 << 10 << true;
        QTest::newRow("6 above and left") << -6 << -6 << true;
        QTest::newRow("6 below and right") << 200 << 30 << true;
        QTest::newRow("7 left") << -7 << 10 << false;
        QTest::newRow("7 right") << 201 << 10 << false;
        QTest::newRow("7 above") << 100 << -7 << false;
        QTest::newRow("7 below") << 100 << 31 << false;
    }
    void rowHoldsWithinSixPixelsAround()
    {
        // A drag from a 194 by 24 row starts only when the pointer is more than 6 pixels outside the row.
        QFETCH(int, px);
        QFETCH(int, py);
        QFETCH(bool, near);
        QCOMPARE(NearRow(px, py, 194, 24), near);
    }

    void zonesAroundThePanel_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("zone");
        QTest::newRow("over a row") << 600.0 << 100.0 << int(PanelZone::Rows);
        QTest::newRow("on the rows' left edge") << 576.0 << 100.0 << int(PanelZone::Elsewhere);
        QTest::newRow("on the rows' right edge") << 770.0 << 100.0 << int(PanelZone::Elsewhere);
        QTest::newRow("over the scroll bar") << 780.0 << 100.0 << int(PanelZone::RightSide);
        QTest::newRow("far right") << 900.0 << 100.0 << int(PanelZone::RightSide);
        QTest::newRow("on the top of row 0") << 600.0 << 12.0 << int(PanelZone::Elsewhere);
        QTest::newRow("below row 15") << 780.0 << 363.0 << int(PanelZone::Elsewhere);
        QTest::newRow("left of the rows") << 500.0 << 100.0 << int(PanelZone::Elsewhere);
    }
    void zonesAroundThePanel()
    {
        // Off the grid, a point is over the rows, right of them within their height, or elsewhere.
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, zone);
        QCOMPARE(int(ZoneOf(x, y, DesignPanel())), zone);
    }

    void rowUnderThePointer_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("emptyFrom");
        QTest::addColumn<int>("row");
        QTest::newRow("above row 0") << 239.0 << 16 << -1;
        QTest::newRow("top of row 0") << 240.0 << 16 << 0;
        QTest::newRow("rows 0 and 1 overlap: the lower") << 545.0 << 16 << 1;
        QTest::newRow("bottom of row 0 alone") << 539.0 << 16 << 0;
        QTest::newRow("row 1 empty in the overlap") << 545.0 << 1 << 0;
        QTest::newRow("row 8 holds no word") << 2900.0 << 8 << -1;
        QTest::newRow("last twip of row 15") << 5504.0 << 16 << 15;
        QTest::newRow("below row 15") << 5505.0 << 16 << -1;
    }
    void rowUnderThePointer()
    {
        // The row under a panel-twips y is the last row showing a word whose span holds y.
        QFETCH(double, y);
        QFETCH(int, emptyFrom);
        QFETCH(int, row);
        std::array<bool, PANEL_ROWS> rows{};
        for (int i = 0; i < PANEL_ROWS; ++i)
            rows[std::size_t(i)] = i < emptyFrom;
        QCOMPARE(RowUnder(y, rows), row);
    }

    void scrollingOverTheBar_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("scrolly");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("newValue");
        QTest::addColumn<double>("newScrolly");
        QTest::newRow("first event scrolls up") << 3000.0 << 9999.0 << 5 << 4 << 3000.0;
        QTest::newRow("first event at the top") << 3000.0 << 9999.0 << 1 << 1 << 3000.0;
        QTest::newRow("9 twips down") << 3009.0 << 3000.0 << 4 << 5 << 3009.0;
        QTest::newRow("8 twips down") << 3008.0 << 3000.0 << 4 << 4 << 3008.0;
        QTest::newRow("9 twips up") << 2991.0 << 3000.0 << 4 << 3 << 2991.0;
        QTest::newRow("8 twips up") << 2992.0 << 3000.0 << 4 << 4 << 2992.0;
        QTest::newRow("down at the bottom") << 3015.0 << 3000.0 << 10 << 10 << 3015.0;
        QTest::newRow("y kept rounded") << 3022.5 << 3000.0 << 4 << 5 << 3022.0;
    }
    void scrollingOverTheBar()
    {
        // Each event over the bar scrolls by one word when the pointer moved more than 8 twips, within 1..10.
        QFETCH(double, y);
        QFETCH(double, scrolly);
        QFETCH(int, value);
        QFETCH(int, newValue);
        QFETCH(double, newScrolly);
        const ScrollStep step = ScrollOverBar(y, scrolly, value, 10);
        QCOMPARE(step.value, newValue);
        QCOMPARE(step.scrolly, newScrolly);
    }

    void fiveLetterWordFitsUpToColumnGcolsMinusFour()
    {
        // A 5-letter word across may start at column gcols - 4 and no further right; down likewise at the bottom.
        Puzzle p = MakePuzzle({{"HOUSE"}}, 15, 17);
        p.dragging = true;
        QCOMPARE(DropPosition(p, 1, 11, 4).fndcol, 11);
        QCOMPARE(DropPosition(p, 1, 12, 4).fndcol, 0);
        p.Words[1].dr.assign(DIR_DOWN);
        QCOMPARE(DropPosition(p, 1, 15, 13).fndrow, 13);
        QCOMPARE(DropPosition(p, 1, 15, 14).fndcol, 0);
    }

    void droppedWordMayCrossOnlyOnItsOwnLetter_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("legal");
        QTest::newRow("A on the A of BOA") << 5 << 5 << true;
        QTest::newRow("A on the O of BOA") << 5 << 4 << false;
        QTest::newRow("C on the B of BOA") << 6 << 3 << false;
        QTest::newRow("side by side right of BOA") << 7 << 4 << true;
        QTest::newRow("end touching the B") << 3 << 3 << true;
        QTest::newRow("all empty, away") << 1 << 10 << true;
    }
    void droppedWordMayCrossOnlyOnItsOwnLetter()
    {
        // While dragging, a place is legal when every cell is empty or holds the dragged word's letter there.
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(bool, legal);
        const Puzzle p = BoaAndCat();
        const Found found = DropPosition(p, 2, col, row);
        QCOMPARE(found.found(), legal);
        if (legal)
            QCOMPARE(found.fndrow, row);
    }

    void overlapWithTheGridReachesBackByThePictureSize()
    {
        // The picture overlaps a grid at (81, 12) of 301 by 301 from a picture size before it to its last pixel.
        const QRect grid(81, 12, 301, 301);
        const QSize size(62, 22);
        QVERIFY(OverlapsGrid(19, -10, size, grid));
        QVERIFY(!OverlapsGrid(18.5, 100, size, grid));
        QVERIFY(!OverlapsGrid(100, -10.5, size, grid));
        QVERIFY(OverlapsGrid(381, 312, size, grid));
        QVERIFY(!OverlapsGrid(382, 100, size, grid));
        QVERIFY(!OverlapsGrid(100, 313, size, grid));
    }

    void pictureDrawsLettersCellLinesAndOutlineInBlue()
    {
        // Off the grid the picture is white with a blue outline, a blue line after each cell and blue letters.
        QImage picture(DragPictureSize(3, true), QImage::Format_RGB32);
        DrawDragPicture(picture, QStringLiteral("CAT"), true, QImage(), std::nullopt);
        for (int x = 0; x < 62; ++x) {
            QCOMPARE(picture.pixel(x, 0), BLUE);
            QCOMPARE(picture.pixel(x, 21), BLUE);
        }
        for (int y = 0; y < 22; ++y)
            for (int x : {0, 20, 40, 60, 61})
                QCOMPARE(picture.pixel(x, y), BLUE);
        for (int y = 1; y < 21; ++y)
            for (int x : {1, 19, 21, 39, 41, 59})
                QCOMPARE(picture.pixel(x, y), WHITE);
        for (int cell = 0; cell < 3; ++cell)
            QVERIFY(BluePixels(picture, QRect(cell * 20 + 8, 8, 12, 13)) > 5);
        QCOMPARE(BluePixels(picture, QRect(1, 1, 7, 7)), 0);
    }

    void downPictureDrawsItsLinesAcross()
    {
        // A word laid down has its cell lines across the picture, at 20, 40, ...
        QImage picture(DragPictureSize(2, false), QImage::Format_RGB32);
        DrawDragPicture(picture, QStringLiteral("A B"), false, QImage(), std::nullopt);
        for (int x = 0; x < 22; ++x) {
            QCOMPARE(picture.pixel(x, 20), BLUE);
            QCOMPARE(picture.pixel(x, 40), BLUE);
            QCOMPARE(picture.pixel(x, 41), BLUE);
        }
        QCOMPARE(picture.pixel(10, 19), WHITE);
    }

    void pictureShowsTheGridBeneathAndWhiteBeyondIt()
    {
        // The block of the grid picture at the source is copied in; what lies beyond the grid stays white.
        QImage grid(40, 40, QImage::Format_RGB32);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                grid.setPixel(x, y, qRgb(x, y, 100));
        QImage picture(DragPictureSize(1, true), QImage::Format_RGB32);
        DrawDragPicture(picture, QStringLiteral(" "), true, grid, QPoint(25, -5));
        QCOMPARE(picture.pixel(3, 7), qRgb(28, 2, 100));
        QCOMPARE(picture.pixel(14, 20), qRgb(39, 15, 100));
        QCOMPARE(picture.pixel(3, 3), WHITE);     // above the grid
        QCOMPARE(picture.pixel(16, 10), WHITE);   // right of the grid
    }

private:
    static int BluePixels(const QImage &image, const QRect &area)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixel(x, y) == BLUE ? 1 : 0;
        return count;
    }
};

QTEST_MAIN(TestDrag)
#include "test_drag.moc"
