// Automatic generation: one run with scripted draws, the generate commands,
// the automatic placement of one word, and a property check over many lists.
#include "grid/generator.h"
#include "grid_tests.h"
#include "puzzle_builder.h"
#include "scripted_random.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

std::string PlaceOf(const WordEntry &entry)
{
    return "(" + std::to_string(entry.gc) + "," + std::to_string(entry.gr) + ") " + entry.dr.str();
}

std::string Lines(std::initializer_list<const char *> rows)
{
    std::string text;
    for (const char *row : rows)
        text += (text.empty() ? "" : "\n") + std::string(row);
    return text;
}

// Letters anywhere in the 24 x 24 arrays.
int LetterCount(const Puzzle &p)
{
    int count = 0;
    for (int c = 1; c <= GRIDMAX; ++c)
        for (int r = 1; r <= GRIDMAX; ++r)
            count += p.CWGrid(c, r) != CELL_EMPTY;
    return count;
}

// 5..40 distinct words of 2..12 letters from a small alphabet, so that they cross often.
Puzzle RandomWordList(std::mt19937 &rng)
{
    static const std::string alphabet = "AEEIOULNRSTDMPC";
    const int n = 5 + int(rng() % 36);
    std::set<std::string> words;
    while (int(words.size()) < n) {
        std::string word(2 + rng() % 11, ' ');
        for (char &letter : word)
            letter = alphabet[rng() % alphabet.size()];
        words.insert(word);
    }
    Puzzle p;
    p.gcols = p.grows = GRIDMAX;
    for (const std::string &word : words)
        AppendWord(p, word);
    return p;
}

