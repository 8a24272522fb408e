// Solving on screen in the real window: the play layout and the way back to
// design, the clue lists, choosing words, typing with real key events, the play
// commands, the completed state, and play mode across files and runs.
#include "grid_pixels.h"
#include "view/grid_renderer.h"
#include "window_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QToolButton>

namespace {

const char *const DESIGN_FRAMES[] = {"fr_cmd", "fr_winp", "fr_inp", "sh_chg1", "sh_chg2", "drg_change", "Label3"};

} // namespace

class TestWindowPlay : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    // Starts the window, opens the puzzle and presses "Do Cross Word".
    bool play(const Puzzle &p)
    {
        f = std::make_unique<WindowFixture>();
        if (!f->start())
            return false;
        f->open(p);
        f->click(QStringLiteral("cb_play"));
        return f->window->document().playing();
    }
    QString score() const { return f->control<QLabel>("lb_playstat")->text(); }

private slots:
    void playModeLayoutAndTheWayBackToDesign()
    {
        // Play hides the design frames, widens the logo strip and places the lists to meet without overlapping;
        // "Design" undoes it all, shows the words' letters again and lets them be dragged, and playing again
        // rebuilds both lists once with the answers kept.
        QVERIFY(play(Ring()));
        for (const char *name : DESIGN_FRAMES)
            QVERIFY2(!f->visible(name), name);
        QCOMPARE(f->control("fr_logo")->geometry(), QRect(5, 492, 488, 78));
        QCOMPARE(f->control("sh_fr2")->pos(), QPoint(5, 4));
        QCOMPARE(f->control("clue_lst_A")->geometry(), QRect(497, 4, 290, 283));
        QCOMPARE(f->control("clue_lst_D")->geometry(), QRect(497, 287, 290, 283));
        QVERIFY(f->visible("clue_lst_A") && f->visible("clue_lst_D") && f->visible("cb_dsng"));
        QCOMPARE(score(), QStringLiteral(" 0 out of  4 words are Correct!"));
        f->clickItem("clue_lst_A", 1);
        f->type(QStringLiteral("CA"));

        f->click(QStringLiteral("cb_dsng"));
        QVERIFY(!f->window->document().playing());
        QVERIFY(!f->visible("clue_lst_A") && !f->visible("clue_lst_D") && !f->visible("cr_cw") && !f->visible("cr_inp"));
        for (const char *name : DESIGN_FRAMES)
            QVERIFY2(f->visible(name), name);
        QCOMPARE(f->control("fr_logo")->geometry(), QRect(5, 492, 68, 78));
        QCOMPARE(f->control("sh_fr2")->pos(), QPoint(79, 4));
        QVERIFY(LetterInk(f->window->gridImage(), 3, 1) > 5);  // a T the player never typed

        f->click(QStringLiteral("cb_play"));
        QCOMPARE(f->control<QListWidget>("clue_lst_A")->count(), 3);
        QCOMPARE(f->control<QListWidget>("clue_lst_D")->count(), 3);
        QCOMPARE(PlayRows(f->puzzle(), 3, 3), std::string("CA \n # \n   "));
        f->click(QStringLiteral("cb_dsng"));
        f->press(QStringLiteral("pb"), f->cell(3, 1)).to(f->cell(3, 1) + QPoint(10, 0));
        QVERIFY(f->window->dragging());
    }

    void clueListsAreSortedWithTwoDigitNumbers()
    {
        // The header first, then the items in number order, each "07- " and the whole clue; a click chooses its word.
        std::vector<WordSpec> words;  // ten words across on the odd rows, the bottom one first in the list
        for (int r = 19; r >= 1; r -= 2)
            words.push_back({"CA" + std::string(1, char('A' + r)), 1, r, "Acro", "Row " + std::to_string(r)});
        QVERIFY(play(MakePuzzle(words, 20, 20)));
        QListWidget *across = f->control<QListWidget>("clue_lst_A");
        QCOMPARE(across->count(), 11);
        QCOMPARE(across->item(0)->text(), QStringLiteral("      [Across]"));
        QCOMPARE(across->item(7)->text(), QStringLiteral("07- Row 13") + QString(34, ' '));
        QCOMPARE(across->item(10)->text(), QStringLiteral("10- Row 19") + QString(34, ' '));
        QCOMPARE(f->control<QListWidget>("clue_lst_D")->item(0)->text(), QStringLiteral("      [Down]"));
        f->clickItem("clue_lst_A", 10);
        QCOMPARE(f->puzzle().curw, 1);
    }

    void gridPressChoosesTheCellsWordAndAHeaderChoosesNone()
    {
        // A press on a crossing cell chooses its CWIdx word, cursor on the first cell; a header hides both boxes.
        QVERIFY(play(Ring()));
        QTest::mouseClick(f->control("pb"), Qt::LeftButton, {}, QPoint(50, 50));  // WIN was written last there
        QCOMPARE(f->puzzle().curw, 4);
        QCOMPARE(f->control<QListWidget>("clue_lst_A")->selectedItems().constFirst()->text(),
                 "03- Clue of WIN" + QString(29, ' '));
        QCOMPARE(f->control("cr_cw")->geometry(), QRect(0, 40, 60, 22));
        QCOMPARE(f->control("cr_inp")->pos(), QPoint(1, 41));
        QVERIFY(f->visible("cr_cw") && f->visible("cr_inp") && f->enabled("cb_autoword"));
        f->clickItem("clue_lst_A", 0);
        QCOMPARE(f->puzzle().curw, 0);
        QVERIFY(!f->visible("cr_cw") && !f->visible("cr_inp"));
        QVERIFY(!f->enabled("cb_autoword") && !f->enabled("cb_playresetword"));
        f->type(QStringLiteral("C"));
        QCOMPARE(f->puzzle().Pgrid(1, 3), ' ');
    }

    void theKeyboardReachesBothClueListsAndChoosesThere()
    {
        // Tab goes round the grid and the two lists, Shift+Tab back; Down, End and Home in a list choose as a click
        // does and keep the focus there for the next choice, and a letter typed goes to the grid with the focus.
        QVERIFY(play(Ring()));
        const auto key = [this](Qt::Key key) { QTest::keyClick(f->window->focusWidget(), key); };
        f->clickItem("clue_lst_A", 1);  // CAT: play takes every other key now
        key(Qt::Key_Tab);
        key(Qt::Key_Down);
        f->type(QStringLiteral("W"));
        QVERIFY(f->puzzle().curw == 4 && f->puzzle().Pgrid(1, 3) == 'W' && f->window->focusWidget() == f->control("pb"));
        for (const Qt::Key k : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_End})
            key(k);
        QVERIFY(f->puzzle().curw == 3 && f->window->focusWidget() == f->control("clue_lst_D"));
        key(Qt::Key_Home);
        QVERIFY(f->puzzle().curw == 0 && !f->visible("cr_cw") && f->window->focusWidget() == f->control("clue_lst_D"));
        key(Qt::Key_Backtab);
        QCOMPARE(f->window->focusWidget(), f->control("clue_lst_A"));
    }

    void typingAWholePuzzleCompletesIt()
    {
        // The letter that makes every word right shows "Crossword Completed!!!" and locks the play controls.
        QVERIFY(play(Ring()));
        for (const auto &[list, row, letters] : {std::tuple{"clue_lst_A", 1, "cat"}, {"clue_lst_A", 2, "WIN"},
                                                 {"clue_lst_D", 1, "COW"}, {"clue_lst_D", 2, "T"}}) {
            f->clickItem(list, row);
            f->type(QString::fromLatin1(letters));
        }
        QCOMPARE(score(), QStringLiteral(" 3 out of  4 words are Correct!"));
        f->type(QStringLiteral("E"));  // the N is WIN's already
        QCOMPARE(score(), QStringLiteral("Crossword Completed!!!"));
        QCOMPARE(PlayRows(f->puzzle(), 3, 3), std::string("CAT\nO#E\nWIN"));
        for (const char *name : {"cb_autoword", "cb_playresetword", "ck_valid_word", "clue_lst_A", "clue_lst_D"})
            QVERIFY2(!f->enabled(name), name);
        QVERIFY(!f->visible("cr_cw") && !f->visible("cr_inp"));
        QTest::keyClick(f->window.get(), Qt::Key_X);
        QCOMPARE(PlayRows(f->puzzle(), 3, 3), std::string("CAT\nO#E\nWIN"));
    }

    void keysActOnlyInsideTheCurrentWord_data()
    {
        QTest::addColumn<QPoint>("press");  // a cell of the word to choose
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QString>("cat");  // CAT's cells afterwards; they hold ZZZ before
        const QPoint cat(2, 1), cow(1, 2), win(2, 3);
        const auto shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
        QTest::newRow("Up steps left") << cat << QKeySequence(Qt::Key_End, Qt::Key_Up) << QPoint(2, 1) << "ZZZ";
        QTest::newRow("Left at the start") << cat << QKeySequence(Qt::Key_Left) << QPoint(1, 1) << "ZZZ";
        QTest::newRow("Down past the end") << win << QKeySequence(Qt::Key_End, Qt::Key_Down) << QPoint(3, 3) << "ZZZ";
        QTest::newRow("Right past the end of down") << cow << QKeySequence(Qt::Key_End, Qt::Key_Right) << QPoint(1, 3)
                                                    << "ZZZ";
        QTest::newRow("letter") << cat << QKeySequence(Qt::Key_Q) << QPoint(2, 1) << "QZZ";
        QTest::newRow("space empties") << cat << QKeySequence(Qt::Key_Right, Qt::Key_Space) << QPoint(3, 1) << "Z Z";
        QTest::newRow("Shift letter") << cat << QKeySequence(shift | Qt::Key_Q) << QPoint(1, 1) << "ZZZ";
        QTest::newRow("Shift 7 as sent") << cat << QKeySequence(shift | Qt::Key_Ampersand) << QPoint(2, 1) << "&ZZ";
        QTest::newRow("Shift 7 as the digit") << cat << QKeySequence(shift | Qt::Key_7) << QPoint(2, 1) << "&ZZ";
        QTest::newRow("keypad 7") << cat << QKeySequence(keypad | Qt::Key_7) << QPoint(1, 1) << "ZZZ";
        QTest::newRow("keypad minus") << cat << QKeySequence(keypad | Qt::Key_Minus) << QPoint(1, 1) << "ZZZ";
    }
    void keysActOnlyInsideTheCurrentWord()
    {
        // The arrows step along the word (Up and Left back) and never off it; the space bar empties a cell; Shift
        // types only "&" on the 7 key, the keypad types nothing; the picture shows what was typed.
        QFETCH(QPoint, press);
        QFETCH(QKeySequence, keys);
        QVERIFY(play(Ring({"ZZZ"})));
        QTest::mouseClick(f->control("pb"), Qt::LeftButton, {}, press * 20 - QPoint(10, 10));
        QTest::keySequence(f->window->focusWidget(), keys);
        QTEST((f->control("cr_inp")->pos() + QPoint(19, 19)) / 20, "cursor");  // the cell of the cursor box
        QTEST(QString::fromStdString(PlayRows(f->puzzle(), 3, 1)), "cat");
        QCOMPARE(f->window->gridImage(), RenderGrid(f->puzzle(), {.playing = true}));
    }

    void playCommandsAndTheirQuestions()
    {
        // "Clear Current Word" and "Clear All Words" act only after Yes to their exact questions; "Get Word" acts at
        // once, and clearing all after completion opens play again.
        QVERIFY(play(Ring({"CAT", "COW", "TEN"})));
        f->clickItem("clue_lst_A", 2);
        f->type(QStringLiteral("WX"));
        f->desktop.answer(Desktop::Answer::No);
        f->click(QStringLiteral("cb_playresetword"));
        QCOMPARE(PlayRows(f->puzzle(), 3, 3), std::string("CAT\nO#E\nWXN"));
        f->desktop.answer(Desktop::Answer::Yes);
        f->click(QStringLiteral("cb_playresetword"));
        QCOMPARE(f->shown(1), QStringLiteral("Clear Current Word From Play Grid|Clear Word"));
        QVERIFY(f->desktop.messages[1].buttons == Desktop::Buttons::YesNo);
        QVERIFY(f->desktop.messages[1].icon == Desktop::Icon::Question);
        QCOMPARE(PlayRows(f->puzzle(), 3, 3), std::string("CAT\nO#E\nW N"));
        f->click(QStringLiteral("cb_autoword"));
        QCOMPARE(score(), QStringLiteral("Crossword Completed!!!"));

        f->desktop.answer(Desktop::Answer::Yes);
        f->click(QStringLiteral("cb_playreset"));
        QCOMPARE(f->shown(2), QStringLiteral("Clear All Words From Play Grid|Clear Words"));
        QCOMPARE(score(), QStringLiteral(" 0 out of  4 words are Correct!"));
        QCOMPARE(PlayRows(f->puzzle(), 3, 3), std::string("   \n # \n   "));
        for (const char *name : {"clue_lst_A", "clue_lst_D", "ck_valid_word"})
            QVERIFY2(f->enabled(name), name);
        QVERIFY(!f->enabled("cb_autoword") && !f->enabled("cb_playresetword"));
        f->clickItem("clue_lst_D", 2);
        QVERIFY(f->enabled("cb_autoword") && f->enabled("cb_playresetword"));
    }

    void saveInDesignModeStoresTheAnswersAndKeepsTheCurrentWord()
    {
        // Save stores the letters of the play grid, which come back with the file, and keeps the word being edited even
        // when the puzzle is solved.
        QVERIFY(play(Ring({"CAT", "COW", "TEN"})));
        f->clickItem("clue_lst_A", 2);
        f->type(QStringLiteral("WIN"));
        f->click(QStringLiteral("cb_dsng"));
        f->clickRow(1);  // COW
        f->desktop.chooseFile(f->path(QStringLiteral("solved.gly")));
        f->click(QStringLiteral("cb_save"));
        QCOMPARE(f->puzzle().curw, 2);
        QVERIFY(f->enabled("cb_updtword"));
        f->desktop.chooseFile(f->path(QStringLiteral("solved.gly")));
        f->click(QStringLiteral("cb_open"));
        QCOMPARE(PlayRows(f->puzzle(), 3, 3), std::string("CAT\nO#E\nWIN"));
        f->click(QStringLiteral("cb_play"));
        QCOMPARE(score(), QStringLiteral("Crossword Completed!!!"));
    }
};

QTEST_MAIN(TestWindowPlay)
#include "test_window_play.moc"
