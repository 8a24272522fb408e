// The connected-grid maker on a puzzle: the words of the list laid out by
// the connected search (grid/connected_search.h) and put into the grid. The
// tool's "make --connected" runs it; a window command can run the same two
// steps, asking between them when words are left out.
#pragma once

#include "document/gridlymod.h"
#include "grid/connected_search.h"
#include "grid/generator.h"

#include <string>

// Why the words 1..nwords of p cannot be laid out connected within maxCols x
// maxRows at all, or "" when they may be: a one-letter word (in a list of two
// or more), or a word longer than the grid may be in either direction.
std::string ConnectedRefusal(const Puzzle &p, int maxCols, int maxRows);

// The words 1..nwords of p laid out within the limits; leftOut names them by
// their index in the list, from 0. ConnectedRefusal must be "".
ConnectedLayout MakeConnectedLayout(const Puzzle &p, const ConnectedLimits &limits, const RandomSource &random);

// Puts a layout of the words 1..nwords of p into the grid: every word it
// places, at its place and numbered; every word it leaves out, out of the
// grid. With Sizing::Auto the grid in use is fitted to the layout (never
// below GRIDMIN), with Sizing::Fixed it keeps its size, which must hold the
// layout. No word is current afterwards, and the puzzle is changed.
void PlaceConnectedLayout(Puzzle &p, const ConnectedLayout &layout, Sizing sizing);
