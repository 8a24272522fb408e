// Undo and Redo through the real window on a 24 x 24 grid holding forty
// placed words: one undo and one redo of a step that takes every word out of
// the grid, of a colour change, and of a deleted word, each with the
// window brought up to date and painted (the counter says how much of it came
// before the paint). Goal: each undo or redo under 1 ms.
// And the memory that 200 steps keep: goal under 10 MB.
#include "bench_application.h"
#include "document/puzzle_file.h"
#include "sample_puzzles.h"
#include "window_fixture.h"

#include <QAction>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

void OpenFortyWords(WindowFixture &f)
{
    f.start();
    f.open(QByteArray::fromStdString(WritePuzzleFile(FortyWordPuzzle())));
}

void BM_UndoThenRedoThroughTheWindow(benchmark::State &state)
{
    EnsureApplication();
    WindowFixture f;
    OpenFortyWords(f);
    const char *steps[] = {"Clear Grid", "Change Grid Box Color", "Delete Current Word"};
    const QString step = QString::fromLatin1(steps[state.range(0)]);
    if (step == "Clear Grid") {
        f.desktop.answer(Desktop::Answer::Yes);
        f.click(QStringLiteral("cb_cleargrid"));
    } else if (step == "Change Grid Box Color") {
        f.click(QStringLiteral("cl_gbox_3"));
    } else {
        f.clickRow(0);
        f.desktop.answer(Desktop::Answer::Yes);
        f.click(QStringLiteral("cb_delword"));
    }
    QAction *undo = f.window->findChild<QAction *>(QStringLiteral("undo"));
    QAction *redo = f.window->findChild<QAction *>(QStringLiteral("redo"));
    if (undo->text() != QStringLiteral("&Undo ") + step)
        state.SkipWithError(qPrintable(QStringLiteral("no step to undo: ") + undo->text()));
    QElapsedTimer clock;
    qint64 change = 0;  // the document and the window brought up to date, before the paint
    for (auto _ : state) {
        clock.start();
        undo->trigger();
        change += clock.nsecsElapsed();
        QApplication::processEvents();
        clock.start();
        redo->trigger();
        change += clock.nsecsElapsed();
        QApplication::processEvents();
    }
    state.counters["us before painting"] = double(change) / 1000 / double(state.iterations());
    state.SetLabel(step.toStdString() + ": one undo and one redo");
}
BENCHMARK(BM_UndoThenRedoThroughTheWindow)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_MemoryOf200Steps(benchmark::State &state)
{
    EnsureApplication();
    for (auto _ : state) {
        WindowFixture f;
        OpenFortyWords(f);
        const size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 200; ++i)
            f.click(QStringLiteral("cl_gbox_%1").arg(i % 2));
        state.counters["MB"] = double(mallinfo2().uordblks - before) / 1e6;
    }
    state.SetLabel("the history of 200 colour changes");
}
BENCHMARK(BM_MemoryOf200Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
