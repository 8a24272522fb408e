// The smallest grid size, the size scroll bars' rule, cutting the grid down and
// moving all words.
#include "grid/grid_size.h"
#include "grid_tests.h"
#include "puzzle_builder.h"

#include <QTest>

class TestGridSize : public QObject {
    Q_OBJECT
private slots:
    void noPlacedWordGivesFifteenByFifteenAtTheTopLeft()
    {
        // With nothing in the grid the smallest size is 15 x 15 and the extent starts at column 1, row 1.
        Puzzle p = MakePuzzle({{"CAT"}}, 24, 20);
        const GridExtent extent = GetGridSize(p);
        QCOMPARE(p.gcolsmin, 15);
        QCOMPARE(p.growsmin, 15);
        QCOMPARE(extent.leftcol, 1);
        QCOMPARE(extent.toprow, 1);
    }

    void smallestSizeFollowsTheLastUsedColumnAndRow()
    {
        // The smallest size reaches the last cell of the furthest words; the extent is their first start column and row.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNOPQR", 3, 4, "Acro"}, {"DOWNWORD", 5, 10, "Down"}}, 24, 24);
        const GridExtent extent = GetGridSize(p);
        QCOMPARE(p.gcolsmin, 20);
        QCOMPARE(p.growsmin, 17);
        QCOMPARE(extent.leftcol, 3);
        QCOMPARE(extent.toprow, 4);
    }

    void setToMinimumSizeCutsTheGrid()
    {
        // "Set to Minimun Size" takes the smallest size, drops the current word and marks a non-empty list changed.
        Puzzle p = MakePuzzle({{"CAT"}}, 24, 20);
        p.curw = 1;
        SetToMinimumSize(p);
        QCOMPARE(p.gcols, 15);
        QCOMPARE(p.grows, 15);
        QCOMPARE(p.curw, 0);
        QVERIFY(p.changed);

        Puzzle empty = MakePuzzle({}, 24, 24);
        SetToMinimumSize(empty);
        QCOMPARE(empty.gcols, 15);
        QVERIFY(!empty.changed);
    }

    void columnsCannotBeNarrowedBelowTheLastUsedColumn()
    {
        // Moving the column bar to 18 with a word ending in column 20 sets the bar back to 20 and leaves gcols.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNOPQR", 3, 1, "Acro"}}, 24, 24);
        const int setBack = ChangeGridCols(p, 18);
        QCOMPARE(setBack, 20);
        QCOMPARE(p.gcols, 24);
        QVERIFY(!p.changed);
        QCOMPARE(ChangeGridCols(p, setBack), 20);
        QCOMPARE(p.gcols, 20);
        QVERIFY(p.changed);
    }

    void rowsFollowTheRowBar()
    {
        // Any row count from the smallest size up is taken as it is.
        Puzzle p = MakePuzzle({{"CAT", 1, 14, "Down"}}, 24, 24);
        QCOMPARE(ChangeGridRows(p, 15), 16);
        QCOMPARE(ChangeGridRows(p, 21), 21);
        QCOMPARE(p.grows, 21);
        QVERIFY(p.changed);
    }

    void moveStopsAtTheSmallestSize_data()
    {
        QTest::addColumn<char>("tag");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("moves");
        // The word CAT across ends in column 13 of row 13.
        QTest::newRow("down, 15 rows") << 'D' << 15 << 0;
        QTest::newRow("down, 16 rows") << 'D' << 16 << 3;
        QTest::newRow("right, 15 columns") << 'R' << 15 << 0;
        QTest::newRow("right, 18 columns") << 'R' << 18 << 5;
        QTest::newRow("any other tag is right") << 'X' << 16 << 3;
    }
    void moveStopsAtTheSmallestSize()
    {
        // Down and right move while the smallest size (never below 15) is below the size in use.
        QFETCH(char, tag);
        QFETCH(int, size);
        QFETCH(int, moves);
        Puzzle p = MakePuzzle({{"CAT", 11, 13, "Acro"}}, size, size);
        int count = 0;
        while (ShiftWords(p, tag) && count < 20)
            ++count;
        QCOMPARE(count, moves);
        QCOMPARE(p.changed, moves > 0);
    }

    void moveBlockedAtTheEdge_data()
    {
        QTest::addColumn<char>("tag");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("moves");
        QTest::newRow("up from row 1") << 'U' << 4 << 1 << false;
        QTest::newRow("up from row 2") << 'U' << 4 << 2 << true;
        QTest::newRow("left from column 1") << 'L' << 1 << 4 << false;
        QTest::newRow("left from column 2") << 'L' << 2 << 4 << true;
    }
    void moveBlockedAtTheEdge()
    {
        // Up and left stop when a word starts in row 1 or column 1.
        QFETCH(char, tag);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(bool, moves);
        Puzzle p = MakePuzzle({{"CAT", col, row, "Down"}, {"ZOO", 8, 8, "Acro"}});
        QCOMPARE(ShiftWords(p, tag), moves);
        QCOMPARE(p.Words[1].gc, col - (moves && tag == 'L'));
        QCOMPARE(p.Words[1].gr, row - (moves && tag == 'U'));
    }

    void aMoveCarriesLettersAndIndicesAndClearsThePlayersLetters()
    {
        // After a move the letters and the word index follow the words, play cells are unfilled and numbers stay.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}}, 16, 16);
        p.Pgrid(1, 1) = 'C';
        p.Pgrid(3, 3) = 'N';
        QVERIFY(ShiftWords(p, 'R'));
        QVERIFY(ShiftWords(p, 'D'));
        QCOMPARE(SolutionRows(p, 4, 4), std::string("####\n#CAT\n#O#E\n#W#N"));
        QCOMPARE(PlayRows(p, 4, 4), std::string("####\n#   \n# # \n# # "));
        QCOMPARE(p.CWIdx(2, 2), 2);
        QCOMPARE(p.CWIdx(4, 2), 3);
        QCOMPARE(p.CWIdx(3, 2), 1);
        QCOMPARE(p.CWIdx(1, 1), 0);
        QCOMPARE(p.Words[1].nbr, 1);
        QCOMPARE(p.Words[2].nbr, 1);
        QCOMPARE(p.Words[3].nbr, 2);
        QVERIFY(p.changed);
    }

    void aOneLetterWordInTheBottomRightCornerCanMoveUpAndLeft()
    {
        // The extent is that of the placed words even when the only word starts in the last cell.
        Puzzle p = MakePuzzle({{"A", 15, 15, "Acro"}});
        QVERIFY(ShiftWords(p, 'U'));
        QVERIFY(ShiftWords(p, 'L'));
        QCOMPARE(p.CWGrid(14, 14), 'A');
    }

    void moveWithNoWordInTheGridChangesNothing()
    {
        // With no placed word there is nothing to move and the puzzle stays unchanged.
        Puzzle p = MakePuzzle({{"CAT"}}, 24, 24);
        QVERIFY(!ShiftWords(p, 'D'));
        QVERIFY(!ShiftWords(p, 'R'));
        QVERIFY(!p.changed);
    }

    void clearGridQuestion()
    {
        // The question "Clear Grid" asks before taking the words out.
        QCOMPARE(std::string(CLEAR_GRID_QUESTION_TITLE), std::string("Clear Grid"));
        QCOMPARE(std::string(CLEAR_GRID_QUESTION), std::string("Remove Words from Grid"));
    }
};

std::unique_ptr<QObject> NewGridSizeTests()
{
    return std::make_unique<TestGridSize>();
}

#include "test_grid_size.moc"
