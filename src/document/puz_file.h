// The Across Lite .puz format, version 1.3: a 52-byte header with its
// checksums, the solution and the player's grid (one byte a cell, "." where
// no word runs, "-" for an empty cell), then NUL-terminated Latin-1 strings:
// title, author, copyright, the clues by number (across before down at one
// number) and the notes. Author, copyright and notes stay empty.
//
// A .puz file names no cell and numbers nothing: solvers number the grid
// from its pattern and give the clues out in that order. So a puzzle is
// refused, naming the first offending word or cell, when its pattern would
// read differently from its words, or when it holds what .puz cannot:
//   - a one-letter word (solvers number only runs of two or more);
//   - a cell other than A-Z or 0-9 (a blank, "&", "-");
//   - a word running on into a letter before or after it;
//   - a run of two or more letters that is not one of the words (letters of
//     two words touching side by side).
#pragma once

#include "document/export_grid.h"

#include <optional>
#include <string_view>

// .puz text is Latin-1. A title or clue that Latin-1 cannot hold as it is
// gets plain look-alikes for the Windows-1252 characters Latin-1 lacks:
//   EUR for the euro sign, ' for curly and low single quotes, " for curly and
//   low double quotes, - for both dashes, ... for the ellipsis, OE oe, S s,
//   Z z, Y for the accented letters, f for the florin, + for both daggers,
//   ^ and ~ for the accents, o/oo for per mille, < > for the angle quotes,
//   * for the bullet, TM for the trade mark;
// "?" for any other character beyond Latin-1, and control characters are
// dropped.
struct PuzTextChange {
    std::string what;    // "The title", "Clue 3 Across"
    std::string before;  // UTF-8
    std::string after;   // UTF-8: what a .puz reader will show
};

// The first text, in the file's order (the title, then the clues by number,
// across before down at one number), that .puz would change; nullopt when
// every text goes in as it is. Only placed words' clues are looked at.
std::optional<PuzTextChange> FirstPuzTextChange(const Puzzle &p, std::string_view title);

// "Clue 3 Across "Costs 5 € at the fair" would become "Costs 5 EUR at the
// fair" (.puz text is Latin-1)": how a refusal names the change.
std::string PuzTextChangeText(const PuzTextChange &change);

// The puzzle p, titled title (UTF-8). The player's grid is empty, or with
// withAnswers holds the answers in Pgrid that .puz can hold. Without lossy,
// a title or clue that .puz would change is refused as well, after what the
// grid cannot hold (PuzTextChangeText of FirstPuzTextChange); with it, the
// texts are written changed.
ExportFile WritePuzFile(const Puzzle &p, std::string_view title, bool withAnswers, bool lossy);
