// Solving on screen in the real window: entering and leaving play mode, the
// clue lists, choosing words by clue and by grid, typing with real key events,
// the play commands, the completed state, and play mode across files and runs.
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "puzzle_builder.h"
#include "view/shape_box.h"
#include "window/play_key_codes.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using Answer = Desktop::Answer;

namespace {

QByteArray Bytes(const Puzzle &p)
{
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

// Four words around a black centre cell, in this list order:
//     CAT     1 CAT across (1,1)   2 COW down (1,1)
//     O#E     3 TEN down (3,1)     4 WIN across (1,3)
//     WIN
// Numbers: CAT and COW 1, TEN 2, WIN 3. CWIdx of (1,1) is COW, of (3,3) WIN.
Puzzle Ring()
{
    return MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}, {"WIN", 1, 3, "Acro"}});
}

Puzzle SolvedRing()
{
    Puzzle p = Ring();
    for (int w = 1; w <= p.nwords; ++w)
        p.Words[w].pword = p.Words[w].word;
    return p;
}

// Seven words across on the odd rows and four down on the odd columns: the
// across clues are numbered 1 and 5 to 10. The word of row 13 comes first in
// the list, so the list box has to sort it to the end.
Puzzle Ladder()
{
    const std::vector<std::string> rows{"ABCDEFG", "H#I#J#K", "LMNOPQR", "S#T#U#V", "WXYZABC", "D#E#F#G", "HIJKLMN",
                                        "O#P#Q#R", "STUVWXY", "Z#A#B#C", "DEFGHIJ", "K#L#M#N", "OPQRSTU"};
    std::vector<WordSpec> words;
    for (int r = 13; r >= 1; r -= 2)
        words.push_back({rows[std::size_t(r - 1)], 1, r, "Acro", "Row " + std::to_string(r)});
    for (int c = 1; c <= 7; c += 2) {
        std::string down;
        for (const std::string &row : rows)
            down += row[std::size_t(c - 1)];
        words.push_back({down, c, 1, "Down", "Column " + std::to_string(c)});
    }
    return MakePuzzle(words);
}

// A clue list item as the lists show it: number, "- ", the 40-character clue.
QString Item(const QString &number, const QString &clue)
{
    return number + QStringLiteral("- ") + clue.leftJustified(40);
}

QListWidget *List(const WindowFixture &f, const char *name)
{
    return f.control<QListWidget>(QString::fromLatin1(name));
}

QStringList Texts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QList<int> Data(const QListWidget *list)
{
    QList<int> data;
    for (int row = 0; row < list->count(); ++row)
        data << list->item(row)->data(Qt::UserRole).toInt();
    return data;
}

// A left click on a list item, as the user makes it.
void ClickItem(const WindowFixture &f, const char *list, int row)
{
    QListWidget *box = List(f, list);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
}

void PressCell(const WindowFixture &f, int col, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(f.control<QWidget>("pb"), button, {}, QPoint((col - 1) * 20 + 10, (row - 1) * 20 + 10));
}

QWidget *KeyTarget()
{
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

void Type(const QString &text)
{
    QTest::keyClicks(KeyTarget(), text);
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(KeyTarget(), key, modifiers);
}

// The cell the blue cursor box stands on.
QPoint CursorCell(const WindowFixture &f)
{
    const QPoint at = f.control<ShapeBox>("cr_inp")->pos();
    return {(at.x() - 1) / 20 + 1, (at.y() - 1) / 20 + 1};
}

QString Score(const WindowFixture &f)
{
    return f.control<QLabel>("lb_playstat")->text();
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
    f.open(Bytes(p));
    f.click(QStringLiteral("cb_play"));
    return f.puzzle().runmode == "Play";
}

// The grid press belongs to the dragging code; until it has its play branch
// a press on a word cell changes nothing.
bool GridPressHandled(const WindowFixture &f)
{
    return f.puzzle().curw != 0 || Visible(f, "cr_cw");
}

} // namespace

