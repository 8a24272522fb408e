#include "grid/grid_pieces.h"

#include <numeric>
#include <vector>

GridPieces CountPieces(const Puzzle &p)
{
    std::vector<int> group(std::size_t(p.nwords) + 1);
    std::iota(group.begin(), group.end(), 0);
    const auto root = [&](int w) {
        while (group[std::size_t(w)] != w)
            w = group[std::size_t(w)] = group[std::size_t(group[std::size_t(w)])];
        return w;
    };
    std::vector<bool> crossed(group.size(), false);
    Grid<int16_t> owner{0};
    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &e = p.Words[i];
        if (!e.placed())
            continue;
        for (int k = 1; k <= e.lw; ++k) {
            int16_t &first = owner(e.cellCol(k), e.cellRow(k));
            if (first != 0 && first != i) {
                crossed[std::size_t(first)] = crossed[std::size_t(i)] = true;
                group[std::size_t(root(first))] = root(i);
            }
            first = int16_t(i);
        }
    }
    GridPieces result;
    for (int i = 1; i <= p.nwords; ++i) {
        if (!p.Words[i].placed())
            continue;
        result.pieces += root(i) == i;
        result.uncrossed += !crossed[std::size_t(i)];
    }
    return result;
}
