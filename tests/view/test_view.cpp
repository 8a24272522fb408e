// The grid picture read back pixel by pixel, in design and play mode and at
// pixel ratio 2.
#include "grid_pixels.h"
#include "puzzle_builder.h"
#include "view/grid_renderer.h"

#include <QTest>

namespace {

// CAT across and COW down from cell (1, 1) on a teal background.
Puzzle Crossing()
{
    Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}}, 15, 15);
    p.gridclr = Rgb{0, 128, 128};
    return p;
}

} // namespace

class TestView : public QObject {
    Q_OBJECT
private slots:
    void wordCellsAreWhiteWithLettersOnTheBackgroundBetweenBlackLines()
    {
        // Word cells are white and carry their letter, other cells show the background colour, grid lines are black.
        const QImage image = RenderGrid(Crossing());
        QCOMPARE(CellPaper(image, 2, 1), qRgb(255, 255, 255));
        QCOMPARE(CellPaper(image, 2, 2), qRgb(0, 128, 128));
        QVERIFY(LetterInk(image, 3, 1) > 5);
        for (const QPoint line : {QPoint(0, 10), QPoint(20, 10), QPoint(300, 150), QPoint(150, 300), QPoint(150, 0)})
            QCOMPARE(image.pixel(line), qRgb(0, 0, 0));
    }

    void playModeMarksRightWordsYellowWithTheIndicator()
    {
        // In play mode, with the indicator on, a right word is yellow over its whole length, the crossing cell included.
        Puzzle p = Crossing();
        p.Words[1].pword.assign("CAT");
        p.Words[1].pwok = 1;
        const QImage image = RenderGrid(p, {.playing = true, .validWord = true});
        QCOMPARE(CellPaper(image, 1, 1), qRgb(255, 255, 0));
        QCOMPARE(CellPaper(image, 3, 1), qRgb(255, 255, 0));
        QCOMPARE(CellPaper(RenderGrid(p, {.playing = true}), 3, 1), qRgb(255, 255, 255));
    }

    void ratioTwoDrawsEveryPixelAnew()
    {
        // At pixel ratio 2 the picture has twice the pixels each way at the same size in the window, a grid
        // line is two of them wide, and the letters are drawn at that size, not the ratio-1 picture scaled up.
        const QImage two = RenderGrid(Crossing(), {}, 2);
        QCOMPARE(two.size(), QSize(602, 602));
        QCOMPARE(WindowSize(two), QSize(301, 301));
        QCOMPARE(QList<QRgb>({two.pixel(79, 10), two.pixel(80, 10), two.pixel(81, 10), two.pixel(82, 10)}),
                 QList<QRgb>({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        const QRect letter(96, 16, 24, 24);  // the letter of cell (3, 1)
        const QImage scaled = RenderGrid(Crossing()).scaled(602, 602);
        QVERIFY(two.copy(letter) != scaled.copy(letter));
    }
};

QTEST_MAIN(TestView)
#include "test_view.moc"
