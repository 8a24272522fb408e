// The grid picture read back pixel by pixel: sizes, cell and background
// colours, grid lines, letters and numbers, in design and play mode.
#include "puzzle_builder.h"
#include "view/grid_renderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>

namespace {

const QRgb WHITE = qRgb(255, 255, 255);
const QRgb BLACK = qRgb(0, 0, 0);
const QRgb GREY = qRgb(128, 128, 128);
const QRgb YELLOW = qRgb(255, 255, 0);

// A pixel of cell (c, r) away from its letter and its number.
QRgb CellPaper(const QImage &image, int c, int r)
{
    return image.pixel((c - 1) * 20 + 4, (r - 1) * 20 + 17);
}

// Black pixels where the letter of cell (c, r) is drawn.
int LetterInk(const QImage &image, int c, int r)
{
    int ink = 0;
    for (int x = (c - 1) * 20 + 8; x < c * 20; ++x)
        for (int y = (r - 1) * 20 + 8; y < r * 20; ++y)
            ink += image.pixel(x, y) == BLACK;
    return ink;
}

// Black pixels where the clue number of cell (c, r) is drawn.
int NumberInk(const QImage &image, int c, int r)
{
    int ink = 0;
    for (int x = (c - 1) * 20 + 2; x < (c - 1) * 20 + 8; ++x)
        for (int y = (r - 1) * 20 + 1; y < (r - 1) * 20 + 9; ++y)
            ink += image.pixel(x, y) == BLACK;
    return ink;
}

Puzzle Crossing()
{
    // C A T
    // O # #
    // W # #
    Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}}, 15, 15);
    p.gridclr = Rgb{0, 128, 128};
    return p;
}

} // namespace

class TestGridPicture : public QObject {
    Q_OBJECT
private slots:
    void pictureIsOnePixelWiderThanItsCells()
    {
        // 15 x 15 cells give 301 x 301 pixels, 24 x 24 give 481 x 481, 16 x 20 give 321 x 401.
        Puzzle p;
        p.gcols = p.grows = 15;
        QCOMPARE(RenderGrid(p, false).size(), QSize(301, 301));
        p.gcols = p.grows = 24;
        QCOMPARE(RenderGrid(p, false).size(), QSize(481, 481));
        p.gcols = 16;
        p.grows = 20;
        QCOMPARE(RenderGrid(p, false).size(), QSize(321, 401));
    }

    void emptyGridShowsBackgroundAndBlackLines()
    {
        // With no word placed only the background colour and the black grid show.
        Puzzle p;
        p.gcols = p.grows = 15;
        p.gridclr = Rgb{0, 128, 128};
        const QImage image = RenderGrid(p, false);
        QCOMPARE(image.pixel(10, 10), qRgb(0, 128, 128));
        QCOMPARE(image.pixel(0, 10), BLACK);
        QCOMPARE(image.pixel(20, 10), BLACK);
        QCOMPARE(image.pixel(300, 150), BLACK);
        QCOMPARE(image.pixel(150, 300), BLACK);
        QCOMPARE(image.pixel(150, 0), BLACK);
    }

    void wordCellsAreWhiteWithLettersAndNumbers()
    {
        // Word cells are white and carry their letter; the start cell carries its number.
        const Puzzle p = Crossing();
        const QImage image = RenderGrid(p, false);
        QCOMPARE(CellPaper(image, 2, 1), WHITE);
        QCOMPARE(CellPaper(image, 1, 3), WHITE);
        QCOMPARE(CellPaper(image, 2, 2), qRgb(0, 128, 128));
        QVERIFY(LetterInk(image, 3, 1) > 5);
        QVERIFY(NumberInk(image, 1, 1) > 2);
        QCOMPARE(NumberInk(image, 2, 1), 0);
    }

    void gridWordsOffHidesLettersButNotNumbers()
    {
        // With grid words off the word cells stay white and numbered, without letters.
        Puzzle p = Crossing();
        p.gridwrd = false;
        const QImage image = RenderGrid(p, false);
        QCOMPARE(LetterInk(image, 3, 1), 0);
        QCOMPARE(LetterInk(image, 1, 3), 0);
        QCOMPARE(CellPaper(image, 3, 1), WHITE);
        QVERIFY(NumberInk(image, 1, 1) > 2);
    }

    void backgroundIsGreyWhileDragging()
    {
        // While a word is dragged the background is grey whatever colour is chosen.
        Puzzle p = Crossing();
        p.dragging = true;
        QCOMPARE(CellPaper(RenderGrid(p, false), 3, 3), GREY);
    }

    void playModeShowsAnswersAndMarksRightWordsYellow()
    {
        // In play mode cells show the player's answer; with the indicator on a right word is yellow
        // over its whole length, the crossing cell included.
        Puzzle p = Crossing();
        p.runmode = "Play";
        p.Words[1].pword.assign("CAT");
        p.Words[1].pwok = 1;
        p.Words[2].pword.assign("C");
        QImage image = RenderGrid(p, true);
        QCOMPARE(CellPaper(image, 1, 1), YELLOW);
        QCOMPARE(CellPaper(image, 3, 1), YELLOW);
        QCOMPARE(CellPaper(image, 1, 2), WHITE);
        QCOMPARE(LetterInk(image, 1, 2), 0);  // COW's empty answer cell shows nothing
        QVERIFY(LetterInk(image, 3, 1) > 5);
        image = RenderGrid(p, false);
        QCOMPARE(CellPaper(image, 3, 1), WHITE);
    }

    void playModeShowsNoLettersForEmptyAnswersEvenWithGridWordsOn()
    {
        // An empty answer leaves its cells white and blank; the numbers stay.
        Puzzle p = Crossing();
        p.runmode = "Play";
        const QImage image = RenderGrid(p, true);
        QCOMPARE(LetterInk(image, 2, 1), 0);
        QCOMPARE(CellPaper(image, 2, 1), WHITE);
        QVERIFY(NumberInk(image, 1, 1) > 2);
    }
};

QTEST_MAIN(TestGridPicture)
#include "test_grid_picture.moc"
