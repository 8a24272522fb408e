// Placing words by hand: dragging a word from its panel row or from the grid,
// the red box over legal places, the drop, turning the word on the direction
// control, swapping two words in the list, scrolling the panel while
// dragging, and presses on the grid.
#include "document/puzzle_file.h"
#include "panel/row_label.h"
#include "puzzle_builder.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

namespace {

const QColor PLACED_ROW(192, 255, 192);
const QColor TARGET_ROW(255, 192, 192);
const QRgb DRAG_GREY = qRgb(128, 128, 128);

// A press, moves and a release as the implicit mouse grab delivers them: all
// to the pressed widget, in its own coordinates, the moves carrying the
// pressed button.
class Gesture {
public:
    Gesture(QWidget *pressed, QPoint local, Qt::MouseButton button = Qt::LeftButton)
        : m_widget(pressed), m_button(button), m_last(local)
    {
        QTest::mousePress(pressed, button, {}, local);
    }

    // Moves to a point of the pressed widget.
    Gesture &local(QPoint point)
    {
        QMouseEvent move(QEvent::MouseMove, point, m_widget->mapToGlobal(point), Qt::NoButton, m_button, {});
        QApplication::sendEvent(m_widget, &move);
        m_last = point;
        return *this;
    }
    // Moves to a point of the window.
    Gesture &to(QPoint windowPoint) { return local(m_widget->mapFrom(m_widget->window(), windowPoint)); }

    void release() { QTest::mouseRelease(m_widget, m_button, {}, m_last); }

private:
    QWidget *m_widget;
    Qt::MouseButton m_button;
    QPoint m_last;
};

QByteArray Bytes(const Puzzle &p)
{
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

// n words W01, W02, ... none in the grid.
Puzzle ManyWords(int n)
{
    std::vector<WordSpec> words;
    for (int i = 1; i <= n; ++i)
        words.push_back({QStringLiteral("W%1").arg(i, 2, 10, QLatin1Char('0')).toStdString()});
    return MakePuzzle(words);
}

// A puzzle whose grid is drawn white, so that the grey of a drag shows.
Puzzle OnWhite(Puzzle p)
{
    p.gboxidx = 0;
    return p;
}

RowLabel *Row(const WindowFixture &f, int r)
{
    return f.control<RowLabel>(QStringLiteral("w_inp_%1").arg(r));
}

GridPicture *Pb(const WindowFixture &f)
{
    return f.control<GridPicture>(QStringLiteral("pb"));
}

ShapeBox *RedBox(const WindowFixture &f)
{
    return f.control<ShapeBox>(QStringLiteral("cr_cw"));
}

QLabel *DragPicture(const WindowFixture &f)
{
    return f.control<QLabel>(QStringLiteral("pb_drg"));
}

QLabel *DirectionControl(const WindowFixture &f)
{
    return f.control<QLabel>(QStringLiteral("drg_change"));
}

QScrollBar *PanelBar(const WindowFixture &f)
{
    return f.control<QScrollBar>(QStringLiteral("w_scroll"));
}

// The window point in the middle of grid cell (c, r).
QPoint Cell(const WindowFixture &f, int c, int r)
{
    return Pb(f)->pos() + QPoint((c - 1) * 20 + 10, (r - 1) * 20 + 10);
}

// The grid picture's pixel in the middle of cell (c, r).
QPoint CellPixel(int c, int r)
{
    return {(c - 1) * 20 + 10, (r - 1) * 20 + 10};
}

QPoint Centre(const WindowFixture &f, QWidget *widget)
{
    return widget->mapTo(f.window.get(), widget->rect().center());
}

// A window point well away from the grid and the panel, over the entry strip.
QPoint FarAway(const WindowFixture &f)
{
    return Centre(f, f.control<QGroupBox>(QStringLiteral("fr_inp")));
}

// Starts a drag of the word in row r by moving far from the row.
Gesture DragRow(const WindowFixture &f, int r)
{
    Gesture drag(Row(f, r), QPoint(20, 10));
    drag.to(FarAway(f));
    return drag;
}

QRgb GridBackground(const WindowFixture &f)
{
    return f.window->gridImage().pixel(1, 1);
}

} // namespace

class TestWindowDrag : public QObject {
    Q_OBJECT
private slots:
    void panelWordDroppedOnALegalCellIsPlacedNumberedAndSelected()
    {
        // A word dragged from its row and released over a legal cell enters the grid there, numbered, and becomes current.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(OnWhite(MakePuzzle({{"BOA", 6, 3, "Down"}, {"CAT"}}))));
        Gesture drag = DragRow(f, 1);
        QVERIFY(f.puzzle().dragging);
        QVERIFY(DragPicture(f)->isVisible());
        QCOMPARE(GridBackground(f), DRAG_GREY);
        drag.to(Cell(f, 5, 5));
        QVERIFY(RedBox(f)->isVisible());
        QCOMPARE(RedBox(f)->geometry(), QRect(80, 80, 60, 22));
        drag.release();
        const WordEntry &cat = f.puzzle().Words[2];
        QCOMPARE(cat.stat, STAT_PLACED);
        QCOMPARE(cat.gc, 5);
        QCOMPARE(cat.gr, 5);
        QCOMPARE(cat.nbr, 2);
        QCOMPARE(SolutionRows(f.puzzle(), 7, 5), std::string("#######\n#######\n#####B#\n#####O#\n####CAT"));
        QVERIFY(!f.puzzle().dragging);
        QVERIFY(!DragPicture(f)->isVisible());
        QCOMPARE(GridBackground(f), qRgb(255, 255, 255));
        QCOMPARE(f.puzzle().curw, 2);
        QCOMPARE(Row(f, 1)->background(), PLACED_ROW);
        QCOMPARE(f.control<QGroupBox>(QStringLiteral("fr_inp"))->title(), QStringLiteral(" 2-  Across "));
        QVERIFY(RedBox(f)->isVisible());
        QVERIFY(f.puzzle().changed);
    }

