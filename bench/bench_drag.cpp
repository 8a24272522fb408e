// The cost of one pointer move while a word is dragged over a 24 by 24 grid
// holding 40 words: the drag picture redrawn over the grid beneath it and the
// position under the pointer tested. The real window runs on the offscreen
// platform; the moves go to the grid picture as its mouse grab delivers them.
#include "bench_application.h"
#include "document/puzzle_file.h"
#include "print/page_printer.h"
#include "view/grid_picture.h"
#include "window/gridly.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Answers nothing: the benchmark never asks the desktop for anything.
class SilentDesktop : public Desktop {
public:
    Answer message(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }
    void showHelp(const QString &) override {}
    std::unique_ptr<PagePrinter> defaultPrinter() override { return nullptr; }
    bool anotherInstanceRunning() override { return false; }
    QString userConfigFolder() override { return {}; }
    void setWaitCursor(bool) override {}
    void endProgram() override {}
};

// 36 six-letter words across on every other row, three to a row, and four
// more in the list only.
Puzzle FortyWords()
{
    Puzzle p;
    for (int i = 0; i < MAXWORDS; ++i) {
        WordEntry &entry = p.Words[++p.nwords];
        entry.word.assign(std::string("WORD") + char('A' + i / 26) + char('A' + i % 26));
        entry.lw = 6;
        entry.clue.assign("A clue");
        entry.stat = STAT_UNPLACED;
        if (i < 36) {
            entry.stat = STAT_PLACED;
            entry.gc = int16_t(1 + (i % 3) * 8);
            entry.gr = int16_t(1 + (i / 3) * 2);
        }
    }
    return p;
}

void SendMove(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &move);
}

// The window with the puzzle open and the first word picked up from the grid.
class DraggingWindow {
public:
    DraggingWindow()
    {
        EnsureApplication();
        const QString path = m_folder.filePath(QStringLiteral("forty.gly"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(QByteArray::fromStdString(WritePuzzleFile(FortyWords()))) < 0)
            qFatal("cannot write the puzzle");
        file.close();
        m_window = std::make_unique<gridly>(m_desktop, m_folder.path(), QStringList{'"' + path + '"'});
        m_window->Form_Load();
        m_window->show();
        QApplication::processEvents();
        pb = m_window->findChild<GridPicture *>(QStringLiteral("pb"));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), pb->mapToGlobal(QPointF(10, 10)), Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(pb, &press);
        SendMove(pb, QPoint(30, 30));
        if (!m_window->dragging())
            qFatal("the drag did not start");
    }

    // The pointer wanders over the grid by half cells, so every other move
    // reaches another cell.
    QPoint next()
    {
        m_step = (m_step + 1) % (48 * 48);
        return {5 + (m_step % 48) * 10, 5 + (m_step / 48) * 10};
    }

    GridPicture *pb = nullptr;

private:
    QTemporaryDir m_folder;
    SilentDesktop m_desktop;
    std::unique_ptr<gridly> m_window;
    int m_step = 0;
};

void BM_DragMove(benchmark::State &state)
{
    DraggingWindow drag;
    for (auto _ : state)
        SendMove(drag.pb, drag.next());
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMicrosecond);

// The same with the window repainted after every move, as the screen shows it.
void BM_DragMoveAndRepaint(benchmark::State &state)
{
    DraggingWindow drag;
    for (auto _ : state) {
        SendMove(drag.pb, drag.next());
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DragMoveAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
