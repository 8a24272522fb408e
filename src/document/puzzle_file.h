// The .gly puzzle file: a 30-byte header and one 104-byte record per word,
// integers 16-bit little-endian, texts fixed-width Windows-1252 bytes.
//
//   0  "GRIDLYP"   7  "v1.00"   12 nwords   14 gcols   16 grows   18 gboxidx
//   20 the value 1   22 four zeros   30 the records Words(1..nwords)
//
// Record: 0 word(24) 24 pword(24) 48 lw 50 stat 52 dr(4) 56 nbr 58 gc 60 gr
//         62 pwok 64 clue(40)
//
// The reader works on bytes and never touches a Puzzle: a file is either
// accepted whole or refused with a reason, so a refused file leaves the open
// puzzle as it was.
#pragma once

#include "document/gridlymod.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view PUZZLE_MAGIC = "GRIDLYP";
inline constexpr std::string_view PUZZLE_VERSION = "v1.00";
inline constexpr int PUZZLE_HEADER_SIZE = 30;
inline constexpr int PUZZLE_RECORD_SIZE = 104;

// A word's direction as the four bytes of its record ("Acro", "Down"), and
// back; other bytes name no direction.
std::string_view DirectionBytes(Direction dr);
std::optional<Direction> DirectionFromBytes(std::string_view bytes);

// Header and records of Words(1..nwords), every field exactly as held.
// 0 <= nwords <= MAXWORDS.
std::string WritePuzzleFile(const Puzzle &p);

enum class PuzzleFileStatus {
    Ok,
    NotGridly,  // magic or version differs: "Invalid Gridly File"
    Failed,     // damaged: failure holds the reason, e.g. "Input past end of file"
};

struct PuzzleFileContents {
    std::vector<WordEntry> words;  // Words(1..nwords)
    int16_t nwords = 0;
    int16_t gcols = GRIDMAX;
    int16_t grows = GRIDMAX;
    int16_t gboxidx = 2;  // held aside for the colour box, which sets gboxidx
};

struct PuzzleFileRead {
    PuzzleFileStatus status = PuzzleFileStatus::Failed;
    std::string failure;          // short text for the user when Failed
    PuzzleFileContents contents;  // filled when Ok
};

// Accepts only what keeps the puzzle sound: 0..40 words, grid 15..24 each
// way, colour 0..5, every word left-aligned with its lw in 1..24 and equal to
// its trimmed length, dr "Acro" or "Down", stat 0..2 (3 only exists while a grid is generated,
// so a file holding it is damaged), pwok 0 or 1, no "#" (the empty-cell mark) in a
// word or an answer, no word twice, and placed words inside the grid that agree at every
// crossing. Otherwise the characters of words and clues are not checked.
// Bytes after the last record are ignored.
PuzzleFileRead ReadPuzzleFile(std::string_view bytes);

// The document part of opening a file: nwords, gcols, grows and the words
// replaced, the grid arrays rebuilt and numbered, gcolsmin and growsmin set to
// the grid size, no current word, changed False. gboxidx and the
// player's grid are left to the caller (colour box, stored answers).
void ApplyPuzzleFile(Puzzle &p, const PuzzleFileContents &contents);
