// Puzzles for tests, written as word lists with places, and grids read back as
// text so that a grid in a test reads like a grid:
//
//     Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"ACE", 2, 1, "Down"}});
//     QCOMPARE(SolutionRows(p, 3, 3), "CAT\n#C#\n#E#");
//
// Directions and the run mode are read and set only here, as the file holds them.
#pragma once

#include "document/gridlymod.h"

#include <QByteArray>
#include <QTest>

#include <string>
#include <vector>

struct WordSpec {
    std::string word;
    int col = 0;  // 0 leaves the word out of the grid (stat 2)
    int row = 0;
    std::string dr = "Acro";
    std::string clue = {};  // empty: "Clue of <word>"
};

// Words in list order; placed words are written with LoadGrid and numbered.
// changed is False afterwards.
Puzzle MakePuzzle(const std::vector<WordSpec> &words, int gcols = 15, int grows = 15);

// Appends one word to the list, not placed (stat 2), as Add does.
void AppendWord(Puzzle &p, const std::string &word, const std::string &clue = {});

// Four words around a black centre cell, with the answers given in list order:
//     CAT     1 CAT across (1,1)   2 COW down (1,1)
//     O#E     3 TEN down (3,1)     4 WIN across (1,3)
//     WIN
// Numbers: CAT and COW 1, TEN 2, WIN 3. CWIdx of (1,1) is COW, of (3,3) WIN.
Puzzle Ring(const std::vector<std::string> &answers = {});

// A word's direction as its file bytes: "Acro" or "Down".
std::string DirectionOf(const WordEntry &entry);
void SetDirection(WordEntry &entry, const std::string &dr);

// The .gly file of a puzzle.
QByteArray FileBytes(const Puzzle &p);

// The top-left cols x rows of a grid (CWGrid, Pgrid), one line per row.
std::string GridRows(const Grid<char> &grid, int cols, int rows);
inline std::string SolutionRows(const Puzzle &p, int cols, int rows) { return GridRows(p.CWGrid, cols, rows); }
inline std::string PlayRows(const Puzzle &p, int cols, int rows) { return GridRows(p.Pgrid, cols, rows); }

namespace QTest {
template <>
inline char *toString(const std::string &text)
{
    return qstrdup(("\"" + text + "\"").c_str());
}
} // namespace QTest
