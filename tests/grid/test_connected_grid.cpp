// The connected-grid maker over many seeds, checked from the finished grid
// alone: the letters of the grid read as exactly the placed words, in one
// piece; and the words it leaves out, each with its reason.
#include "document/puz_file.h"
#include "document/puzzle_invariants.h"
#include "document/word_list.h"
#include "grid/connected_grid.h"
#include "grid/grid_pieces.h"
#include "puzzle_builder.h"

#include <QFile>

namespace {

Puzzle WordList(const QString &path, int count = MAXWORDS)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    Puzzle p = ReadWordList(file.readAll().toStdString()).puzzle;
    p.nwords = int16_t(std::min<int>(count, p.nwords));
    return p;
}

// The first broken rule of a connected grid, or "": the document's
// invariants; the letters read as exactly the placed words, as a solver who
// finds the words from the pattern reads them (the rule the .puz writer
// refuses by, tested on its own); one piece, every word crossing another.
std::string ConnectedFault(const Puzzle &p)
{
    if (const std::string fault = CheckInvariants(p); !fault.empty())
        return fault;
    Puzzle placed = p;  // the placed words alone, for the writer that wants every word in the grid
    placed.nwords = 0;
    for (int i = 1; i <= p.nwords; ++i)
        if (p.Words[i].stat == STAT_PLACED)
            placed.Words[++placed.nwords] = p.Words[i];
    if (const std::string refusal = WritePuzFile(placed, "", false, true).refusal; !refusal.empty())
        return refusal;
    const GridPieces pieces = CountPieces(p);
    return pieces.pieces == 1 && (pieces.uncrossed == 0 || p.nplaced == 1) ? "" : "more than one piece";
}

std::string LeftOut(const std::vector<std::string> &words, const ConnectedLayout &layout)
{
    std::string text;
    for (const LeftOutWord &left : layout.leftOut)
        text += (text.empty() ? "" : "; ") + words[std::size_t(left.word)] + ": " + left.reason;
    return text;
}

} // namespace

class TestConnectedGrid : public QObject {
    Q_OBJECT
private slots:
    void everySeedGivesOnePieceOnTheGridRules_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("size");  // 0: auto
        QTest::addColumn<int>("seeds");
        QTest::addColumn<bool>("whole");  // every word placed on every seed
        QTest::newRow("40 words, auto") << GRIDLY_EVERYDAY_WORDS << 40 << 0 << 60 << true;
        QTest::newRow("20 words, 17 x 17") << GRIDLY_EVERYDAY_WORDS << 20 << 17 << 40 << true;
        QTest::newRow("3 and 4 letters") << GRIDLY_LISTS "/short.txt" << 40 << 0 << 40 << false;
        QTest::newRow("too long to fit") << GRIDLY_LISTS "/long.txt" << 40 << 0 << 6 << false;
    }
    void everySeedGivesOnePieceOnTheGridRules()
    {
        // Over many seeds every grid is one piece in which every placed word crosses another and the
        // letters read as the placed words and nothing else; auto fits the grid to the words, a fixed
        // size stays; every word left out is named, and only those.
        QFETCH(QString, list);
        QFETCH(int, words);
        QFETCH(int, size);
        QFETCH(int, seeds);
        QFETCH(bool, whole);
        for (uint64_t seed = 1; seed <= uint64_t(seeds); ++seed) {
            Puzzle p = WordList(list, words);
            p.gcols = p.grows = int16_t(size ? size : GRIDMAX);
            ProgramRandom random(seed);
            const ConnectedLayout layout =
                MakeConnectedLayout(p, ConnectedLimits{p.gcols, p.grows, 1}, random.source());
            QVERIFY(!whole || layout.complete());
            PlaceConnectedLayout(p, layout, size ? Sizing::Fixed : Sizing::Auto);
            QCOMPARE(ConnectedFault(p), std::string());
            QCOMPARE(p.nplaced + int(layout.leftOut.size()), p.nwords);
            for (const LeftOutWord &left : layout.leftOut)
                QCOMPARE(p.Words[left.word + 1].stat, STAT_NONE);
            bool lastColumn = false, lastRow = false;  // used: the grid is cut to the words
            for (int k = 1; k <= GRIDMAX; ++k) {
                lastColumn = lastColumn || p.CWGrid(p.gcols, k) != CELL_EMPTY;
                lastRow = lastRow || p.CWGrid(k, p.grows) != CELL_EMPTY;
            }
            QVERIFY(size ? p.gcols == size && p.grows == size
                         : (lastColumn || p.gcols == GRIDMIN) && (lastRow || p.grows == GRIDMIN));
        }
    }

    void wordsLeftOutAreNamedWithWhy_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("leftOut");
        QTest::newRow("every word") << QStringList{"CAT", "TEA", "EGG"} << 24 << 24 << "";
        QTest::newRow("no shared letter") << QStringList{"CAT", "TEA", "DOG"} << 24 << 24
                                          << "DOG: no shared letter with the placed words";
        // TUV...: across only, and its one shared letter, the T of CAT, lies beside the long word.
        QTest::newRow("no room") << QStringList{"ABDEFGHIJKLMNOP", "CAT", "TUVWXYZTUVWXYZTU"} << 16 << 15
                                 << "TUVWXYZTUVWXYZTU: no free run of 16 cells";
        // CUD joins CAT and DOG; TINY down from the T of CAT meets the G of DOG.
        QTest::newRow("letters clash") << QStringList{"CAT", "CUD", "DOG", "TINY"} << 24 << 24
                                       << "TINY: no free run of 4 cells where its letters agree";
    }
    void wordsLeftOutAreNamedWithWhy()
    {
        // The best layout keeps the most words in one piece; each word left out is named with what keeps
        // it out on that layout, whatever the seed.
        QFETCH(QStringList, words);
        QFETCH(int, cols);
        QFETCH(int, rows);
        QFETCH(QString, leftOut);
        std::vector<std::string> list;
        for (const QString &word : words)
            list.push_back(word.toStdString());
        for (uint64_t seed = 1; seed <= 5; ++seed) {
            ProgramRandom random(seed);
            const ConnectedLayout layout = MakeConnectedLayout(list, ConnectedLimits{cols, rows, 1}, random.source());
            QCOMPARE(QString::fromStdString(LeftOut(list, layout)), leftOut);
        }
    }
};

QTEST_APPLESS_MAIN(TestConnectedGrid)
#include "test_connected_grid.moc"
