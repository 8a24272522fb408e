// The real window as assistive technology reads it through Qt's accessibility
// interface: names and roles, the grid as a table of cells in design and play
// mode, and nothing of the mode not shown. What is told as it changes is
// heard only by a listener, which Qt's offscreen platform never has: the
// end-to-end test (tests/e2e/screen_reader.py) listens on the real bus.
#include "window_fixture.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

namespace {

QAccessibleInterface *Iface(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class TestWindowAccess : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    bool start(const Puzzle &p)
    {
        f = std::make_unique<WindowFixture>();
        if (!f->start())
            return false;
        f->open(p);
        return true;
    }
    QAccessibleInterface *read(const char *name) const { return Iface(f->control(name)); }
    QAccessibleTableInterface *grid() const { return read("pb")->tableInterface(); }
    QString cell(int col, int row) const { return grid()->cellAt(row - 1, col - 1)->text(QAccessible::Name); }
    // Neither shown nor pressable: hidden, disabled, without an action or a value to set.
    bool unreachable(const char *name) const
    {
        QAccessibleInterface *iface = read(name);
        return iface->state().invisible && iface->state().disabled && !iface->valueInterface()
               && (!iface->actionInterface() || iface->actionInterface()->actionNames().isEmpty());
    }

private slots:
    void designModeIsNamedControlsAndATableOfCells()
    {
        // The window is a window named by its caption, a picture button says its tooltip, each box, bar and list says
        // what it holds, a row whether its word is in the grid, the grid which word is current; a colour box is a
        // button whose press is its click; the grid is a table of the cells in use, rebuilt with the size, each cell
        // naming its words and the letter shown, which the grid words switch, toggled as a screen reader toggles it,
        // takes away.
        QVERIFY(start(Ring()));
        QCOMPARE(Iface(f->window.get())->role(), QAccessible::Window);
        QCOMPARE(Iface(f->window.get())->text(QAccessible::Name), QStringLiteral("Gridly v1.00     > puzzle.gly"));
        const std::pair<const char *, const char *> names[] = {
            {"inp_word", "Word"}, {"inp_clue", "Clue"}, {"scr_gcols", "Grid columns"}, {"scr_grows", "Grid rows"},
            {"fr_winp", "Word list"}, {"w_scroll", "Scroll word list"}, {"clue_lst_A", "Across clues"},
            {"clue_lst_D", "Down clues"}};
        for (const auto &[control, name] : names)
            QCOMPARE(read(control)->text(QAccessible::Name), QString::fromLatin1(name));
        for (QToolButton *button : f->window->findChildren<QToolButton *>())
            QCOMPARE(Iface(button)->text(QAccessible::Name), button->toolTip());
        f->addWord(QStringLiteral("OWL"), QStringLiteral("Night bird"));
        QCOMPARE(read("w_inp_0")->text(QAccessible::Description), QStringLiteral("in the grid"));
        QCOMPARE(read("w_inp_4")->text(QAccessible::Description), QStringLiteral("not in the grid"));
        QCOMPARE(read("w_inp_5")->text(QAccessible::Description), QString());
        f->clickRow(4);
        QCOMPARE(read("pb")->text(QAccessible::Description), QStringLiteral("Not in the grid, 3 letters"));
        f->clickRow(1);  // COW runs down, so the direction control offers across
        QCOMPARE(read("drg_change")->text(QAccessible::Name), QStringLiteral("Across"));

        QAccessibleInterface *black = read("cl_gbox_4");
        QCOMPARE(black->role(), QAccessible::Button);
        black->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f->puzzle().gboxidx, 4);
        QCOMPARE(black->text(QAccessible::Description), QStringLiteral("Chosen grid colour"));
        QCOMPARE(read("cl_gbox_2")->text(QAccessible::Description), QString());

        QCOMPARE(read("pb")->role(), QAccessible::Table);
        QCOMPARE(read("pb")->text(QAccessible::Name), QStringLiteral("Crossword Grid"));
        QCOMPARE(grid()->rowCount() * 100 + grid()->columnCount(), 1515);
        QCOMPARE(read("pb")->childCount(), 225);
        QAccessibleInterface *corner = grid()->cellAt(0, 2);
        QCOMPARE(corner->role(), QAccessible::Cell);
        QCOMPARE(read("pb")->indexOfChild(corner), 2);
        QCOMPARE(corner->tableCellInterface()->columnIndex(), 2);
        QCOMPARE(corner->text(QAccessible::Name), QStringLiteral("1 Across, letter 3 of 3; 2 Down, letter 1 of 3: T"));
        QCOMPARE(cell(2, 2), QStringLiteral("block"));
        QCOMPARE(cell(1, 2), QStringLiteral("1 Down, letter 2 of 3: O"));
        read("ck_gridwrd")->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(cell(1, 2), QStringLiteral("1 Down, letter 2 of 3: empty"));

        read("scr_gcols")->valueInterface()->setCurrentValue(17);
        QCOMPARE(f->puzzle().gcols, 17);
        QCOMPARE(grid()->columnCount(), 17);
        QCOMPARE(cell(17, 15), QStringLiteral("block"));
    }

