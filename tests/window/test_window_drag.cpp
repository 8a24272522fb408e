// Placing words by hand: dragging a word from its panel row or from the grid,
// the red box over legal places, the drop, turning the word on the direction
// control, swapping two words in the list, scrolling the panel while
// dragging, and presses on the grid.
#include "panel/row_label.h"
#include "window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

const QColor PLACED_ROW(192, 255, 192);
const QColor TARGET_ROW(255, 192, 192);
const QColor WHITE_ROW(Qt::white);

// The window with a puzzle opened through the Open dialog, and the controls
// a drag meets.
class DragWindow : public WindowFixture {
public:
    explicit DragWindow(const Puzzle &p)
    {
        if (!start())
            qFatal("start-up ended the program");
        open(p);
    }
    RowLabel *row(int r) const { return control<RowLabel>(QStringLiteral("w_inp_%1").arg(r)); }
    QLabel *picture() const { return control<QLabel>(QStringLiteral("pb_drg")); }
    bool redBox() const { return visible(QStringLiteral("cr_cw")); }
    const WordEntry &word(int w) const { return puzzle().Words[w]; }
    QPoint placeOf(int w) const { return {word(w).gc, word(w).gr}; }
    // Starts a drag of the word in row r by moving over the entry strip, away from grid and panel.
    WindowFixture &dragRow(int r)
    {
        const QString name = QStringLiteral("w_inp_%1").arg(r);
        return press(name, centre(name)).to(centre(QStringLiteral("fr_inp")));
    }
};

} // namespace

class TestWindowDrag : public QObject {
    Q_OBJECT
private slots:
    void redBoxAndDropOnlyWhereTheWordFits_data()
    {
        QTest::addColumn<Puzzle>("puzzle");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("box");  // null: no legal place
        const Puzzle house = MakePuzzle({{"HOUSE"}}, 15, 15);
        const Puzzle boa = MakePuzzle({{"BOA", 6, 3, "Down"}, {"CAT"}});
        QTest::newRow("HOUSE over column gcols - 4") << house << QPoint(11, 4) << QRect(200, 60, 100, 22);
        QTest::newRow("HOUSE over column gcols - 3") << house << QPoint(12, 4) << QRect();
        QTest::newRow("CAT's A on the A of BOA") << boa << QPoint(5, 5) << QRect(80, 80, 60, 22);
        QTest::newRow("CAT's A on the O of BOA") << boa << QPoint(5, 4) << QRect();
        QTest::newRow("CAT beside BOA") << boa << QPoint(7, 4) << QRect(120, 60, 60, 22);
    }
    void redBoxAndDropOnlyWhereTheWordFits()
    {
        // The list's last word dragged from its row gets the red box and lands only where it ends inside the grid and meets only its own letters; its picture lies on top, showing the grid beneath.
        QFETCH(Puzzle, puzzle);
        QFETCH(QPoint, at);
        QFETCH(QRect, box);
        DragWindow f(puzzle);
        const int w = puzzle.nwords;
        f.dragRow(w - 1).to(f.cell(at.x(), at.y()));
        QCOMPARE(f.redBox() ? f.control(QStringLiteral("cr_cw"))->geometry() : QRect(), box);
        QCOMPARE(f.picture()->pos(), f.cell(at.x(), at.y()));
        QCOMPARE(f.client()->children().constLast(), f.picture());
        const QPoint source = f.picture()->pos() - f.corner(QStringLiteral("pb")) - QPoint(1, 1);
        for (const QPoint p : {QPoint(3, 3), QPoint(5, 17), QPoint(25, 5), QPoint(45, 2)})
            QCOMPARE(f.picture()->pixmap().toImage().pixel(p), f.window->gridImage().pixel(source + p));
        f.release();
        const bool legal = !box.isNull();
        QCOMPARE(f.word(w).placed(), legal);
        QCOMPARE(f.puzzle().changed, legal);
        QCOMPARE(f.row(w - 1)->background(), legal ? PLACED_ROW : WHITE_ROW);
        if (legal)
            QCOMPARE(f.placeOf(w), at);
    }

