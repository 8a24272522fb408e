// Puzzles the play tests share, and the player's typing written as rows.
#pragma once

#include "puzzle_builder.h"

#include <string>

// Four words around a black centre cell:
//     CAT     1 CAT across (1,1)   2 COW down (1,1)
//     O#E     3 TEN down (3,1)     4 WIN across (1,3)
//     WIN
inline Puzzle RingPuzzle()
{
    Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}, {"WIN", 1, 3, "Acro"}});
    p.runmode = "Play";
    return p;
}

// Writes the rows into the top-left of Pgrid as a player would type them;
// "#" cells are skipped, so the black cells stay black.
inline void TypeRows(Puzzle &p, const std::string &rows)
{
    int c = 1, r = 1;
    for (char ch : rows) {
        if (ch == '\n') {
            c = 1;
            ++r;
            continue;
        }
        if (ch != CELL_EMPTY)
            p.Pgrid(c, r) = ch;
        ++c;
    }
}

// Sets every answer in list order, as opening a file with answers does.
inline void SetAnswers(Puzzle &p, const std::vector<std::string> &answers)
{
    for (int w = 1; w <= int(answers.size()); ++w)
        p.Words[w].pword.assign(answers[std::size_t(w - 1)]);
}
