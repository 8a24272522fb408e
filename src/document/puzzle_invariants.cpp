#include "document/puzzle_invariants.h"

namespace {

bool Within(int value, int low, int high)
{
    return value >= low && value <= high;
}

std::string WordFault(const Puzzle &p, int i)
{
    const WordEntry &e = p.Words[i];
    const std::string name = "word " + std::to_string(i);
    if (!Within(e.lw, 1, WORDLEN))
        return name + ": lw " + std::to_string(e.lw) + " outside 1..24";
    if (!e.placed())
        return {};
    if (e.gc < 1 || e.gr < 1 || e.cellCol(e.lw) > p.gcols || e.cellRow(e.lw) > p.grows)
        return name + ": placed outside the grid";
    for (int k = 1; k <= e.lw; ++k)
        if (p.CWGrid(e.cellCol(k), e.cellRow(k)) != e.word[std::size_t(k - 1)])
            return name + ": CWGrid differs at letter " + std::to_string(k);
    return {};
}

} // namespace

std::string CheckInvariants(const Puzzle &p)
{
    if (!Within(p.nwords, 0, MAXWORDS))
        return "nwords " + std::to_string(p.nwords) + " outside 0..40";
    if (!Within(p.gcols, GRIDMIN, GRIDMAX) || !Within(p.grows, GRIDMIN, GRIDMAX))
        return "grid size outside 15..24";
    if (!Within(p.gboxidx, 0, int(GRID_BOX_COLOURS.size()) - 1))
        return "gboxidx " + std::to_string(p.gboxidx) + " outside 0..5";
    if (!Within(p.curw, 0, p.nwords))
        return "curw " + std::to_string(p.curw) + " outside 0..nwords";
    int placed = 0;
    for (int i = 1; i <= p.nwords; ++i) {
        if (std::string fault = WordFault(p, i); !fault.empty())
            return fault;
        placed += p.Words[i].placed() ? 1 : 0;
    }
    if (placed != p.nplaced)
        return "nplaced " + std::to_string(p.nplaced) + " but " + std::to_string(placed) + " words placed";
    for (int c = 1; c <= GRIDMAX; ++c)
        for (int r = 1; r <= GRIDMAX; ++r)
            if (!Within(p.CWIdx(c, r), 0, p.nwords))
                return "CWIdx outside 0..nwords";
    return {};
}
