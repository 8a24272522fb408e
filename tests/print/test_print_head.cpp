// The print position: lines down the page, and the move to a new page when a
// line would pass the bottom.
#include "print/print_head.h"
#include "print_tests.h"

#include <QTest>

class TestPrintHead : public QObject {
    Q_OBJECT
private slots:
    void lineEndGoesToTheLeftMarginOfTheNextLine()
    {
        // Ending a line puts x back to 0 and moves y down by the line height.
        PrintHead head(15000);
        head.setX(5500);
        head.setY(7500);
        head.advance(300);
        QCOMPARE(head.x(), 5800);
        head.endLine(227);
        QCOMPARE(head.x(), 0);
        QCOMPARE(head.y(), 7727);
    }

    void pageBreaksOnlyForALinePastTheBottom_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<bool>("breaks");
        QTest::addColumn<int>("yAfter");
        QTest::newRow("well inside") << 7500 << 227 << false << 7500;
        QTest::newRow("ends exactly at the bottom") << 9773 << 227 << false << 9773;
        QTest::newRow("one twip past the bottom") << 9774 << 227 << true << 0;
        QTest::newRow("starts below the page") << 12000 << 227 << true << 0;
        QTest::newRow("taller than the page, at the top") << 0 << 12000 << false << 0;
    }
    void pageBreaksOnlyForALinePastTheBottom()
    {
        // A line that would pass the bottom of a 10000-twip page goes to the top
        // of the next page in the same column; a line at the top never breaks.
        QFETCH(int, y);
        QFETCH(int, lineHeight);
        PrintHead head(10000);
        head.setX(5500);
        head.setY(y);
        QTEST(head.breakPageFor(lineHeight), "breaks");
        QTEST(head.y(), "yAfter");
        QCOMPARE(head.x(), 5500);
    }
};

int RunPrintHeadTests(int argc, char **argv)
{
    TestPrintHead tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_print_head.moc"
