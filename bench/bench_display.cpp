// DisplayGrid on a 24 x 24 grid holding forty placed words: the drawing of
// the picture alone, and the whole refresh through the window (a click on a
// colour box redraws the grid, and the event loop paints it). Built twice:
// gridly_bench_io on a screen of pixel ratio 1, gridly_bench_ratio2 on one of
// ratio 2, where the picture has four times the pixels.
#include "bench_application.h"
#include "sample_puzzles.h"
#include "view/grid_renderer.h"
#include "window_fixture.h"

#include "document/puzzle_file.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_RenderGrid(benchmark::State &state)
{
    EnsureApplication();
    const Puzzle p = FortyWordPuzzle();
    GridRenderer renderer;  // as the window keeps one
    const qreal ratio = qApp->devicePixelRatio();
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(p, {}, ratio));
    state.SetLabel(QStringLiteral("pixel ratio %1").arg(ratio).toStdString());
}
BENCHMARK(BM_RenderGrid)->Unit(benchmark::kMicrosecond);

void BM_DisplayGridThroughTheWindow(benchmark::State &state)
{
    EnsureApplication();
    WindowFixture f;
    f.start();
    f.open(QByteArray::fromStdString(WritePuzzleFile(FortyWordPuzzle())));
    int box = 0;
    for (auto _ : state) {
        f.click(QStringLiteral("cl_gbox_%1").arg(box));
        QApplication::processEvents();
        box = 1 - box;
    }
    state.SetLabel(QStringLiteral("pixel ratio %1").arg(f.window->devicePixelRatio()).toStdString());
}
BENCHMARK(BM_DisplayGridThroughTheWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
