// Entering and editing words through the entry boxes and the word panel:
// the key filter, every rejection message, the rows, the marker, the scroll
// bar, and the grid redrawn after a delete.
#include "document/puzzle_file.h"
#include "panel/row_label.h"
#include "puzzle_builder.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using Answer = Desktop::Answer;

namespace {

const QColor PLACED(192, 255, 192);
const QColor GREY_ROW(192, 192, 192);

QByteArray Bytes(const Puzzle &p)
{
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

// n unplaced words W01, W02, ...
Puzzle ManyWords(int n)
{
    std::vector<WordSpec> words;
    for (int i = 1; i <= n; ++i)
        words.push_back({QStringLiteral("W%1").arg(i, 2, 10, QLatin1Char('0')).toStdString()});
    return MakePuzzle(words);
}

RowLabel *Row(const WindowFixture &f, int r)
{
    return f.control<RowLabel>(QStringLiteral("w_inp_%1").arg(r));
}

void PressRow(const WindowFixture &f, int r, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(Row(f, r), button, {}, QPoint(20, 10));
}

QLineEdit *WordBox(const WindowFixture &f)
{
    return f.control<QLineEdit>(QStringLiteral("inp_word"));
}

QLineEdit *ClueBox(const WindowFixture &f)
{
    return f.control<QLineEdit>(QStringLiteral("inp_clue"));
}

} // namespace

class TestWindowWords : public QObject {
    Q_OBJECT
private slots:
    void typedWordIsUpperCasedAndFiltered()
    {
        // Lower case appears in capitals; a full stop or exclamation mark does not appear; Enter moves to the clue.
        WindowFixture f;
        QVERIFY(f.start());
        QVERIFY(WordBox(f)->hasFocus());
        QTest::keyClicks(WordBox(f), QStringLiteral("ice-cream & co.!"));
        QCOMPARE(WordBox(f)->text(), QStringLiteral("ICE-CREAM & CO"));
        QTest::keyClick(WordBox(f), Qt::Key_Return);
        QVERIFY(ClueBox(f)->hasFocus());
    }

    void pastedTextKeepsOnlyWhatTheBoxesMayHold()
    {
        // Pasted text is cut to the box's length, then the word box keeps what typing could give and
        // the clue box what a puzzle file can store.
        WindowFixture f;
        QVERIFY(f.start());
        QGuiApplication::clipboard()->setText(QStringLiteral("naïve#word\tis ok & well-made, really long text"));
        WordBox(f)->setFocus();
        QTest::keyClick(WordBox(f), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(WordBox(f)->text(), QStringLiteral("NAVEWORDIS OK & WELL-"));
        QGuiApplication::clipboard()->setText(QStringLiteral("Café \u4E2D\u6587 ☃ €uro: ") + QString(40, QLatin1Char('x')));
        ClueBox(f)->setFocus();
        QTest::keyClick(ClueBox(f), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ClueBox(f)->text(), QStringLiteral("Café   €uro: xxxxxxxxxxxxxxxxxxxxxxxx"));
    }

    void addAppendsTheWordAndEmptiesTheBoxes()
    {
        // Add stores the trimmed word out of the grid, shows it in row 0 and empties the boxes.
        WindowFixture f;
        QVERIFY(f.start());
        f.addWord(QStringLiteral("  cat  "), QStringLiteral("  A pet  "));
        QCOMPARE(f.puzzle().nwords, 1);
        const WordEntry &entry = f.puzzle().Words[1];
        QCOMPARE(entry.word.str(), std::string("CAT") + std::string(21, ' '));
        QCOMPARE(entry.clue.trimmed(), std::string("A pet"));
        QCOMPARE(entry.lw, 3);
        QCOMPARE(entry.stat, STAT_UNPLACED);
        QVERIFY(f.puzzle().changed);
        QCOMPARE(Row(f, 0)->text(), QStringLiteral("CAT"));
        QCOMPARE(Row(f, 0)->tag(), QStringLiteral("001"));
        QCOMPARE(Row(f, 0)->background(), QColor(Qt::white));
        QCOMPARE(Row(f, 1)->tag(), QStringLiteral("000"));
        QCOMPARE(Row(f, 1)->background(), GREY_ROW);
        QVERIFY(WordBox(f)->text().isEmpty() && ClueBox(f)->text().isEmpty());
        QVERIFY(WordBox(f)->hasFocus());
        QCOMPARE(f.control<QLabel>("lb_wcnt")->text(), QStringLiteral("1"));
        QVERIFY(f.control<QAbstractButton>("cb_save")->isEnabled());
    }

    void addRejections_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("clue");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::newRow("blank word") << "   " << "clue" << "Word is Blank.\rPlease Enter a Word" << "inp_word";
        QTest::newRow("blank clue") << "DOG" << "  " << "Clue is Blank.\rPlease Enter a Clue" << "inp_clue";
    }

