#include "sample_puzzles.h"

#include "document/text_codec.h"
#include "grid/generator.h"
#include "document/puzzle_grid.h"
#include "play/play_grid.h"
#include "puzzle_builder.h"

#include <sstream>
#include <stdexcept>

namespace {

const char *const FORTY_WORDS = "ORANGE APPLE BANANA CHERRY GRAPE LEMON MANGO PEACH PEAR PLUM KIWI MELON OLIVE "
                                "ALMOND WALNUT HAZELNUT PECAN CASHEW PEANUT COCONUT RAISIN DATE FIG LIME QUINCE "
                                "APRICOT GUAVA PAPAYA LYCHEE TOMATO CARROT POTATO ONION GARLIC PEPPER CELERY "
                                "SPINACH RADISH TURNIP PARSNIP";

// The player has typed the right letters of the first half of the words and
// one wrong letter into the last word; the answers are then read back from
// the cells, as saving does.
Puzzle TypedAnswers(Puzzle p)
{
    for (int w = 1; w <= p.nwords / 2; ++w)
        for (int k = 1; k <= p.Words[w].lw; ++k)
            p.Pgrid(p.Words[w].cellCol(k), p.Words[w].cellRow(k)) =
                p.CWGrid(p.Words[w].cellCol(k), p.Words[w].cellRow(k));
    p.Pgrid(p.Words[p.nwords].cellCol(1), p.Words[p.nwords].cellRow(1)) = 'Z';
    PgridToPwords(p);
    return p;
}

// Forty different words, each with its own clue, none in the grid, on a
// 24 x 24 grid.
Puzzle FortyUnplacedWords()
{
    std::vector<WordSpec> words;
    std::istringstream in(FORTY_WORDS);
    for (std::string word; in >> word;)
        words.push_back({word, 0, 0, "Acro", "Clue " + std::to_string(words.size() + 1) + ": " + word});
    return MakePuzzle(words, GRIDMAX, GRIDMAX);
}

// The forty-word puzzle with words 21 to 40 taken out of the grid again.
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

} // namespace

Puzzle FortyWordPuzzle()
{
    for (unsigned seed = 1; seed < 100; ++seed) {
        Puzzle p = FortyUnplacedWords();
        ProgramRandom random(seed);
        if (GenerateFixedSize(p, random.source())) {
            p.changed = false;
            return p;
        }
    }
    throw std::runtime_error("the forty words do not fit a 24 x 24 grid");
}

std::vector<SamplePuzzle> SamplePuzzles()
{
    Puzzle accents = MakePuzzle({{"CAFE", 1, 1, "Acro"}, {"EURO", 4, 1, "Down"}});
    accents.Words[1].clue.assign(Utf8ToCp1252("Où l’on boit un “crème” – ©"));
    accents.Words[2].clue.assign(Utf8ToCp1252("€, not £ or ¥"));
    const Puzzle forty = FortyWordPuzzle();
    return {
        {"one word", MakePuzzle({{"CAT", 3, 2, "Acro"}})},
        {"fifteen by fifteen", MakePuzzle({{"CROSSWORDPUZZLE", 1, 1, "Acro"}, {"CLUES", 1, 1, "Down"},
                                           {"ZEBRA", 13, 1, "Down"}, {"EMPTY", 15, 1, "Down"}},
                                          GRIDMIN, GRIDMIN)},
        {"words out of the grid", MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG"}, {"COW", 1, 1, "Down"}, {"EEL"}}, 18, 16)},
        {"blanks and signs", MakePuzzle({{"ROCK & ROLL", 2, 3, "Acro"}, {"X-RAY", 9, 1, "Down"},
                                         {"ICE CREAM", 4, 2, "Down"}, {"R2-D2"}},
                                        20, 20)},
        {"code page clues", accents},
        {"answers typed in play", TypedAnswers(forty)},
        {"forty words", forty},
        {"forty words, half in the grid", FortyWordsHalfPlaced()},
        {"forty words out of the grid", FortyUnplacedWords()},
    };
}
