#include "print/clue_layout.h"

#include <algorithm>

static std::string twoDigits(int n)
{
    const std::string number = std::to_string(n);
    return (number.size() < 2 ? "0" : "") + number;
}

std::vector<std::string> ClueSortKeys(const Puzzle &p)
{
    std::vector<std::string> keys;
    for (int w = 1; w <= p.nwords; ++w) {
        const WordEntry &entry = p.Words[w];
        if (entry.placed())
            keys.push_back((entry.across() ? "A" : "D") + twoDigits(entry.nbr) + twoDigits(w));
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<std::string> CluePairKeys(const std::vector<std::string> &sortKeys)
{
    // Sorted, the across keys come first and the down keys after them.
    const auto firstDown = std::find_if(sortKeys.begin(), sortKeys.end(),
                                        [](const std::string &key) { return key[0] == 'D'; });
    const std::vector<std::string> across(sortKeys.begin(), firstDown);
    const std::vector<std::string> down(firstDown, sortKeys.end());

    std::vector<std::string> pairs;
    for (std::size_t j = 0; j < across.size() || j < down.size(); ++j) {
        if (j < across.size())
            pairs.push_back(twoDigits(int(j)) + across[j]);
        if (j < down.size())
            pairs.push_back(twoDigits(int(j)) + down[j]);
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

std::string PrintedClueText(const WordEntry &entry)
{
    return std::to_string(entry.nbr) + "- " + entry.clue.trimmed();
}

std::vector<ClueLine> ClueLines(const Puzzle &p)
{
    std::vector<ClueLine> lines;
    for (const std::string &key : CluePairKeys(ClueSortKeys(p))) {
        const std::size_t line = std::size_t(std::stoi(key.substr(0, 2)));
        const int w = std::stoi(key.substr(5, 2));
        if (lines.size() <= line)
            lines.resize(line + 1);
        std::optional<std::string> &column = key[2] == 'A' ? lines[line].across : lines[line].down;
        column = PrintedClueText(p.Words[w]);
    }
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
