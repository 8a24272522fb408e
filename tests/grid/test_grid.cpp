// The grid core: the legality test and the searches, generation runs on
// scripted draws, and moving all words with the player's letters.
#include "document/puzzle_file.h"
#include "grid/generator.h"
#include "document/puzzle_grid.h"
#include "grid/grid_size.h"
#include "puzzle_builder.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace std::string_literals;

namespace {

// One generation run, or the Auto Size command, on draws written down by the
// test and handed out in order (past the end, spread values let it end). The
// words left out (the command: 0 on success), or -1 unless it took every draw
// and not one more.
int Run(Puzzle &p, const std::vector<double> &script, bool autoSizeCommand = false)
{
    std::size_t next = 0;
    const RandomSource draws = [&] {
        return next < script.size() ? script[next++] : std::fmod(0.618 * double(next++), 1.0);
    };
    const int result = autoSizeCommand ? !GenerateAutoSize(p, draws) : GenCWGrid(p, draws, Sizing::Fixed);
    return next == script.size() ? result : -1;
}

// The draw that Int(n * R + 1) turns into k, 1 <= k <= n.
double Pick(int k, int n)
{
    return (k - 0.5) / n;
}
constexpr double ANY = 0.5;  // a draw with a single place to choose from

std::string At(int col, int row)
{
    return "(" + std::to_string(col) + "," + std::to_string(row) + ")";
}

std::string Place(const WordEntry &entry)
{
    return At(entry.gc, entry.gr) + " " + DirectionOf(entry);
}

// The clue numbers in list order: "1 1 2".
std::string Numbers(const Puzzle &p)
{
    std::string text;
    for (int i = 1; i <= p.nwords; ++i)
        text += (i > 1 ? " " : "") + std::to_string(p.Words[i].nbr);
    return text;
}

// Letters anywhere in the 24 x 24 arrays.
int LetterCount(const Puzzle &p)
{
    const std::string cells = SolutionRows(p, GRIDMAX, GRIDMAX);
    return int(std::count_if(cells.begin(), cells.end(), [](char c) { return c != CELL_EMPTY && c != '\n'; }));
}

} // namespace

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    void positionLegality_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("dr");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("dragging");
        QTest::addColumn<bool>("legal");
        // The grid holds CAT across at (1,1), TOE down from its T and the one-letter word O at (8,8).
        QTest::newRow("crossing") << "BE" << "Acro" << 2 << 3 << false << true;
        QTest::newRow("letter right after, placing") << "AB" << "Acro" << 1 << 3 << false << false;
        QTest::newRow("letter right after, dragging") << "AB" << "Acro" << 1 << 3 << true << true;
        QTest::newRow("along a word its way, placing") << "CATS" << "Acro" << 1 << 1 << false << false;
        QTest::newRow("inside a word its way, dragging") << "CA" << "Acro" << 1 << 1 << true << false;
        QTest::newRow("one letter on a letter, dragging") << "E" << "Acro" << 3 << 3 << true << false;
        QTest::newRow("one letter, free") << "E" << "Acro" << 5 << 5 << false << true;
        QTest::newRow("through a one-letter word") << "ON" << "Down" << 8 << 8 << false << false;
        QTest::newRow("letter beside, placing") << "ANT" << "Down" << 2 << 1 << false << false;
        QTest::newRow("letter beside, dragging") << "ANT" << "Down" << 2 << 1 << true << true;
        QTest::newRow("clash, dragging") << "ONE" << "Down" << 2 << 1 << true << false;
        QTest::newRow("free beside, placing") << "XY" << "Down" << 4 << 1 << false << false;
        QTest::newRow("free beside, dragging") << "XY" << "Down" << 4 << 1 << true << true;
        QTest::newRow("free on a letter, dragging") << "XY" << "Down" << 3 << 1 << true << false;
        QTest::newRow("free, last columns in use") << "XY" << "Acro" << 14 << 5 << false << true;
        QTest::newRow("free, past gcols") << "XY" << "Acro" << 15 << 5 << false << false;
        QTest::newRow("past column 24") << "CATCH" << "Acro" << 22 << 1 << true << false;
        QTest::newRow("past row 24") << "TO" << "Down" << 24 << 24 << true << false;
    }
    void positionLegality()
    {
        // A crossing shares a letter, clashes with none, and has empty cells before, after and beside its
        // empty cells; a free place is empty all round and inside the grid in use. Dragging leaves out
        // the before, after and beside tests. No cell is shared with a word of the same direction, and a
        // one-letter word lies both ways. Nothing past the arrays is legal.
        QFETCH(QString, word);
        QFETCH(QString, dr);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(bool, dragging);
        QFETCH(bool, legal);
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"TOE", 3, 1, "Down"}, {"O", 8, 8, "Acro"}});
        const std::string w = word.toStdString();
        const Found at = SearchCWGrid(p, w, int(w.size()), DirectionFromBytes(dr.toStdString()).value(), col, row, true, true, dragging);
        QCOMPARE(At(at.fndcol, at.fndrow), legal ? At(col, row) : At(0, 0));
    }

    void searchOrder()
    {
        // Crossings across scan the start column first: column 1 row 7 comes before column 2 row 1, and the
        // last column a word fits in is scanned too. A free run that reaches a cell with a letter beside is
        // lost whole; the next starts after it.
        Puzzle p = MakePuzzle({{"XC", 1, 6, "Down"}, {"AB", 3, 1, "Down"}});
        QVERIFY(SearchCWGrid(p, "CAT", 3, Direction::Across, 2, 1, true, false).found());
        const Found crossing = MatchLetters(p, "CAT", Direction::Across);
        QCOMPARE(At(crossing.fndcol, crossing.fndrow), "(1,7)"s);
        const Found last = MatchLetters(MakePuzzle({{"AB", 15, 1, "Down"}}), "XB", Direction::Across);
        QCOMPARE(At(last.fndcol, last.fndrow), "(14,2)"s);
        p = MakePuzzle({{"ABCDEFGHIJKLMNOP", 1, 1, "Acro"}, {"KZ", 11, 1, "Down"}}, 16, 16);
        const Found free = GetEmpty(p, 4, Direction::Across);
        QCOMPARE(At(free.fndcol, free.fndrow), "(12,3)"s);
        // Four free cells that end at a letter are no place for four letters: the cell after must be empty.
        const Found beforeALetter = GetEmpty(MakePuzzle({{"AB", 5, 1, "Down"}}), 4, Direction::Across);
        QCOMPARE(At(beforeALetter.fndcol, beforeALetter.fndrow), "(7,1)"s);
    }

    void firstWordGoesAtTheDrawnPlaceThenDirectionsAlternate()
    {
        // The first word goes across at the drawn column and row, each one of gcols - lw places; then the
        // directions alternate down, across, down, and a word already taken is drawn again.
        Puzzle p = MakePuzzle({{"CAT"}, {"TOP"}, {"OPAL"}, {"LID"}});
        const std::vector<double> draws{Pick(1, 4), Pick(5, 12), Pick(7, 12), Pick(2, 4), Pick(1, 4), Pick(3, 4),
                                        Pick(2, 4), Pick(4, 4)};
        QCOMPARE(Run(p, draws), 0);
        QCOMPARE(SolutionRows(p, 10, 11), "##########\n##########\n##########\n##########\n##########\n##########\n"
                                          "####CAT###\n######O###\n#####OPAL#\n########I#\n########D#"s);
        QCOMPARE(LetterCount(p), 10);
        QCOMPARE(Place(p.Words[1]) + " " + Place(p.Words[2]) + " " + Place(p.Words[3]) + " " + Place(p.Words[4]),
                 "(5,7) Acro (7,7) Down (6,9) Acro (9,9) Down"s);
        QCOMPARE(Numbers(p), "1 2 3 4"s);
    }

    void freeWordCrossedLaterKeepsItsPlace()
    {
        // DOG, placed free and crossed later by GNU, keeps its place in the tidying pass; the crossing names GNU.
        Puzzle p = MakePuzzle({{"CAT"}, {"DOG"}, {"GNU"}});
        QCOMPARE(Run(p, {Pick(1, 3), Pick(1, 12), Pick(1, 12), Pick(2, 3), Pick(3, 3)}), 0);
        QCOMPARE(SolutionRows(p, 4, 6), "CAT#\n####\nD###\nO###\nGNU#\n####"s);
        QCOMPARE(Place(p.Words[2]), "(1,3) Down"s);
        QCOMPARE(p.CWIdx(1, 5), 3);
        QCOMPARE(p.Words[2].stat, STAT_PLACED);
    }

    void uncrossedWordMovesToACrossingTheFinishedGridOffers()
    {
        // EGG, placed free before TEN went free across, is moved to cross TEN's E once every word is placed.
        Puzzle p = MakePuzzle({{"CAT"}, {"EGG"}, {"TEN"}});
        QCOMPARE(Run(p, {Pick(1, 3), Pick(1, 12), Pick(1, 12), Pick(2, 3), Pick(3, 3)}), 0);
        QCOMPARE(SolutionRows(p, 7, 4), "CAT#TEN\n#####G#\n#####G#\n#######"s);
        QCOMPARE(Place(p.Words[2]) + " " + Numbers(p), "(6,1) Down 1 3 2"s);
    }

    void autoSizeFitsTheGridToALongFirstWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("size");
        QTest::newRow("20 letters, wider") << "ABCDEFGHIJKLMNOPQRST" << "(20,15)";
        QTest::newRow("16 letters, a row less") << "ABCDEFGHIJKLMNOP" << "(16,15)";
    }
    void autoSizeFitsTheGridToALongFirstWord()
    {
        // A first word of 20 letters generated at 16 columns ends in a grid 20 columns wide; one of 16
        // letters leaves the last of 16 rows empty, and only the rows are cut.
        QFETCH(QString, word);
        QFETCH(QString, size);
        Puzzle p = MakePuzzle({{word.toStdString()}, {"BOX"}}, 24, 24);
        QCOMPARE(Run(p, {Pick(1, 2), ANY, ANY, Pick(2, 2)}, true), 0);
        QCOMPARE(QString::fromStdString(At(p.gcols, p.grows)), size);
        QCOMPARE(SolutionRows(p, 5, 4), "ABCDE\n#O###\n#X###\n#####"s);
        QCOMPARE(Numbers(p), "1 2"s);
    }

    void shiftWords_data()
    {
        QTest::addColumn<char>("tag");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("after");
        // The word is CAT across, in a size x size grid.
        QTest::newRow("down, 15 rows") << 'D' << 15 << 11 << 13 << "(11,13)";
        QTest::newRow("down, 16 rows") << 'D' << 16 << 11 << 13 << "(11,14)";
        QTest::newRow("right, 15 columns") << 'R' << 15 << 11 << 13 << "(11,13)";
        QTest::newRow("any other tag, 16 columns") << 'X' << 16 << 11 << 13 << "(12,13)";
        QTest::newRow("up from row 1") << 'U' << 15 << 4 << 1 << "(4,1)";
        QTest::newRow("up from row 2") << 'U' << 15 << 4 << 2 << "(4,1)";
        QTest::newRow("left from column 1") << 'L' << 15 << 1 << 4 << "(1,4)";
        QTest::newRow("left from column 2") << 'L' << 15 << 2 << 4 << "(1,4)";
        QTest::newRow("no word in the grid") << 'D' << 24 << 0 << 0 << "(0,0)";
    }
    void shiftWords()
    {
        // Up and left stop at row and column 1; down and right stop when the smallest size (never below 15)
        // is the size in use; only a move changes the puzzle.
        QFETCH(char, tag);
        QFETCH(int, size);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, after);
        Puzzle p = MakePuzzle({{"CAT", col, row, "Acro"}}, size, size);
        const bool moves = after.toStdString() != At(col, row);
        QCOMPARE(ShiftWords(p, tag), moves);
        QCOMPARE(QString::fromStdString(At(p.Words[1].gc, p.Words[1].gr)), after);
        QCOMPARE(p.changed, moves);
    }

    void aMoveCarriesLettersIndicesAndThePlayersLetters()
    {
        // After a move the letters, the word index and the player's letters follow the words; numbers stay,
        // and the puzzle is changed. Taking one word out keeps the letters of the others.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}}, 16, 16);
        p.Pgrid(1, 1) = 'C';
        p.Pgrid(3, 3) = 'N';
        QVERIFY(ShiftWords(p, 'R') && ShiftWords(p, 'D'));
        QVERIFY(p.changed);
        QCOMPARE(SolutionRows(p, 4, 4), "####\n#CAT\n#O#E\n#W#N"s);
        QCOMPARE(PlayRows(p, 4, 4), "####\n#C  \n# # \n# #N"s);
        QCOMPARE((QList<int>{p.CWIdx(2, 2), p.CWIdx(3, 2), p.CWIdx(4, 2), p.CWIdx(1, 1)}), (QList<int>{2, 1, 3, 0}));
        QCOMPARE(Numbers(p), "1 1 2"s);
        p.Words[3].stat = STAT_UNPLACED;  // taken out of the grid: the other words keep their letters
        LoadGrid(p);
        QCOMPARE(PlayRows(p, 4, 4), "####\n#C  \n# ##\n# ##"s);
    }
};

QTEST_APPLESS_MAIN(TestGrid)
#include "test_grid.moc"
