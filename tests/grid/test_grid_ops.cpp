// Grid operations and numbering over the word list.
#include "grid/grid_ops.h"
#include "grid_tests.h"
#include "puzzle_builder.h"

#include <QTest>

class TestGridOps : public QObject {
    Q_OBJECT
private slots:
    void numbersFollowReadingOrderOfStartCells()
    {
        // Start cells at (3,1) down, (1,2) across and (5,2) down number 1, 2, 3.
        Puzzle p = MakePuzzle({{"AXE", 5, 2, "Down"}, {"BOXER", 1, 2, "Acro"}, {"SOB", 3, 1, "Down"}});
        QCOMPARE(p.Words[3].nbr, 1);
        QCOMPARE(p.Words[2].nbr, 2);
        QCOMPARE(p.Words[1].nbr, 3);
    }

    void wordsSharingAStartCellShareANumber()
    {
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}});
        QCOMPARE(p.Words[1].nbr, 1);
        QCOMPARE(p.Words[2].nbr, 1);
        QCOMPARE(p.Words[3].nbr, 2);
        QCOMPARE(SolutionRows(p, 3, 3), std::string("CAT\nO#E\nW#N"));
    }

    void crossingCellNamesTheHigherIndexAfterLoadGrid()
    {
        Puzzle p = MakePuzzle({{"ONE", 0}, {"CAT", 1, 2, "Acro"}, {"X", 0}, {"Y", 0}, {"SAW", 2, 1, "Down"}});
        QCOMPARE(p.CWIdx(2, 2), 5);
        QCOMPARE(p.CWIdx(1, 2), 2);
        QCOMPARE(p.nplaced, 2);
    }

    void placingThroughAnUncrossedWordMarksItCrossed()
    {
        Puzzle p = MakePuzzle({{"A", 0}, {"B", 0}, {"CAT", 1, 1, "Acro"}, {"D", 0}, {"E", 0}, {"F", 0}, {"TOE", 0}});
        p.Words[3].stat = STAT_UNCROSSED;
        p.Pgrid(3, 1) = 'Q';
        int gc = 3, gr = 1;
        std::string dr = "Down";
        PutWordInGrid(p, 7, 3, gc, gr, dr);
        QCOMPARE(p.CWGrid(3, 1), 'T');
        QCOMPARE(p.CWIdx(3, 1), 7);
        QCOMPARE(p.Words[3].stat, STAT_PLACED);
        QCOMPARE(p.Pgrid(3, 1), ' ');  // the player's letter is cleared
        QVERIFY(p.changed);
    }

    void takingAWordOutHandsBackItsPlace()
    {
        Puzzle p = MakePuzzle({{"CAT", 4, 6, "Down"}});
        int gc = 1, gr = 0;
        std::string dr;
        PutWordInGrid(p, 0, 3, gc, gr, dr);
        QCOMPARE(gc, 4);
        QCOMPARE(gr, 6);
        QCOMPARE(dr, std::string("Down"));
        QCOMPARE(p.Words[1].stat, STAT_UNPLACED);
        QCOMPARE(p.nplaced, 0);
        QCOMPARE(p.CWGrid(4, 7), '#');
        QCOMPARE(p.CWIdx(4, 7), 0);
    }

    void clearGridEmptiesAllCellsAndKeepsRecords()
    {
        Puzzle p = MakePuzzle({{"CAT", 13, 24, "Acro"}}, 15, 24);
        ClearGrid(p);
        for (int c = 1; c <= GRIDMAX; ++c)
            for (int r = 1; r <= GRIDMAX; ++r)
                QVERIFY(p.CWGrid(c, r) == '#' && p.CWIdx(c, r) == 0 && p.Pgrid(c, r) == '#');
        QCOMPARE(p.nplaced, 0);
        QCOMPARE(p.Words[1].stat, STAT_PLACED);
    }

    void resetWordsTakesEveryWordOut()
    {
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}});
        p.curw = 2;
        ResetWords(p);
        QCOMPARE(p.Words[2].stat, STAT_NONE);
        QVERIFY(p.Words[2].dr == "Acro");
        QCOMPARE(p.curw, 0);
        QCOMPARE(p.CWGrid(1, 1), '#');
    }
};

std::unique_ptr<QObject> NewGridOpsTests()
{
    return std::make_unique<TestGridOps>();
}

#include "test_grid_ops.moc"