    void placedWordLeavesTheGridAtFivePixelsAndReturnsOnlyOnALegalDrop()
    {
        // A word pressed in the grid stays for a move of 4 pixels; at 5 it leaves the grid, its row turns white and the grid grey, until a legal drop.
        Puzzle p = MakePuzzle({{"CAT", 2, 2, "Acro"}, {"DOG", 2, 5, "Acro"}});
        p.gboxidx = 0;  // a white grid, for the grey of the drag to show
        DragWindow f(p);
        f.press(QStringLiteral("pb"), f.cell(3, 2)).to(f.cell(3, 2) + QPoint(4, -4));
        QVERIFY(!f.window->dragging());
        QCOMPARE(f.row(0)->background(), PLACED_ROW);
        f.to(f.cell(3, 2) + QPoint(5, 0));
        QCOMPARE(f.row(0)->background(), WHITE_ROW);
        QCOMPARE(SolutionRows(f.puzzle(), 4, 2), std::string("####\n####"));
        QCOMPARE(f.window->gridImage().pixel(1, 1), qRgb(128, 128, 128));
        f.to(f.cell(14, 1)).release();
        QVERIFY(!f.word(1).placed());
        QCOMPARE(f.window->gridImage().pixel(1, 1), qRgb(255, 255, 255));
        f.press(QStringLiteral("pb"), f.cell(2, 5)).to(f.cell(6, 7)).to(f.cell(6, 8)).release();
        QCOMPARE(f.placeOf(2), QPoint(6, 8));
        QCOMPARE(f.row(1)->background(), PLACED_ROW);
    }

