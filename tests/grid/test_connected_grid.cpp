// The connected-grid maker over many seeds, checked from the finished grid
// alone: the letters of the grid read as exactly the puzzle's words, in one
// piece.
#include "document/puz_file.h"
#include "document/puzzle_invariants.h"
#include "document/word_list.h"
#include "grid/connected_grid.h"
#include "grid/grid_pieces.h"
#include "puzzle_builder.h"

#include <QFile>

namespace {

Puzzle EverydayWords(int count = MAXWORDS)
{
    QFile file(GRIDLY_EVERYDAY_WORDS);
    file.open(QIODevice::ReadOnly);
    Puzzle p = ReadWordList(file.readAll().toStdString()).puzzle;
    p.nwords = int16_t(count);
    return p;
}

// The first broken rule of a connected grid, or "": the document's
// invariants; the letters read as exactly the puzzle's words, as a solver
// who finds the words from the pattern reads them (the rule the .puz writer
// refuses by, tested on its own); one piece, every word crossing another.
std::string ConnectedFault(const Puzzle &p)
{
    if (const std::string fault = CheckInvariants(p); !fault.empty())
        return fault;
    if (const std::string refusal = WritePuzFile(p, "", false, true).refusal; !refusal.empty())
        return refusal;
    const GridPieces pieces = CountPieces(p);
    return pieces.pieces == 1 && pieces.uncrossed == 0 ? "" : "more than one piece";
}

} // namespace

class TestConnectedGrid : public QObject {
    Q_OBJECT
private slots:
    void everySeedGivesOnePieceOnTheGridRules_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("size");  // 0: auto
        QTest::newRow("40 words, auto") << 40 << 0;
        QTest::newRow("20 words, 17 x 17") << 20 << 17;
    }
    void everySeedGivesOnePieceOnTheGridRules()
    {
        // Over 150 seeds every grid is one piece in which every word crosses another and the letters
        // read as the words and nothing else; auto fits the grid to the words, a fixed size stays.
        QFETCH(int, words);
        QFETCH(int, size);
        for (uint64_t seed = 1; seed <= 150; ++seed) {
            Puzzle p = EverydayWords(words);
            p.gcols = p.grows = int16_t(size ? size : GRIDMAX);
            ProgramRandom random(seed);
            QVERIFY(MakeConnectedGrid(p, random.source(), size ? Sizing::Fixed : Sizing::Auto));
            QCOMPARE(ConnectedFault(p), std::string());
            bool lastColumn = false, lastRow = false;  // used: the grid is cut to the words
            for (int k = 1; k <= GRIDMAX; ++k) {
                lastColumn = lastColumn || p.CWGrid(p.gcols, k) != CELL_EMPTY;
                lastRow = lastRow || p.CWGrid(k, p.grows) != CELL_EMPTY;
            }
            QVERIFY(size ? p.gcols == size && p.grows == size : lastColumn && lastRow);
        }
    }
};

QTEST_APPLESS_MAIN(TestConnectedGrid)
#include "test_connected_grid.moc"
