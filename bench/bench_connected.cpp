// The connected-grid maker on the word lists of bench/lists and
// docs/everyday-words.txt, beside the plain "Generate (Auto Size)" on the
// same lists. Each iteration is the next seed, so the counters are figures
// over seeds: how often every word is placed (complete_rate) and placed in
// one piece (ok_rate), the median and 95th percentile of the time one grid
// takes (in process), and over the complete grids the median extent of the
// words (box, in cells), the letter cells' share of it (density) and the
// crossings per word. For lists
// that do not fit whole, the most and the median number of words placed.
// A third set runs the whole gridly-tool process once a seed (40 seeds) and
// reports the median and 95th percentile of its wall time, the median of its
// processor time, and the median of a bare "gridly-tool --help" (the start
// alone).
// Goals on the everyday lists (40 words of 3 to 12 letters): ok_rate at
// least 0.98 (0.95 for short.txt), box at most 441, density at least 0.45,
// 1.25 crossings per word, the whole process under 50 ms at the median.
#include "document/word_list.h"
#include "grid/connected_grid.h"
#include "grid/generator.h"
#include "grid/grid_pieces.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

extern char **environ;

namespace {

Puzzle ReadList(const std::filesystem::path &path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    const WordListRead list = ReadWordList(text.str());
    if (!list.refusal.empty())
        throw std::runtime_error(path.string() + ": " + list.refusal);
    return list.puzzle;
}

std::vector<std::filesystem::path> Lists()
{
    std::vector<std::filesystem::path> lists{GRIDLY_EVERYDAY_WORDS};
    for (const auto &entry : std::filesystem::directory_iterator(GRIDLY_BENCH_LISTS))
        lists.push_back(entry.path());
    std::sort(lists.begin() + 1, lists.end());
    return lists;
}

template <class T>
double Percentile(std::vector<T> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return double(values[std::size_t(share * double(values.size() - 1))]);
}

// The figures of a finished grid, from its cells.
struct Figures {
    int box = 0;
    double density = 0;
    double crossingsPerWord = 0;
};

Figures Measure(const Puzzle &p)
{
    int minC = GRIDMAX, minR = GRIDMAX, maxC = 0, maxR = 0, cells = 0, letters = 0;
    for (int c = 1; c <= GRIDMAX; ++c) {
        for (int r = 1; r <= GRIDMAX; ++r) {
            if (p.CWGrid(c, r) == CELL_EMPTY)
                continue;
            ++cells;
            minC = std::min(minC, c), maxC = std::max(maxC, c), minR = std::min(minR, r), maxR = std::max(maxR, r);
        }
    }
    for (int i = 1; i <= p.nwords; ++i)
        letters += p.Words[i].stat == STAT_PLACED ? p.Words[i].lw : 0;
    const int box = cells ? (maxC - minC + 1) * (maxR - minR + 1) : 0;
    return {box, box ? double(cells) / box : 0, double(letters - cells) / p.nwords};
}

// Runs make(puzzle, random) once a seed and reports the figures.
template <class Make>
void OverSeeds(benchmark::State &state, const std::filesystem::path &list, Make make)
{
    const Puzzle words = ReadList(list);
    std::vector<double> ms, box, density, crossings;
    std::vector<int> placed;
    int onePiece = 0;
    uint64_t seed = 0;
    for (auto _ : state) {
        Puzzle p = words;
        ProgramRandom random(++seed);
        const auto start = std::chrono::steady_clock::now();
        make(p, random.source());
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        placed.push_back(p.nplaced);
        if (p.nplaced == p.nwords) {
            const GridPieces pieces = CountPieces(p);
            onePiece += pieces.pieces == 1 && pieces.uncrossed == 0;
            const Figures figures = Measure(p);
            box.push_back(figures.box);
            density.push_back(figures.density);
            crossings.push_back(figures.crossingsPerWord);
        }
    }
    state.counters["complete_rate"] = double(box.size()) / double(ms.size());
    state.counters["ok_rate"] = double(onePiece) / double(ms.size());
    state.counters["median_ms"] = Percentile(ms, 0.5);
    state.counters["p95_ms"] = Percentile(ms, 0.95);
    state.counters["box"] = Percentile(box, 0.5);
    state.counters["density"] = Percentile(density, 0.5);
    state.counters["crossings_per_word"] = Percentile(crossings, 0.5);
    state.counters["placed_max"] = Percentile(placed, 1.0);
    state.counters["placed_median"] = Percentile(placed, 0.5);
}

// One run of gridly-tool with these arguments: its wall time and its
// processor time in milliseconds, or -1 when it could not start.
struct ToolTime {
    double wall = -1;
    double processor = -1;
};

ToolTime ToolRun(std::vector<std::string> args)
{
    args.insert(args.begin(), GRIDLY_TOOL);
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int error = posix_spawn(&pid, GRIDLY_TOOL, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (error != 0 || wait4(pid, &status, 0, &usage) != pid)
        return {};
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
            ms(usage.ru_utime) + ms(usage.ru_stime)};
}

void ToolOverSeeds(benchmark::State &state, const std::filesystem::path &list)
{
    const std::string out = (std::filesystem::temp_directory_path() / "gridly_bench_connected.gly").string();
    std::vector<double> wall, processor, start;
    uint64_t seed = 0;
    for (auto _ : state) {
        const ToolTime run =
            ToolRun({"make", list.string(), out, "--connected", "--partial", "--seed", std::to_string(++seed)});
        wall.push_back(run.wall);
        processor.push_back(run.processor);
        start.push_back(ToolRun({"--help"}).wall);
    }
    std::filesystem::remove(out);
    state.counters["median_ms"] = Percentile(wall, 0.5);
    state.counters["p95_ms"] = Percentile(wall, 0.95);
    state.counters["cpu_median_ms"] = Percentile(processor, 0.5);
    state.counters["start_median_ms"] = Percentile(start, 0.5);
}

const bool registered = [] {
    for (const std::filesystem::path &list : Lists()) {
        const std::string name = list.stem().string();
        benchmark::RegisterBenchmark(("BM_MakeConnected/" + name).c_str(),
                                     [list](benchmark::State &state) {
                                         OverSeeds(state, list, [](Puzzle &p, const RandomSource &random) {
                                             PlaceConnectedLayout(p, MakeConnectedLayout(p, ConnectedLimits{}, random),
                                                                  Sizing::Auto);
                                         });
                                     })
            ->Iterations(100)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            ("BM_GenerateAutoSize/" + name).c_str(),
            [list](benchmark::State &state) {
                OverSeeds(state, list, [](Puzzle &p, const RandomSource &random) { GenerateAutoSize(p, random); });
            })
            ->Iterations(100)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_ToolMakeConnected/" + name).c_str(),
                                     [list](benchmark::State &state) { ToolOverSeeds(state, list); })
            ->Iterations(40)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