    void addRejections()
    {
        // Each rejected Add shows its message titled "Add Word" and puts the focus back in the rejected box.
        QFETCH(QString, word);
        QFETCH(QString, clue);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        WindowFixture f;
        QVERIFY(f.start());
        f.addWord(QStringLiteral("CAT"), QStringLiteral("A pet"));
        const bool changedBefore = f.puzzle().changed;
        f.addWord(word, clue);
        QCOMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.desktop.messages[0].text, text);
        QCOMPARE(f.desktop.messages[0].title, QStringLiteral("Add Word"));
        QVERIFY(f.desktop.messages[0].icon == Desktop::Icon::Information);
        QCOMPARE(f.puzzle().nwords, 1);
        QCOMPARE(f.puzzle().changed, changedBefore);
        QVERIFY(f.control<QLineEdit>(focus)->hasFocus());
    }

    void updateOfAPlacedWordKeepsItsTextButTakesTheClue()
    {
        // A placed word's text cannot change (the old text comes back); its clue can, and it stays placed.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 2, 3, "Acro"}, {"DOG"}})));
        PressRow(f, 0);
        QVERIFY(WordBox(f)->isReadOnly());
        WordBox(f)->setText(QStringLiteral("CAR"));
        ClueBox(f)->setText(QStringLiteral("Meows"));
        f.click("cb_updtword");
        QCOMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.desktop.messages[0].text, QStringLiteral("Can Not Update a Word that is assigned to the Grid."));
        QCOMPARE(f.desktop.messages[0].title, QStringLiteral("Update Word"));
        QCOMPARE(WordBox(f)->text(), QStringLiteral("CAT"));
        f.click("cb_updtword");
        QCOMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.puzzle().Words[1].clue.trimmed(), std::string("Meows"));
        QCOMPARE(f.puzzle().Words[1].stat, STAT_PLACED);
        QCOMPARE(f.puzzle().Words[1].gc, 2);
        QCOMPARE(f.puzzle().curw, 0);
    }

    void deletingAMiddleWordRebuildsTheGrid()
    {
        // Deleting word 3 of 5 moves words 4 and 5 down and rebuilds the grid with their new indices.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"ONE"}, {"TWO"}, {"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEA", 3, 1, "Down"}})));
        PressRow(f, 2);
        f.desktop.answer(Answer::Yes);
        f.click("cb_delword");
        QCOMPARE(f.desktop.messages[0].text, QStringLiteral("Word 'CAT' is in the Grid.\rDelete Word"));
        QCOMPARE(f.desktop.messages[0].title, QStringLiteral("Delete Word"));
        QCOMPARE(f.puzzle().nwords, 4);
        QCOMPARE(f.puzzle().Words[3].word.trimmed(), std::string("COW"));
        QCOMPARE(f.puzzle().Words[4].word.trimmed(), std::string("TEA"));
        QCOMPARE(f.puzzle().CWIdx(1, 1), 3);
        QCOMPARE(f.puzzle().CWIdx(3, 1), 4);
        QCOMPARE(f.puzzle().CWGrid(2, 1), '#');
        QCOMPARE(f.puzzle().Words[3].nbr, 1);
        QCOMPARE(f.puzzle().Words[4].nbr, 2);
        QCOMPARE(Row(f, 2)->text(), QStringLiteral("COW"));
        QCOMPARE(Row(f, 2)->background(), PLACED);
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(f.puzzle().changed);
    }

    void deletingTheOnlyWordLeavesNothingToSave()
    {
        // After deleting the only word, changed is False, so Exit asks nothing.
        WindowFixture f;
        QVERIFY(f.start());
        f.addWord(QStringLiteral("CAT"), QStringLiteral("pet"));
        PressRow(f, 0);
        f.desktop.answer(Answer::No);
        f.click("cb_delword");
        QCOMPARE(f.desktop.messages[0].text, QStringLiteral("Delete 'CAT'"));
        QCOMPARE(f.puzzle().nwords, 1);
        f.desktop.answer(Answer::Yes);
        f.click("cb_delword");
        QCOMPARE(f.puzzle().nwords, 0);
        QVERIFY(!f.puzzle().changed);
        f.click("cb_exit");
        QCOMPARE(f.desktop.messages.size(), 2);
        QVERIFY(f.desktop.ended);
    }

    void panelRowsForThreeWords()
    {
        // With 3 words, rows 3..15 are grey with empty captions and tag "000"; the scroll maximum is 1.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(ManyWords(3)));
        for (int r = 0; r < 16; ++r) {
            QCOMPARE(Row(f, r)->tag(), r < 3 ? QStringLiteral("%1").arg(r + 1, 3, 10, QLatin1Char('0')) : QStringLiteral("000"));
            QCOMPARE(Row(f, r)->background(), r < 3 ? QColor(Qt::white) : GREY_ROW);
        }
        QCOMPARE(Row(f, 2)->text(), QStringLiteral("W03"));
        QCOMPARE(f.control<QScrollBar>("w_scroll")->maximum(), 1);
    }

    void panelScrollRangeFollowsTheWordCount()
    {
        // 16 words give maximum 1; 17 give 2 and value 2 shows words 2..17 with no grey row.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(ManyWords(16)));
        auto *scroll = f.control<QScrollBar>("w_scroll");
        QCOMPARE(scroll->maximum(), 1);
        f.open(Bytes(ManyWords(17)), QStringLiteral("seventeen.gly"));
        QCOMPARE(scroll->maximum(), 2);
        QCOMPARE(scroll->value(), 1);
        scroll->setValue(2);
        QCOMPARE(f.puzzle().wtop, 2);
        QCOMPARE(Row(f, 0)->text(), QStringLiteral("W02"));
        QCOMPARE(Row(f, 15)->text(), QStringLiteral("W17"));
        QCOMPARE(Row(f, 15)->tag(), QStringLiteral("017"));
    }

    void addingTheTwentiethWordScrollsItIntoView()
    {
        // Adding a 20th word while the panel shows word 1 on top sets maximum and value to 5.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(ManyWords(19)));
        f.addWord(QStringLiteral("LAST"), QStringLiteral("clue"));
        auto *scroll = f.control<QScrollBar>("w_scroll");
        QCOMPARE(scroll->maximum(), 5);
        QCOMPARE(scroll->value(), 5);
        QCOMPARE(Row(f, 15)->text(), QStringLiteral("LAST"));
    }

    void selectingAPlacedWordShowsItsPlace()
    {
        // A placed word, clue 3 down: caption " 3-  Down ", red box shown, word box locked, focus in the clue.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 1, 1, "Acro"}, {"SEA", 5, 1, "Down"}, {"TOE", 3, 1, "Down"}})));
        PressRow(f, 1);
        QCOMPARE(f.puzzle().curw, 2);
        QCOMPARE(f.control<QGroupBox>("fr_inp")->title(), QStringLiteral(" 3-  Down "));
        auto *box = f.control<QWidget>("cr_cw");
        QVERIFY(box->isVisible());
        QCOMPARE(box->geometry(), QRect(80, 0, 22, 60));
        QVERIFY(WordBox(f)->isReadOnly());
        QVERIFY(ClueBox(f)->hasFocus());
        QCOMPARE(WordBox(f)->text(), QStringLiteral("SEA"));
        QVERIFY(f.control<QWidget>("lb_wind")->isVisible());
        QCOMPARE(f.control<QWidget>("lb_wind")->y(), Row(f, 1)->y() - 1);
        QCOMPARE(f.control<QWidget>("drg_change")->toolTip(), QStringLiteral("Across"));
    }

    void selectingAnUnplacedWordShowsNoPlace()
    {
        // A word out of the grid: empty caption, no red box, word box editable and focused.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG"}})));
        PressRow(f, 1, Qt::RightButton);
        QCOMPARE(f.puzzle().curw, 2);
        QCOMPARE(f.control<QGroupBox>("fr_inp")->title(), QString());
        QVERIFY(!f.control<QWidget>("cr_cw")->isVisible());
        QVERIFY(!WordBox(f)->isReadOnly());
        QVERIFY(WordBox(f)->hasFocus());
        QVERIFY(f.control<QAbstractButton>("cb_putword")->isEnabled());
        QVERIFY(!f.control<QAbstractButton>("cb_addword")->isEnabled());
    }

    void pressOnAGreyRowLeavesNoCurrentWord()
    {
        // A press on a row without a word clears the current word.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(ManyWords(2)));
        PressRow(f, 0);
        QCOMPARE(f.puzzle().curw, 1);
        PressRow(f, 5);
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(f.control<QAbstractButton>("cb_addword")->isEnabled());
    }

    void wordLongerThanTheGridCannotBeSelected()
    {
        // A 20-letter word in a 15 x 15 grid shows "Word Move" with the length in blanks and quotes.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"ABCDEFGHIJKLMNOPQRST"}}, 15, 15)));
        PressRow(f, 0);
        QCOMPARE(f.puzzle().curw, 0);
        QCOMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.desktop.messages[0].text,
                 QStringLiteral("This Word is Longer than the Current Grid Size\rIncrease the Grid Size to Fit ' 20' "
                                "Characters."));
        QCOMPARE(f.desktop.messages[0].title, QStringLiteral("Word Move"));
    }

    void longWordTurnsToFitTheGrid()
    {
        // A 20-letter word in 15 columns by 24 rows turns down; in 24 columns by 15 rows across.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"ABCDEFGHIJKLMNOPQRST"}}, 15, 24)));
        PressRow(f, 0);
        QVERIFY(f.puzzle().Words[1].dr == "Down");
        f.open(Bytes(MakePuzzle({{"ABCDEFGHIJKLMNOPQRST"}}, 24, 15)), QStringLiteral("wide.gly"));
        PressRow(f, 0);
        QVERIFY(f.puzzle().Words[1].dr == "Acro");
    }

    void colourBoxesChooseTheGridColour()
    {
        // A colour box click draws the grid in its colour and shows it chosen alone.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 1, 1}})));
        f.click("cl_gbox_3");
        QCOMPARE(f.window->gridImage().pixel(50, 50), qRgb(0, 128, 128));
        QCOMPARE(f.puzzle().gboxidx, 3);
        QVERIFY(f.puzzle().changed);
    }

    void gridWordsSwitchHidesTheLetters()
    {
        // "Grid Words on/off" toggles the letters of the grid picture.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"WWW", 1, 1}})));
        const auto ink = [&] {
            int n = 0;
            for (int x = 8; x < 20; ++x)
                for (int y = 8; y < 20; ++y)
                    n += f.window->gridImage().pixel(x, y) == qRgb(0, 0, 0);
            return n;
        };
        QVERIFY(ink() > 5);
        f.click("ck_gridwrd");
        QCOMPARE(ink(), 0);
        f.click("ck_gridwrd");
        QVERIFY(ink() > 5);
    }
};

QTEST_MAIN(TestWindowWords)
#include "test_window_words.moc"
