// The Qt page printer writing a PDF file: the text read back from the file
// (poppler's pdftotext), its place on the page, the page break, the pictures
// at their natural size, and a printer that refuses to begin.
#include "print/puzzle_page.h"
#include "print/qt_page_printer.h"
#include "print_tests.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>

namespace {

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One word of a PDF page as pdftotext finds it, in points from the top-left
// corner of the sheet.
struct PdfWord {
    int page;
    QString text;
    double left, top, right, bottom;
};

QList<PdfWord> PdfWords(const QString &pdfFile)
{
    const QString html = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")});
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfWord> words;
    int page = 0;
    for (const QRegularExpressionMatch &m : tag.globalMatch(html)) {
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.append({page, text, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                      m.captured(4).toDouble()});
    }
    return words;
}

int PageCount(const QList<PdfWord> &words)
{
    int pages = 0;
    for (const PdfWord &word : words)
        pages = std::max(pages, word.page);
    return pages;
}

// The lines of one page as "left column|right column", top to bottom; a word
// belongs to the right column when it starts at splitX or beyond.
QStringList PageLines(const QList<PdfWord> &words, int page, double splitX)
{
    std::map<int, std::pair<QStringList, QStringList>> lines;  // by top, to the point
    for (const PdfWord &word : words) {
        if (word.page != page)
            continue;
        auto &line = lines[qRound(word.top)];
        (word.left >= splitX - 0.5 ? line.second : line.first) << word.text;
    }
    QStringList text;
    for (const auto &[top, line] : lines)
        text << line.first.join(' ') + '|' + line.second.join(' ');
    return text;
}

const PdfWord *FindWord(const QList<PdfWord> &words, const QString &text)
{
    const auto found = std::find_if(words.begin(), words.end(), [&](const PdfWord &w) { return w.text == text; });
    return found == words.end() ? nullptr : &*found;
}

// A PDF file in a temporary folder, A4, and its printable area in points.
class PdfPage {
public:
    PdfPage()
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file());
        printer->setPageSize(QPageSize(QPageSize::A4));
        printable = printer->pageLayout().paintRect(QPageLayout::Point);
        this->printer = std::make_unique<QtPagePrinter>(std::move(printer));
    }
    QString file() const { return m_dir.filePath(QStringLiteral("page.pdf")); }

    QRectF printable;
    std::unique_ptr<QtPagePrinter> printer;

private:
    QTemporaryDir m_dir;
};

