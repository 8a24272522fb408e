// Readers for the files the writers make, written here from the formats'
// public descriptions: each reads a written file back and aborts (through
// FUZZ_CHECK) when it does not hold the puzzle. The puzzle they compare with
// is taken from the word records and the player's grid alone, not from the
// grid the writers read, so a fault in that shared step shows too.
#pragma once

#include "document/gridlymod.h"
#include "oracle_text.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct ModelWord {
    int index = 0;     // in the list, from 1
    std::string text;  // Windows-1252, trimmed
    std::string clue;  // Windows-1252, trimmed
    int number = 0, col = 0, row = 0, length = 0;
    bool across = true;
    int cellCol(int k) const { return across ? col + k : col; }  // 0 <= k < length
    int cellRow(int k) const { return across ? row : row + k; }
};

struct PuzzleModel {
    int cols = 0, rows = 0;
    std::map<std::pair<int, int>, char> letters;  // (col, row) of every letter cell
    std::map<std::pair<int, int>, char> answers;  // the player's grid at the same cells
    std::vector<ModelWord> words;                 // in list order
    Rgb background;
    std::string title;  // as given: UTF-8, perhaps ill-formed

    bool hasLetter(int col, int row) const { return letters.count({col, row}) > 0; }
    // The words by number, across before down at one number, list order after that.
    std::vector<ModelWord> clueOrder() const;
};

// The model of p, whose words are all in the grid.
PuzzleModel ModelOf(const Puzzle &p, std::string_view title);

// "&amp;", "&lt;", "&gt;", "&quot;", "&apos;", "&#N;" and "&#xH;" decoded;
// nullopt when an "&" starts none of them, which an HTML reader might take
// for something else.
std::optional<std::string> DecodeEntities(std::string_view html);

// Standard base64 with its padding; nullopt when not that.
std::optional<std::string> DecodeBase64(std::string_view text);

// The written files, one check per writer; each also checks a refusal.
void CheckIpuz(const Puzzle &p, const PuzzleModel &model, bool withAnswers);
void CheckPuz(const Puzzle &p, const PuzzleModel &model, bool withAnswers, bool lossy);
void CheckWebPage(const Puzzle &p, const PuzzleModel &model);
