// The grid picture read back pixel by pixel, in design and play mode and at
// pixel ratio 2, and its cells told in words as a screen reader reads them.
#include "grid_pixels.h"
#include "puzzle_builder.h"
#include "view/grid_description.h"
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

    void cellsAreToldByTheirWordsAndTheLetterSeen_data()
    {
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<bool>("validWord");
        QTest::addColumn<bool>("gridWords");
        QTest::addColumn<QString>("answers");  // the player's, across|down
        QTest::addColumn<QString>("told");
        // clang-format off
        QTest::newRow("crossing")        << QPoint(1, 1) << false << false << true  << "|"       << "1 Across, letter 1 of 3; 1 Down, letter 1 of 3: C";
        QTest::newRow("block")           << QPoint(2, 2) << false << false << true  << "|"       << "block";
        QTest::newRow("grid words off")  << QPoint(3, 1) << false << false << false << "|"       << "1 Across, letter 3 of 3: empty";
        QTest::newRow("never solution")  << QPoint(1, 3) << true  << false << true  << "|"       << "1 Down, letter 3 of 3: empty";
        QTest::newRow("player's letter") << QPoint(3, 1) << true  << true  << false << "CAB|"    << "1 Across, letter 3 of 3: B";
        QTest::newRow("shown right")     << QPoint(2, 1) << true  << true  << false << "CAT|"    << "1 Across, letter 2 of 3, right: A";
        QTest::newRow("indicator off")   << QPoint(2, 1) << true  << false << false << "CAT|"    << "1 Across, letter 2 of 3: A";
        QTest::newRow("design not right")<< QPoint(2, 1) << false << true  << true  << "CAT|"    << "1 Across, letter 2 of 3: A";
        QTest::newRow("right drawn last")<< QPoint(1, 1) << true  << true  << false << "XAT|COW" << "1 Across, letter 1 of 3; 1 Down, letter 1 of 3, right: C";
        // clang-format on
    }

    void cellsAreToldByTheirWordsAndTheLetterSeen()
    {
        // A cell names each word through it and its place there, marks a word the indicator shows right, then
        // tells the letter the picture shows in it: the word's in design mode with the grid words on, the
        // player's in play mode, the right word's where two disagree; a cell of no word is a block.
        QFETCH(QPoint, cell);
        QFETCH(bool, playing);
        QFETCH(bool, validWord);
        QFETCH(bool, gridWords);
        QFETCH(QString, answers);
        QFETCH(QString, told);
        Puzzle p = Crossing();
        p.gridwrd = gridWords;
        for (int w = 1; w <= 2; ++w) {
            p.Words[w].pword.assign(answers.split('|')[w - 1].toStdString());
            p.Words[w].pwok = p.Words[w].pword == p.Words[w].word ? 1 : 0;
        }
        QCOMPARE(CellDescription(p, cell.x(), cell.y(), {playing, false, validWord}), told.toStdString());
    }
};

QTEST_MAIN(TestView)
#include "test_view.moc"