class TestWindowPlay : public QObject {
    Q_OBJECT
private slots:
    void enteringPlayModeLaysOutTheClueLists()
    {
        // The design frames give way: the logo strip widens to the grid frame, the frame moves left, the lists stand at the right.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        for (const char *name : {"fr_cmd", "fr_winp", "fr_inp", "sh_chg1", "sh_chg2", "drg_change", "Label3"})
            QVERIFY2(!Visible(f, name), name);
        QCOMPARE(f.control<QWidget>("fr_logo")->geometry(), QRect(5, 492, 488, 78));
        QCOMPARE(f.control<QWidget>("sh_fr2")->pos(), QPoint(5, 4));
        QCOMPARE(f.control<QWidget>("sh_fr")->pos(), QPoint(6, 5));
        QCOMPARE(List(f, "clue_lst_A")->geometry(), QRect(497, 4, 290, 287));
        QCOMPARE(List(f, "clue_lst_D")->geometry(), QRect(497, 283, 290, 287));
        QVERIFY(Visible(f, "clue_lst_A") && Visible(f, "clue_lst_D") && Visible(f, "cb_dsng"));
        QVERIFY(!Enabled(f, "cb_autoword") && !Enabled(f, "cb_playresetword"));
        QVERIFY(!Visible(f, "cr_cw") && !Visible(f, "cr_inp"));
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(!f.puzzle().gridwrd);
        QCOMPARE(Score(f), QStringLiteral(" 0 out of  4 words are Correct!"));
        // The grid picture, 15 x 20 + 1 pixels, is centred on the moved 488 x 487 frame.
        QCOMPARE(f.control<QWidget>("pb")->pos(), QPoint(6 + 244 - 150 - 1, 5 + 243 - 150 - 1));
    }

    void clueListsHoldSortedItemsWithTheWordIndex()
    {
        // Headers come first; items read "05- " and the whole clue, in number order, each carrying its word's index.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ladder()));
        const QStringList across{QStringLiteral("      [Across]"), Item("01", "Row 1"), Item("05", "Row 3"),
                                 Item("06", "Row 5"), Item("07", "Row 7"), Item("08", "Row 9"),
                                 Item("09", "Row 11"), Item("10", "Row 13")};
        QCOMPARE(Texts(List(f, "clue_lst_A")), across);
        QCOMPARE(Data(List(f, "clue_lst_A")), QList<int>({0, 7, 6, 5, 4, 3, 2, 1}));
        const QStringList down{QStringLiteral("      [Down]"), Item("01", "Column 1"), Item("02", "Column 3"),
                               Item("03", "Column 5"), Item("04", "Column 7")};
        QCOMPARE(Texts(List(f, "clue_lst_D")), down);
        QCOMPARE(Data(List(f, "clue_lst_D")), QList<int>({0, 8, 9, 10, 11}));
    }

    void choosingAClueBoxesItsWordAndPutsTheCursorFirst()
    {
        // A clue click outlines the word in red, puts the blue cursor on its first cell, enables the word buttons.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_D", 2);  // 02- TEN
        QCOMPARE(f.puzzle().curw, 3);
        QCOMPARE(f.control<QWidget>("cr_cw")->geometry(), QRect(40, 0, 22, 60));
        QCOMPARE(f.control<QWidget>("cr_inp")->geometry(), QRect(41, 1, 20, 20));
        QVERIFY(Visible(f, "cr_cw") && Visible(f, "cr_inp"));
        QVERIFY(Enabled(f, "cb_autoword") && Enabled(f, "cb_playresetword"));
        QVERIFY(f.control<QWidget>("pb")->hasFocus());

        ClickItem(f, "clue_lst_A", 2);  // 03- WIN
        QCOMPARE(f.puzzle().curw, 4);
        QCOMPARE(f.control<QWidget>("cr_cw")->geometry(), QRect(0, 40, 60, 22));
        QVERIFY(List(f, "clue_lst_D")->selectedItems().isEmpty());
    }

    void choosingAHeaderLeavesNoWord()
    {
        // The header item hides both boxes, disables the word buttons and stops typing.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        ClickItem(f, "clue_lst_A", 0);
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(!Visible(f, "cr_cw") && !Visible(f, "cr_inp"));
        QVERIFY(!Enabled(f, "cb_autoword") && !Enabled(f, "cb_playresetword"));
        Type(QStringLiteral("C"));
        QCOMPARE(f.puzzle().Pgrid(1, 1), ' ');
    }

