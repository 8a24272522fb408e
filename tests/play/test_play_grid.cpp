// The player's answers carried between the word list and the play grid, the
// judging of each word and the score line.
#include "play/play_grid.h"
#include "play_puzzles.h"

#include <QTest>

class TestPlayGrid : public QObject {
    Q_OBJECT
private slots:
    void firstWordInListDecidesACrossingCell()
    {
        // Answers written into the grid fill only empty cells, in list order.
        Puzzle p = RingPuzzle();
        SetAnswers(p, {"CAT", "   ", "XEN", "W Y"});
        PwordsToPgrid(p);
        QCOMPARE(PlayRows(p, 4, 3), std::string("CAT#\n #E#\nW N#"));
        QCOMPARE(p.Words[1].pwok, 1);
        QCOMPARE(p.Words[3].pwok, 0);
        QCOMPARE(p.ncorrect, 1);
    }

    void answersAreReadFromTheGrid()
    {
        // Each answer is its cells read in order; an empty cell reads as a blank.
        Puzzle p = RingPuzzle();
        TypeRows(p, "CAT\n #E\nWIN");
        PgridToPwords(p);
        QCOMPARE(p.Words[1].pword.str(), std::string("CAT") + std::string(21, ' '));
        QCOMPARE(p.Words[2].pword.str(), std::string("C W") + std::string(21, ' '));
        QCOMPARE(p.Words[3].pword.trimmed(), std::string("TEN"));
        QCOMPARE(p.ncorrect, 3);
    }

    void crossingLetterIsJudgedForEachWordOnItsOwn_data()
    {
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("acrossOk");
        QTest::addColumn<int>("downOk");
        QTest::newRow("right across, wrong down") << 'T' << 1 << 0;
        QTest::newRow("wrong across, right down") << 'D' << 0 << 1;
    }
    void crossingLetterIsJudgedForEachWordOnItsOwn()
    {
        // A word is judged against its own word, not against the solution grid.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG", 3, 1, "Down"}});
        QFETCH(char, letter);
        TypeRows(p, std::string("CA") + letter + "\n##O\n##G");
        PgridToPwords(p);
        QTEST(int(p.Words[1].pwok), "acrossOk");
        QTEST(int(p.Words[2].pwok), "downOk");
    }

    void innerBlankOfAWordIsSatisfiedByAnEmptyCell()
    {
        // The blank of "ICE TEA" is an ordinary cell that stays empty.
        Puzzle p = MakePuzzle({{"ICE TEA", 2, 2, "Acro"}});
        TypeRows(p, "#######\n#ICE TEA");
        PgridToPwords(p);
        QCOMPARE(p.Words[1].pwok, 1);
    }

    void wordOf24LettersFillsItsWholeAnswer()
    {
        // The last cell of the grid belongs to the 24th character.
        const std::string word = "ABCDEFGHIJKLMNOPQRSTUVWX";
        Puzzle p = MakePuzzle({{word, 24, 1, "Down"}}, 24, 24);
        for (int r = 1; r <= 24; ++r)
            p.Pgrid(24, r) = word[std::size_t(r - 1)];
        PgridToPwords(p);
        QCOMPARE(p.Words[1].pword.str(), word);
        QCOMPARE(p.Words[1].pwok, 1);
    }

    void wordsOutsideTheGridKeepTheirAnswers()
    {
        // Saving in design mode reads no cell of a word that is not in the grid,
        // keeps its answer and judge, and counts it by its judge.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG", 0}, {"EMU", 0}});
        p.runmode = "Design";
        SetAnswers(p, {"CAT", "DOG", "EMX"});
        p.Words[2].pwok = 1;
        p.Words[3].stat = STAT_PLACED;  // recorded beyond the last column
        p.Words[3].gc = 23;
        p.Words[3].gr = 5;
        TypeRows(p, "CAT");
        PgridToPwords(p);
        QCOMPARE(p.Words[2].pword.trimmed(), std::string("DOG"));
        QCOMPARE(p.Words[3].pword.trimmed(), std::string("EMX"));
        QCOMPARE(p.Words[3].pwok, 0);
        QCOMPARE(p.ncorrect, 2);
    }

    void scoreCaption_data()
    {
        QTest::addColumn<int>("ncorrect");
        QTest::addColumn<int>("nwords");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("completed");
        QTest::newRow("none right") << 0 << 5 << " 0 out of  5 words are Correct!" << false;
        QTest::newRow("two digits") << 9 << 12 << " 9 out of  12 words are Correct!" << false;
        QTest::newRow("all right") << 40 << 40 << "Crossword Completed!!!" << true;
    }
    void scoreCaption()
    {
        // Each number carries one leading blank; all right is the completed state.
        QFETCH(int, ncorrect);
        QFETCH(int, nwords);
        Puzzle p;
        p.ncorrect = int16_t(ncorrect);
        p.nwords = int16_t(nwords);
        p.curw = 3;
        const PlayStat stat = PGridStat(p);
        QTEST(QString::fromStdString(stat.caption), "caption");
        QTEST(stat.completed, "completed");
        QCOMPARE(p.curw, stat.completed ? 0 : 3);
    }
};

int RunPlayGridTests(int argc, char **argv)
{
    TestPlayGrid tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_play_grid.moc"
