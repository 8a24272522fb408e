// Get Word, Clear Current Word and Clear All Words over the answers and the
// play grid.
#include "play/play_commands.h"
#include "play_puzzles.h"

#include <QStringList>
#include <QTest>

class TestPlayCommands : public QObject {
    Q_OBJECT
private slots:
    void revealedWordGivesWayToAnEarlierCrossingWord()
    {
        // An earlier word's letter keeps the shared cell; the revealed word then
        // reads that letter back and is wrong.
        Puzzle p = RingPuzzle();
        SetAnswers(p, {"XAT"});
        PwordsToPgrid(p);
        p.curw = 2;
        const std::optional<PlayStat> stat = GetWord(p);
        QCOMPARE(PlayRows(p, 3, 3), std::string("XAT\nO# \nW  "));
        QCOMPARE(p.Words[2].pword.trimmed(), std::string("XOW"));
        QCOMPARE(p.Words[2].pwok, 0);
        QVERIFY(stat.has_value());
        QCOMPARE(stat->caption, std::string(" 0 out of  4 words are Correct!"));
        QVERIFY(p.changed);
    }

    void revealedWordOverridesALaterCrossingWord()
    {
        // The revealed letter wins over a later word, whose answer takes it.
        Puzzle p = RingPuzzle();
        SetAnswers(p, {"", "XOW"});
        PwordsToPgrid(p);
        p.curw = 1;
        GetWord(p);
        QCOMPARE(PlayRows(p, 3, 3), std::string("CAT\nO# \nW  "));
        QCOMPARE(p.Words[2].pword.trimmed(), std::string("COW"));
        QCOMPARE(p.Words[2].pwok, 1);
        QCOMPARE(p.ncorrect, 2);
    }

    void getWordWithoutACurrentWordDoesNothing()
    {
        // No current word: no answer changes and the puzzle stays unchanged.
        Puzzle p = RingPuzzle();
        QVERIFY(!GetWord(p).has_value());
        QVERIFY(!ClearCurrentWord(p).has_value());
        QCOMPARE(p.Words[1].pword.trimmed(), std::string());
        QVERIFY(!p.changed);
    }

    void clearingAWordKeepsOnlyRightPartnersLetters_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("curw");
        QTest::addColumn<QString>("rows");
        QTest::newRow("across cleared, right and wrong down partners")
            << QStringList{"CAT", "COW", "TAN", "WIN"} << 4 << "CAT\nO#A\nW  ";
        QTest::newRow("down cleared, wrong and right across partners")
            << QStringList{"CUT", "COW", "TEN", "WIN"} << 3 << "CU \nO# \nWIN";
    }
    void clearingAWordKeepsOnlyRightPartnersLetters()
    {
        // A crossing word that is right keeps its letter in the shared cell; a
        // wrong one loses it there and keeps its other letters.
        QFETCH(QStringList, answers);
        QFETCH(int, curw);
        Puzzle p = RingPuzzle();
        for (int w = 1; w <= answers.size(); ++w)
            p.Words[w].pword.assign(answers[w - 1].toStdString());
        PwordsToPgrid(p);
        p.curw = int16_t(curw);
        ClearCurrentWord(p);
        QTEST(QString::fromStdString(PlayRows(p, 3, 3)), "rows");
        QCOMPARE(p.Words[curw].pword.trimmed(), std::string());
        QCOMPARE(p.Words[curw].pwok, 0);
        QVERIFY(p.changed);
    }

    void clearAllWordsLeavesTheCompletedState()
    {
        // Clearing every answer empties the grid and scores none right.
        Puzzle p = RingPuzzle();
        SetAnswers(p, {"CAT", "COW", "TEN", "WIN"});
        PwordsToPgrid(p);
        QVERIFY(PGridStat(p).completed);
        const PlayStat stat = ClearAllWords(p);
        QCOMPARE(stat, (PlayStat{" 0 out of  4 words are Correct!", false}));
        QCOMPARE(PlayRows(p, 4, 3), std::string("   #\n # #\n   #"));
        QCOMPARE(p.Words[4].pwok, 0);
        QVERIFY(p.changed);
    }
};

int RunPlayCommandsTests(int argc, char **argv)
{
    TestPlayCommands tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_play_commands.moc"
