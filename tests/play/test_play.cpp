// The player's answers between the word list and the play grid: judging a
// crossing letter, Get Word and Clear Current Word.
#include "play/play_commands.h"
#include "puzzle_builder.h"

#include <QTest>

namespace {

using Answers = std::vector<std::string>;

// The ring of words (see Ring) with these answers in the play grid.
Puzzle PlayedRing(const Answers &answers)
{
    Puzzle p = Ring(answers);
    PwordsToPgrid(p);
    return p;
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
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
        // A word is judged by its own letters read from the grid, so one shared letter can be right for one word only.
        QFETCH(char, letter);
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG", 3, 1, "Down"}});
        p.Pgrid(1, 1) = 'C';
        p.Pgrid(2, 1) = 'A';
        p.Pgrid(3, 1) = letter;
        p.Pgrid(3, 2) = 'O';
        p.Pgrid(3, 3) = 'G';
        PgridToPwords(p);
        QTEST(int(p.Words[1].pwok), "acrossOk");
        QTEST(int(p.Words[2].pwok), "downOk");
        QCOMPARE(p.ncorrect, 1);
    }

    void getWordAgainstAnEarlierAndALaterCrossingWord_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("curw");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("cow");  // COW's answer afterwards
        QTest::addColumn<QString>("caption");
        QTest::newRow("COW revealed after a wrong CAT")
            << Answers{"XAT"} << 2 << "XAT\nO# \nW  " << "XOW" << " 0 out of  4 words are Correct!";
        QTest::newRow("CAT revealed before a wrong COW")
            << Answers{"", "XOW"} << 1 << "CAT\nO# \nW  " << "COW" << " 2 out of  4 words are Correct!";
    }
    void getWordAgainstAnEarlierAndALaterCrossingWord()
    {
        // An earlier word in the list keeps its letter in the shared cell; a later one takes the revealed letter.
        QFETCH(Answers, answers);
        QFETCH(int, curw);
        Puzzle p = PlayedRing(answers);
        p.curw = int16_t(curw);
        const std::optional<PlayStat> stat = GetWord(p);
        QVERIFY(stat.has_value());
        QTEST(QString::fromStdString(stat->caption), "caption");
        QTEST(QString::fromStdString(PlayRows(p, 3, 3)), "rows");
        QTEST(QString::fromStdString(p.Words[2].pword.trimmed()), "cow");
        QVERIFY(p.changed);
    }

    void clearingAWordKeepsOnlyRightPartnersLetters_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("curw");
        QTest::addColumn<QString>("rows");
        QTest::newRow("WIN cleared, right COW and wrong TAN")
            << Answers{"CAT", "COW", "TAN", "WIN"} << 4 << "CAT\nO#A\nW  ";
        QTest::newRow("TEN cleared, wrong CUT and right WIN")
            << Answers{"CUT", "COW", "TEN", "WIN"} << 3 << "CU \nO# \nWIN";
    }
    void clearingAWordKeepsOnlyRightPartnersLetters()
    {
        // A right crossing word keeps its letter in the shared cell; a wrong one loses it there and keeps the rest.
        QFETCH(Answers, answers);
        QFETCH(int, curw);
        Puzzle p = PlayedRing(answers);
        p.curw = int16_t(curw);
        QVERIFY(ClearCurrentWord(p).has_value());
        QTEST(QString::fromStdString(PlayRows(p, 3, 3)), "rows");
        QCOMPARE(p.Words[curw].pword.trimmed(), std::string());
        QCOMPARE(p.Words[curw].pwok, 0);
        QVERIFY(p.changed);
    }
};

QTEST_APPLESS_MAIN(TestPlay)
#include "test_play.moc"