    void aDragMadeOfOneMoveLandsWhereItEnds()
    {
        // A quick gesture arrives as press, one move, release: the move that starts a drag is judged as every later one.
        DragWindow f(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"DOG"}}));
        f.press(QStringLiteral("pb"), f.cell(3, 2)).to(f.cell(6, 8)).release();
        QCOMPARE(f.placeOf(1), QPoint(6, 8));
        f.press(QStringLiteral("w_inp_1"), f.centre(QStringLiteral("w_inp_1"))).to(f.cell(2, 10)).release();
        QCOMPARE(f.placeOf(2), QPoint(2, 10));
    }

    void anotherButtonPressedDuringADragEndsItAtOnce()
    {
        // The second button's press, not its release, takes the picture and the red box away; on the grid it leaves no current word, whose text the release takes from the boxes, and the placed word whose drag it ends stays out of the grid, the puzzle changed.
        DragWindow f(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"DOG"}}));
        for (const QString &name : {QStringLiteral("w_inp_1"), QStringLiteral("pb")}) {
            (name == "pb" ? f.press(name, f.cell(3, 2)) : f.dragRow(1)).to(f.cell(5, 7));
            QVERIFY(f.picture()->isVisible() && f.redBox());
            QTest::mousePress(f.control(name), Qt::RightButton);
            QVERIFY(!f.picture()->isVisible() && !f.redBox());
            f.release();
        }
        QVERIFY(f.puzzle().curw == 0 && f.control<QLineEdit>(QStringLiteral("inp_word"))->text().isEmpty());
        QVERIFY(!f.word(1).placed() && f.puzzle().changed);
    }

    void dragStartsOnlyFromAnUnplacedWordMovedMoreThanSixPixelsFromItsRow()
    {
        // A row starts a drag only for a word out of the grid moved more than 6 pixels around the row; with "Grid Words on/off" off nothing drags.
        DragWindow f(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"DOG"}}));
        const QPoint dogRow = f.corner(QStringLiteral("w_inp_1"));
        f.press(QStringLiteral("w_inp_1"), dogRow + QPoint(20, 10));
        f.to(dogRow + QPoint(-6, -6)).to(dogRow + QPoint(200, 30));
        QVERIFY(!f.picture()->isVisible());
        f.to(dogRow + QPoint(20, 31));
        QVERIFY(f.picture()->isVisible());
        f.release();
        f.press(QStringLiteral("w_inp_0"), f.centre(QStringLiteral("w_inp_0"))).to(f.cell(5, 5));
        QVERIFY(!f.window->dragging());
        f.release();
        f.click(QStringLiteral("ck_gridwrd"));
        f.dragRow(1).to(f.cell(5, 5));
        QVERIFY(!f.window->dragging());
        f.release();
        f.press(QStringLiteral("pb"), f.cell(2, 2)).to(f.cell(9, 9));
        QVERIFY(!f.window->dragging());
        f.release();
    }

    void directionControlTurnsTheWordOncePerEntry()
    {
        // Entering the direction control turns the dragged word; staying inside changes nothing; entering again turns it back.
        DragWindow f(MakePuzzle({{"HOUSE"}}));
        const QPoint inside = f.centre(QStringLiteral("drg_change"));
        f.dragRow(0).to(inside);
        QCOMPARE(DirectionOf(f.word(1)), std::string("Down"));
        QCOMPARE(f.control(QStringLiteral("drg_change"))->toolTip(), QStringLiteral("Across"));
        QCOMPARE(f.picture()->size(), QSize(22, 102));
        f.to(inside + QPoint(5, 5));
        QCOMPARE(DirectionOf(f.word(1)), std::string("Down"));
        f.to(inside + QPoint(40, 0)).to(inside);
        QCOMPARE(DirectionOf(f.word(1)), std::string("Acro"));
        f.to(inside + QPoint(40, 0)).to(inside).to(f.cell(3, 2)).release();
        QCOMPARE(DirectionOf(f.word(1)), std::string("Down"));
        QCOMPARE(f.placeOf(1), QPoint(3, 2));
    }

    void unplacedWordDroppedOnAnotherUnplacedRowSwapsPlaces()
    {
        // Dropped on the row of another word out of the grid (the lower one where two rows share a border), the dragged word swaps places with it, comes out across and current at its new index; the puzzle is changed.
        DragWindow f(MakePuzzle({{"ANT"}, {"BEE"}, {"CAT"}, {"DOG", 1, 1, "Acro"}}));
        WordEntry ant = f.word(1);
        const WordEntry cat = f.word(3);
        f.dragRow(0).to(f.centre(QStringLiteral("drg_change"))).to(f.centre(QStringLiteral("w_inp_3")));
        QCOMPARE(f.row(3)->background(), PLACED_ROW);
        const QPoint bee = f.centre(QStringLiteral("w_inp_1"));
        f.to(bee).to({bee.x(), f.corner(QStringLiteral("w_inp_2")).y()});  // row 2's top line lies in row 1 too
        QCOMPARE(f.row(1)->background(), WHITE_ROW);
        QCOMPARE(f.row(2)->background(), TARGET_ROW);
        f.release();
        QCOMPARE(f.word(1), cat);
        SetDirection(ant, "Acro");
        QCOMPARE(f.word(3), ant);
        QCOMPARE(f.puzzle().curw, 3);
        QCOMPARE(f.row(2)->background(), WHITE_ROW);
        QVERIFY(f.puzzle().changed);
    }

    void overTheScrollBarEachEventScrollsOneWordAndADropBringsTheWordBack()
    {
        // Over the panel's scroll bar the first event scrolls up one word, then each move one word its way; a word dropped after its row scrolled away comes back into view.
        Puzzle p = MakePuzzle({});
        for (int i = 1; i <= 30; ++i)
            AppendWord(p, QStringLiteral("W%1").arg(i, 2, 10, QLatin1Char('0')).toStdString());
        DragWindow f(p);
        f.control<QScrollBar>(QStringLiteral("w_scroll"))->setValue(2);
        const QPoint bar = f.centre(QStringLiteral("w_scroll"));
        f.dragRow(0).to(bar);
        QCOMPARE(f.window->document().wtop(), 1);
        f.to(bar + QPoint(0, 1)).to(bar + QPoint(0, 2)).to(bar + QPoint(0, 3)).to(bar + QPoint(0, 3));
        QCOMPARE(f.window->document().wtop(), 4);
        f.to(bar + QPoint(0, 2));
        QCOMPARE(f.row(0)->text(), QStringLiteral("W03"));
        f.to(f.cell(1, 1)).release();
        QCOMPARE(f.window->document().wtop(), 2);
        QCOMPARE(f.row(0)->text(), QStringLiteral("W02"));
        QCOMPARE(f.puzzle().curw, 2);
        // The wheel over a row scrolls the list as over the scroll bar: three words a notch.
        QWheelEvent down(QPointF(20, 10), f.row(5)->mapToGlobal(QPointF(20, 10)), {}, QPoint(0, -120), Qt::NoButton,
                         {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.row(5), &down);
        QCOMPARE(f.window->document().wtop(), 5);
    }
};

QTEST_MAIN(TestWindowDrag)
#include "test_window_drag.moc"
