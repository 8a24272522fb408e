// Solving on screen in the real window: the play layout and the way back to
// design, the clue lists, choosing words, typing with real key events, the play
// commands, the completed state, and play mode across files and runs.
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "puzzle_builder.h"
#include "window_fixture.h"

#include <QLabel>
#include <QListWidget>

namespace {

// Four words around a black centre cell, with the answers given in list order:
//     CAT     1 CAT across (1,1)   2 COW down (1,1)
//     O#E     3 TEN down (3,1)     4 WIN across (1,3)
//     WIN
// Numbers: CAT and COW 1, TEN 2, WIN 3. CWIdx of (1,1) is COW, of (3,3) WIN.
Puzzle Ring(const std::vector<std::string> &answers = {})
{
    Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}, {"WIN", 1, 3, "Acro"}});
    for (std::size_t w = 0; w < answers.size(); ++w)
        p.Words[int(w) + 1].pword.assign(answers[w]);
    return p;
}

void ClickItem(const WindowFixture &f, const char *list, int row)
{
    auto *box = f.control<QListWidget>(QString::fromLatin1(list));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
}

bool Enabled(const WindowFixture &f, const char *name)
{
    return f.control<QWidget>(QString::fromLatin1(name))->isEnabled();
}

bool Visible(const WindowFixture &f, const char *name)
{
    return f.control<QWidget>(QString::fromLatin1(name))->isVisible();
}

// Starts the window, opens the puzzle and presses "Do Cross Word".
bool StartPlaying(WindowFixture &f, const Puzzle &p)
{
    if (!f.start())
        return false;
    f.open(QByteArray::fromStdString(WritePuzzleFile(p)));
    f.click(QStringLiteral("cb_play"));
    return f.puzzle().playing();
}

const char *const DESIGN_FRAMES[] = {"fr_cmd", "fr_winp", "fr_inp", "sh_chg1", "sh_chg2", "drg_change", "Label3"};

} // namespace

class TestWindowPlay : public QObject {
    Q_OBJECT
private slots:
    void playModeLayoutAndTheWayBackToDesign()
    {
        // Play hides the design frames, widens the logo strip and places the lists to meet without overlapping;
        // "Design" undoes it all, and playing again rebuilds both lists once with the answers kept.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        for (const char *name : DESIGN_FRAMES)
            QVERIFY2(!Visible(f, name), name);
        QCOMPARE(f.control<QWidget>("fr_logo")->geometry(), QRect(5, 492, 488, 78));
        QCOMPARE(f.control<QWidget>("sh_fr2")->pos(), QPoint(5, 4));
        QCOMPARE(f.control<QListWidget>("clue_lst_A")->geometry(), QRect(497, 4, 290, 283));
        QCOMPARE(f.control<QListWidget>("clue_lst_D")->geometry(), QRect(497, 287, 290, 283));
        QVERIFY(Visible(f, "clue_lst_A") && Visible(f, "clue_lst_D") && Visible(f, "cb_dsng"));
        QCOMPARE(f.control<QLabel>("lb_playstat")->text(), QStringLiteral(" 0 out of  4 words are Correct!"));
        ClickItem(f, "clue_lst_A", 1);
        f.type(QStringLiteral("CA"));

        f.click(QStringLiteral("cb_dsng"));
        QVERIFY(!f.puzzle().playing());
        QVERIFY(!Visible(f, "clue_lst_A") && !Visible(f, "clue_lst_D"));
        QVERIFY(!Visible(f, "cr_cw") && !Visible(f, "cr_inp"));
        for (const char *name : DESIGN_FRAMES)
            QVERIFY2(Visible(f, name), name);
        QCOMPARE(f.control<QWidget>("fr_logo")->geometry(), QRect(5, 492, 68, 78));
        QCOMPARE(f.control<QWidget>("sh_fr2")->pos(), QPoint(79, 4));

        f.click(QStringLiteral("cb_play"));
        QCOMPARE(f.control<QListWidget>("clue_lst_A")->count(), 3);
        QCOMPARE(f.control<QListWidget>("clue_lst_D")->count(), 3);
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CA \n # \n   "));
    }

    void clueListsAreSortedWithTwoDigitNumbers()
    {
        // The header first, then the items in number order, each "07- " and the whole clue; a click chooses its word.
        std::vector<WordSpec> words;  // ten words across on the odd rows, the bottom one first in the list
        for (int r = 19; r >= 1; r -= 2)
            words.push_back({"CA" + std::string(1, char('A' + r)), 1, r, "Acro", "Row " + std::to_string(r)});
        WindowFixture f;
        QVERIFY(StartPlaying(f, MakePuzzle(words, 20, 20)));
        QListWidget *across = f.control<QListWidget>("clue_lst_A");
        QCOMPARE(across->count(), 11);
        QCOMPARE(across->item(0)->text(), QStringLiteral("      [Across]"));
        QCOMPARE(across->item(7)->text(), QStringLiteral("07- Row 13") + QString(34, ' '));
        QCOMPARE(across->item(10)->text(), QStringLiteral("10- Row 19") + QString(34, ' '));
        QCOMPARE(f.control<QListWidget>("clue_lst_D")->item(0)->text(), QStringLiteral("      [Down]"));
        ClickItem(f, "clue_lst_A", 10);
        QCOMPARE(f.puzzle().curw, 1);
    }

