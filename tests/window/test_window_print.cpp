// Printing the puzzle from the main window: when it prints, the question for
// an unfinished grid, the pictures it hands to the printer, and a generated
// puzzle printed through the real printer into a PDF file.
#include "document/puzzle_file.h"
#include "puzzle_builder.h"
#include "window_fixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <random>

using Answer = Desktop::Answer;

namespace {

QByteArray Bytes(const Puzzle &p)
{
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

// CAT across 1, COW down 1, TEN down 2.
Puzzle ThreeWords()
{
    return MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}});
}

// The printer's text operations only: "print x,y text" and "line x,y text".
QStringList PrintedText(const QStringList &log)
{
    return log.filter(QRegularExpression(QStringLiteral("^(print|line) ")));
}

} // namespace

class TestWindowPrint : public QObject {
    Q_OBJECT
private slots:
    void nothingIsPrintedWithoutAPlacedWord_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("no words") << QByteArray();
        QTest::newRow("no word in the grid") << Bytes(MakePuzzle({{"CAT"}, {"DOG"}}));
    }
    void nothingIsPrintedWithoutAPlacedWord()
    {
        // With no word in the grid Print neither asks nor prints.
        QFETCH(QByteArray, file);
        WindowFixture f;
        QVERIFY(f.start());
        if (!file.isEmpty())
            f.open(file);
        f.click(QStringLiteral("cb_print"));
        QVERIFY(f.desktop.messages.isEmpty());
        QVERIFY(f.desktop.printed.isEmpty());
    }

    void unfinishedGridAsksFirst_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("text");
        QTest::newRow("No") << Answer::No << QStringList();
        QTest::newRow("Yes") << Answer::Yes
                             << QStringList{"print 0,7740 Across", "line 5500,7740 Down",
                                            "print 0,7980 1- Clue of CAT"};
    }
    void unfinishedGridAsksFirst()
    {
        // A word outside the grid brings the question; No ends the command, Yes
        // prints the placed words only.
        QFETCH(Answer, answer);
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG"}})));
        f.desktop.answer(answer);
        f.click(QStringLiteral("cb_print"));
        QCOMPARE(f.desktop.messages.size(), 1);
        const ShownMessage &shown = f.desktop.messages.first();
        QCOMPARE(shown.text, QStringLiteral("Crossword Grid is Not Completed, Continue Printing"));
        QCOMPARE(shown.title, QStringLiteral("Print"));
        QVERIFY(shown.buttons == Desktop::Buttons::YesNo);
        QVERIFY(shown.icon == Desktop::Icon::Question);
        QTEST(PrintedText(f.desktop.printed), "text");
    }

    void completeGridPrintsLogoGridAndClueColumns()
    {
        // A complete grid prints at once: the logo at the left and the grid
        // picture centred on x_mid, both at their natural size, then the clue
        // columns, one document.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(ThreeWords()));
        f.click(QStringLiteral("cb_print"));
        QVERIFY(f.desktop.messages.isEmpty());
        const QStringList &log = f.desktop.printed;
        QCOMPARE(log.filter(QStringLiteral("picture")),
                 (QStringList{"picture 12,240 64x67", "picture 3243,240 301x301"}));
        QCOMPARE(PrintedText(log), (QStringList{"print 0,7740 Across", "line 5500,7740 Down",
                                                "print 0,7980 1- Clue of CAT", "line 5500,7980 1- Clue of COW",
                                                "line 5500,8180 2- Clue of TEN"}));
        QCOMPARE(log.count(QStringLiteral("end")), 1);
        QCOMPARE(log.last(), QStringLiteral("end"));
        QVERIFY(!f.desktop.waiting);
    }

    void gridPrintsAsTheViewShowsIt()
    {
        // With grid words off the printed grid is the picture on screen: the
        // numbered grid without its letters.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(ThreeWords()));
        const QImage withWords = f.window->gridImage();
        f.click(QStringLiteral("ck_gridwrd"));
        f.click(QStringLiteral("cb_print"));
        QCOMPARE(f.desktop.printedPictures.size(), 2);
        QCOMPARE(f.desktop.printedPictures[1], f.window->gridImage());
        QVERIFY(f.desktop.printedPictures[1] != withWords);
    }

    void withoutAPrinterNothingHappens()
    {
        // No default printer: no message, and the command ends quietly.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(Bytes(ThreeWords()));
        f.desktop.hasPrinter = false;
        f.click(QStringLiteral("cb_print"));
        QVERIFY(f.desktop.messages.isEmpty());
        QVERIFY(f.desktop.printed.isEmpty());
        QVERIFY(!f.desktop.waiting);
    }

    void generatedPuzzlePrintsIntoAPdfFile()
    {
        // A generated grid printed through the Qt printer: the PDF holds one
        // page whose text has both headings and every clue with its number.
        std::mt19937 engine(7);
        WindowFixture f;
        QVERIFY(f.start({}, [&engine] { return engine() * 0x1.0p-32; }));
        const QStringList words{"CROSSWORD", "PUZZLE", "GRID", "CLUE", "ACROSS", "DOWN", "PRINTER", "PAGE"};
        for (const QString &word : words)
            f.addWord(word, "A clue for " + word.toLower());
        f.desktop.answer(Answer::Yes);
        f.click(QStringLiteral("cb_procAutosz"));
        QVERIFY(f.puzzle().complete());

        f.desktop.printerPdfFile = f.path(QStringLiteral("page.pdf"));
        f.click(QStringLiteral("cb_print"));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {f.desktop.printerPdfFile, QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(60000), "pdftotext (poppler-utils) reads the page back");
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        QVERIFY(text.contains(QLatin1String("Across")));
        QVERIFY(text.contains(QLatin1String("Down")));
        for (int w = 1; w <= f.puzzle().nwords; ++w) {
            const WordEntry &entry = f.puzzle().Words[w];
            const QString clue = QStringLiteral("%1- %2").arg(entry.nbr).arg(QString::fromStdString(entry.clue.trimmed()));
            QVERIFY2(text.contains(clue), qPrintable(clue));
        }
    }
};

QTEST_MAIN(TestWindowPrint)
#include "test_window_print.moc"
