// The connected-grid maker over many seeds, checked from the finished grid
// alone: the letters of the grid read as exactly the puzzle's words, in one
// piece.
#include "document/puzzle_invariants.h"
#include "document/word_list.h"
#include "grid/connected_grid.h"
#include "puzzle_builder.h"

#include <QFile>

#include <map>
#include <tuple>

namespace {

Puzzle EverydayWords(int count = MAXWORDS)
{
    QFile file(GRIDLY_EVERYDAY_WORDS);
    file.open(QIODevice::ReadOnly);
    Puzzle p = ReadWordList(file.readAll().toStdString()).puzzle;
    p.nwords = int16_t(count);
    return p;
}

// The first broken rule of a connected grid, or "".
std::string ConnectedFault(const Puzzle &p)
{
    if (const std::string fault = CheckInvariants(p); !fault.empty())
        return fault;
    const auto letter = [&](int c, int r) { return Grid<char>::inside(c, r) && p.CWGrid(c, r) != CELL_EMPTY; };
    // Every run of two or more letters, across and down, is a word, and every word such a run.
    std::map<std::tuple<int, int, bool>, int> runs;
    int cells = 0;
    for (int c = 1; c <= GRIDMAX; ++c)
        for (int r = 1; r <= GRIDMAX; ++r) {
            cells += letter(c, r);
            for (const bool across : {true, false}) {
                const int dc = across, dr = !across;
                int length = 0;
                while (letter(c + dc * length, r + dr * length))
                    ++length;
                if (!letter(c - dc, r - dr) && length >= 2)
                    runs[{c, r, across}] = length;
            }
        }
    for (int i = 1; i <= p.nwords; ++i)
        if (runs.erase({p.Words[i].gc, p.Words[i].gr, p.Words[i].across()}) != 1)
            return p.Words[i].word.trimmed() + " is not a run of its own";
    if (!runs.empty())
        return "a run that is no word";
    // One piece: every letter is reached from the first word's first letter. With
    // letters meeting only along words, that makes every word cross another.
    Grid<bool> seen{false};
    std::vector<std::pair<int, int>> todo{{p.Words[1].gc, p.Words[1].gr}};
    int reached = 0;
    while (!todo.empty()) {
        const auto [c, r] = todo.back();
        todo.pop_back();
        if (!letter(c, r) || seen(c, r))
            continue;
        seen(c, r) = true;
        ++reached;
        todo.insert(todo.end(), {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}});
    }
    return reached == cells ? "" : "more than one piece";
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

    void listsThatCannotConnectAreRefused()
    {
        // A one-letter word crosses nothing; a word longer than the grid fits nowhere.
        Puzzle p = MakePuzzle({{"CAT"}, {"A"}});
        QCOMPARE(ConnectedRefusal(p, Sizing::Auto), "Word 2 \"A\" has one letter, so it cannot cross another word");
        p = MakePuzzle({{"CAT"}, {"ABCDEFGHIJKLMNOP"}});
        QCOMPARE(ConnectedRefusal(p, Sizing::Fixed), "Word 2 \"ABCDEFGHIJKLMNOP\" is longer than the grid");
        QCOMPARE(ConnectedRefusal(p, Sizing::Auto), "");
    }
};

QTEST_APPLESS_MAIN(TestConnectedGrid)
#include "test_connected_grid.moc"
