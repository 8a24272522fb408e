#include "sample_puzzles.h"

#include "document/text_codec.h"
#include "grid/generator.h"
#include "grid/grid_ops.h"
#include "play/play_grid.h"
#include "puzzle_builder.h"

#include <memory>
#include <random>
#include <stdexcept>

namespace {

const char *const FORTY_WORDS[] = {
    "ORANGE",  "APPLE",   "BANANA", "CHERRY",   "GRAPE",   "LEMON",   "MANGO",  "PEACH",
    "PEAR",    "PLUM",    "KIWI",   "MELON",    "OLIVE",   "ALMOND",  "WALNUT", "HAZELNUT",
    "PECAN",   "CASHEW",  "PEANUT", "COCONUT",  "RAISIN",  "DATE",    "FIG",    "LIME",
    "QUINCE",  "APRICOT", "GUAVA",  "PAPAYA",   "LYCHEE",  "TOMATO",  "CARROT", "POTATO",
    "ONION",   "GARLIC",  "PEPPER", "CELERY",   "SPINACH", "RADISH",  "TURNIP", "PARSNIP",
};

// The player has typed the right letters of the first half of the words and
// one wrong letter into the last word; the answers are then read back from
// the cells, as saving does.
void TypeAnswers(Puzzle &p)
{
    for (int w = 1; w <= p.nwords / 2; ++w) {
        const WordEntry &e = p.Words[w];
        for (int k = 1; k <= e.lw; ++k)
            p.Pgrid(e.cellCol(k), e.cellRow(k)) = p.CWGrid(e.cellCol(k), e.cellRow(k));
    }
    const WordEntry &last = p.Words[p.nwords];
    p.Pgrid(last.cellCol(1), last.cellRow(1)) = 'Z';
    PgridToPwords(p);
}

} // namespace

RandomSource SeededRandom(unsigned seed)
{
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return double((*engine)() >> 11) * 0x1.0p-53; };
}

Puzzle FortyUnplacedWords()
{
    std::vector<WordSpec> words;
    int n = 0;
    for (const char *word : FORTY_WORDS)
        words.push_back({word, 0, 0, "Acro", "Clue " + std::to_string(++n) + ": " + word});
    return MakePuzzle(words, GRIDMAX, GRIDMAX);
}

Puzzle FortyWordPuzzle()
{
    for (unsigned seed = 1; seed < 100; ++seed) {
        Puzzle p = FortyUnplacedWords();
        if (GenerateFixedSize(p, SeededRandom(seed))) {
            p.changed = false;
            return p;
        }
    }
    throw std::runtime_error("the forty words do not fit a 24 x 24 grid");
}

Puzzle FortyWordsHalfPlaced()
{
    Puzzle p = FortyWordPuzzle();
    for (int w = MAXWORDS / 2 + 1; w <= MAXWORDS; ++w)
        p.Words[w].stat = STAT_UNPLACED;
    LoadGrid(p);
    GenGridNbrs(p);
    p.changed = false;
    return p;
}

std::vector<SamplePuzzle> SamplePuzzles()
{
    std::vector<SamplePuzzle> samples;
    samples.push_back({"one word", MakePuzzle({{"CAT", 3, 2, "Acro"}})});
    samples.push_back({"fifteen by fifteen",
                       MakePuzzle({{"CROSSWORDPUZZLE", 1, 1, "Acro"}, {"CLUES", 1, 1, "Down"},
                                   {"ZEBRA", 13, 1, "Down"}, {"EMPTY", 15, 1, "Down"}},
                                  GRIDMIN, GRIDMIN)});
    samples.push_back({"words out of the grid",
                       MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG"}, {"COW", 1, 1, "Down"}, {"EEL"}}, 18, 16)});
    samples.push_back({"blanks and signs",
                       MakePuzzle({{"ROCK & ROLL", 2, 3, "Acro"}, {"X-RAY", 9, 1, "Down"},
                                   {"ICE CREAM", 4, 2, "Down"}, {"R2-D2"}},
                                  20, 20)});
    Puzzle accents = MakePuzzle({{"CAFE", 1, 1, "Acro"}, {"EURO", 4, 1, "Down"}});
    accents.Words[1].clue.assign(Utf8ToCp1252("Où l’on boit un “crème” – ©"));
    accents.Words[2].clue.assign(Utf8ToCp1252("€, not £ or ¥"));
    samples.push_back({"code page clues", accents});

    Puzzle forty = FortyWordPuzzle();
    Puzzle answered = forty;
    TypeAnswers(answered);
    samples.push_back({"answers typed in play", answered});
    samples.push_back({"forty words", forty});
    samples.push_back({"forty words, half in the grid", FortyWordsHalfPlaced()});
    samples.push_back({"forty words out of the grid", FortyUnplacedWords()});
    return samples;
}