    void gridPressChoosesTheCellsWordAndAHeaderChoosesNone()
    {
        // A press on a crossing cell chooses its CWIdx word, cursor on the first cell; a header hides both boxes.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        QTest::mouseClick(f.control<QWidget>("pb"), Qt::LeftButton, {}, QPoint(50, 50));  // WIN was written last there
        QCOMPARE(f.puzzle().curw, 4);
        QCOMPARE(f.control<QListWidget>("clue_lst_A")->selectedItems().constFirst()->text(),
                 "03- Clue of WIN" + QString(29, ' '));
        QCOMPARE(f.control<QWidget>("cr_cw")->geometry(), QRect(0, 40, 60, 22));
        QCOMPARE(f.control<QWidget>("cr_inp")->pos(), QPoint(1, 41));
        QVERIFY(Visible(f, "cr_cw") && Visible(f, "cr_inp") && Enabled(f, "cb_autoword"));
        ClickItem(f, "clue_lst_A", 0);
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(!Visible(f, "cr_cw") && !Visible(f, "cr_inp"));
        QVERIFY(!Enabled(f, "cb_autoword") && !Enabled(f, "cb_playresetword"));
        f.type(QStringLiteral("C"));
        QCOMPARE(f.puzzle().Pgrid(1, 3), ' ');
    }