QImage Filled(int width, int height, Qt::GlobalColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The bounding box of the black pixels of an image.
QRect BlackBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 64)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestQtPagePrinter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext and pdftoppm (poppler-utils) read the printed pages back");
    }

    void printedPuzzleReadsBackAsHeadingsOverTwoClueColumns()
    {
        // The page holds "Across" at the left margin and "Down" at x_mid, each
        // line pairing an across and a down clue, in Courier (Liberation Mono)
        // with bold headings.
        PdfPage pdf;
        Puzzle p = CluePuzzle({"A1", "D2", "A3", "D4", "D5"});
        p.Words[3].clue.assign("Caf\xE9 au lait");
        const double x_mid = pdf.printer->pageWidth() / 2 / 20.0;
        PrintPuzzlePage(*pdf.printer, p, Filled(64, 67, Qt::red), Filled(301, 301, Qt::black));

        const QList<PdfWord> words = PdfWords(pdf.file());
        QCOMPARE(PageCount(words), 1);
        QCOMPARE(PageLines(words, 1, pdf.printable.left() + x_mid),
                 (QStringList{"Across|Down", "1- Clue A1|2- Clue D2", "3- Caf\u00E9 au lait|4- Clue D4",
                              "|5- Clue D5"}));
        const PdfWord *across = FindWord(words, QStringLiteral("Across"));
        const PdfWord *down = FindWord(words, QStringLiteral("Down"));
        QVERIFY(across && down);
        QCOMPARE(qRound(across->left), qRound(pdf.printable.left()));
        QCOMPARE(qRound(down->left), qRound(pdf.printable.left() + x_mid));
        const double y_mid = pdf.printable.top() + pdf.printable.height() / 2;
        QVERIFY2(across->top > y_mid + 10 && across->top < y_mid + 20, "one 12-point line below the middle");

        const QString fonts = Run(QStringLiteral("pdffonts"), {pdf.file()});
        QVERIFY2(fonts.contains(QLatin1String("LiberationMono-Bold")), qPrintable(fonts));
        QVERIFY2(fonts.contains(QRegularExpression(QStringLiteral("LiberationMono\\s"))), qPrintable(fonts));
    }

    void fortyAcrossCluesContinueOnASecondPage()
    {
        // Forty clues at 10 points pass the bottom of the page: every clue is
        // printed once, in order, the ones that do not fit at the top of a
        // second page in the across column, and nothing below the printable area.
        PdfPage pdf;
        PrintPuzzlePage(*pdf.printer, CluePuzzle(AcrossClues(40)), Filled(64, 67, Qt::red),
                        Filled(481, 481, Qt::black));

        const QList<PdfWord> words = PdfWords(pdf.file());
        QCOMPARE(PageCount(words), 2);
        const double split = pdf.printable.center().x();
        QStringList lines = PageLines(words, 1, split);
        QCOMPARE(lines.takeFirst(), QStringLiteral("Across|Down"));
        const qsizetype onFirstPage = lines.size();
        QVERIFY(onFirstPage > 20 && onFirstPage < 40);
        lines += PageLines(words, 2, split);
        QStringList expected;
        for (int n = 1; n <= 40; ++n)
            expected << QStringLiteral("%1- Clue A%1|").arg(n);
        QCOMPARE(lines, expected);

        for (const PdfWord &word : words)
            QVERIFY2(word.bottom <= pdf.printable.bottom() + 0.5, qPrintable(word.text));
        const PdfWord *continued = FindWord(words, QStringLiteral("%1-").arg(onFirstPage + 1));
        QVERIFY(continued);
        QCOMPARE(continued->page, 2);
        QCOMPARE(qRound(continued->left), qRound(pdf.printable.left()));
        QVERIFY2(continued->top < pdf.printable.top() + 3, "at the top of the printable area");
    }

    void textLandsAtTheCurrentPositionInTwips()
    {
        // Text printed at (2880, 1440) twips stands two inches right of and one
        // inch below the top-left of the printable area; a line end moves the
        // next text down by the distance the current y moved.
        PdfPage pdf;
        pdf.printer->setFontName(QStringLiteral("Courier"));
        pdf.printer->setFontSize(10);
        pdf.printer->setCurrentX(2880);
        pdf.printer->setCurrentY(1440);
        pdf.printer->printLine(QStringLiteral("First"));
        const int lineHeight = pdf.printer->currentY() - 1440;
        QCOMPARE(pdf.printer->currentX(), 0);
        pdf.printer->printStay(QStringLiteral("Second"));
        QVERIFY(pdf.printer->currentX() > 0);
        pdf.printer->endDoc();

        const QList<PdfWord> words = PdfWords(pdf.file());
        const PdfWord *first = FindWord(words, QStringLiteral("First"));
        const PdfWord *second = FindWord(words, QStringLiteral("Second"));
        QVERIFY(first && second);
        QCOMPARE(qRound(first->left), qRound(pdf.printable.left() + 144));
        QVERIFY(qAbs(first->top - (pdf.printable.top() + 72)) < 1.5);
        QCOMPARE(qRound(second->left), qRound(pdf.printable.left()));
        QVERIFY(qAbs(second->top - first->top - lineHeight / 20.0) < 0.1);
    }

    void pictureIsDrawnAtFifteenTwipsToThePixel()
    {
        // A 301-pixel picture drawn at (3000, 1500) twips covers 301 pixels of a
        // 96-dot-per-inch rendering, 200 and 100 pixels from the printable area's corner.
        PdfPage pdf;
        pdf.printer->drawPicture(3000, 1500, Filled(301, 301, Qt::black));
        pdf.printer->endDoc();

        const QString png = pdf.file() + QStringLiteral(".png");
        Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf.file(), pdf.file()});
        const QRect box = BlackBox(QImage(png));
        const QPointF corner = pdf.printable.topLeft() * 96 / 72;
        QVERIFY2(qAbs(box.left() - (corner.x() + 200)) <= 1, qPrintable(QString::number(box.left())));
        QVERIFY2(qAbs(box.top() - (corner.y() + 100)) <= 1, qPrintable(QString::number(box.top())));
        QVERIFY2(qAbs(box.width() - 301) <= 1, qPrintable(QString::number(box.width())));
        QVERIFY2(qAbs(box.height() - 301) <= 1, qPrintable(QString::number(box.height())));
    }

    void printerThatCannotBeginSkipsEveryDrawing()
    {
        // An output the printer cannot open is not reported: the page is
        // worked through to its end, the position still moves, and no file appears.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("missing/page.pdf"));
        auto output = std::make_unique<QPrinter>(QPrinter::HighResolution);
        output->setOutputFormat(QPrinter::PdfFormat);
        output->setOutputFileName(file);
        QtPagePrinter printer(std::move(output));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        PrintPuzzlePage(printer, CluePuzzle({"A1", "D2"}), Filled(64, 67, Qt::red), Filled(301, 301, Qt::black));
        QVERIFY(printer.currentY() > printer.pageHeight() / 2);
        QVERIFY(!QFile::exists(file));
    }
};

int RunQtPagePrinterTests(int argc, char **argv)
{
    TestQtPagePrinter tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_qt_page_printer.moc"
