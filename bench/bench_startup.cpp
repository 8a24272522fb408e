// The real program, build/gridly, from its start to its first painted window
// on a real X server (an Xvfb of its own), beside a bare Qt 6 window started
// the same way, in turns, so that both meet the same machine: the ratio of
// the two start times and of the two peak memories is what the figures
// compare. Each program is started with the first-paint probe preloaded,
// which ends it at its first painted frame, and with a runtime folder of its
// own; Gridly runs from a private program folder (no gridly.cfg, so it opens
// nothing).
#include "bench_application.h"
#include "first_paint_probe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

namespace {

std::vector<char *> Pointers(std::vector<std::string> &texts)
{
    std::vector<char *> pointers;
    for (std::string &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// An Xvfb of its own for the life of the benchmark; display() is "" when it
// could not start.
class VirtualScreen {
public:
    VirtualScreen()
    {
        int pipe[2];
        if (::pipe(pipe) != 0)
            return;
        std::vector<std::string> args{
            "Xvfb", "-displayfd", std::to_string(pipe[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"};
        std::vector<char *> argv = Pointers(args);
        if (posix_spawnp(&m_pid, "Xvfb", nullptr, nullptr, argv.data(), environ) != 0)
            m_pid = 0;
        ::close(pipe[1]);
        char number[16] = {};
        if (m_pid && ::read(pipe[0], number, sizeof number - 1) > 0)
            m_display = ":" + std::string(number, std::strcspn(number, "\n"));
        ::close(pipe[0]);
    }
    ~VirtualScreen()
    {
        if (m_pid) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    const std::string &display() const { return m_display; }

private:
    pid_t m_pid = 0;
    std::string m_display;
};

struct Start {
    double ms = 0;
    double peakMb = 0;
    bool painted = false;
};

// Starts a program on the screen and waits for the probe to end it.
Start StartToFirstPaint(const std::vector<std::string> &command, const std::string &display,
                        const QString &runtimeFolder)
{
    std::vector<std::string> env;
    for (char **entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        if (!variable.starts_with("QT_QPA_PLATFORM=") && !variable.starts_with("XDG_RUNTIME_DIR=")
            && !variable.starts_with("LD_PRELOAD=") && !variable.starts_with("DISPLAY=")
            && !variable.starts_with("QT_SCALE_FACTOR="))
            env.push_back(variable);
    }
    env.push_back("QT_QPA_PLATFORM=xcb");
    env.push_back("DISPLAY=" + display);
    env.push_back("XDG_RUNTIME_DIR=" + runtimeFolder.toStdString());
    env.push_back(std::string("LD_PRELOAD=") + GRIDLY_FIRST_PAINT_PROBE);
    const QString peakFile = QDir(runtimeFolder).filePath(QStringLiteral("peak"));
    env.push_back(std::string(FIRST_PAINT_PEAK) + "=" + peakFile.toStdString());
    std::vector<char *> envp = Pointers(env);
    std::vector<std::string> args = command;
    std::vector<char *> argv = Pointers(args);

    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return {};
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = double(timer.nsecsElapsed()) * 1e-6;
    QFile peak(peakFile);
    const double peakKb = peak.open(QIODevice::ReadOnly) ? peak.readAll().toDouble() : 0;
    return {ms, peakKb / 1024.0, WIFEXITED(status) && WEXITSTATUS(status) == FIRST_PAINT_STATUS && peakKb > 0};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void BM_StartBesideABareWindow(benchmark::State &state)
{
    EnsureApplication();
    const VirtualScreen screen;
    if (screen.display().empty()) {
        state.SkipWithError("no Xvfb to start the programs on");
        return;
    }
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("gridly"));
    // GRIDLY_BENCH_PROGRAM: another build of the program, to compare builds.
    QFile::copy(qEnvironmentVariable("GRIDLY_BENCH_PROGRAM", QStringLiteral(GRIDLY_EXECUTABLE)), program);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const std::vector<std::vector<std::string>> commands{
        {program.toStdString()}, {GRIDLY_BARE_WINDOW}, {GRIDLY_BARE_WINDOW, "empty"}};

    std::vector<std::vector<double>> ms(commands.size()), mb(commands.size());
    int round = 0;
    for (auto _ : state) {
        // In turns, each program first as often as last.
        for (std::size_t k = 0; k < commands.size(); ++k) {
            const std::size_t i = round % 2 ? commands.size() - 1 - k : k;
            QTemporaryDir runtime(folder.filePath(QStringLiteral("run-XXXXXX")));
            const Start start = StartToFirstPaint(commands[i], screen.display(), runtime.path());
            if (!start.painted) {
                state.SkipWithError("a program ended before its window was painted");
                return;
            }
            ms[i].push_back(start.ms);
            mb[i].push_back(start.peakMb);
            if (i == 0)
                state.SetIterationTime(start.ms * 1e-3);
        }
        ++round;
    }
    // Each ratio is taken within a round, where both programs met the same
    // load, and the median of the rounds reported.
    const auto ratios = [](const std::vector<double> &gridly, const std::vector<double> &bare) {
        std::vector<double> ratio;
        for (std::size_t r = 0; r < gridly.size(); ++r)
            ratio.push_back(gridly[r] / bare[r]);
        return Median(ratio);
    };
    state.counters["gridly_ms"] = Median(ms[0]);
    state.counters["gridly_MB"] = Median(mb[0]);
    state.counters["bare_ms"] = Median(ms[1]);
    state.counters["bare_MB"] = Median(mb[1]);
    state.counters["start_ratio"] = ratios(ms[0], ms[1]);
    state.counters["memory_ratio"] = ratios(mb[0], mb[1]);
    state.counters["empty_ms"] = Median(ms[2]);
    state.counters["start_ratio_to_empty"] = ratios(ms[0], ms[2]);
    state.counters["memory_ratio_to_empty"] = ratios(mb[0], mb[2]);
}
BENCHMARK(BM_StartBesideABareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(61);

}  // namespace
