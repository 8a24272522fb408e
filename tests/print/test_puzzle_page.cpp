// The printed puzzle as a sequence of printer operations: pictures at the top,
// headings and clue columns from the middle of the page down.
#include "print/puzzle_page.h"
#include "print_tests.h"
#include "scripted_desktop.h"

#include <QTest>

class TestPuzzlePage : public QObject {
    Q_OBJECT
private slots:
    void pageIsPrintedPictureHeadingsThenClueLines()
    {
        // Courier 12 for the pictures and the underlined bold headings, 10 for the
        // clues; the grid is centred on x_mid and the text starts a line below y_mid.
        Puzzle p = CluePuzzle({"D2", "A1", "A3"});
        p.Words[3].clue.assign("Caf\xE9 au lait");
        QStringList log;
        QList<QImage> pictures;
        RecordingPrinter printer(log, pictures);
        QImage logo(64, 67, QImage::Format_RGB32);
        logo.fill(Qt::red);
        QImage grid(301, 241, QImage::Format_RGB32);
        grid.fill(Qt::black);
        PrintPuzzlePage(printer, p, logo, grid);
        QCOMPARE(log, (QStringList{
            "font Courier", "size 12",
            "newline", "picture 12,240 64x67", "picture 3243,240 301x241",
            "y 7500", "colour #000000", "newline",
            "bold on", "underline on", "print 0,7740 Across", "x 5500", "line 5500,7740 Down",
            "bold off", "underline off",
            "size 10",
            "print 0,7980 1- Clue A1", "x 5500", "line 5500,7980 2- Clue D2",
            "print 0,8180 3- Caf\u00E9 au lait",
            "end"}));
        QCOMPARE(pictures, (QList<QImage>{logo, grid}));
    }
};

int RunPuzzlePageTests(int argc, char **argv)
{
    TestPuzzlePage tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_puzzle_page.moc"