    void clickOnTheChosenClueAgainReturnsToTheFirstCell()
    {
        // A click on the clue that is already selected still makes its word current and the cursor starts over.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        Type(QStringLiteral("CA"));
        QCOMPARE(CursorCell(f), QPoint(3, 1));
        ClickItem(f, "clue_lst_A", 1);
        QCOMPARE(CursorCell(f), QPoint(1, 1));
        QCOMPARE(f.puzzle().curw, 1);
    }

    void keyboardAndProgramSelectionChooseToo()
    {
        // Moving the selection with the keys of a focused list, or from code, makes the word current.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        QListWidget *down = List(f, "clue_lst_D");
        down->setCurrentRow(0);
        QCOMPARE(f.puzzle().curw, 0);
        QTest::keyClick(down, Qt::Key_Down);
        QCOMPARE(f.puzzle().curw, 2);
        QCOMPARE(CursorCell(f), QPoint(1, 1));
        List(f, "clue_lst_A")->setCurrentRow(2);
        QCOMPARE(f.puzzle().curw, 4);
        QCOMPARE(CursorCell(f), QPoint(1, 3));
        QVERIFY(down->selectedItems().isEmpty());
    }

    void typingAWholePuzzleCompletesIt()
    {
        // Each finished word raises the score; the last letter shows "Crossword Completed!!!" and locks the play controls.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        Type(QStringLiteral("cat"));
        QCOMPARE(Score(f), QStringLiteral(" 1 out of  4 words are Correct!"));
        QCOMPARE(CursorCell(f), QPoint(3, 1));
        ClickItem(f, "clue_lst_A", 2);
        Type(QStringLiteral("WIN"));
        ClickItem(f, "clue_lst_D", 1);
        Type(QStringLiteral("COW"));
        QCOMPARE(Score(f), QStringLiteral(" 3 out of  4 words are Correct!"));
        ClickItem(f, "clue_lst_D", 2);
        Type(QStringLiteral("T"));
        QCOMPARE(Score(f), QStringLiteral(" 3 out of  4 words are Correct!"));
        Type(QStringLiteral("E"));  // the N is WIN's already
        QCOMPARE(Score(f), QStringLiteral("Crossword Completed!!!"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\nO#E\nWIN"));
        QCOMPARE(f.puzzle().ncorrect, 4);
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(f.puzzle().changed);
        for (const char *name : {"cb_autoword", "cb_playresetword", "ck_valid_word", "clue_lst_A", "clue_lst_D"})
            QVERIFY2(!Enabled(f, name), name);
        QVERIFY(!Visible(f, "cr_cw") && !Visible(f, "cr_inp"));
        QVERIFY(Enabled(f, "cb_playreset") && Enabled(f, "cb_dsng"));
        Type(QStringLiteral("X"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\nO#E\nWIN"));
    }

    void lastCellTakesEveryFurtherLetter()
    {
        // On the word's last cell a letter is stored and the cursor stays, so the next letter overwrites it.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        Type(QStringLiteral("CAX"));
        QCOMPARE(CursorCell(f), QPoint(3, 1));
        Type(QStringLiteral("Y"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 1), std::string("CAY"));
        QCOMPARE(f.puzzle().Words[1].pword.trimmed(), std::string("CAY"));
        QCOMPARE(f.puzzle().Words[3].pword.str().substr(0, 3), std::string("Y  "));
    }

    void crossingLetterCountsForBothWords()
    {
        // The letter typed at a crossing belongs to both answers; each word is judged on its own letters.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_D", 1);
        Type(QStringLiteral("COW"));
        ClickItem(f, "clue_lst_A", 1);
        Key(Qt::Key_End);
        Type(QStringLiteral("X"));
        QCOMPARE(f.puzzle().Words[1].pword.trimmed(), std::string("C X"));
        QCOMPARE(f.puzzle().Words[1].pwok, 0);
        QCOMPARE(f.puzzle().Words[2].pword.trimmed(), std::string("COW"));
        QCOMPARE(f.puzzle().Words[2].pwok, 1);
        QCOMPARE(f.puzzle().Words[4].pword.trimmed(), std::string("W"));
        QCOMPARE(Score(f), QStringLiteral(" 1 out of  4 words are Correct!"));
    }

    void cursorKeysStayInsideTheWord_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QPoint>("cell");
        const QString across = QStringLiteral("clue_lst_A"), down = QStringLiteral("clue_lst_D");
        QTest::newRow("End across") << across << 1 << QList<int>{Qt::Key_End} << QPoint(3, 1);
        QTest::newRow("Up across steps left") << across << 1 << QList<int>{Qt::Key_End, Qt::Key_Up} << QPoint(2, 1);
        QTest::newRow("Left at the start") << across << 1 << QList<int>{Qt::Key_Left, Qt::Key_Up} << QPoint(1, 1);
        QTest::newRow("Right past the end") << across << 2
                                            << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}
                                            << QPoint(3, 3);
        QTest::newRow("Home") << across << 2 << QList<int>{Qt::Key_End, Qt::Key_Home} << QPoint(1, 3);
        QTest::newRow("Right down steps down") << down << 2 << QList<int>{Qt::Key_Right} << QPoint(3, 2);
        QTest::newRow("End down, Left steps up") << down << 2 << QList<int>{Qt::Key_End, Qt::Key_Left}
                                                  << QPoint(3, 2);
        QTest::newRow("Down past the end") << down << 1 << QList<int>{Qt::Key_End, Qt::Key_Down} << QPoint(1, 3);
        QTest::newRow("Up at the top") << down << 1 << QList<int>{Qt::Key_Up} << QPoint(1, 1);
    }

    void cursorKeysStayInsideTheWord()
    {
        // Home, End and the arrows move along the current word only; Up and Left step back, Down and Right forward.
        QFETCH(QString, list);
        QFETCH(int, row);
        QFETCH(QList<int>, keys);
        QFETCH(QPoint, cell);
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, list.toLatin1().constData(), row);
        for (int key : keys)
            Key(Qt::Key(key));
        QCOMPARE(CursorCell(f), cell);
        QVERIFY(!f.puzzle().changed);
    }

    void modifiersAndKeypad_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<char>("cell");  // the first cell holds Z before the key
        QTest::newRow("letter") << int(Qt::Key_Q) << 0 << 'Q';
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << '7';
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << '-';
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << ' ';
        QTest::newRow("Shift letter") << int(Qt::Key_Q) << int(Qt::ShiftModifier) << 'Z';
        QTest::newRow("Shift 7 as a US keyboard sends it") << int(Qt::Key_Ampersand) << int(Qt::ShiftModifier) << '&';
        QTest::newRow("Shift 7 as the digit") << int(Qt::Key_7) << int(Qt::ShiftModifier) << '&';
        QTest::newRow("Shift 8") << int(Qt::Key_Asterisk) << int(Qt::ShiftModifier) << 'Z';
        QTest::newRow("Shift minus") << int(Qt::Key_Underscore) << int(Qt::ShiftModifier) << 'Z';
        QTest::newRow("Ctrl letter") << int(Qt::Key_Q) << int(Qt::ControlModifier) << 'Q';
        QTest::newRow("Alt letter") << int(Qt::Key_Q) << int(Qt::AltModifier) << 'Q';
        QTest::newRow("Ctrl Shift 7") << int(Qt::Key_Ampersand) << int(Qt::ControlModifier | Qt::ShiftModifier) << '7';
        QTest::newRow("keypad digit") << int(Qt::Key_7) << int(Qt::KeypadModifier) << 'Z';
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << 'Z';
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << 'Z';
    }

