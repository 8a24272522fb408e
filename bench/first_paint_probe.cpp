// Preloaded into the real program by the start-up benchmark (LD_PRELOAD):
// the first time a window's backing store is flushed, that is once the first
// frame of the main window is painted, the program ends at once with status
// FIRST_PAINT_STATUS, so that its parent can time the start; before it ends
// it writes its peak memory (VmHWM, kB) into the file that FIRST_PAINT_PEAK
// names, if any. (The parent cannot take it from wait4: a child started by
// posix_spawn counts the parent's memory in its own peak.) Nothing of the
// program itself is changed.
#include "first_paint_probe.h"

#include <QBackingStore>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

void WritePeakMemory()
{
    const char *file = std::getenv(FIRST_PAINT_PEAK);
    if (!file)
        return;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:"))
            std::ofstream(file) << std::stol(line.substr(6));
}

}  // namespace

void QBackingStore::flush(const QRegion &region, QWindow *window, const QPoint &offset)
{
    using Flush = void (*)(QBackingStore *, const QRegion &, QWindow *, const QPoint &);
    static const auto qtFlush =
        reinterpret_cast<Flush>(dlsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint"));
    qtFlush(this, region, window, offset);
    WritePeakMemory();
    _exit(FIRST_PAINT_STATUS);
}
