// The clue block of the printed page: across clues in the left column, down
// clues in the right column starting at the middle of the page, each column in
// clue-number order (words sharing a number by their index), line j holding
// the j-th clue of each column. Only placed words are printed. Texts are
// Windows-1252 bytes; the printer code converts them.
#pragma once

#include "document/gridlymod.h"

#include <optional>
#include <string>
#include <vector>

// "7- Small feline": the clue number without leading zero, "- " and the clue
// without its leading and trailing blanks.
std::string PrintedClueText(const WordEntry &entry);

struct ClueLine {
    std::optional<std::string> across;
    std::optional<std::string> down;

    bool operator==(const ClueLine &) const = default;
};

// The clue lines to print, from the first to the last.
std::vector<ClueLine> ClueLines(const Puzzle &p);

// What the printer is asked to do for the clue lines, in order. An across text
// stays on the line; a down text is printed at x_mid and ends the line; an
// across text that follows an across text ends the pending line first. The
// last line is left unended when it holds only an across text (ending the
// document prints it).
enum class ClueOpKind {
    PrintStay,     // print text, stay on the line
    MoveToMid,     // current x = x_mid
    PrintEndLine,  // print text, end the line
    EndLine,       // end the line without text
};

struct ClueOp {
    ClueOpKind kind;
    std::string text = {};

    bool operator==(const ClueOp &) const = default;
};

std::vector<ClueOp> CluePrintOps(const std::vector<ClueLine> &lines);
