// Automatic grid generation: one greedy pass over the words in random order,
// without backtracking, and the commands that retry it (auto size, fixed
// size) or place a single word. The window asks, reports and redraws; these
// functions only change the puzzle.
#pragma once

#include "document/gridlymod.h"
#include "grid/random_source.h"
#include "grid/search.h"

#include <string_view>

// What a first word longer than the grid in use may do.
enum class Sizing {
    Auto,   // it runs past gcols; the size is fitted to the words afterwards
    Fixed,  // the run fails at once (one word left out, nothing placed), so no
            // word ever lies outside the grid in use
};

// One run: empties the grid, lays a randomly drawn first word across at a
// random place, then takes the other words in random order with alternating
// directions (down, across, ...), each at the first crossing position or else
// the first free one. Words placed without a crossing are then given one if
// the finished grid offers it. Returns the number of words left out; 0 means
// every word is placed and numbered. On failure the grid is empty and the
// word records keep the run's values.
// Precondition: p.nwords >= 1.
int GenCWGrid(Puzzle &p, const RandomSource &random, Sizing sizing);

// "Generate (Auto Size)" without its question and message: up to five runs
// at each of the sizes 16, 18, 20, 22 and 24. On success the grid is cut (or
// widened) to the smallest size holding every word, there is no current word
// and the puzzle is changed. On failure the size is restored and every word
// taken out of the grid. Nothing happens, and false is returned, without words.
bool GenerateAutoSize(Puzzle &p, const RandomSource &random);

// "Generate (Fixed Size)" without its question and message: up to ten runs at
// the current size. On success gcolsmin/growsmin take the size, there is no
// current word and the puzzle is changed; on failure every word is taken out
// of the grid. Nothing happens, and false is returned, without words.
bool GenerateFixedSize(Puzzle &p, const RandomSource &random);

// "Auto Put Word in Grid": places the current word, when there is one and it
// is not in the grid, at the first crossing position across, else down, else
// the first free position down, else across; then renumbers. Returns where
// the word went; nothing found leaves the puzzle as it was.
Found AutoPutWord(Puzzle &p);

// The confirmation both generate commands ask first (Yes/No).
inline constexpr std::string_view GENERATE_QUESTION_TITLE = "New Grid";
inline constexpr std::string_view GENERATE_QUESTION = "Process a New Crossword Grid";

// The information box after every run of a generate command failed.
inline constexpr std::string_view GENERATE_FAILED_TITLE = "Unabled to Generate Grid";
constexpr std::string_view GenerateFailedText(Sizing sizing)
{
    return sizing == Sizing::Auto ? "Unabled to Generate Grid.\r"
                                    "Decrease the Number of Words, Or \r"
                                    "Increase the Grid Size, Or \r"
                                    "Try to Generate Again."
                                  : "Unabled to Generate Grid.\r"
                                    "Decrease the Number of Words,\r"
                                    "Increase the Grid Size, Or \r"
                                    "Try to Generate Again.";
}
