// A finished puzzle as the export formats see it: the grid in use cell by
// cell and every word with its own number, place and clue, in clue order.
// This is the one place the writers read the word records; they never look
// at a WordEntry themselves.
#pragma once

#include "document/gridlymod.h"

#include <string>
#include <vector>

struct ExportWord {
    int index = 0;     // in Words, from 1
    std::string text;  // trimmed, Windows-1252
    std::string clue;  // trimmed, Windows-1252
    int number = 0;    // the puzzle's own clue number
    int col = 0;       // first letter, from 1
    int row = 0;
    int length = 0;
    bool across = true;

    // 1 <= k <= length
    int cellCol(int k) const { return across ? col + k - 1 : col; }
    int cellRow(int k) const { return across ? row : row + k - 1; }
};

struct ExportGrid {
    int cols = 0;
    int rows = 0;
    std::vector<std::string> solution;  // rows of cols characters, CELL_EMPTY where no word runs
    std::vector<std::string> answers;   // the player's grid: CELL_EMPTY, CELL_UNFILLED or a letter
    std::vector<ExportWord> words;      // by number, across before down at one number
    Rgb background;                     // the grid colour: cells where no word runs

    // 1 <= col <= cols, 1 <= row <= rows
    char letter(int col, int row) const { return solution[std::size_t(row - 1)][std::size_t(col - 1)]; }
    bool hasLetter(int col, int row) const
    {
        return col >= 1 && row >= 1 && col <= cols && row <= rows && letter(col, row) != CELL_EMPTY;
    }
};

// What a writer hands back: the whole file, or why the puzzle was refused.
struct ExportFile {
    std::string bytes;
    std::string refusal;  // "" when bytes hold the file
};

// The grid of p, from CWGrid and Pgrid (the caller brings the player's grid
// up to date). Refuses, naming the first, a word not in the grid, and a
// puzzle without words.
std::string ReadExportGrid(const Puzzle &p, ExportGrid &grid);

// "Word 3 "CASTLE"" (UTF-8): how refusals name a word.
std::string WordName(const ExportWord &word);
std::string WordName(const Puzzle &p, int i);

// The grid's words in the order of the word list.
std::vector<ExportWord> ListOrder(const ExportGrid &grid);
