// Preloaded into the real program by the start-up benchmark (LD_PRELOAD):
// the first time a window's backing store is flushed, that is once the first
// frame of the main window is painted, the program ends at once with status
// FIRST_PAINT_STATUS, so that its parent can time the start and read its peak
// memory. Nothing of the program itself is changed.
#include "first_paint_probe.h"

#include <QBackingStore>

#include <dlfcn.h>
#include <unistd.h>

void QBackingStore::flush(const QRegion &region, QWindow *window, const QPoint &offset)
{
    using Flush = void (*)(QBackingStore *, const QRegion &, QWindow *, const QPoint &);
    static const auto qtFlush =
        reinterpret_cast<Flush>(dlsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint"));
    qtFlush(this, region, window, offset);
    _exit(FIRST_PAINT_STATUS);
}
