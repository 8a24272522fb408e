// Save then open of a forty-word puzzle: the bytes written whole through a
// temporary file that replaces the old one, read back, checked and applied
// to the puzzle; and the same through the window's Save and Open buttons,
// with the picture and the panel refreshed.
#include "bench_application.h"
#include "document/puzzle_file.h"
#include "platform/file_store.h"
#include "sample_puzzles.h"
#include "window_fixture.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_SaveThenOpenFile(benchmark::State &state)
{
    EnsureApplication();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("forty.gly"));
    const Puzzle saved = FortyWordPuzzle();
    Puzzle opened;
    for (auto _ : state) {
        if (!WriteWholeFile(path, QByteArray::fromStdString(WritePuzzleFile(saved))).isEmpty())
            state.SkipWithError("save failed");
        const FileRead file = ReadWholeFile(path);
        const PuzzleFileRead read = ReadPuzzleFile(file.bytes.toStdString());
        if (read.status != PuzzleFileStatus::Ok)
            state.SkipWithError("open failed");
        ApplyPuzzleFile(opened, read.contents);
        benchmark::DoNotOptimize(opened);
    }
}
BENCHMARK(BM_SaveThenOpenFile)->Unit(benchmark::kMicrosecond);

void BM_SaveThenOpenThroughTheWindow(benchmark::State &state)
{
    EnsureApplication();
    WindowFixture f;
    f.start();
    f.open(QByteArray::fromStdString(WritePuzzleFile(FortyWordPuzzle())), QStringLiteral("forty.gly"));
    const QString path = f.path(QStringLiteral("forty.gly"));
    for (auto _ : state) {
        f.desktop.chooseFile(path);
        f.click(QStringLiteral("cb_save"));
        f.desktop.chooseFile(path);
        f.click(QStringLiteral("cb_open"));
    }
    if (!f.desktop.messages.isEmpty())
        state.SkipWithError("a message was shown");
}
BENCHMARK(BM_SaveThenOpenThroughTheWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
