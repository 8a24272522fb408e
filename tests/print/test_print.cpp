// The printed page: the clue lines in two columns, a line that would pass the
// bottom of the page, and the Qt printer writing PDF files read back with
// poppler (forty clues over two pages; the grid as text and lines).
#include "print/clue_layout.h"
#include "print/print_head.h"
#include "print/puzzle_page.h"
#include "print/qt_page_printer.h"
#include "puzzle_builder.h"
#include "test_files.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Words given as "A7" (across, clue 7), "D12" (down, clue 12) or "U" (not in
// the grid), in list order; the clue of "A7" is " Clue A7 " (printed without
// the outer blanks). Only what the clue block reads is set: no grid.
Puzzle CluePuzzle(const QStringList &words)
{
    Puzzle p;
    for (const QString &item : words) {
        const std::string name = item.toStdString();
        AppendWord(p, "W" + std::to_string(p.nwords + 1), " Clue " + name + " ");
        if (name == "U")
            continue;
        WordEntry &entry = p.Words[p.nwords];
        entry.stat = STAT_PLACED;
        SetDirection(entry, name[0] == 'A' ? "Acro" : "Down");
        entry.nbr = int16_t(std::stoi(name.substr(1)));
        ++p.nplaced;
    }
    return p;
}

// A high-resolution A4 printer writing a PDF file.
std::unique_ptr<QPrinter> PdfPrinter(const QString &file)
{
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(file);
    pdf->setPageSize(QPageSize(QPageSize::A4));
    return pdf;
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void cluesPairByNumber_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("lines");
        QTest::newRow("3 across, 5 down")
            << QStringList{"A1", "D2", "D3", "A4", "D5", "A6", "D7", "D8"}
            << "1- Clue A1|2- Clue D2\n4- Clue A4|3- Clue D3\n6- Clue A6|5- Clue D5\n|7- Clue D7\n|8- Clue D8";
        QTest::newRow("5 across, 2 down")
            << QStringList{"A1", "A2", "D3", "A4", "A5", "D6", "A7"}
            << "1- Clue A1|3- Clue D3\n2- Clue A2|6- Clue D6\n4- Clue A4|\n5- Clue A5|\n7- Clue A7|";
        QTest::newRow("only down") << QStringList{"D1", "D2", "D3"} << "|1- Clue D1\n|2- Clue D2\n|3- Clue D3";
        QTest::newRow("no leading zero") << QStringList{"A12", "D12", "A7"} << "7- Clue A7|12- Clue D12\n12- Clue A12|";
        QTest::newRow("list order does not count")
            << QStringList{"D8", "A6", "D2", "A1", "D7", "D3", "A4", "D5"}
            << "1- Clue A1|2- Clue D2\n4- Clue A4|3- Clue D3\n6- Clue A6|5- Clue D5\n|7- Clue D7\n|8- Clue D8";
        QTest::newRow("words not in the grid left out") << QStringList{"U", "A1", "U", "D2"} << "1- Clue A1|2- Clue D2";
    }
    void cluesPairByNumber()
    {
        // Line j holds the j-th across and the j-th down clue, each column in clue-number order, each clue
        // after its number without its outer blanks.
        QFETCH(QStringList, words);
        QStringList lines;
        for (const ClueLine &line : ClueLines(CluePuzzle(words)))
            lines << QString::fromStdString(line.across.value_or("") + "|" + line.down.value_or(""));
        QTEST(lines.join('\n'), "lines");
    }

    void lineBreaksThePageOnlyWhenItWouldPassTheBottom_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<bool>("breaks");
        QTest::newRow("ends exactly at the bottom") << 9773 << 227 << false;
        QTest::newRow("one twip past the bottom") << 9774 << 227 << true;
        QTest::newRow("taller than the page, at the top") << 0 << 12000 << false;
    }
    void lineBreaksThePageOnlyWhenItWouldPassTheBottom()
    {
        // A line that would pass the bottom of a 10000-twip page goes to the top of the next page in the
        // same column; a line at the top of a page never breaks.
        QFETCH(int, y);
        QFETCH(int, lineHeight);
        QFETCH(bool, breaks);
        PrintHead head(10000);
        head.setX(5500);
        head.setY(y);
        QCOMPARE(head.breakPageFor(lineHeight), breaks);
        QCOMPARE(QPoint(head.x(), head.y()), QPoint(5500, breaks ? 0 : y));
    }

    void fortyAcrossCluesGoOnToASecondPage()
    {
        // Forty clues at 10 points pass the bottom of an A4 page: every clue is printed once, in order, in
        // Windows-1252 read as such, under the headings, and those that do not fit go on on a second page.
        QStringList words, expected;
        for (int n = 1; n <= 40; ++n) {
            words << QStringLiteral("A%1").arg(n);
            expected << QStringLiteral("%1- Clue A%1").arg(n);
        }
        Puzzle p = CluePuzzle(words);
        p.Words[3].clue.assign("Caf\xE9 au lait");
        expected[2] = QStringLiteral("3- Caf\u00E9 au lait");
        QTemporaryDir dir;
        QtPagePrinter printer(PdfPrinter(dir.filePath("page.pdf")));
        PrintPuzzlePage(printer, p, QImage(), {});

        const QStringList pages = ProgramOutput("pdftotext", {dir.filePath("page.pdf"), "-"}).split('\f');
        QCOMPARE(pages.size(), 3);  // two pages, each ended by a form feed
        QVERIFY(pages[0].contains(QLatin1String("Across")) && pages[0].contains(QLatin1String("Down")));
        static const QRegularExpression clue(QStringLiteral("\\d+- .+"));
        QStringList onPage[2];
        for (int page = 0; page < 2; ++page)
            for (const QRegularExpressionMatch &m : clue.globalMatch(pages[page]))
                onPage[page] << m.captured();
        QCOMPARE(onPage[0] + onPage[1], expected);
        QVERIFY(onPage[0].size() > 20 && !onPage[1].isEmpty());
    }

    void pageIsTextAndLinesButTheLogo()
    {
        // The grid goes onto paper as lines and text: its letters and numbers are text like the headings and
        // clues, and the one picture is the logo, without the alpha channel that would make the print filters
        // flatten the whole page into a bitmap.
        const Puzzle p = MakePuzzle({{"QUIZ", 1, 1, "Acro", "Short test"}, {"QUEEN", 1, 1, "Down", "Chess piece"}});
        QImage logo(64, 67, QImage::Format_ARGB32);
        logo.fill(Qt::transparent);
        QTemporaryDir dir;
        const QString file = dir.filePath("page.pdf");
        QtPagePrinter printer(PdfPrinter(file));
        PrintPuzzlePage(printer, p, logo, {});
        QCOMPARE(ProgramOutput("pdftotext", {"-raw", file, "-"}).simplified(),
                 QStringLiteral("Q U I Z Q U E E N 1 1 Across Down 1- Short test 1- Chess piece"));
        const QStringList images = ProgramOutput("pdfimages", {"-list", file}).split('\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(images.size(), 1);
        QVERIFY(images[0].contains(QRegularExpression(" image +64 +67 ")));
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
