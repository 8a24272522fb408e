// Cursor movement and character entry from the keyboard in play mode.
#include "play/play_keys.h"
#include "play_puzzles.h"

#include <QTest>

namespace {

// 1 CATS across from (2,3), 2 ARM down from (3,3); they share the A.
Puzzle CrossPuzzle()
{
    Puzzle p = MakePuzzle({{"CATS", 2, 3, "Acro"}, {"ARM", 3, 3, "Down"}});
    p.runmode = "Play";
    return p;
}

PlayCursor CellOf(const Puzzle &p, int w, int k)
{
    return {int16_t(p.Words[w].cellCol(k)), int16_t(p.Words[w].cellRow(k))};
}

} // namespace

class TestPlayKeys : public QObject {
    Q_OBJECT
private slots:
    void cursorKeysStayInsideTheWord_data()
    {
        QTest::addColumn<int>("curw");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("keycode");
        QTest::addColumn<int>("to");
        QTest::newRow("Home") << 1 << 3 << 36 << 1;
        QTest::newRow("End across") << 1 << 2 << 35 << 4;
        QTest::newRow("End down") << 2 << 1 << 35 << 3;
        QTest::newRow("Left steps back") << 1 << 3 << 37 << 2;
        QTest::newRow("Up on across steps left") << 1 << 3 << 38 << 2;
        QTest::newRow("Left on first cell") << 1 << 1 << 37 << 1;
        QTest::newRow("Down on across steps right") << 1 << 2 << 40 << 3;
        QTest::newRow("Right on last cell") << 1 << 4 << 39 << 4;
        QTest::newRow("Left on down steps up") << 2 << 2 << 37 << 1;
        QTest::newRow("Right on down steps down") << 2 << 2 << 39 << 3;
        QTest::newRow("Down on last cell of down") << 2 << 3 << 40 << 3;
    }
    void cursorKeysStayInsideTheWord()
    {
        // Arrows follow the word's direction; no key takes the cursor off the word.
        QFETCH(int, curw);
        QFETCH(int, from);
        QFETCH(int, keycode);
        QFETCH(int, to);
        Puzzle p = CrossPuzzle();
        p.curw = int16_t(curw);
        const KeyOutcome outcome = PlayKeyDown(p, CellOf(p, curw, from), keycode, 0);
        QVERIFY(outcome.consumed);
        QCOMPARE(outcome.cursor, CellOf(p, curw, to));
        QVERIFY(!outcome.stat.has_value());
        QVERIFY(!p.changed);
    }

    void keyEntersItsCharacter_data()
    {
        QTest::addColumn<int>("keycode");
        QTest::addColumn<int>("shift");
        QTest::addColumn<char>("cell");  // what the cell holds afterwards; it held 'X'
        QTest::newRow("letter") << 65 << 0 << 'A';
        QTest::newRow("digit") << 55 << 0 << '7';
        QTest::newRow("Shift 7 is the ampersand") << 55 << KEY_SHIFT << '&';
        QTest::newRow("Shift letter enters nothing") << 65 << KEY_SHIFT << 'X';
        QTest::newRow("Shift minus enters nothing") << 189 << KEY_SHIFT << 'X';
        QTest::newRow("Ctrl letter") << 66 << KEY_CTRL << 'B';
        QTest::newRow("Alt letter") << 66 << KEY_ALT << 'B';
        QTest::newRow("Ctrl Shift 7 stays a digit") << 55 << (KEY_CTRL | KEY_SHIFT) << '7';
        QTest::newRow("minus key") << 189 << 0 << '-';
        QTest::newRow("space empties the cell") << 32 << 0 << ' ';
        QTest::newRow("keypad 1 enters nothing") << 97 << 0 << 'X';
        QTest::newRow("keypad minus enters nothing") << 109 << 0 << 'X';
        QTest::newRow("Backspace enters nothing") << 8 << 0 << 'X';
    }
    void keyEntersItsCharacter()
    {
        // A typed character replaces the cell, moves the cursor on and rebuilds
        // the answers of both crossing words; every other key only is consumed.
        QFETCH(int, keycode);
        QFETCH(int, shift);
        QFETCH(char, cell);
        Puzzle p = CrossPuzzle();
        p.curw = 1;
        p.Pgrid(3, 3) = 'X';
        const KeyOutcome outcome = PlayKeyDown(p, CellOf(p, 1, 2), keycode, shift);
        const bool entered = cell != 'X';
        QVERIFY(outcome.consumed);
        QCOMPARE(p.Pgrid(3, 3), cell);
        QCOMPARE(outcome.cursor, CellOf(p, 1, entered ? 3 : 2));
        QCOMPARE(outcome.stat.has_value(), entered);
        QCOMPARE(p.changed, entered);
        if (entered) {
            QCOMPARE(p.Words[1].pword[1], cell);
            QCOMPARE(p.Words[2].pword[0], cell);
        }
    }

    void letterOnTheLastCellKeepsTheCursorThere()
    {
        // The cursor does not advance past the last cell; a further letter
        // overwrites that cell.
        Puzzle p = CrossPuzzle();
        p.curw = 2;
        const PlayCursor last = CellOf(p, 2, 3);
        QCOMPARE(PlayKeyDown(p, last, 'N', 0).cursor, last);
        QCOMPARE(PlayKeyDown(p, last, 'M', 0).cursor, last);
        QCOMPARE(PlayRows(p, 5, 5), std::string("#####\n#####\n#    \n## ##\n##M##"));
    }

    void keysPassWithoutACurrentWordInPlay_data()
    {
        QTest::addColumn<int>("curw");
        QTest::addColumn<QString>("runmode");
        QTest::newRow("no current word") << 0 << "Play";
        QTest::newRow("design mode") << 1 << "Design";
    }
    void keysPassWithoutACurrentWordInPlay()
    {
        // Without a current word in play mode a key is left to the window.
        QFETCH(int, curw);
        QFETCH(QString, runmode);
        Puzzle p = CrossPuzzle();
        p.curw = int16_t(curw);
        p.runmode = runmode.toStdString();
        const PlayCursor cursor = CellOf(p, 1, 1);
        const KeyOutcome outcome = PlayKeyDown(p, cursor, 'C', 0);
        QVERIFY(!outcome.consumed);
        QCOMPARE(outcome.cursor, cursor);
        QCOMPARE(p.Pgrid(2, 3), ' ');
    }

    void lastMissingLetterCompletesThePuzzle()
    {
        // The key that makes every word right reaches the completed state, which
        // leaves no current word.
        Puzzle p = CrossPuzzle();
        TypeRows(p, "#####\n#####\n#CAT \n##R##\n##M##");
        p.curw = 1;
        const KeyOutcome outcome = PlayKeyDown(p, CellOf(p, 1, 4), 'S', 0);
        QVERIFY(outcome.stat.has_value());
        QCOMPARE(*outcome.stat, (PlayStat{"Crossword Completed!!!", true}));
        QCOMPARE(p.curw, 0);
        QCOMPARE(p.ncorrect, 2);
    }
};

int RunPlayKeysTests(int argc, char **argv)
{
    TestPlayKeys tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_play_keys.moc"
