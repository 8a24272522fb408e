// Conversion between grid cells and window points.
#include "view/cell_geometry.h"

#include <QTest>

class TestCellGeometry : public QObject {
    Q_OBJECT
private slots:
    void pointToCell_data()
    {
        QTest::addColumn<double>("offset");  // from pb's left (or top) edge
        QTest::addColumn<int>("cell");
        QTest::newRow("on the left edge") << 0.0 << 1;
        QTest::newRow("left of the grid") << -15.0 << 1;
        QTest::newRow("20: line after the first cell") << 20.0 << 1;
        QTest::newRow("21") << 21.0 << 2;
        QTest::newRow("40") << 40.0 << 2;
        QTest::newRow("41") << 41.0 << 3;
        QTest::newRow("19.9 below one cell") << 19.9 << 1;
        QTest::newRow("40.5 rounds to even 40") << 40.5 << 2;
        QTest::newRow("41.5 rounds to even 42") << 41.5 << 3;
        QTest::newRow("39.6 rounds up to 40") << 39.6 << 2;
        QTest::newRow("last line of 24 columns") << 480.0 << 24;
        QTest::newRow("beyond the grid") << 481.0 << 25;
    }
    void pointToCell()
    {
        // A grid line belongs to the cell before it; halves round to even.
        QFETCH(double, offset);
        QFETCH(int, cell);
        const CellHit hit = GetCRpos(100, 50, 100 + offset, 50 + offset);
        QCOMPARE(hit.ptcol, cell);
        QCOMPARE(hit.ptrow, cell);
        QCOMPARE(hit.x, offset);
        QCOMPARE(hit.y, offset);
    }

    void cellToPoint_data()
    {
        QTest::addColumn<double>("pbLeft");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("cellx");
        QTest::addColumn<int>("celly");
        QTest::newRow("first cell is pb's corner") << 100.0 << 1 << 1 << 100 << 50;
        QTest::newRow("below 2 gives the edge") << 100.0 << 0 << -3 << 100 << 50;
        QTest::newRow("cell 3, 2") << 100.0 << 3 << 2 << 140 << 70;
        QTest::newRow("last cell") << 100.0 << 24 << 24 << 560 << 510;
        QTest::newRow("half rounds down to even") << 100.5 << 1 << 1 << 100 << 50;
        QTest::newRow("half rounds up to even") << 101.5 << 2 << 1 << 122 << 50;
    }
    void cellToPoint()
    {
        // The top-left corner of a cell in window points.
        QFETCH(double, pbLeft);
        QFETCH(int, c);
        QFETCH(int, r);
        const CellCorner corner = GetXYpos(pbLeft, 50, c, r);
        QTEST(corner.cellx, "cellx");
        QTEST(corner.celly, "celly");
    }

    void negativeHalvesRoundToEven()
    {
        // Points left of pb round like any other.
        QCOMPARE(RoundHalfEven(-1.5), -2);
        QCOMPARE(RoundHalfEven(-2.5), -2);
        QCOMPARE(RoundHalfEven(-0.4), 0);
    }
};

QTEST_APPLESS_MAIN(TestCellGeometry)
#include "test_cell_geometry.moc"