    void theKeyboardReachesBothClueListsAndChoosesThere()
    {
        // Tab goes round the grid and the two lists, Shift+Tab back; Down, End and Home in a list choose as a click
        // does, and the grid takes the focus for typing.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        const auto key = [&f](Qt::Key key) { QTest::keyClick(f.window->focusWidget(), key); };
        ClickItem(f, "clue_lst_A", 1);  // CAT: play takes every other key now
        key(Qt::Key_Tab);
        key(Qt::Key_Down);
        f.type(QStringLiteral("W"));
        QVERIFY(f.puzzle().curw == 4 && f.puzzle().Pgrid(1, 3) == 'W');
        for (const Qt::Key k : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_End, Qt::Key_Backtab})
            key(k);
        QVERIFY(f.puzzle().curw == 3 && f.window->focusWidget() == f.control<QWidget>("clue_lst_D"));
        key(Qt::Key_Home);
        QVERIFY(f.puzzle().curw == 0 && !Visible(f, "cr_cw"));
    }

    void typingAWholePuzzleCompletesIt()
    {
        // The letter that makes every word right shows "Crossword Completed!!!" and locks the play controls.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        f.type(QStringLiteral("cat"));
        ClickItem(f, "clue_lst_A", 2);
        f.type(QStringLiteral("WIN"));
        ClickItem(f, "clue_lst_D", 1);
        f.type(QStringLiteral("COW"));
        ClickItem(f, "clue_lst_D", 2);
        f.type(QStringLiteral("T"));
        QCOMPARE(f.control<QLabel>("lb_playstat")->text(), QStringLiteral(" 3 out of  4 words are Correct!"));
        f.type(QStringLiteral("E"));  // the N is WIN's already
        QCOMPARE(f.control<QLabel>("lb_playstat")->text(), QStringLiteral("Crossword Completed!!!"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\nO#E\nWIN"));
        for (const char *name : {"cb_autoword", "cb_playresetword", "ck_valid_word", "clue_lst_A", "clue_lst_D"})
            QVERIFY2(!Enabled(f, name), name);
        QVERIFY(!Visible(f, "cr_cw") && !Visible(f, "cr_inp"));
        QTest::keyClick(f.window.get(), Qt::Key_X);
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\nO#E\nWIN"));
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
        QTest::newRow("Shift letter") << cat << QKeySequence(shift | Qt::Key_Q) << QPoint(1, 1) << "ZZZ";
        QTest::newRow("Shift 7 as sent") << cat << QKeySequence(shift | Qt::Key_Ampersand) << QPoint(2, 1) << "&ZZ";
        QTest::newRow("Shift 7 as the digit") << cat << QKeySequence(shift | Qt::Key_7) << QPoint(2, 1) << "&ZZ";
        QTest::newRow("keypad 7") << cat << QKeySequence(keypad | Qt::Key_7) << QPoint(1, 1) << "ZZZ";
        QTest::newRow("keypad minus") << cat << QKeySequence(keypad | Qt::Key_Minus) << QPoint(1, 1) << "ZZZ";
    }

    void keysActOnlyInsideTheCurrentWord()
    {
        // The arrows step along the word (Up and Left back) and never off it; Shift types only "&" on the 7 key, the
        // keypad types nothing.
        QFETCH(QPoint, press);
        QFETCH(QKeySequence, keys);
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring({"ZZZ"})));
        QTest::mouseClick(f.control<QWidget>("pb"), Qt::LeftButton, {}, press * 20 - QPoint(10, 10));
        QTest::keySequence(f.window->focusWidget(), keys);
        QTEST((f.control<QWidget>("cr_inp")->pos() + QPoint(19, 19)) / 20, "cursor");  // the cell of the cursor box
        QTEST(QString::fromStdString(PlayRows(f.puzzle(), 3, 1)), "cat");
    }

    void playCommandsAndTheirQuestions()
    {
        // "Clear Current Word" and "Clear All Words" act only after Yes to their exact questions; "Get Word" acts at
        // once, and clearing all after completion opens play again.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring({"CAT", "COW", "TEN"})));
        ClickItem(f, "clue_lst_A", 2);
        f.type(QStringLiteral("WX"));
        f.desktop.answer(Desktop::Answer::No);
        f.click(QStringLiteral("cb_playresetword"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\nO#E\nWXN"));
        f.desktop.answer(Desktop::Answer::Yes);
        f.click(QStringLiteral("cb_playresetword"));
        QCOMPARE(f.desktop.messages[1].text, QStringLiteral("Clear Current Word From Play Grid"));
        QCOMPARE(f.desktop.messages[1].title, QStringLiteral("Clear Word"));
        QVERIFY(f.desktop.messages[1].buttons == Desktop::Buttons::YesNo);
        QVERIFY(f.desktop.messages[1].icon == Desktop::Icon::Question);
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\nO#E\nW N"));  // the right COW and TEN keep theirs
        f.click(QStringLiteral("cb_autoword"));
        QCOMPARE(f.control<QLabel>("lb_playstat")->text(), QStringLiteral("Crossword Completed!!!"));

        f.desktop.answer(Desktop::Answer::Yes);
        f.click(QStringLiteral("cb_playreset"));
        QCOMPARE(f.desktop.messages[2].text, QStringLiteral("Clear All Words From Play Grid"));
        QCOMPARE(f.desktop.messages[2].title, QStringLiteral("Clear Words"));
        QCOMPARE(f.control<QLabel>("lb_playstat")->text(), QStringLiteral(" 0 out of  4 words are Correct!"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("   \n # \n   "));
        for (const char *name : {"clue_lst_A", "clue_lst_D", "ck_valid_word"})
            QVERIFY2(Enabled(f, name), name);
        QVERIFY(!Enabled(f, "cb_autoword") && !Enabled(f, "cb_playresetword"));
        ClickItem(f, "clue_lst_D", 2);
        QVERIFY(Enabled(f, "cb_autoword") && Enabled(f, "cb_playresetword"));
    }

    void saveInDesignModeStoresTheAnswersAndKeepsTheCurrentWord()
    {
        // Save stores the letters of the play grid, which come back with the file, and keeps the word being edited even
        // when the puzzle is solved.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring({"CAT", "COW", "TEN"})));
        ClickItem(f, "clue_lst_A", 2);
        f.type(QStringLiteral("WIN"));
        f.click(QStringLiteral("cb_dsng"));
        QTest::mouseClick(f.control<QWidget>("w_inp_1"), Qt::LeftButton, {}, QPoint(20, 10));  // COW
        f.desktop.chooseFile(f.path(QStringLiteral("solved.gly")));
        f.click(QStringLiteral("cb_save"));
        QCOMPARE(f.puzzle().curw, 2);
        QVERIFY(Enabled(f, "cb_updtword"));
        f.desktop.chooseFile(f.path(QStringLiteral("solved.gly")));
        f.click(QStringLiteral("cb_open"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\nO#E\nWIN"));
        f.click(QStringLiteral("cb_play"));
        QCOMPARE(f.control<QLabel>("lb_playstat")->text(), QStringLiteral("Crossword Completed!!!"));
    }

    void startUpMode_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QString>("mode");
        QTest::newRow("play, complete grid") << "Play" << true << "Play";
        QTest::newRow("play, word outside the grid") << "Play" << false << "Design";
        QTest::newRow("design") << "Design" << true << "Design";
    }

    void startUpMode()
    {
        // Start-up enters play mode when the configuration says so and the reopened grid is complete.
        QFETCH(QString, saved);
        QFETCH(bool, complete);
        WindowFixture f;
        Puzzle p = Ring();
        if (!complete)
            AppendWord(p, "LOOSE");
        const QString file = f.writeFile(QStringLiteral("last.gly"), QByteArray::fromStdString(WritePuzzleFile(p)));
        const std::string config = WriteConfigFile(2, 0, RunModeFromBytes(saved.toStdString()).value(), "last.gly", file.toStdString());
        f.writeFile(QStringLiteral("gridly.cfg"), QByteArray::fromStdString(config));
        QVERIFY(f.start());
        QTEST(QString::fromStdString(std::string(RunModeBytes(f.puzzle().runmode))), "mode");
        QCOMPARE(Visible(f, "clue_lst_A"), f.puzzle().playing());
        QVERIFY(!f.puzzle().changed);
    }
};

QTEST_MAIN(TestWindowPlay)
#include "test_window_play.moc"
