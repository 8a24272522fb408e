// Undo and Redo in the real window: every kind of step brings back exactly
// the puzzle that was there and makes again exactly what it made; the
// histories of design and play, typing merged per word, the keys in and out
// of the entry boxes, and the commands that start a history afresh.
#include "document/puzzle_file.h"
#include "play/play_grid.h"
#include "window_fixture.h"

#include <QAction>
#include <QLineEdit>

namespace {

using Answer = Desktop::Answer;

// Four words in a ring from (2,2), two more out of the grid, on 20 x 18:
//     CAT       CAT across, COW and TEN down, WIN across
//     O#E       OWL and EGG out of the grid
//     WIN
Puzzle DesignPuzzle()
{
    return MakePuzzle({{"CAT", 2, 2, "Acro"}, {"COW", 2, 2, "Down"}, {"TEN", 4, 2, "Down"}, {"WIN", 2, 4, "Acro"},
                       {"OWL"}, {"EGG"}},
                      20, 18);
}

Puzzle PlayPuzzle()
{
    return MakePuzzle({{"CAT", 2, 2, "Acro"}, {"COW", 2, 2, "Down"}, {"TEN", 4, 2, "Down"}, {"WIN", 2, 4, "Acro"}});
}

// What Save would write now.
QByteArray SavedBytes(const Puzzle &puzzle)
{
    Puzzle p = puzzle;
    if (p.complete())
        PgridToPwords(p);
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

// Does one step of the kind named, on the puzzle of its mode.
void Step(WindowFixture &f, const QString &step)
{
    const auto setClue = [&f](const QString &clue) { f.control<QLineEdit>("inp_clue")->setText(clue); };
    if (step == "Add A Word") {
        f.addWord("DOG", "A pet");
    } else if (step == "Update Current Word") {
        f.clickRow(4);
        setClue("A night bird");
        f.click("cb_updtword");
    } else if (step == "Delete Current Word") {
        f.clickRow(4);
        f.desktop.answer(Answer::Yes);
        f.click("cb_delword");
    } else if (step == "Drag OWL onto EGG") {
        f.press("w_inp_4", f.centre("w_inp_4")).to(f.centre("fr_inp")).to(f.centre("w_inp_5")).release();
    } else if (step == "Drag EGG onto the grid") {
        f.press("w_inp_5", f.centre("w_inp_5")).to(f.centre("fr_inp")).to(f.cell(9, 9)).release();
    } else if (step == "Drag WIN off the grid") {
        f.press("pb", f.cell(3, 4)).to(f.centre("fr_inp")).release();
    } else if (step.startsWith("Generate")) {
        f.desktop.answer(Answer::Yes);
        f.click(step.contains("Auto") ? "cb_procAutosz" : "cb_procfixsize");
    } else if (step == "Make Connected Grid") {
        f.desktop.answer(Answer::Yes);  // when a word does not fit: place the others
        f.window->findChild<QAction *>("menu_make_connected")->trigger();
    } else if (step == "Take Word Out of Grid") {
        f.clickRow(0);
        f.window->findChild<QAction *>("menu_take_out")->trigger();
    } else if (step == "Auto Put Word in Grid") {
        f.clickRow(5);
        f.click("cb_putword");
    } else if (step.startsWith("Move Words")) {
        f.click(QStringLiteral("mv_words_%1").arg(QStringList{"Up", "Right", "Down", "Left"}.indexOf(step.mid(11))));
    } else if (step == "Set to Minimun Size") {
        f.click("cb_resize");
    } else if (step == "Change Grid Size") {
        QTest::mouseClick(f.control("scr_grows"), Qt::LeftButton, {}, QPoint(5, 5));
    } else if (step == "Clear Grid") {
        f.desktop.answer(Answer::Yes);
        f.click("cb_cleargrid");
    } else if (step == "Change Grid Box Color") {
        f.click("cl_gbox_3");
    } else if (step == "Get Word") {
        f.clickItem("clue_lst_A", 1);
        f.click("cb_autoword");
    } else if (step == "Clear Current Word" || step == "Clear All Words") {
        f.clickItem("clue_lst_A", 1);
        f.type("CA");
        f.desktop.answer(Answer::Yes);
        f.click(step == "Clear All Words" ? "cb_playreset" : "cb_playresetword");
    } else if (step == "Typing in 1 Across") {
        f.clickItem("clue_lst_A", 1);
        f.type("CAX");
    }
}

QAction *Action(const WindowFixture &f, const char *name)
{
    return f.window->findChild<QAction *>(QString::fromLatin1(name));
}

} // namespace

class TestWindowUndo : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    void start(const Puzzle &p)
    {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->start());
        f->open(p);
    }
    QString undoText() const { return Action(*f, "undo")->isEnabled() ? Action(*f, "undo")->text() : QString(); }
    QString redoText() const { return Action(*f, "redo")->isEnabled() ? Action(*f, "redo")->text() : QString(); }

