// The connected-grid maker beside the plain "Generate (Auto Size)" on the
// forty everyday words of docs/everyday-words.txt (3 to 12 letters). Each
// iteration is the next seed, 200 in all, so the counters are figures over
// seeds: how often every word is placed (the maker: in one piece), the median
// and 95th percentile of the time one grid takes, and over the complete grids
// the median number of separate pieces and of words crossing nothing.
// Goal for the maker: every word in one piece for at least 95% of seeds, a
// median under 10 ms.
#include "document/word_list.h"
#include "grid/connected_grid.h"
#include "grid/generator.h"
#include "grid/grid_pieces.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

Puzzle EverydayWords()
{
    std::ifstream file(GRIDLY_EVERYDAY_WORDS);
    std::stringstream text;
    text << file.rdbuf();
    const WordListRead list = ReadWordList(text.str());
    if (!list.refusal.empty() || list.puzzle.nwords != 40)
        throw std::runtime_error("docs/everyday-words.txt: " + list.refusal);
    return list.puzzle;
}

template <class T>
double Percentile(std::vector<T> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return double(values[std::size_t(share * double(values.size() - 1))]);
}

// Runs make(puzzle, random) once a seed and reports the figures.
template <class Make>
void OverSeeds(benchmark::State &state, Make make)
{
    const Puzzle words = EverydayWords();
    std::vector<double> ms;
    std::vector<int> pieces, uncrossed;
    uint64_t seed = 0;
    for (auto _ : state) {
        Puzzle p = words;
        ProgramRandom random(++seed);
        const auto start = std::chrono::steady_clock::now();
        const bool made = make(p, random.source());
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (made && p.nplaced == p.nwords) {
            const GridPieces grid = CountPieces(p);
            pieces.push_back(grid.pieces);
            uncrossed.push_back(grid.uncrossed);
        }
    }
    state.counters["complete_rate"] = double(pieces.size()) / double(ms.size());
    state.counters["one_piece_rate"] = double(std::count(pieces.begin(), pieces.end(), 1)) / double(ms.size());
    state.counters["median_ms"] = Percentile(ms, 0.5);
    state.counters["p95_ms"] = Percentile(ms, 0.95);
    state.counters["pieces_median"] = Percentile(pieces, 0.5);
    state.counters["uncrossed_median"] = Percentile(uncrossed, 0.5);
}

void BM_MakeConnected_EverydayWords(benchmark::State &state)
{
    OverSeeds(state, [](Puzzle &p, const RandomSource &random) { return MakeConnectedGrid(p, random, Sizing::Auto); });
}
BENCHMARK(BM_MakeConnected_EverydayWords)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_GenerateAutoSize_EverydayWords(benchmark::State &state)
{
    OverSeeds(state, [](Puzzle &p, const RandomSource &random) { return GenerateAutoSize(p, random); });
}
BENCHMARK(BM_GenerateAutoSize_EverydayWords)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace
