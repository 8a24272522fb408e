// The connected-grid maker: every word crosses at least one other and all of
// them form one piece, within a size limit, on the grid's own rules: letters
// agree where words cross, no two words of one direction share a cell, the
// cells before and after a word are empty, and a cell a word does not share
// has no letter beside it, so that no letters meet by accident.
//
// The maker works on a canvas of its own and only writes the finished layout
// into the Puzzle. Each try lays a long word first, then repeatedly places
// the word whose best crossing scores highest (more crossings, a smaller
// grid, a word with few places left first), with draws from the random source
// breaking ties; a try that strands a word is thrown away, up to a limit.
#pragma once

#include "document/gridlymod.h"
#include "grid/generator.h"
#include "grid/random_source.h"

#include <string>
#include <vector>

struct ConnectedPlace {
    int col = 0;  // first letter, 1-based in the finished grid
    int row = 0;
    bool across = true;
};

struct ConnectedLayout {
    std::vector<ConnectedPlace> places;  // one per word, in the order given; empty on failure
    int cols = 0;                        // the columns and rows the words use
    int rows = 0;
    int tries = 0;  // tries used
};

// Lays out words (1..GRIDMAX characters each; two or more words, none of one
// character, since a one-letter word crosses nothing) within maxCols x
// maxRows, trying up to maxTries times. A single word lies across alone.
ConnectedLayout MakeConnectedLayout(const std::vector<std::string> &words, int maxCols, int maxRows,
                                    const RandomSource &random, int maxTries = 200);

// The size a layout must keep within: 24 x 24 with Sizing::Auto, the grid
// in use (gcols x grows) with Sizing::Fixed.
int ConnectedMaxCols(const Puzzle &p, Sizing sizing);
int ConnectedMaxRows(const Puzzle &p, Sizing sizing);

// Why the words 1..nwords of p cannot be laid out connected at all, or ""
// when they may be: a one-letter word (in a list of two or more), or a word
// longer than the grid may be in either direction.
std::string ConnectedRefusal(const Puzzle &p, Sizing sizing);

// The tool's "make --connected": the words 1..nwords of p laid out in one
// connected piece. On success every word is placed and numbered, no word is
// current and the puzzle is changed; with Sizing::Auto the grid in use is
// fitted to the words (never below GRIDMIN), with Sizing::Fixed it keeps its
// size. On failure the puzzle is untouched. ConnectedRefusal(p, sizing) must
// be "".
bool MakeConnectedGrid(Puzzle &p, const RandomSource &random, Sizing sizing);
