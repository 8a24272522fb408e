// The connected maker's search: words laid out in one piece, every word
// crossing another, on the grid's rules (grid/connected_canvas.h), aiming in
// this order at every word placed, the smallest extent, the most crossings.
//
// A fill is greedy: again and again the word whose best place scores highest
// goes in, where a word with few places left goes first and a place scores
// by its crossings and by how little it grows the extent, with small random
// draws breaking near ties; a word with no place waits. A few whole fills
// come first, each word left out pulling harder in the next. Then repairs:
// the words near a drawn cell of the best layout are taken out and the fill
// runs again, kept when no more words are left out. Once every word is in,
// the extent is cut by a line on its longer side and repairs go on within
// the smaller size until the words fit again; when a number of repairs in a
// row cannot do that on either side, the search stops. The work is counted
// in steps (places checked or scored, words laid), never in time, so a list
// and a random source give the same layout on every machine.
#pragma once

#include "document/gridlymod.h"
#include "grid/random_source.h"

#include <cstdint>
#include <string>
#include <vector>

struct ConnectedPlace {
    int col = 0;  // first letter, 1-based in the extent of the layout; 0 for a word left out
    int row = 0;
    bool across = true;
};

struct LeftOutWord {
    int word = 0;        // index in the list given, from 0
    std::string reason;  // "no shared letter with the placed words", "no free run of 22 cells", ...
};

struct ConnectedLayout {
    std::vector<ConnectedPlace> places;  // one per word, in the order given
    std::vector<LeftOutWord> leftOut;    // in list order; empty when every word is placed
    int cols = 0;                        // the extent of the placed words
    int rows = 0;
    bool complete() const { return leftOut.empty(); }
};

// How hard the search may work: each step of effort allows a fixed number of
// steps. The default ends a search that never settles after about a second
// on the 2-core machine the benchmarks run on; most lists finish far sooner.
constexpr int CONNECTED_EFFORT = 10;
constexpr int CONNECTED_EFFORT_MAX = 1000;

struct ConnectedLimits {
    int maxCols = GRIDMAX;  // the extent may not be wider or taller
    int maxRows = GRIDMAX;
    int effort = CONNECTED_EFFORT;  // 1..CONNECTED_EFFORT_MAX
};

// Lays out words (each 1..GRIDMAX characters, at most max(maxCols, maxRows);
// two or more words need two or more characters each) within the limits.
// Returns the best layout found: every word placed if any try managed it,
// else the most words in one piece, each word left out named with why. The
// same words, limits and draws give the same layout. A single word lies
// across alone (down when only that fits).
ConnectedLayout MakeConnectedLayout(const std::vector<std::string> &words, const ConnectedLimits &limits,
                                    const RandomSource &random);
