// The grid commands of the main window: generation with its question and
// failure boxes, one word placed automatically, the size scroll bars, the
// minimum size, shifting all words and clearing the grid.
#include "document/puzzle_file.h"
#include "panel/row_label.h"
#include "puzzle_builder.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

using Answer = Desktop::Answer;

namespace {

QByteArray Bytes(const Puzzle &p)
{
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

// Words of twenty equal letters share no letter, so no grid can hold ten of them.
Puzzle Unbuildable()
{
    std::vector<WordSpec> words;
    for (char c = 'A'; c < 'A' + 10; ++c)
        words.push_back({std::string(20, c)});
    return MakePuzzle(words);
}

Puzzle Buildable()
{
    return MakePuzzle({{"CAT"}, {"ACE"}, {"TEA"}, {"EAT"}});
}

QScrollBar *Bar(const WindowFixture &f, const char *name)
{
    return f.control<QScrollBar>(QString::fromLatin1(name));
}

} // namespace

class TestWindowGrid : public QObject {
    Q_OBJECT
private slots:
    void generationAsksFirstAndNoKeepsTheGrid()
    {
        // Both generate commands ask "Process a New Crossword Grid"; No changes nothing.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(Buildable()));
        for (const char *name : {"cb_procAutosz", "cb_procfixsize"}) {
            f.desktop.answer(Answer::No);
            f.click(QString::fromLatin1(name));
            QCOMPARE(f.desktop.messages.last().text, QStringLiteral("Process a New Crossword Grid"));
            QCOMPARE(f.desktop.messages.last().title, QStringLiteral("New Grid"));
            QVERIFY(f.desktop.messages.last().buttons == Desktop::Buttons::YesNo);
            QCOMPARE(f.puzzle().nplaced, 0);
        }
    }

    void generationWithoutWordsAsksNothing()
    {
        // With no words the commands are disabled, and even a click does nothing.
        WindowFixture f;
        QVERIFY(f.start());
        for (const char *name : {"cb_procAutosz", "cb_procfixsize"}) {
            auto *button = f.control<QAbstractButton>(QString::fromLatin1(name));
            QVERIFY(!button->isEnabled());
            button->setEnabled(true);
            f.click(QString::fromLatin1(name));
        }
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void autoSizeBuildsAndCutsTheGrid()
    {
        // A successful auto size places every word, cuts the grid to its smallest size and shows it.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(Buildable()));
        f.desktop.answer(Answer::Yes);
        f.click("cb_procAutosz");
        QCOMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.puzzle().nplaced, 4);
        QCOMPARE(f.puzzle().gcols, 15);
        QCOMPARE(f.puzzle().grows, 15);
        QCOMPARE(Bar(f, "scr_gcols")->value(), 15);
        QCOMPARE(f.control<QLabel>("lb_grows")->text(), QStringLiteral("15"));
        QCOMPARE(f.window->gridImage().size(), QSize(301, 301));
        QVERIFY(f.puzzle().changed);
        QCOMPARE(f.puzzle().curw, 0);
        QCOMPARE(f.control<RowLabel>("w_inp_3")->background(), QColor(192, 255, 192));
        QVERIFY(f.control<QAbstractButton>("cb_play")->isEnabled());
    }

    void autoSizeFailureRestoresTheSize()
    {
        // When every run fails, the four-line box appears, the size comes back and no word is placed.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(Unbuildable()));
        Bar(f, "scr_gcols")->setValue(19);
        Bar(f, "scr_grows")->setValue(17);
        f.desktop.answer(Answer::Yes);
        f.click("cb_procAutosz");
        QCOMPARE(f.desktop.messages.size(), 2);
        const ShownMessage &shown = f.desktop.messages[1];
        QCOMPARE(shown.text, QStringLiteral("Unabled to Generate Grid.\rDecrease the Number of Words, Or \r"
                                            "Increase the Grid Size, Or \rTry to Generate Again."));
        QCOMPARE(shown.title, QStringLiteral("Unabled to Generate Grid"));
        QVERIFY(shown.icon == Desktop::Icon::Information);
        QCOMPARE(f.puzzle().gcols, 19);
        QCOMPARE(f.puzzle().grows, 17);
        QCOMPARE(f.puzzle().nplaced, 0);
        QCOMPARE(f.puzzle().Words[1].stat, STAT_NONE);
        QCOMPARE(f.window->gridImage().size(), QSize(381, 341));
    }

    void fixedSizeFailureHasItsOwnText()
    {
        // The fixed-size failure box differs in its second line.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(Unbuildable()));
        f.desktop.answer(Answer::Yes);
        f.click("cb_procfixsize");
        QCOMPARE(f.desktop.messages[1].text, QStringLiteral("Unabled to Generate Grid.\rDecrease the Number of Words,\r"
                                                            "Increase the Grid Size, Or \rTry to Generate Again."));
        QCOMPARE(f.puzzle().nplaced, 0);
        QCOMPARE(f.puzzle().gcols, 15);
    }

