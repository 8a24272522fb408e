// The real program, build/gridly, from its start to its first painted window
// on the offscreen platform, and its peak memory. The program is copied into
// a private program folder (no gridly.cfg, so it opens nothing) with its own
// runtime folder (so no other instance is found), and started with the
// first-paint probe preloaded, which ends it at its first painted frame.
#include "bench_application.h"
#include "first_paint_probe.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char **environ;

namespace {

// The caller's environment with the offscreen platform, a private runtime
// folder and the probe preloaded.
std::vector<std::string> ProgramEnvironment(const QString &runtimeFolder)
{
    std::vector<std::string> env;
    for (char **entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        if (!variable.starts_with("QT_QPA_PLATFORM=") && !variable.starts_with("XDG_RUNTIME_DIR=")
            && !variable.starts_with("LD_PRELOAD="))
            env.push_back(variable);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("XDG_RUNTIME_DIR=" + runtimeFolder.toStdString());
    env.push_back(std::string("LD_PRELOAD=") + GRIDLY_FIRST_PAINT_PROBE);
    return env;
}

std::vector<char *> Pointers(std::vector<std::string> &texts)
{
    std::vector<char *> pointers;
    for (std::string &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

static void BM_StartToFirstPaint(benchmark::State &state)
{
    EnsureApplication();
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("gridly"));
    QFile::copy(QStringLiteral(GRIDLY_EXECUTABLE), program);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString runtime = folder.filePath(QStringLiteral("run"));
    QDir().mkdir(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    std::vector<std::string> env = ProgramEnvironment(runtime);
    std::vector<char *> envp = Pointers(env);
    std::vector<std::string> args{program.toStdString()};
    std::vector<char *> argv = Pointers(args);
    long peakKb = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) {
            state.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        state.SetIterationTime(double(timer.nsecsElapsed()) * 1e-9);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != FIRST_PAINT_STATUS) {
            state.SkipWithError("the program ended before its window was painted");
            break;
        }
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    state.counters["peak_MB"] = double(peakKb) / 1024.0;
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
