#include "view/grid_description.h"

#include <sstream>

std::string GridDescription(const Puzzle &p, std::string_view scoreLine)
{
    std::ostringstream text;
    if (p.curw < 1 || p.curw > p.nwords) {
        text << "No word chosen";
    } else {
        const WordEntry &entry = p.Words[p.curw];
        if (entry.placed())
            text << entry.nbr << (entry.across() ? " Across, " : " Down, ");
        else
            text << "Not in the grid, ";
        text << entry.lw << (entry.lw == 1 ? " letter" : " letters");
    }
    if (!scoreLine.empty()) {
        // The score line as it would be read: its blanks for alignment go.
        std::istringstream score{std::string(scoreLine)};
        text << '.';
        for (std::string word; score >> word;)
            text << ' ' << word;
    }
    return text.str();
}

namespace {

// The place of cell (col, row) in the word, 1..lw; 0 when it is not one of its cells.
int PlaceInWord(const WordEntry &entry, int col, int row)
{
    const int k = entry.across() ? col - entry.gc + 1 : row - entry.gr + 1;
    if (k < 1 || k > entry.lw || entry.cellCol(k) != col || entry.cellRow(k) != row)
        return 0;
    return k;
}

}  // namespace

std::string CellDescription(const Puzzle &p, int col, int row, GridLook look)
{
    std::ostringstream text;
    bool inWord = false;
    for (const Direction dr : {Direction::Across, Direction::Down}) {
        for (int w = 1; w <= p.nwords; ++w) {
            const WordEntry &entry = p.Words[w];
            const int k = entry.placed() && entry.dr == dr ? PlaceInWord(entry, col, row) : 0;
            if (k == 0)
                continue;
            text << (inWord ? "; " : "") << entry.nbr << (entry.across() ? " Across" : " Down") << ", letter " << k
                 << " of " << entry.lw << (look.playing && look.validWord && entry.pwok == 1 ? ", right" : "");
            inWord = true;
        }
    }
    if (!inWord)
        return "block";
    // The letter drawn last wins, as the picture draws it: the right words after the others.
    char letter = ' ';
    if (ShowsLetters(p, look)) {
        for (int pass = 0; pass <= 1; ++pass) {
            for (int w = 1; w <= p.nwords; ++w) {
                const WordEntry &entry = p.Words[w];
                const int k = entry.placed() && entry.pwok == pass ? PlaceInWord(entry, col, row) : 0;
                if (k != 0)
                    letter = ShownLetters(entry, look)[std::size_t(k - 1)];
            }
        }
    }
    if (letter == ' ')
        text << ": empty";
    else
        text << ": " << letter;
    return text.str();
}
