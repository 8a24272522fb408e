#include "document/export_grid.h"

#include "document/text_codec.h"

#include <algorithm>

std::string ReadExportGrid(const Puzzle &p, ExportGrid &grid)
{
    if (p.nwords < 1)
        return "The puzzle has no words";
    grid = ExportGrid{p.gcols, p.grows, {}, {}, {}, GRID_BOX_COLOURS[2]};
    if (p.gboxidx >= 0 && p.gboxidx < int(GRID_BOX_COLOURS.size()))
        grid.background = GRID_BOX_COLOURS[std::size_t(p.gboxidx)];
    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &e = p.Words[i];
        ExportWord word{i, e.word.trimmed(), e.clue.trimmed(), e.nbr, e.gc, e.gr, e.lw, e.across()};
        if (!e.placed())
            return WordName(word) + " is not in the grid; place every word first";
        grid.words.push_back(std::move(word));
    }
    std::stable_sort(grid.words.begin(), grid.words.end(), [](const ExportWord &a, const ExportWord &b) {
        return a.number != b.number ? a.number < b.number : a.across && !b.across;
    });
    for (int r = 1; r <= grid.rows; ++r) {
        grid.solution.emplace_back();
        grid.answers.emplace_back();
        for (int c = 1; c <= grid.cols; ++c) {
            grid.solution.back() += p.CWGrid(c, r);
            grid.answers.back() += p.Pgrid(c, r);
        }
    }
    return {};
}

std::string WordName(const ExportWord &word)
{
    return "Word " + std::to_string(word.index) + " \"" + Cp1252ToUtf8(word.text) + "\"";
}

std::vector<ExportWord> ListOrder(const ExportGrid &grid)
{
    std::vector<ExportWord> words = grid.words;
    std::sort(words.begin(), words.end(), [](const ExportWord &a, const ExportWord &b) { return a.index < b.index; });
    return words;
}

std::string WordName(const Puzzle &p, int i)
{
    ExportWord word;
    word.index = i;
    word.text = p.Words[i].word.trimmed();
    return WordName(word);
}
