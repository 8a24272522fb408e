// Generation timings with forty everyday words: one run at 24 x 24 (target
// under 1 ms) and a whole "Generate (Auto Size)" (target under 25 ms).
#include "grid/generator.h"

#include <benchmark/benchmark.h>

namespace {

const char *const WORDS[] = {
    "HOUSE",   "GARDEN", "WINDOW", "TABLE",  "CHAIR",  "KITCHEN", "BREAD",  "WATER",   "RIVER",   "MOUNTAIN",
    "FOREST",  "ORANGE", "APPLE",  "BANANA", "PENCIL", "PAPER",   "SCHOOL", "TEACHER", "STUDENT", "BOOK",
    "LIBRARY", "MUSIC",  "PIANO",  "GUITAR", "SUMMER", "WINTER",  "SPRING", "AUTUMN",  "CASTLE",  "BRIDGE",
    "HARBOUR", "ISLAND", "OCEAN",  "PLANET", "ROCKET", "MARKET",  "CANDLE", "BOTTLE",  "DRAGON",  "FLOWER",
};

Puzzle FortyWords()
{
    Puzzle p;
    for (const char *text : WORDS) {
        WordEntry &entry = p.Words[++p.nwords];
        entry.word.assign(text);
        entry.lw = int16_t(entry.word.trimmed().size());
    }
    return p;
}

void BM_GenCWGrid_40Words_24x24(benchmark::State &state)
{
    Puzzle p = FortyWords();
    ProgramRandom draws(2024);  // a fixed seed: every build times the same runs
    const RandomSource random = draws.source();
    int64_t successes = 0;
    for (auto _ : state) {
        successes += GenCWGrid(p, random, Sizing::Fixed) == 0;
        benchmark::DoNotOptimize(p.CWGrid);
    }
    state.counters["success_rate"] = double(successes) / double(state.iterations());
}
BENCHMARK(BM_GenCWGrid_40Words_24x24)->Unit(benchmark::kMicrosecond)->ReportAggregatesOnly(true);

void BM_GenerateAutoSize_40Words(benchmark::State &state)
{
    Puzzle p = FortyWords();
    ProgramRandom draws(2024);  // a fixed seed: every build times the same runs
    const RandomSource random = draws.source();
    int64_t successes = 0;
    for (auto _ : state) {
        p.gcols = p.grows = GRIDMAX;
        successes += GenerateAutoSize(p, random);
        benchmark::DoNotOptimize(p.CWGrid);
    }
    state.counters["success_rate"] = double(successes) / double(state.iterations());
}
BENCHMARK(BM_GenerateAutoSize_40Words)->Unit(benchmark::kMillisecond)->ReportAggregatesOnly(true);

}  // namespace