    void fixedSizeKeepsTheSize()
    {
        // A fixed-size grid keeps its size and takes it as its minimum.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(Buildable()));
        Bar(f, "scr_gcols")->setValue(18);
        f.desktop.answer(Answer::Yes);
        f.click("cb_procfixsize");
        QCOMPARE(f.puzzle().nplaced, 4);
        QCOMPARE(f.puzzle().gcols, 18);
        QCOMPARE(f.puzzle().gcolsmin, 18);
        QCOMPARE(f.window->gridImage().width(), 361);
    }

    void autoPutWordPlacesAndSelectsTheCurrentWord()
    {
        // "Auto Put Word in Grid" places the current word, numbers it and selects it again.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"TEA"}})));
        QTest::mouseClick(f.control<RowLabel>("w_inp_1"), Qt::LeftButton);
        f.click("cb_putword");
        const WordEntry &tea = f.puzzle().Words[2];
        QCOMPARE(tea.stat, STAT_PLACED);
        QVERIFY(tea.dr == "Down");
        QCOMPARE(tea.gc, 4);
        QCOMPARE(tea.gr, 2);
        QCOMPARE(tea.nbr, 2);
        QCOMPARE(f.puzzle().curw, 2);
        QVERIFY(f.control<QWidget>("cr_cw")->isVisible());
        QCOMPARE(f.control<RowLabel>("w_inp_1")->background(), QColor(192, 255, 192));
        QVERIFY(!f.control<QAbstractButton>("cb_putword")->isEnabled());
        QVERIFY(f.puzzle().changed);
    }

    void columnsCannotGoBelowTheLastUsedColumn()
    {
        // A word across from column 3 to 20 holds the column bar at 20 when it is moved to 18.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"ABCDEFGHIJKLMNOPQR", 3, 1, "Acro"}}, 24, 24)));
        Bar(f, "scr_gcols")->setValue(18);
        QCOMPARE(Bar(f, "scr_gcols")->value(), 20);
        QCOMPARE(f.puzzle().gcols, 20);
        QCOMPARE(f.control<QLabel>("lb_gcols")->text(), QStringLiteral("20"));
        QCOMPARE(f.window->gridImage().width(), 401);
        QVERIFY(f.puzzle().changed);
    }

    void minimumSizeOfAnEmptyGridIsFifteen()
    {
        // "Set to Minimun Size" with no word placed gives 15 x 15.
        WindowFixture f;
        QVERIFY(f.start());
        f.click("cb_resize");
        QCOMPARE(f.puzzle().gcols, 15);
        QCOMPARE(f.puzzle().grows, 15);
        QCOMPARE(Bar(f, "scr_grows")->value(), 15);
        QCOMPARE(f.window->gridImage().size(), QSize(301, 301));
    }

    void moveButtonsShiftEveryWordAndTheBox()
    {
        // "Move Words Down" shifts the words one row, keeps their numbers and moves the red box along.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 1, 1, "Acro"}, {"TEA", 3, 1, "Down"}}, 16, 16)));
        QTest::mouseClick(f.control<RowLabel>("w_inp_1"), Qt::LeftButton);
        f.click("mv_words_2");
        QCOMPARE(f.puzzle().Words[1].gr, 2);
        QCOMPARE(f.puzzle().CWGrid(3, 4), 'A');
        QCOMPARE(f.puzzle().Words[2].nbr, 2);
        QCOMPARE(f.control<QWidget>("cr_cw")->geometry(), QRect(40, 20, 22, 60));
        f.click("mv_words_0");
        f.click("mv_words_0");
        QCOMPARE(f.puzzle().Words[1].gr, 1);  // up stops at row 1
        f.click("mv_words_3");
        QCOMPARE(f.puzzle().Words[1].gc, 1);  // left stops at column 1
    }

    void clearGridAsksAndTakesEveryWordOut()
    {
        // "Clear Grid" asks "Remove Words from Grid"; Yes takes every word out, and it asks nothing when empty.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 1, 1, "Acro"}, {"TEA", 3, 1, "Down"}})));
        f.desktop.answer(Answer::No);
        f.click("cb_cleargrid");
        QCOMPARE(f.desktop.messages[0].text, QStringLiteral("Remove Words from Grid"));
        QCOMPARE(f.desktop.messages[0].title, QStringLiteral("Clear Grid"));
        QCOMPARE(f.puzzle().nplaced, 2);
        f.desktop.answer(Answer::Yes);
        f.click("cb_cleargrid");
        QCOMPARE(f.puzzle().nplaced, 0);
        QVERIFY(f.puzzle().changed);
        QVERIFY(!f.control<QAbstractButton>("cb_cleargrid")->isEnabled());
        QCOMPARE(f.control<RowLabel>("w_inp_0")->background(), QColor(Qt::white));
    }
};

QTEST_MAIN(TestWindowGrid)
#include "test_window_grid.moc"