    void playModeReadsThePlayerAndHidesDesign()
    {
        // Each mode leaves nothing of the other to see or press; in play mode the cells read the player's letters,
        // never the solution, the cursor's cell has the focus as it moves, and a word the indicator shows right is
        // said to be right in its cells and its clue.
        QVERIFY(start(Ring()));
        for (const char *name : {"cb_autoword", "cb_dsng", "ck_valid_word", "lb_playstat", "clue_lst_A", "clue_lst_D"})
            QVERIFY2(unreachable(name), name);
        f->click(QStringLiteral("cb_play"));
        for (const char *name : {"cb_procAutosz", "cl_gbox_4", "scr_gcols", "inp_word", "cb_addword", "w_scroll", "w_inp_0"})
            QVERIFY2(unreachable(name), name);
        QVERIFY(!read("cb_dsng")->state().invisible && read("cb_dsng")->actionInterface()->actionNames().size() > 0);
        QCOMPARE(cell(1, 1), QStringLiteral("1 Across, letter 1 of 3; 1 Down, letter 1 of 3: empty"));
        QCOMPARE(read("pb")->text(QAccessible::Description), QStringLiteral("No word chosen. 0 out of 4 words are Correct!"));

        f->clickItem("clue_lst_A", 1);
        QCOMPARE(read("pb")->text(QAccessible::Description), QStringLiteral("1 Across, 3 letters. 0 out of 4 words are Correct!"));
        f->type(QStringLiteral("CA"));
        QAccessibleInterface *cursor = read("pb")->focusChild();
        QCOMPARE(cursor->text(QAccessible::Name), QStringLiteral("1 Across, letter 3 of 3; 2 Down, letter 1 of 3: empty"));
        QVERIFY(cursor->state().focused && !grid()->cellAt(0, 1)->state().focused);
        QCOMPARE(cell(2, 1), QStringLiteral("1 Across, letter 2 of 3: A"));
        f->type(QStringLiteral("T"));
        QCOMPARE(read("lb_playstat")->text(QAccessible::Name), QStringLiteral(" 1 out of  4 words are Correct!"));
        f->click(QStringLiteral("ck_valid_word"));
        QCOMPARE(cell(2, 1), QStringLiteral("1 Across, letter 2 of 3, right: A"));
        QCOMPARE(f->control<QListWidget>("clue_lst_A")->item(1)->data(Qt::AccessibleDescriptionRole).toString(),
                 QStringLiteral("right"));

        f->click(QStringLiteral("cb_dsng"));
        for (const char *name : {"cb_dsng", "clue_lst_A"})
            QVERIFY2(unreachable(name), name);
        QVERIFY(!unreachable("cb_procAutosz") && !unreachable("scr_gcols"));
    }

    void aPuzzleMadeSavedAndSolvedWithTheKeyboardAlone()
    {
        // With key events only: three words typed and added with Enter, one chosen in the word list with Down,
        // a colour chosen with the arrows and Space, a grid generated and saved with Space on buttons reached
        // with Tab (the focus staying on them), play entered with Enter, each clue chosen in its list with Home
        // and Down and its letters typed, and Exit pressed from the play strip.
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->start());
        const auto key = [](int k) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k)); };
        const auto tabTo = [&](const char *name) {
            for (int i = 0; i < 80 && QApplication::focusWidget() != f->control(name); ++i)
                key(Qt::Key_Tab);
            return QApplication::focusWidget() == f->control(name);
        };
        QVERIFY(tabTo("inp_word"));
        for (const auto &[word, clue] : {std::pair{"cat", "A pet"}, {"cow", "It gives milk"}, {"ten", "Two fives"}}) {
            f->type(word);
            key(Qt::Key_Return);
            f->type(clue);
            key(Qt::Key_Return);
            key(Qt::Key_Return);
        }
        QCOMPARE(f->puzzle().nwords, 3);
        QVERIFY(tabTo("fr_winp"));
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        QVERIFY(f->puzzle().curw == 2 && QApplication::focusWidget() == f->control("fr_winp"));
        QVERIFY(tabTo("cl_gbox_0"));
        key(Qt::Key_Right);
        key(Qt::Key_Down);
        key(Qt::Key_Space);
        QVERIFY(f->puzzle().gboxidx == 4 && QApplication::focusWidget() == f->control("cl_gbox_4"));
        QVERIFY(tabTo("cb_procAutosz"));
        f->desktop.answer(Desktop::Answer::Yes);
        key(Qt::Key_Space);
        QVERIFY(f->puzzle().nplaced == 3 && QApplication::focusWidget() == f->control("cb_procAutosz"));
        QVERIFY(tabTo("cb_save"));
        f->desktop.chooseFile(f->path("keys.gly"));
        key(Qt::Key_Space);
        QVERIFY(!f->puzzle().changed && QFile::exists(f->path("keys.gly")));
        QVERIFY(tabTo("cb_play"));
        key(Qt::Key_Return);
        QVERIFY(f->window->document().playing() && QApplication::focusWidget() == f->control("pb"));
        for (const char *list : {"clue_lst_A", "clue_lst_D"}) {
            for (int row = 1; row < f->control<QListWidget>(list)->count(); ++row) {
                QVERIFY(tabTo(list));
                key(Qt::Key_Home);
                for (int down = 0; down < row; ++down)
                    key(Qt::Key_Down);
                const WordEntry &word = f->puzzle().Words[f->puzzle().curw];
                for (const char letter : word.word.trimmed())
                    key(Qt::Key_A + (letter - 'A'));
            }
        }
        QCOMPARE(f->control<QLabel>("lb_playstat")->text(), QStringLiteral("Crossword Completed!!!"));
        QVERIFY(tabTo("cb_exit2"));
        f->desktop.answer(Desktop::Answer::No);
        key(Qt::Key_Space);
        QVERIFY(f->desktop.ended);
        QCOMPARE(f->shown(0), QStringLiteral("Process a New Crossword Grid|New Grid"));
    }
};

QTEST_MAIN(TestWindowAccess)
#include "test_window_access.moc"
