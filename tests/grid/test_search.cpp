// The legality test of a position and the crossing and free-position searches.
#include "grid/search.h"
#include "grid_tests.h"
#include "puzzle_builder.h"

#include <QTest>

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void crossingAcrossPrefersTheLeftmostColumnOverTheTopmostRow()
    {
        // Across, the start column is scanned first: column 1 row 7 comes before column 2 row 1.
        Puzzle p = MakePuzzle({{"XC", 1, 6, "Down"}, {"AB", 3, 1, "Down"}});
        QVERIFY(SearchCWGrid(p, "CAT", 3, "Acro", 2, 1, true, false).found());
        const Found at = MatchLetters(p, "CAT", "Acro");
        QCOMPARE(at.fndcol, 1);
        QCOMPARE(at.fndrow, 7);
    }

    void crossingDownPrefersTheTopmostRowOverTheLeftmostColumn()
    {
        // Down, the start row is scanned first: column 9 row 1 comes before column 1 row 2.
        Puzzle p = MakePuzzle({{"XC", 1, 2, "Acro"}, {"ZA", 9, 3, "Acro"}});
        QVERIFY(SearchCWGrid(p, "XYZ", 3, "Down", 1, 2, true, false).found());
        const Found at = MatchLetters(p, "XYZ", "Down");
        QCOMPARE(at.fndcol, 9);
        QCOMPARE(at.fndrow, 1);
    }

    void crossingNeedsASharedLetterNoClashAndEmptyEnds_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("legal");
        // The grid holds CATS across at column 1 of row 2.
        QTest::newRow("letter right after the word") << "CAT" << 1 << false;
        QTest::newRow("letter right before the word") << "ATS" << 2 << false;
        QTest::newRow("longer word over a shorter one it repeats") << "CATSUP" << 1 << true;
        QTest::newRow("no letter in common") << "DOG" << 5 << false;
        QTest::newRow("one letter clashes") << "CUTS" << 1 << false;
    }
    void crossingNeedsASharedLetterNoClashAndEmptyEnds()
    {
        // A crossing shares a letter, clashes with none, and has empty cells before and after it.
        QFETCH(QString, word);
        QFETCH(int, col);
        QFETCH(bool, legal);
        Puzzle p = MakePuzzle({{"CATS", 1, 2, "Acro"}});
        const std::string w = word.toStdString();
        QCOMPARE(SearchCWGrid(p, w, int(w.size()), "Acro", col, 2, true, false).found(), legal);
    }

    void crossingRefusedWhenAnEmptyCellHasALetterBeside()
    {
        // An empty cell of a crossing word must not touch a letter of a parallel word.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"TOE", 3, 1, "Down"}});
        QVERIFY(!SearchCWGrid(p, "ANT", 3, "Down", 2, 1, true, false).found());
    }

    void draggingLeavesOutTheNeighbourTests_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("dragging");
        QTest::addColumn<bool>("legal");
        // The grid holds CAT across at (1,1) and TOE down from its T.
        QTest::newRow("crossing beside TOE, placing") << "ANT" << 2 << false << false;
        QTest::newRow("crossing beside TOE, dragging") << "ANT" << 2 << true << true;
        QTest::newRow("clash, dragging") << "ONE" << 2 << true << false;
        QTest::newRow("free beside TOE, placing") << "XY" << 4 << false << false;
        QTest::newRow("free beside TOE, dragging") << "XY" << 4 << true << true;
        QTest::newRow("free on a letter, dragging") << "XY" << 3 << true << false;
    }
    void draggingLeavesOutTheNeighbourTests()
    {
        // While dragging, letters beside, before and after do not count; a clash still does.
        QFETCH(QString, word);
        QFETCH(int, col);
        QFETCH(bool, dragging);
        QFETCH(bool, legal);
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"TOE", 3, 1, "Down"}});
        p.dragging = dragging;
        const std::string w = word.toStdString();
        const Found at = SearchCWGrid(p, w, int(w.size()), "Down", col, 1, true, true);
        QCOMPARE(at.found(), legal);
        QCOMPARE(at.fndrow, legal ? 1 : 0);
    }

    void aLetterOutsideTheGridInUseCountsAsEmpty()
    {
        // A neighbour beyond gcols is not looked at, even when the arrays hold a letter there.
        Puzzle p = MakePuzzle({{"TQ", 15, 1, "Down"}, {"ZZ", 16, 1, "Acro"}}, 17, 15);
        QVERIFY(!SearchCWGrid(p, "CAT", 3, "Acro", 13, 1, true, false).found());
        p.gcols = 15;
        QVERIFY(SearchCWGrid(p, "CAT", 3, "Acro", 13, 1, true, false).found());
    }

    void aWordRunningPastTheArraysIsNeverLegal()
    {
        // A position whose last cell would lie beyond column or row 24 is refused without reading there.
        Puzzle p = MakePuzzle({{"CAT", 22, 24, "Acro"}}, 24, 24);
        p.dragging = true;
        QVERIFY(!SearchCWGrid(p, "CATCH", 5, "Acro", 22, 24, true, true).found());
        QVERIFY(!SearchCWGrid(p, "TO", 2, "Down", 24, 24, true, true).found());
        QVERIFY(SearchCWGrid(p, "CAT", 3, "Acro", 22, 24, true, false).found());
    }

    void freeTestNeedsTheWordToFitTheGridInUse()
    {
        // A free position is only legal when the whole word lies inside gcols x grows.
        Puzzle p = MakePuzzle({}, 15, 15);
        QVERIFY(SearchCWGrid(p, "CAT", 3, "Acro", 13, 4, false, true).found());
        QVERIFY(!SearchCWGrid(p, "CAT", 3, "Acro", 14, 4, false, true).found());
        QVERIFY(!SearchCWGrid(p, "CAT", 3, "Down", 4, 14, false, true).found());
    }

    void matchLettersFindsNothingForAWordLongerThanTheGrid()
    {
        // No start column exists for a word longer than gcols, whatever the grid holds.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNOP", 1, 1, "Acro"}}, 16, 15);
        p.gcols = 15;
        QVERIFY(!MatchLetters(p, "ABCDEFGHIJKLMNOP", "Acro").found());
    }

    void freeRunAfterALetterBesideStartsAnew()
    {
        // A run that reaches a cell with a letter beside is lost as a whole; the next run starts after it.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNOP", 1, 1, "Acro"}, {"KZ", 11, 1, "Down"}}, 16, 16);
        const Found at = GetEmpty(p, 4, "Acro");
        QCOMPARE(at.fndcol, 12);
        QCOMPARE(at.fndrow, 3);
    }

    void freeRunMayNotStartRightAfterALetter()
    {
        // The cell just below a letter cannot start a free run down; the run starts one further.
        Puzzle p = MakePuzzle({{"AB", 1, 1, "Acro"}});
        const Found at = GetEmpty(p, 5, "Down");
        QCOMPARE(at.fndcol, 1);
        QCOMPARE(at.fndrow, 3);
    }

    void freeRunMayNotEndRightBeforeALetter()
    {
        // A run may not start where its cell lw further along holds a letter: 1 and 2 are refused, 3 is too short.
        Puzzle p = MakePuzzle({{"AB", 4, 1, "Acro"}});
        const Found at = GetEmpty(p, 3, "Acro");
        QCOMPARE(at.fndcol, 7);
        QCOMPARE(at.fndrow, 1);
    }

    void noFreeRunFound()
    {
        // A grid with no free run of the length leaves both results 0.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNO", 1, 8, "Acro"}});
        const Found at = GetEmpty(p, 8, "Down");
        QCOMPARE(at.fndcol, 0);
        QCOMPARE(at.fndrow, 0);
    }
};

std::unique_ptr<QObject> NewSearchTests()
{
    return std::make_unique<TestSearch>();
}

#include "test_search.moc"
