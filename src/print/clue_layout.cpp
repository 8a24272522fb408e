#include "print/clue_layout.h"

#include <algorithm>

namespace {

// A placed word as the clue block orders it: by clue number, then index.
struct ClueOrder {
    int nbr;
    int w;
    auto operator<=>(const ClueOrder &) const = default;
};

}  // namespace

std::string PrintedClueText(const WordEntry &entry)
{
    return std::to_string(entry.nbr) + "- " + entry.clue.trimmed();
}

std::vector<ClueLine> ClueLines(const Puzzle &p)
{
    std::vector<ClueOrder> across, down;
    for (int w = 1; w <= p.nwords; ++w) {
        const WordEntry &entry = p.Words[w];
        if (entry.placed())
            (entry.across() ? across : down).push_back({entry.nbr, w});
    }
    std::sort(across.begin(), across.end());
    std::sort(down.begin(), down.end());
    std::vector<ClueLine> lines(std::max(across.size(), down.size()));
    for (std::size_t j = 0; j < across.size(); ++j)
        lines[j].across = PrintedClueText(p.Words[across[j].w]);
    for (std::size_t j = 0; j < down.size(); ++j)
        lines[j].down = PrintedClueText(p.Words[down[j].w]);
    return lines;
}

std::vector<ClueOp> CluePrintOps(const std::vector<ClueLine> &lines)
{
    std::vector<ClueOp> ops;
    bool atLineStart = true;
    for (const ClueLine &line : lines) {
        if (line.across) {
            if (!atLineStart)
                ops.push_back({ClueOpKind::EndLine});
            ops.push_back({ClueOpKind::PrintStay, *line.across});
            atLineStart = false;
        }
        if (line.down) {
            ops.push_back({ClueOpKind::MoveToMid});
            ops.push_back({ClueOpKind::PrintEndLine, *line.down});
            atLineStart = true;
        }
    }
    return ops;
}
