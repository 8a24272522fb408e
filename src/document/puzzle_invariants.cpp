#include "document/puzzle_invariants.h"

namespace {

bool Within(int value, int low, int high)
{
    return value >= low && value <= high;
}

std::string WordName(int i)
{
    return "word " + std::to_string(i);
}

std::string WordFault(const Puzzle &p, int i)
{
    const WordEntry &e = p.Words[i];
    const std::string name = WordName(i);
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

// The fields the grid and the play code rely on: the trimmed word starts in
// the first character and is lw long, and direction and flags hold values
// the other code knows.
std::string WordFormFault(const Puzzle &p, int i)
{
    const WordEntry &e = p.Words[i];
    const std::string name = WordName(i);
    if (e.word[0] == ' ' || std::size_t(e.lw) != e.word.trimmed().size())
        return name + ": lw differs from its trimmed word";
    if (e.dr != Direction::Across && e.dr != Direction::Down)
        return name + ": direction is not Acro or Down";
    if (!Within(e.stat, STAT_NONE, STAT_UNPLACED))
        return name + ": stat " + std::to_string(e.stat) + " outside 0..2";
    if (!Within(e.pwok, 0, 1))
        return name + ": pwok " + std::to_string(e.pwok) + " outside 0..1";
    return {};
}

std::string DuplicateFault(const Puzzle &p)
{
    for (int i = 1; i <= p.nwords; ++i)
        for (int j = i + 1; j <= p.nwords; ++j)
            if (p.Words[i].word.trimmed() == p.Words[j].word.trimmed())
                return WordName(i) + " and " + WordName(j) + " are the same word";
    return {};
}

bool Covers(const WordEntry &e, int c, int r)
{
    return e.across() ? r == e.gr && c >= e.gc && c < e.gc + e.lw : c == e.gc && r >= e.gr && r < e.gr + e.lw;
}

// Every cell of a placed word is a letter cell of both grids and is owned in
// CWIdx by a placed word through it; every other cell is empty in both.
std::string CellFault(const Puzzle &p)
{
    Grid<bool> covered{false};
    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &e = p.Words[i];
        if (!e.placed())
            continue;
        for (int k = 1; k <= e.lw; ++k) {
            const int c = e.cellCol(k), r = e.cellRow(k);
            const std::string where = WordName(i) + ": letter " + std::to_string(k);
            covered(c, r) = true;
            if (p.CWGrid(c, r) == CELL_EMPTY)
                return where + " is the empty-cell mark";
            if (p.Pgrid(c, r) == CELL_EMPTY)
                return where + " is black in Pgrid";
            const int owner = p.CWIdx(c, r);
            if (owner < 1 || !p.Words[owner].placed() || !Covers(p.Words[owner], c, r))
                return where + " has no placed word in CWIdx";
        }
    }
    for (int c = 1; c <= GRIDMAX; ++c)
        for (int r = 1; r <= GRIDMAX; ++r)
            if (!covered(c, r) && (p.CWGrid(c, r) != CELL_EMPTY || p.Pgrid(c, r) != CELL_EMPTY))
                return "cell " + std::to_string(c) + "," + std::to_string(r) + " outside every word is not empty";
    return {};
}

}  // namespace

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
    for (int i = 1; i <= p.nwords; ++i)
        if (std::string fault = WordFormFault(p, i); !fault.empty())
            return fault;
    if (std::string fault = DuplicateFault(p); !fault.empty())
        return fault;
    return CellFault(p);
}