// The first broken rule of a finished grid, or "" when it is sound: every word
// placed inside the grid in use with its letters in CWGrid, no other letters,
// and numbers 1, 2, 3 ... over the distinct start cells in reading order.
std::string GridFault(const Puzzle &p)
{
    if (p.nplaced != p.nwords)
        return "nplaced " + std::to_string(p.nplaced) + " of " + std::to_string(p.nwords);
    Grid<char> covered{' '};
    std::vector<std::pair<int, int>> starts;
    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &entry = p.Words[i];
        const std::string text = entry.word.trimmed();
        if (!entry.placed())
            return text + " not placed";
        for (int k = 1; k <= entry.lw; ++k) {
            const int c = entry.cellCol(k), r = entry.cellRow(k);
            if (c < 1 || c > p.gcols || r < 1 || r > p.grows)
                return text + " outside the grid";
            if (p.CWGrid(c, r) != text[std::size_t(k - 1)] || p.Pgrid(c, r) != CELL_UNFILLED || p.CWIdx(c, r) < 1)
                return text + " not in the arrays";
            covered(c, r) = 'x';
        }
        starts.emplace_back(entry.gr, entry.gc);
    }
    for (int c = 1; c <= GRIDMAX; ++c)
        for (int r = 1; r <= GRIDMAX; ++r)
            if (p.CWGrid(c, r) != CELL_EMPTY && covered(c, r) != 'x')
                return "stray letter";
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &entry = p.Words[i];
        const auto at = std::find(starts.begin(), starts.end(), std::make_pair(int(entry.gr), int(entry.gc)));
        if (entry.nbr != at - starts.begin() + 1)
            return entry.word.trimmed() + " numbered " + std::to_string(entry.nbr);
    }
    return {};
}

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT
private slots:
    void oneWordIsPlacedAcrossAtTheDrawnPosition()
    {
        // The first word goes across at the drawn column and row, each drawn from gcols - lw places.
        Puzzle p = MakePuzzle({{"CAT"}});
        ScriptedRandom draws({Pick(1, 1), Pick(5, 12), Pick(7, 12)});
        QCOMPARE(GenCWGrid(p, draws.source(), Sizing::Fixed), 0);
        QVERIFY(draws.usedUp());
        QCOMPARE(PlaceOf(p.Words[1]), std::string("(5,7) Acro"));
        QCOMPARE(SolutionRows(p, 8, 8),
                 Lines({"########", "########", "########", "########", "########", "########", "####CAT#", "########"}));
        QCOMPARE(LetterCount(p), 3);
        QCOMPARE(p.Words[1].nbr, 1);
    }

    void wordsTakeTurnsDownAndAcrossInDrawOrder()
    {
        // After the first word the directions alternate down, across, down; a drawn word already taken is drawn again.
        Puzzle p = MakePuzzle({{"CAT"}, {"TOP"}, {"OPAL"}, {"LID"}});
        ScriptedRandom draws({Pick(1, 4), Pick(5, 12), Pick(5, 12), Pick(2, 4), Pick(1, 4), Pick(3, 4), Pick(2, 4),
                              Pick(4, 4)});
        QCOMPARE(GenCWGrid(p, draws.source(), Sizing::Fixed), 0);
        QVERIFY(draws.usedUp());
        QCOMPARE(SolutionRows(p, 10, 10), Lines({"##########", "##########", "##########", "##########",
                                                 "####CAT###", "######O###", "#####OPAL#", "########I#",
                                                 "########D#", "##########"}));
        QCOMPARE(LetterCount(p), 10);
        QCOMPARE(PlaceOf(p.Words[2]), std::string("(7,5) Down"));
        QCOMPARE(PlaceOf(p.Words[3]), std::string("(6,7) Acro"));
        QCOMPARE(PlaceOf(p.Words[4]), std::string("(9,7) Down"));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(p.Words[i].nbr, i);
    }

    void uncrossedWordThatALaterWordCrossesIsLeftAlone()
    {
        // A word placed free and crossed later keeps its place, and the crossing cell still names the later word.
        Puzzle p = MakePuzzle({{"CAT"}, {"DOG"}, {"GNU"}});
        ScriptedRandom draws({Pick(1, 3), Pick(1, 12), Pick(1, 12), Pick(2, 3), Pick(3, 3)});
        QCOMPARE(GenCWGrid(p, draws.source(), Sizing::Fixed), 0);
        QVERIFY(draws.usedUp());
        QCOMPARE(SolutionRows(p, 4, 6), Lines({"CAT#", "####", "D###", "O###", "GNU#", "####"}));
        QCOMPARE(PlaceOf(p.Words[2]), std::string("(1,3) Down"));
        QCOMPARE(p.CWIdx(1, 5), 3);
        QCOMPARE(p.Words[2].stat, STAT_PLACED);
    }

    void uncrossedWordMovesToACrossingTheFinishedGridOffers()
    {
        // GNU, placed free at the top, crosses the later CUP when the tidying pass seeks it a place again.
        Puzzle p = MakePuzzle({{"CAT"}, {"TOE"}, {"GNU"}, {"CUP"}});
        ScriptedRandom draws({Pick(1, 4), Pick(5, 12), Pick(5, 12), Pick(2, 4), Pick(3, 4), Pick(4, 4)});
        QCOMPARE(GenCWGrid(p, draws.source(), Sizing::Fixed), 0);
        QVERIFY(draws.usedUp());
        QCOMPARE(SolutionRows(p, 8, 7), Lines({"########", "########", "########", "########", "####CAT#",
                                               "##GNU#O#", "####P#E#"}));
        QCOMPARE(LetterCount(p), 9);
        QCOMPARE(PlaceOf(p.Words[3]), std::string("(3,6) Acro"));
        QCOMPARE(p.Words[3].stat, STAT_PLACED);
        QCOMPARE(p.Words[1].nbr, 1);
        QCOMPARE(p.Words[4].nbr, 1);
        QCOMPARE(p.Words[2].nbr, 2);
        QCOMPARE(p.Words[3].nbr, 3);
    }

    void uncrossedWordTakesACrossingInTheOtherDirection()
    {
        // DOG, placed free going down, finds no crossing down at the end but crosses TWO going across.
        Puzzle p = MakePuzzle({{"CAT"}, {"DOG"}, {"BUN"}, {"TWO"}});
        ScriptedRandom draws({Pick(1, 4), Pick(5, 12), Pick(5, 12), Pick(2, 4), Pick(3, 4), Pick(4, 4)});
        QCOMPARE(GenCWGrid(p, draws.source(), Sizing::Fixed), 0);
        QVERIFY(draws.usedUp());
        QCOMPARE(SolutionRows(p, 9, 7), Lines({"##BUN####", "#########", "#########", "#########", "####CAT##",
                                               "######W##", "#####DOG#"}));
        QCOMPARE(LetterCount(p), 10);
        QCOMPARE(PlaceOf(p.Words[2]), std::string("(6,7) Acro"));
        QCOMPARE(p.Words[2].nbr, 4);
    }

    void uncrossedWordsWithNoCrossingLaterStayWhereTheyWere()
    {
        // Two words placed free that the finished grid gives no crossing go back to their places.
        Puzzle p = MakePuzzle({{"CAT"}, {"DOG"}, {"HOG"}});
        ScriptedRandom draws({Pick(1, 3), Pick(1, 12), Pick(1, 12), Pick(2, 3), Pick(3, 3)});
        QCOMPARE(GenCWGrid(p, draws.source(), Sizing::Fixed), 0);
        QVERIFY(draws.usedUp());
        QCOMPARE(SolutionRows(p, 8, 5), Lines({"CAT#HOG#", "########", "D#######", "O#######", "G#######"}));
        QCOMPARE(p.Words[2].stat, STAT_PLACED);
        QCOMPARE(p.Words[3].stat, STAT_PLACED);
        QCOMPARE(p.Words[1].nbr, 1);
        QCOMPARE(p.Words[3].nbr, 2);
        QCOMPARE(p.Words[2].nbr, 3);
    }

    void wordLeftOutFailsTheRunAndEmptiesTheGrid()
    {
        // A word with no crossing and no free run in its direction is left out (across had room) and the run fails.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNO"}, {"PQRSTUVWXYZPQR"}});
        ScriptedRandom draws({Pick(1, 2), ANY_DRAW, ANY_DRAW, Pick(2, 2)});
        QCOMPARE(GenCWGrid(p, draws.source(), Sizing::Fixed), 1);
        QVERIFY(draws.usedUp());
        QCOMPARE(LetterCount(p), 0);
        QCOMPARE(p.nplaced, 0);
        QCOMPARE(p.Words[2].stat, STAT_UNPLACED);
    }

    void fixedSizeRunFailsWhenTheFirstWordIsWiderThanTheGrid()
    {
        // At a fixed size a first word longer than gcols makes the run fail before anything is placed.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNOPQR"}, {"CAT"}}, 16, 16);
        ScriptedRandom draws({Pick(1, 2)});
        QVERIFY(GenCWGrid(p, draws.source(), Sizing::Fixed) != 0);
        QVERIFY(draws.usedUp());
        QCOMPARE(LetterCount(p), 0);
        QCOMPARE(p.nplaced, 0);
    }

    void autoSizeRunLetsTheFirstWordRunPastTheGrid()
    {
        // Under auto size a first word longer than gcols starts at column 1, row 1 and runs past the grid.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNOPQR"}, {"CAT"}}, 16, 16);
        ScriptedRandom draws({Pick(1, 2), ANY_DRAW, ANY_DRAW, Pick(2, 2)});
        QCOMPARE(GenCWGrid(p, draws.source(), Sizing::Auto), 0);
        QVERIFY(draws.usedUp());
        QCOMPARE(PlaceOf(p.Words[1]), std::string("(1,1) Acro"));
        QCOMPARE(PlaceOf(p.Words[2]), std::string("(3,1) Down"));
        QCOMPARE(p.CWGrid(18, 1), 'R');
    }

    void fixedSizeFailureTakesEveryWordOut()
    {
        // When all ten runs fail the grid is empty, no word is placed and the size is kept.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNOPQR", 1, 1, "Acro"}}, 18, 16);
        p.gcols = 16;
        ProgramRandom draws(7);
        QVERIFY(!GenerateFixedSize(p, draws.source()));
        QCOMPARE(p.Words[1].stat, STAT_NONE);
        QCOMPARE(LetterCount(p), 0);
        QCOMPARE(p.gcols, 16);
    }

    void fixedSizeSuccessKeepsTheSizeAsTheSmallest()
    {
        // A fixed-size grid is not cut down: the smallest size becomes the size in use.
        Puzzle p = MakePuzzle({{"CAT"}}, 20, 18);
        p.gcolsmin = p.growsmin = 15;
        p.curw = 1;
        ScriptedRandom draws({Pick(1, 1), Pick(1, 17), Pick(1, 15)});
        QVERIFY(GenerateFixedSize(p, draws.source()));
        QVERIFY(draws.usedUp());
        QCOMPARE(p.gcols, 20);
        QCOMPARE(p.grows, 18);
        QCOMPARE(p.gcolsmin, 20);
        QCOMPARE(p.growsmin, 18);
        QCOMPARE(p.curw, 0);
        QVERIFY(p.changed);
    }

    void autoSizeFailureRestoresTheSizeAndEmptiesTheGrid()
    {
        // Two 24-letter words sharing no letter fail at every size; the old size returns and no word is placed.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNOPQRSTUVWX"}, {"YYYYYYYYYYYYYYYYYYYYYYYY"}}, 20, 17);
        ProgramRandom draws(11);
        QVERIFY(!GenerateAutoSize(p, draws.source()));
        QCOMPARE(p.gcols, 20);
        QCOMPARE(p.grows, 17);
        QCOMPARE(p.Words[1].stat, STAT_NONE);
        QCOMPARE(p.Words[2].stat, STAT_NONE);
        QCOMPARE(p.nplaced, 0);
        QCOMPARE(LetterCount(p), 0);
    }

    void autoSizeEndsAtTheSmallestSizeHoldingTheWords()
    {
        // Generated at 16 x 16, a word ending in column 15, row 13 leaves a 15 x 15 grid.
        Puzzle p = MakePuzzle({{"CAT"}}, 24, 24);
        p.curw = 1;
        ScriptedRandom draws({Pick(1, 1), Pick(13, 13), Pick(13, 13)});
        QVERIFY(GenerateAutoSize(p, draws.source()));
        QVERIFY(draws.usedUp());
        QCOMPARE(p.gcols, 15);
        QCOMPARE(p.grows, 15);
        QCOMPARE(PlaceOf(p.Words[1]), std::string("(13,13) Acro"));
        QCOMPARE(p.CWGrid(15, 13), 'T');
        QCOMPARE(p.curw, 0);
        QVERIFY(p.changed);
    }

    void autoSizeWidensTheGridForALongFirstWord()
    {
        // A first word of 20 letters generated at 16 columns ends in a grid 20 columns wide.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNOPQRST"}, {"BOX"}}, 24, 24);
        ScriptedRandom draws({Pick(1, 2), ANY_DRAW, ANY_DRAW, Pick(2, 2)});
        QVERIFY(GenerateAutoSize(p, draws.source()));
        QVERIFY(draws.usedUp());
        QCOMPARE(p.gcols, 20);
        QCOMPARE(p.grows, 15);
        QCOMPARE(SolutionRows(p, 20, 4), Lines({"ABCDEFGHIJKLMNOPQRST", "#O##################",
                                                "#X##################", "####################"}));
        QCOMPARE(p.Words[1].nbr, 1);
        QCOMPARE(p.Words[2].nbr, 2);
    }

    void autoPutWordTriesCrossingAcrossFirst()
    {
        // OAK could cross COW across and HOT down; across is tried first.
        Puzzle p = MakePuzzle({{"COW", 1, 1, "Down"}, {"HOT", 5, 5, "Acro"}, {"OAK"}});
        p.curw = 3;
        const Found at = AutoPutWord(p);
        QCOMPARE(PlaceOf(p.Words[3]), std::string("(1,2) Acro"));
        QCOMPARE(at.fndcol, 1);
        QCOMPARE(at.fndrow, 2);
        QCOMPARE(p.Words[3].nbr, 2);
        QCOMPARE(p.Words[2].nbr, 3);
        QVERIFY(p.changed);
    }

    void autoPutWordCrossesDownWhenAcrossHasNoCrossing()
    {
        // With only an across word in the grid the word crosses it going down.
        Puzzle p = MakePuzzle({{"HOT", 5, 5, "Acro"}, {"OAK"}});
        p.curw = 2;
        QVERIFY(AutoPutWord(p).found());
        QCOMPARE(PlaceOf(p.Words[2]), std::string("(6,5) Down"));
    }

    void autoPutWordTakesAFreePlaceDownBeforeAcross()
    {
        // A word sharing no letter goes to the first free place down.
        Puzzle p = MakePuzzle({{"HOT", 1, 1, "Acro"}, {"BUZZ"}});
        p.curw = 2;
        QVERIFY(AutoPutWord(p).found());
        QCOMPARE(PlaceOf(p.Words[2]), std::string("(1,3) Down"));
    }

    void autoPutWordTakesAFreePlaceAcrossWhenDownHasNone()
    {
        // A full row across the middle leaves no free run of 11 down, so the word goes across.
        Puzzle p = MakePuzzle({{"ABCDEFGHIJKLMNO", 1, 8, "Acro"}, {"PQRSTUVWXYZ"}});
        p.curw = 2;
        QVERIFY(AutoPutWord(p).found());
        QCOMPARE(PlaceOf(p.Words[2]), std::string("(1,1) Acro"));
    }

    void autoPutWordWithNoPlaceChangesNothing()
    {
        // A word longer than the grid finds no place; nothing changes.
        Puzzle p = MakePuzzle({{"PQRSTUVWXYZPQRST"}});
        p.curw = 1;
        QVERIFY(!AutoPutWord(p).found());
        QCOMPARE(p.Words[1].stat, STAT_UNPLACED);
        QVERIFY(!p.changed);
        QCOMPARE(LetterCount(p), 0);
    }

    void autoPutWordNeedsACurrentWordOutsideTheGrid()
    {
        // Without a current word, or with one already in the grid, nothing happens.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG"}});
        QVERIFY(!AutoPutWord(p).found());
        p.curw = 1;
        QVERIFY(!AutoPutWord(p).found());
        QCOMPARE(PlaceOf(p.Words[1]), std::string("(1,1) Acro"));
        QVERIFY(!p.changed);
    }

    void failureMessagesDifferInTheSecondLine()
    {
        // The failure box texts, lines joined by a carriage return alone.
        QCOMPARE(std::string(GENERATE_FAILED_TITLE), std::string("Unabled to Generate Grid"));
        QCOMPARE(std::string(GenerateFailedText(Sizing::Auto)),
                 std::string("Unabled to Generate Grid.\rDecrease the Number of Words, Or \r"
                             "Increase the Grid Size, Or \rTry to Generate Again."));
        QCOMPARE(std::string(GenerateFailedText(Sizing::Fixed)),
                 std::string("Unabled to Generate Grid.\rDecrease the Number of Words,\r"
                             "Increase the Grid Size, Or \rTry to Generate Again."));
        QCOMPARE(std::string(GENERATE_QUESTION), std::string("Process a New Crossword Grid"));
        QCOMPARE(std::string(GENERATE_QUESTION_TITLE), std::string("New Grid"));
    }

    void programSourceHandsOutItsOwnDraws()
    {
        // A source taken from the program's generator draws from it, not from a copy, and stays in [0, 1).
        ProgramRandom a(5), b(5);
        const RandomSource source = a.source();
        QCOMPARE(source(), b());
        QCOMPARE(a(), b());
        QCOMPARE(source(), b());
        for (int i = 0; i < 10000; ++i) {
            const double r = source();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void everyGeneratedGridHoldsItsWordsNumberedInReadingOrder()
    {
        // Over 500 random lists, every successful command leaves a sound grid, every failed one an empty grid.
        std::mt19937 lists(20240601);
        ProgramRandom draws(42);
        const RandomSource random = draws.source();
        int successes = 0;
        for (int n = 0; n < 500; ++n) {
            Puzzle p = RandomWordList(lists);
            const bool fixed = n % 2 == 1;
            if (fixed ? GenerateFixedSize(p, random) : GenerateAutoSize(p, random)) {
                ++successes;
                const std::string fault = GridFault(p);
                QVERIFY2(fault.empty(), ("list " + std::to_string(n) + ": " + fault).c_str());
            } else {
                QCOMPARE(LetterCount(p), 0);
                QCOMPARE(p.gcols, GRIDMAX);
            }
        }
        QVERIFY2(successes >= 400, std::to_string(successes).c_str());
    }
};

std::unique_ptr<QObject> NewGeneratorTests()
{
    return std::make_unique<TestGenerator>();
}

#include "test_generator.moc"