    void modifiersAndKeypad()
    {
        // Shift alone types only the ampersand (on 7); Ctrl and Alt leave the key as it is; the keypad types nothing.
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(char, cell);
        WindowFixture f;
        Puzzle p = Ring();
        p.Words[1].pword.assign("ZZZ");
        QVERIFY(StartPlaying(f, p));
        ClickItem(f, "clue_lst_A", 1);
        Key(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.puzzle().Pgrid(1, 1), cell);
        QCOMPARE(CursorCell(f), QPoint(cell == 'Z' ? 1 : 2, 1));
    }

    void keyCodesOfQtKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("keycode");
        QTest::addColumn<int>("shift");
        QTest::newRow("Z with Ctrl") << int(Qt::Key_Z) << int(Qt::ControlModifier) << 90 << 2;
        QTest::newRow("9 with Alt") << int(Qt::Key_9) << int(Qt::AltModifier) << 57 << 4;
        QTest::newRow("Shift !") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << 49 << 1;
        QTest::newRow("Shift )") << int(Qt::Key_ParenRight) << int(Qt::ShiftModifier) << 48 << 1;
        QTest::newRow("Shift _") << int(Qt::Key_Underscore) << int(Qt::ShiftModifier) << 189 << 1;
        QTest::newRow("& unshifted") << int(Qt::Key_Ampersand) << 0 << 0 << 0;
        QTest::newRow("Down with Shift") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << 40 << 1;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << int(Qt::KeypadModifier) << 96 << 0;
        QTest::newRow("keypad 9") << int(Qt::Key_9) << int(Qt::KeypadModifier) << 105 << 0;
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << int(Qt::KeypadModifier) << 106 << 0;
        QTest::newRow("keypad /") << int(Qt::Key_Slash) << int(Qt::KeypadModifier) << 111 << 0;
        QTest::newRow("keypad Home") << int(Qt::Key_Home) << int(Qt::KeypadModifier) << 36 << 0;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << 0 << 0;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << 0 << 1;
    }

    void keyCodesOfQtKeys()
    {
        // Qt's keys become the codes of the keys pressed, with Shift 1, Ctrl 2 and Alt 4.
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, keycode);
        QFETCH(int, shift);
        QCOMPARE(PlayKeyFromQt(key, Qt::KeyboardModifiers(modifiers)), (PlayKeyPress{keycode, shift}));
    }

    void typingReachesTheGridWhateverHasTheFocus_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("grid") << QStringLiteral("pb");
        QTest::newRow("clue list") << QStringLiteral("clue_lst_D");
        QTest::newRow("button") << QStringLiteral("cb_dsng");
    }

    void typingReachesTheGridWhateverHasTheFocus()
    {
        // The window takes every key before the focused control while a word is current.
        QFETCH(QString, focus);
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        f.control<QWidget>(focus)->setFocus();
        QTest::keyClick(f.control<QWidget>(focus), Qt::Key_Down);
        QTest::keyClick(f.control<QWidget>(focus), Qt::Key_A);
        QCOMPARE(PlayRows(f.puzzle(), 3, 1), std::string(" A "));
        QCOMPARE(List(f, "clue_lst_D")->selectedItems().size(), 0);
        QCOMPARE(f.puzzle().curw, 1);
    }

    void getWordAgainstAnEarlierAndALaterCrossingWord()
    {
        // Revealing TEN keeps the earlier CAT's wrong letter in the shared cell but overrides the later WIN's.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        Type(QStringLiteral("CAX"));
        ClickItem(f, "clue_lst_A", 2);
        Type(QStringLiteral("WIZ"));
        ClickItem(f, "clue_lst_D", 2);
        f.click(QStringLiteral("cb_autoword"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAX\n #E\nWIN"));
        QCOMPARE(f.puzzle().Words[3].pword.trimmed(), std::string("XEN"));
        QCOMPARE(f.puzzle().Words[3].pwok, 0);
        QCOMPARE(f.puzzle().Words[4].pwok, 1);
        QCOMPARE(Score(f), QStringLiteral(" 1 out of  4 words are Correct!"));
        QCOMPARE(f.puzzle().curw, 3);
        QCOMPARE(CursorCell(f), QPoint(3, 1));
        QVERIFY(Visible(f, "cr_cw") && Visible(f, "cr_inp"));
        QVERIFY(f.control<QWidget>("pb")->hasFocus());
    }

    void getWordOnTheLastWrongWordCompletes()
    {
        // Revealing the only word left wrong reaches the completed state.
        WindowFixture f;
        Puzzle p = SolvedRing();
        p.Words[3].pword.assign("TEN");
        p.Words[4].pword.assign("WI");
        QVERIFY(StartPlaying(f, p));
        ClickItem(f, "clue_lst_A", 2);
        f.click(QStringLiteral("cb_autoword"));
        QCOMPARE(Score(f), QStringLiteral("Crossword Completed!!!"));
        QVERIFY(!Enabled(f, "clue_lst_A") && !Visible(f, "cr_inp"));
    }

    void clearCurrentWordKeepsARightPartnersLetters()
    {
        // Clearing COW blanks its cells except the C of the right CAT; the wrong WIN loses its shared W.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        Type(QStringLiteral("CAT"));
        ClickItem(f, "clue_lst_A", 2);
        Type(QStringLiteral("WIX"));
        ClickItem(f, "clue_lst_D", 1);
        Key(Qt::Key_Right);
        Type(QStringLiteral("Q"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\nQ# \nWIX"));

        f.desktop.answer(Answer::No);
        f.click(QStringLiteral("cb_playresetword"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\nQ# \nWIX"));
        f.desktop.answer(Answer::Yes);
        f.click(QStringLiteral("cb_playresetword"));
        QCOMPARE(f.desktop.messages.size(), 2);
        QCOMPARE(f.desktop.messages[1].text, QStringLiteral("Clear Current Word From Play Grid"));
        QCOMPARE(f.desktop.messages[1].title, QStringLiteral("Clear Word"));
        QVERIFY(f.desktop.messages[1].buttons == Desktop::Buttons::YesNo);
        QVERIFY(f.desktop.messages[1].icon == Desktop::Icon::Question);
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CAT\n # \n IX"));
        QCOMPARE(Score(f), QStringLiteral(" 1 out of  4 words are Correct!"));
        QCOMPARE(f.puzzle().curw, 2);
        QVERIFY(Visible(f, "cr_cw"));
    }

    void clearAllWordsAfterCompletionOpensPlayAgain()
    {
        // Clearing all answers re-enables the lists and the indicator and scores 0; the word buttons wait for a choice.
        WindowFixture f;
        QVERIFY(StartPlaying(f, SolvedRing()));
        QCOMPARE(Score(f), QStringLiteral("Crossword Completed!!!"));
        QVERIFY(!Enabled(f, "clue_lst_A") && !Enabled(f, "ck_valid_word"));
        f.desktop.answer(Answer::Yes);
        f.click(QStringLiteral("cb_playreset"));
        QCOMPARE(f.desktop.messages.constLast().text, QStringLiteral("Clear All Words From Play Grid"));
        QCOMPARE(f.desktop.messages.constLast().title, QStringLiteral("Clear Words"));
        QCOMPARE(Score(f), QStringLiteral(" 0 out of  4 words are Correct!"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("   \n # \n   "));
        for (const char *name : {"clue_lst_A", "clue_lst_D", "ck_valid_word"})
            QVERIFY2(Enabled(f, name), name);
        QVERIFY(!Enabled(f, "cb_autoword") && !Enabled(f, "cb_playresetword"));
        QVERIFY(f.puzzle().changed);
        ClickItem(f, "clue_lst_D", 2);
        QVERIFY(Enabled(f, "cb_autoword") && Enabled(f, "cb_playresetword"));
    }

    void validWordIndicatorTurnsRightWordsYellow()
    {
        // With the indicator on, every cell of a right word is yellow, the crossing cell of a wrong word included.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        Type(QStringLiteral("CAT"));
        QCOMPARE(f.window->gridImage().pixelColor(3, 17), QColor(Qt::white));
        f.click(QStringLiteral("ck_valid_word"));
        QCOMPARE(f.window->gridImage().pixelColor(3, 17), QColor(255, 255, 0));
        QCOMPARE(f.window->gridImage().pixelColor(43, 17), QColor(255, 255, 0));
        QCOMPARE(f.window->gridImage().pixelColor(3, 57), QColor(Qt::white));
        QVERIFY(f.control<QWidget>("pb")->hasFocus());
        f.click(QStringLiteral("ck_valid_word"));
        QCOMPARE(f.window->gridImage().pixelColor(3, 17), QColor(Qt::white));
    }

    void leavingAndEnteringRebuildsTheListsAndKeepsTheAnswers()
    {
        // "Design" restores the design layout and empties the lists; playing again builds each list once, answers intact.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        Type(QStringLiteral("CA"));
        f.click(QStringLiteral("cb_dsng"));
        QCOMPARE(f.puzzle().runmode, std::string("Design"));
        QVERIFY(f.puzzle().gridwrd);
        QCOMPARE(List(f, "clue_lst_A")->count(), 0);
        QVERIFY(!Visible(f, "clue_lst_A") && !Visible(f, "clue_lst_D"));
        QVERIFY(!Visible(f, "cr_cw") && !Visible(f, "cr_inp"));
        for (const char *name : {"fr_cmd", "fr_winp", "fr_inp", "sh_chg1", "sh_chg2", "drg_change", "Label3"})
            QVERIFY2(Visible(f, name), name);
        QCOMPARE(f.control<QWidget>("fr_logo")->geometry(), QRect(5, 492, 68, 78));
        QCOMPARE(f.control<QWidget>("sh_fr2")->pos(), QPoint(79, 4));
        QCOMPARE(f.control<QWidget>("sh_fr")->pos(), QPoint(80, 5));
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(!Enabled(f, "cb_updtword"));

        f.click(QStringLiteral("cb_play"));
        QCOMPARE(List(f, "clue_lst_A")->count(), 3);
        QCOMPARE(List(f, "clue_lst_D")->count(), 3);
        QCOMPARE(PlayRows(f.puzzle(), 3, 3), std::string("CA \n # \n   "));
        QCOMPARE(f.puzzle().Words[1].pword.trimmed(), std::string("CA"));
        QCOMPARE(Score(f), QStringLiteral(" 0 out of  4 words are Correct!"));
    }

    void anotherPuzzleAfterACompletedOneCanBePlayed()
    {
        // Playing a new puzzle after a completed one offers its clue lists and the indicator again.
        WindowFixture f;
        QVERIFY(StartPlaying(f, SolvedRing()));
        f.click(QStringLiteral("cb_dsng"));
        f.open(Bytes(Ring()), QStringLiteral("fresh.gly"));
        f.click(QStringLiteral("cb_play"));
        QCOMPARE(Score(f), QStringLiteral(" 0 out of  4 words are Correct!"));
        for (const char *name : {"clue_lst_A", "clue_lst_D", "ck_valid_word"})
            QVERIFY2(Enabled(f, name), name);
    }

    void savedAnswersComeBackWithTheFile()
    {
        // Save stores the letters of the play grid; opening the file shows them again and play scores them.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        Type(QStringLiteral("CAT"));
        ClickItem(f, "clue_lst_D", 2);
        Type(QStringLiteral("TE"));
        f.click(QStringLiteral("cb_dsng"));
        f.desktop.chooseFile(f.path(QStringLiteral("answers.gly")));
        f.click(QStringLiteral("cb_save"));
        QVERIFY(!f.puzzle().changed);

        WindowFixture g;
        QVERIFY(g.start());
        g.open(f.readFile(QStringLiteral("answers.gly")));
        QCOMPARE(PlayRows(g.puzzle(), 3, 3), std::string("CAT\n #E\n   "));
        QCOMPARE(g.puzzle().Words[3].pword.trimmed(), std::string("TE"));
        g.click(QStringLiteral("cb_play"));
        QCOMPARE(Score(g), QStringLiteral(" 1 out of  4 words are Correct!"));
    }

    void saveInDesignModeKeepsTheCurrentWord()
    {
        // Saving a solved puzzle in design mode does not drop the word being edited.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(SolvedRing()));
        QTest::mouseClick(f.control<QWidget>("w_inp_1"), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(f.puzzle().curw, 2);
        f.desktop.chooseFile(f.path(QStringLiteral("solved.gly")));
        f.click(QStringLiteral("cb_save"));
        QCOMPARE(f.puzzle().curw, 2);
        QVERIFY(Enabled(f, "cb_updtword"));
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
        QFETCH(QString, mode);
        WindowFixture f;
        Puzzle p = Ring();
        if (!complete)
            AppendWord(p, "LOOSE");
        const QString file = f.writeFile(QStringLiteral("last.gly"), Bytes(p));
        f.writeFile(QStringLiteral("gridly.cfg"),
                    QByteArray::fromStdString(WriteConfigFile(2, 0, saved.toStdString(), "last.gly", file.toStdString())));
        QVERIFY(f.start());
        QCOMPARE(QString::fromStdString(f.puzzle().runmode), mode);
        QCOMPARE(Visible(f, "clue_lst_A"), mode == QLatin1String("Play"));
        QVERIFY(!f.puzzle().changed);
    }

    void exitInPlayModeComesBackInPlayMode()
    {
        // Leaving the program from play mode records it, and the next start is in play mode with the same answers.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        ClickItem(f, "clue_lst_A", 1);
        Type(QStringLiteral("CO"));
        f.desktop.answer(Answer::Yes);
        f.desktop.chooseFile(f.path(QStringLiteral("puzzle.gly")));
        f.click(QStringLiteral("cb_exit2"));
        QVERIFY(f.desktop.ended);
        QVERIFY(f.start());
        QCOMPARE(f.puzzle().runmode, std::string("Play"));
        QCOMPARE(PlayRows(f.puzzle(), 3, 1), std::string("CO "));
        QCOMPARE(List(f, "clue_lst_A")->count(), 3);
    }

    void gridPressChoosesTheWordOfTheCell()
    {
        // A left press on a word cell selects the clue of the cell's CWIdx word and puts the cursor on its first cell.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        PressCell(f, 1, 1);
        if (!GridPressHandled(f))
            QSKIP("the grid press has no play branch yet (it comes with the dragging code)");
        QCOMPARE(f.puzzle().curw, 2);  // COW was written last through (1,1)
        QCOMPARE(List(f, "clue_lst_D")->selectedItems().constFirst()->text(), Item("01", "Clue of COW"));
        QCOMPARE(f.control<QWidget>("cr_cw")->geometry(), QRect(0, 0, 22, 60));

        PressCell(f, 3, 3);
        QCOMPARE(f.puzzle().curw, 4);
        QCOMPARE(CursorCell(f), QPoint(1, 3));
        QVERIFY(List(f, "clue_lst_D")->selectedItems().isEmpty());
        Type(QStringLiteral("W"));
        QCOMPARE(CursorCell(f), QPoint(2, 3));
        PressCell(f, 2, 3);  // the clue is selected already: the cursor still starts over
        QCOMPARE(CursorCell(f), QPoint(1, 3));
        QCOMPARE(f.puzzle().curw, 4);

        PressCell(f, 2, 2);
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(!Visible(f, "cr_cw") && !Visible(f, "cr_inp"));
        QVERIFY(!Enabled(f, "cb_autoword") && !Enabled(f, "cb_playresetword"));
    }

    void rightPressOnTheGridStopsTyping()
    {
        // A right press leaves the boxes where they are, but no key acts until a word is chosen again.
        WindowFixture f;
        QVERIFY(StartPlaying(f, Ring()));
        PressCell(f, 1, 1);
        if (!GridPressHandled(f))
            QSKIP("the grid press has no play branch yet (it comes with the dragging code)");
        PressCell(f, 1, 1, Qt::RightButton);
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(Visible(f, "cr_cw") && Visible(f, "cr_inp"));
        Type(QStringLiteral("C"));
        QCOMPARE(f.puzzle().Pgrid(1, 1), ' ');
    }

    void gridPressWhenCompletedChoosesNothing()
    {
        // In the completed state a press on a word cell only keeps the word buttons disabled.
        WindowFixture f;
        QVERIFY(StartPlaying(f, SolvedRing()));
        PressCell(f, 2, 1);
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(!Enabled(f, "cb_autoword") && !Visible(f, "cr_cw"));
        QVERIFY(List(f, "clue_lst_A")->selectedItems().isEmpty());
    }
};

QTEST_MAIN(TestWindowPlay)
#include "test_window_play.moc"
