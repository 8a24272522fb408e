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