    void fiveLetterWordFitsOverColumnGcolsMinusFourOnly()
    {
        // Over column gcols - 4 a 5-letter word across shows the red box; over gcols - 3 it hides and a release leaves the word out.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"HOUSE"}}, 15, 15)));
        Gesture drag = DragRow(f, 0);
        drag.to(Cell(f, 11, 4));
        QVERIFY(RedBox(f)->isVisible());
        QCOMPARE(RedBox(f)->geometry(), QRect(200, 60, 100, 22));
        drag.to(Cell(f, 12, 4));
        QVERIFY(!RedBox(f)->isVisible());
        drag.release();
        QCOMPARE(f.puzzle().Words[1].stat, STAT_UNPLACED);
        QCOMPARE(f.puzzle().Words[1].dr.str(), std::string("Acro"));
        QVERIFY(!RedBox(f)->isVisible());
        QVERIFY(!f.puzzle().changed);
    }

    void draggedCatMayLieOnAnAButNotOnAnO_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("legal");
        QTest::newRow("A on the A") << 5 << 5 << true;
        QTest::newRow("A on the O") << 5 << 4 << false;
        QTest::newRow("side by side") << 7 << 4 << true;
    }
    void draggedCatMayLieOnAnAButNotOnAnO()
    {
        // CAT dragged across may put its A on the A of a placed word and lie beside a word, never on an O.
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(bool, legal);
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"BOA", 6, 3, "Down"}, {"CAT"}})));
        Gesture drag = DragRow(f, 1);
        drag.to(Cell(f, col, row));
        QCOMPARE(RedBox(f)->isVisible(), legal);
        drag.release();
        QCOMPARE(f.puzzle().Words[2].placed(), legal);
    }

    void placedWordStaysForFourPixelsAndLeavesAtFive()
    {
        // A placed word pressed in the grid stays for a move of 4 pixels; at 5 it leaves the grid and its row turns white.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(OnWhite(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"DOG"}}))));
        const QPoint press = CellPixel(3, 2);
        Gesture drag(Pb(f), press);
        QCOMPARE(f.puzzle().curw, 1);
        drag.local(press + QPoint(4, -4));
        QVERIFY(!f.puzzle().dragging);
        QCOMPARE(f.puzzle().Words[1].stat, STAT_PLACED);
        QCOMPARE(Row(f, 0)->background(), PLACED_ROW);
        drag.local(press + QPoint(5, 0));
        QVERIFY(f.puzzle().dragging);
        QVERIFY(DragPicture(f)->isVisible());
        QCOMPARE(f.puzzle().Words[1].stat, STAT_UNPLACED);
        QCOMPARE(Row(f, 0)->background(), QColor(Qt::white));
        QCOMPARE(SolutionRows(f.puzzle(), 4, 2), std::string("####\n####"));
        QCOMPARE(GridBackground(f), DRAG_GREY);
        QVERIFY(f.puzzle().changed);
        drag.to(FarAway(f));
        drag.release();
        QCOMPARE(f.puzzle().Words[1].stat, STAT_UNPLACED);
        QCOMPARE(f.puzzle().nplaced, 0);
        QVERIFY(!RedBox(f)->isVisible());
        QCOMPARE(GridBackground(f), qRgb(255, 255, 255));
        QVERIFY(f.control<QAbstractButton>(QStringLiteral("cb_putword"))->isEnabled());
        QVERIFY(!f.control<QAbstractButton>(QStringLiteral("cb_print"))->isEnabled());
    }

    void wordTakenFromTheGridReturnsOnALegalDrop()
    {
        // A word picked up from the grid and released over a legal cell is placed there anew.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"COW", 2, 2, "Down"}})));
        Gesture drag(Pb(f), CellPixel(4, 2));
        QCOMPARE(f.puzzle().curw, 1);
        drag.to(FarAway(f)).to(Cell(f, 6, 7));
        QVERIFY(RedBox(f)->isVisible());
        drag.release();
        const WordEntry &cat = f.puzzle().Words[1];
        QCOMPARE(cat.stat, STAT_PLACED);
        QCOMPARE(cat.gc, 6);
        QCOMPARE(cat.gr, 7);
        QCOMPARE(cat.nbr, 2);
        QCOMPARE(Row(f, 0)->background(), PLACED_ROW);
        QCOMPARE(f.puzzle().curw, 1);
    }

    void pressAndReleaseOnAPlacedWordLeavesItWhereItIs()
    {
        // A press and release on a word cell selects the crossing's later word and moves nothing.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"COW", 2, 2, "Down"}})));
        Gesture drag(Pb(f), CellPixel(2, 2));
        drag.release();
        QCOMPARE(f.puzzle().curw, 2);
        QCOMPARE(f.puzzle().Words[2].stat, STAT_PLACED);
        QVERIFY(!f.puzzle().changed);
        QCOMPARE(RedBox(f)->geometry(), QRect(20, 20, 22, 60));
        QVERIFY(RedBox(f)->isVisible());
    }

    void noDragWithinSixPixelsAroundTheRow()
    {
        // A word pressed in its row starts no drag while the pointer stays within 6 pixels around the row.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"ANT"}, {"CAT"}})));
        RowLabel *row = Row(f, 1);
        Gesture drag(row, QPoint(20, 10));
        drag.local(QPoint(-6, -6)).local(QPoint(row->width() + 6, row->height() + 6));
        QVERIFY(!f.puzzle().dragging);
        QVERIFY(!DragPicture(f)->isVisible());
        drag.local(QPoint(20, row->height() + 7));
        QVERIFY(f.puzzle().dragging);
        drag.release();
    }

    void placedWordCannotBeDraggedFromItsRow()
    {
        // Pressing a placed word's row selects it; moving away starts no drag.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 1, 1, "Acro"}})));
        Gesture drag(Row(f, 0), QPoint(20, 10));
        QCOMPARE(f.puzzle().curw, 1);
        drag.to(Cell(f, 5, 5));
        QVERIFY(!f.puzzle().dragging);
        QVERIFY(!DragPicture(f)->isVisible());
        drag.release();
        QCOMPARE(f.puzzle().Words[1].gc, 1);
    }

    void noDragWithGridWordsOff()
    {
        // With "Grid Words on/off" off, neither a row nor a grid word can be dragged.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"DOG"}})));
        f.click(QStringLiteral("ck_gridwrd"));
        QVERIFY(!f.puzzle().gridwrd);
        Gesture fromRow = DragRow(f, 1);
        fromRow.to(Cell(f, 5, 5));
        QVERIFY(!f.puzzle().dragging);
        fromRow.release();
        Gesture fromGrid(Pb(f), CellPixel(2, 2));
        fromGrid.to(Cell(f, 5, 5));
        QVERIFY(!f.puzzle().dragging);
        fromGrid.release();
        QCOMPARE(f.puzzle().Words[1].stat, STAT_PLACED);
        QCOMPARE(f.puzzle().Words[2].stat, STAT_UNPLACED);
        QVERIFY(!DragPicture(f)->isVisible());
    }

    void passingOverTheDirectionControlTurnsTheWordOncePerEntry()
    {
        // Entering the direction control turns the dragged word; staying inside changes nothing; entering again turns it back.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"HOUSE"}})));
        QLabel *control = DirectionControl(f);
        const QImage acrossPicture = QIcon(QStringLiteral(":/icons/across.svg")).pixmap(32, 32).toImage();
        const QImage downPicture = QIcon(QStringLiteral(":/icons/down.svg")).pixmap(32, 32).toImage();
        Gesture drag = DragRow(f, 0);
        QCOMPARE(DragPicture(f)->size(), QSize(102, 22));
        const QPoint inside = Centre(f, control);
        drag.to(inside);
        QCOMPARE(f.puzzle().Words[1].dr.str(), std::string("Down"));
        QCOMPARE(control->toolTip(), QStringLiteral("Across"));
        QCOMPARE(control->pixmap().toImage(), acrossPicture);
        QCOMPARE(control->property("tag").toString(), QStringLiteral("in"));
        QCOMPARE(DragPicture(f)->size(), QSize(22, 102));
        drag.to(inside + QPoint(5, 5));
        QCOMPARE(f.puzzle().Words[1].dr.str(), std::string("Down"));
        drag.to(inside + QPoint(40, 0));
        QCOMPARE(control->property("tag").toString(), QStringLiteral("out"));
        drag.to(inside);
        QCOMPARE(f.puzzle().Words[1].dr.str(), std::string("Acro"));
        QCOMPARE(control->toolTip(), QStringLiteral("Down"));
        QCOMPARE(control->pixmap().toImage(), downPicture);
        QCOMPARE(DragPicture(f)->size(), QSize(102, 22));
        drag.to(FarAway(f)).to(inside);
        drag.to(Cell(f, 3, 2));
        QCOMPARE(RedBox(f)->geometry(), QRect(40, 20, 22, 100));
        drag.release();
        const WordEntry &house = f.puzzle().Words[1];
        QCOMPARE(house.dr.str(), std::string("Down"));
        QCOMPARE(house.gc, 3);
        QCOMPARE(house.gr, 2);
    }

    void leavingTheControlStraightForTheGridStillCountsAsLeaving()
    {
        // A word turned on the control and moved straight onto the grid turns again at its next entry.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 2, 2, "Acro"}})));
        Gesture drag(Pb(f), CellPixel(2, 2));
        const QPoint inside = Centre(f, DirectionControl(f));
        drag.to(FarAway(f)).to(inside);
        QCOMPARE(f.puzzle().Words[1].dr.str(), std::string("Down"));
        drag.to(Cell(f, 5, 5)).to(inside);
        QCOMPARE(f.puzzle().Words[1].dr.str(), std::string("Acro"));
        drag.release();
    }

    void unplacedWordDroppedOnAnotherUnplacedRowSwapsPlaces()
    {
        // Dropped on the row of another word out of the grid, the dragged word swaps places with it, comes out across and current at its new index; changed stays as it was.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"ANT"}, {"BEE"}, {"CAT"}, {"DOG", 1, 1, "Acro"}})));
        const WordEntry ant = f.puzzle().Words[1];
        const WordEntry cat = f.puzzle().Words[3];
        Gesture drag = DragRow(f, 0);
        drag.to(Centre(f, DirectionControl(f)));
        QCOMPARE(f.puzzle().Words[1].dr.str(), std::string("Down"));
        drag.to(Centre(f, Row(f, 3)));
        QCOMPARE(Row(f, 3)->background(), PLACED_ROW);
        drag.to(Centre(f, Row(f, 0)));
        QCOMPARE(Row(f, 0)->background(), QColor(Qt::white));
        drag.to(Centre(f, Row(f, 2)));
        QCOMPARE(Row(f, 2)->background(), TARGET_ROW);
        drag.release();
        QCOMPARE(f.puzzle().Words[1], cat);
        WordEntry moved = ant;
        moved.dr.assign(DIR_ACROSS);
        QCOMPARE(f.puzzle().Words[3], moved);
        QCOMPARE(f.puzzle().curw, 3);
        QCOMPARE(Row(f, 2)->text(), QStringLiteral("ANT"));
        QCOMPARE(Row(f, 2)->background(), QColor(Qt::white));
        QCOMPARE(Row(f, 0)->text(), QStringLiteral("CAT"));
        QCOMPARE(f.control<QLineEdit>(QStringLiteral("inp_word"))->text(), QStringLiteral("ANT"));
        QVERIFY(!f.puzzle().changed);
    }

    void targetRowGoesOutWhenThePointerMovesOn()
    {
        // A lit row returns to white when the pointer leaves it, and a release elsewhere swaps nothing.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"ANT"}, {"BEE"}})));
        Gesture drag = DragRow(f, 0);
        drag.to(Centre(f, Row(f, 1)));
        QCOMPARE(Row(f, 1)->background(), TARGET_ROW);
        drag.to(FarAway(f));
        QCOMPARE(Row(f, 1)->background(), QColor(Qt::white));
        drag.release();
        QCOMPARE(f.puzzle().Words[1].word.trimmed(), std::string("ANT"));
        QCOMPARE(f.puzzle().curw, 1);
    }

    void overTheScrollBarEachEventScrollsOneWord()
    {
        // Over the panel's scroll bar the first event scrolls up one word, then each move of a pixel or more one word its way.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(ManyWords(30)));
        PanelBar(f)->setValue(5);
        Gesture drag = DragRow(f, 0);
        QCOMPARE(f.puzzle().curw, 5);
        const QPoint bar = Centre(f, PanelBar(f));
        drag.to(bar);
        QCOMPARE(PanelBar(f)->value(), 4);
        drag.to(bar + QPoint(0, 1));
        QCOMPARE(PanelBar(f)->value(), 5);
        drag.to(bar + QPoint(0, 2));
        QCOMPARE(PanelBar(f)->value(), 6);
        drag.to(bar + QPoint(0, 2));
        QCOMPARE(PanelBar(f)->value(), 6);
        drag.to(bar + QPoint(0, 1));
        QCOMPARE(PanelBar(f)->value(), 5);
        QCOMPARE(f.puzzle().wtop, 5);
        drag.to(FarAway(f)).to(bar);
        QCOMPARE(PanelBar(f)->value(), 4);
        drag.release();
    }

    void dropAfterTheRowScrolledAwayBringsTheWordBack()
    {
        // A word dropped on the grid after its row scrolled out of view is brought back into view and selected.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(ManyWords(30)));
        Gesture drag = DragRow(f, 0);
        const QPoint bar = Centre(f, PanelBar(f));
        drag.to(bar);
        QCOMPARE(PanelBar(f)->value(), 1);
        drag.to(bar + QPoint(0, 1)).to(bar + QPoint(0, 2)).to(bar + QPoint(0, 3));
        QCOMPARE(f.puzzle().wtop, 4);
        QCOMPARE(Row(f, 0)->text(), QStringLiteral("W04"));
        drag.to(Cell(f, 1, 1));
        drag.release();
        QCOMPARE(f.puzzle().Words[1].stat, STAT_PLACED);
        QCOMPARE(f.puzzle().wtop, 1);
        QCOMPARE(Row(f, 0)->text(), QStringLiteral("W01"));
        QCOMPARE(Row(f, 0)->background(), PLACED_ROW);
        QVERIFY(f.control<QLabel>(QStringLiteral("lb_wind"))->isVisible());
        QCOMPARE(f.puzzle().curw, 1);
    }

    void rightPressOnTheGridClearsTheCurrentWord()
    {
        // A right-button press on a word cell leaves no current word; its release empties the entry boxes.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 2, 2, "Acro"}})));
        QTest::mouseClick(Row(f, 0), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(f.puzzle().curw, 1);
        Gesture press(Pb(f), CellPixel(2, 2), Qt::RightButton);
        QCOMPARE(f.puzzle().curw, 0);
        press.release();
        QVERIFY(f.control<QLineEdit>(QStringLiteral("inp_word"))->text().isEmpty());
        QVERIFY(!f.control<QLabel>(QStringLiteral("lb_wind"))->isVisible());
        QVERIFY(!RedBox(f)->isVisible());
        QVERIFY(!f.control<QAbstractButton>(QStringLiteral("cb_delword"))->isEnabled());
    }

    void leftPressOnAnEmptyCellClearsTheSelection()
    {
        // A left press on a cell outside every word hides the marker and the red box and leaves no current word.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 2, 2, "Acro"}})));
        QTest::mouseClick(Row(f, 0), Qt::LeftButton, {}, QPoint(20, 10));
        Gesture press(Pb(f), CellPixel(5, 5));
        QCOMPARE(f.puzzle().curw, 0);
        QVERIFY(!f.control<QLabel>(QStringLiteral("lb_wind"))->isVisible());
        QVERIFY(!RedBox(f)->isVisible());
        QVERIFY(f.control<QGroupBox>(QStringLiteral("fr_inp"))->title().isEmpty());
        press.release();
        QVERIFY(f.control<QLineEdit>(QStringLiteral("inp_word"))->text().isEmpty());
    }

    void secondButtonDuringADragEndsItWithoutLeavingThePictureUp()
    {
        // A right press during a drag ends it; once released, the picture is gone and the grid has its colour back.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(OnWhite(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"DOG"}}))));
        Gesture fromRow = DragRow(f, 1);
        QTest::mousePress(Row(f, 1), Qt::RightButton, {}, QPoint(20, 10));
        QTest::mouseRelease(Row(f, 1), Qt::RightButton, {}, QPoint(20, 10));
        QVERIFY(!DragPicture(f)->isVisible());
        QCOMPARE(GridBackground(f), qRgb(255, 255, 255));
        fromRow.release();
        Gesture fromGrid(Pb(f), CellPixel(2, 2));
        fromGrid.to(FarAway(f));
        QVERIFY(DragPicture(f)->isVisible());
        QTest::mousePress(Pb(f), Qt::RightButton, {}, CellPixel(9, 9));
        QTest::mouseRelease(Pb(f), Qt::RightButton, {}, CellPixel(9, 9));
        QVERIFY(!DragPicture(f)->isVisible());
        QCOMPARE(GridBackground(f), qRgb(255, 255, 255));
        fromGrid.release();
        QCOMPARE(f.puzzle().Words[1].stat, STAT_UNPLACED);
    }

    void dragPictureShowsTheGridBeneathItAboveEverything()
    {
        // The drag picture lies on top of every control, its corner on the pointer, showing the grid picture beneath it.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"BOA", 6, 3, "Down"}, {"CAT"}})));
        Gesture drag = DragRow(f, 1);
        const QPoint corner = Cell(f, 5, 4) + QPoint(3, 0);
        drag.to(corner);
        QLabel *picture = DragPicture(f);
        QCOMPARE(picture->parent(), f.window.get());
        QCOMPARE(f.window->children().constLast(), picture);
        QCOMPARE(picture->pos(), corner);
        const QImage shown = picture->pixmap().toImage();
        const QImage &grid = f.window->gridImage();
        const QPoint source = corner - Pb(f)->pos() - QPoint(1, 1);
        for (const QPoint at : {QPoint(3, 3), QPoint(5, 17), QPoint(25, 5), QPoint(45, 2)})
            QCOMPARE(shown.pixel(at), grid.pixel(source + at));
        drag.release();
    }
};

QTEST_MAIN(TestWindowDrag)
#include "test_window_drag.moc"