private slots:
    void everyStepUndoesAndRedoesExactly_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("name");  // on the Edit menu
        QTest::addColumn<bool>("play");
        const QStringList design{"Add A Word", "Update Current Word", "Delete Current Word", "Auto Put Word in Grid",
                                 "Take Word Out of Grid", "Make Connected Grid",
                                 "Generate (Auto Size)", "Generate (Fixed Size)", "Move Words Up", "Move Words Right",
                                 "Move Words Down", "Move Words Left", "Set to Minimun Size", "Change Grid Size",
                                 "Clear Grid", "Change Grid Box Color"};
        for (const QString &step : design)
            QTest::newRow(qPrintable(step)) << step << step << false;
        QTest::newRow("swap in the panel") << "Drag OWL onto EGG" << "Drag OWL" << false;
        QTest::newRow("drag onto the grid") << "Drag EGG onto the grid" << "Drag EGG" << false;
        QTest::newRow("drag off the grid") << "Drag WIN off the grid" << "Drag WIN" << false;
        for (const char *step : {"Get Word", "Clear Current Word", "Clear All Words", "Typing in 1 Across"})
            QTest::newRow(step) << QString(step) << QString(step) << true;
    }
    void everyStepUndoesAndRedoesExactly()
    {
        // Each command is one step named as its button is: Undo brings back the bytes a save would write, the
        // current word, the panel's first row, the size and the picture, and Redo exactly what the step made;
        // either is unchanged when it brings back what was opened.
        QFETCH(QString, step);
        QFETCH(QString, name);
        QFETCH(bool, play);
        start(play ? PlayPuzzle() : DesignPuzzle());
        if (play)
            f->click("cb_play");
        const QByteArray opened = SavedBytes(f->puzzle());
        Step(*f, step);  // once, so that a play step starts from answers of its own
        f->desktop.messages.clear();
        Action(*f, "undo")->trigger();
        const QByteArray before = SavedBytes(f->puzzle());
        const auto state = [this] {
            const Puzzle &p = f->puzzle();
            return QStringLiteral("word %1, top %2, %3 x %4").arg(p.curw).arg(f->window->document().wtop())
                .arg(p.gcols).arg(p.grows);
        };
        const QString stateBefore = state();
        const QImage pictureBefore = f->window->gridImage();

        Step(*f, step);
        const QByteArray after = SavedBytes(f->puzzle());
        const QString stateAfter = state();
        const QImage pictureAfter = f->window->gridImage();
        QVERIFY(after != before);
        QVERIFY(f->puzzle().changed);
        QCOMPARE(undoText(), "&Undo " + name);

        Action(*f, "undo")->trigger();
        QCOMPARE(SavedBytes(f->puzzle()), before);
        QCOMPARE(state(), stateBefore);
        QCOMPARE(f->window->gridImage(), pictureBefore);
        QCOMPARE(f->puzzle().changed, before != opened);
        QCOMPARE(redoText(), "&Redo " + name);

        Action(*f, "redo")->trigger();
        QCOMPARE(SavedBytes(f->puzzle()), after);
        QCOMPARE(state(), stateAfter);
        QCOMPARE(f->window->gridImage(), pictureAfter);
        QCOMPARE(f->puzzle().changed, after != opened);
        QVERIFY(f->desktop.messages.size() <= 2);  // the command's own questions, never one of Undo's
    }

    void newAndOpenStartAnEmptyHistory()
    {
        // New and every Open, a failed one included, leave nothing to undo; an Open the user cancels keeps
        // the history, and a drag under way makes Undo unavailable.
        start(DesignPuzzle());
        f->click("cl_gbox_3");
        f->press("pb", f->cell(3, 4)).to(f->centre("fr_inp"));
        QVERIFY(undoText().isEmpty());
        f->release();
        QCOMPARE(undoText(), "&Undo Drag WIN");
        f->desktop.answer(Answer::Cancel);
        f->click("cb_open");
        QCOMPARE(undoText(), "&Undo Drag WIN");
        f->desktop.answer(Answer::No);
        f->open(QByteArray("GRIDLYPv1.00\x29"), QStringLiteral("bad.gly"));
        QVERIFY(undoText().isEmpty() && f->puzzle().nwords == 0);
        f->open(DesignPuzzle());
        f->click("cl_gbox_3");
        f->desktop.answer(Answer::No);
        f->open(DesignPuzzle());
        QVERIFY(undoText().isEmpty() && redoText().isEmpty());
        f->click("cl_gbox_3");
        f->desktop.answer(Answer::No);
        f->click("cb_new");
        QVERIFY(undoText().isEmpty() && f->puzzle().nwords == 0);
    }

    void ctrlZUndoesTheBoxFirstThenThePuzzle()
    {
        // Ctrl+Z in a box with typing of its own undoes that typing; with none it undoes the last puzzle step,
        // and Ctrl+Shift+Z and Ctrl+Y redo it.
        start(DesignPuzzle());
        f->click("cl_gbox_3");
        auto *word = f->control<QLineEdit>("inp_word");
        word->setFocus();
        QTest::keyClicks(word, "AB");
        QTest::keySequence(word, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(word->text().isEmpty() && f->puzzle().gboxidx == 3);
        QTest::keySequence(word, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(f->puzzle().gboxidx, 2);
        QWidget *clue = f->control("inp_clue");
        QTest::keySequence(clue, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QCOMPARE(f->puzzle().gboxidx, 3);
        QTest::keySequence(clue, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QTest::keySequence(clue, QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(f->puzzle().gboxidx, 3);
    }

    void playUndoesTheLettersOfOneWordAtOnce()
    {
        // In play mode the letters typed into one word are one step, Ctrl+Z with a word current types a Z,
        // and undoing needs no word current; the design history waits through play, and a design step
        // clears the player's history.
        start(PlayPuzzle());
        f->click("cl_gbox_3");
        f->click("cb_play");
        QVERIFY(undoText().isEmpty());
        f->clickItem("clue_lst_A", 1);
        f->type("CA");
        f->clickItem("clue_lst_D", 1);
        f->type("CO");
        QTest::keySequence(f->window->focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(PlayRows(f->puzzle(), 4, 4), std::string("####\n#CA \n#O# \n#Z  "));
        f->clickItem("clue_lst_A", 0);  // the header: no word current
        QTest::keySequence(f->window->focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(PlayRows(f->puzzle(), 4, 4), std::string("####\n#CA \n# # \n#   "));
        QCOMPARE(undoText(), "&Undo Typing in 1 Across");
        Action(*f, "undo")->trigger();
        QCOMPARE(PlayRows(f->puzzle(), 4, 4), std::string("####\n#   \n# # \n#   "));

        f->click("cb_dsng");
        QCOMPARE(undoText(), "&Undo Change Grid Box Color");
        f->click("cl_gbox_4");
        f->click("cb_play");
        QVERIFY(undoText().isEmpty() && redoText().isEmpty());
    }

    void lettersTypedSinceADesignStepStayWhereTheirWordStays()
    {
        // Undoing a design step keeps the player's letters typed since wherever the grid it brings back has
        // the same word in the same cells; the letters of a word it moves back are those from before it.
        start(PlayPuzzle());
        f->click("cl_gbox_3");  // every word stays where it is
        f->click("cb_play");
        f->clickItem("clue_lst_A", 1);
        f->type("CA");
        f->click("cb_dsng");
        Action(*f, "undo")->trigger();
        QCOMPARE(PlayRows(f->puzzle(), 5, 2), std::string("#####\n#CA #"));
        f->click("mv_words_3");  // every word one column left
        f->click("cb_play");
        f->clickItem("clue_lst_A", 1);
        f->type("X");
        f->click("cb_dsng");
        Action(*f, "undo")->trigger();
        QCOMPARE(PlayRows(f->puzzle(), 5, 2), std::string("#####\n#CA #"));
    }
};

QTEST_MAIN(TestWindowUndo)
#include "test_window_undo.moc"
