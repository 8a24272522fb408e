#include "grid/connected_grid.h"

#include "document/export_grid.h"
#include "document/puzzle_grid.h"

#include <algorithm>

std::string ConnectedRefusal(const Puzzle &p, int maxCols, int maxRows)
{
    for (int i = 1; i <= p.nwords; ++i) {
        const std::string text = p.Words[i].word.trimmed();
        const std::string name = WordName(p, i);
        if (p.nwords > 1 && text.size() == 1)
            return name + " has one letter, so it cannot cross another word";
        if (int(text.size()) > std::max(maxCols, maxRows))
            return name + " is longer than the grid";
    }
    return {};
}

ConnectedLayout MakeConnectedLayout(const Puzzle &p, const ConnectedLimits &limits, const RandomSource &random)
{
    std::vector<std::string> words;
    for (int i = 1; i <= p.nwords; ++i)
        words.push_back(p.Words[i].word.trimmed());
    return MakeConnectedLayout(words, limits, random);
}

void PlaceConnectedLayout(Puzzle &p, const ConnectedLayout &layout, Sizing sizing)
{
    ResetWords(p);
    if (sizing == Sizing::Auto) {
        p.gcols = int16_t(std::max(GRIDMIN, layout.cols));
        p.grows = int16_t(std::max(GRIDMIN, layout.rows));
    }
    p.gcolsmin = p.gcols;
    p.growsmin = p.grows;
    for (int i = 1; i <= p.nwords; ++i) {
        const ConnectedPlace &at = layout.places[std::size_t(i - 1)];
        if (at.col > 0)
            PutWordInGrid(p, i, at.col, at.row, at.across ? Direction::Across : Direction::Down);
    }
    GenGridNbrs(p);
    p.curw = 0;
    p.changed = true;
}
