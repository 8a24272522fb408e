#include "scripted_desktop.h"

#include "print/page_printer.h"
#include "view/grid_renderer.h"

#include <QTest>

namespace {

// Logs what is printed into the desktop's printed and printedPictures.
class RecordingPrinter : public PagePrinter {
public:
    explicit RecordingPrinter(ScriptedDesktop &desktop) : m_desktop(desktop) {}

    void setFontName(const QString &) override {}
    void setFontSize(int points) override { m_points = points; }
    void setBold(bool) override {}
    void setUnderline(bool) override {}
    void setTextColour(const QColor &) override {}
    int pageWidth() override { return 11000; }
    int pageHeight() override { return 15000; }
    int currentX() override { return m_x; }
    int currentY() override { return m_y; }
    void setCurrentX(int x) override { m_x = x; }
    void setCurrentY(int y) override { m_y = y; }
    void printStay(const QString &text) override
    {
        m_desktop.printed << QStringLiteral("print %1,%2 ").arg(m_x).arg(m_y) + text;
        m_x += int(text.size()) * m_points * 10;
    }
    void printLine(const QString &text) override
    {
        m_desktop.printed << QStringLiteral("line %1,%2 ").arg(m_x).arg(m_y) + text;
        newLine();
    }
    void newLine() override
    {
        m_x = 0;
        m_y += m_points * 20;
    }
    void drawPicture(int x, int y, const QImage &picture) override
    {
        m_desktop.printed << QString::asprintf("picture %d,%d %dx%d", x, y, picture.width(), picture.height());
        m_desktop.printedPictures << picture;
    }
    void drawGrid(int x, int y, const Puzzle &p, GridLook look) override
    {
        const QImage grid = RenderGrid(p, look);
        m_desktop.printed << QString::asprintf("grid %d,%d %dx%d", x, y, grid.width(), grid.height());
        m_desktop.printedPictures << grid;
    }
    void endDoc() override { m_desktop.printed << QStringLiteral("end"); }
    bool printed() const override { return !m_desktop.printerFails; }

private:
    ScriptedDesktop &m_desktop;
    int m_points = 12;
    int m_x = 0;
    int m_y = 0;
};

} // namespace

Desktop::Answer ScriptedDesktop::message(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    messages.append({text, title, buttons, icon});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_answers.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: %1 / %2").arg(title, text)), __FILE__, __LINE__);
    return m_answers.isEmpty() ? Answer::Cancel : m_answers.takeFirst();
}

QString ScriptedDesktop::nextFile(const FileRequest &request)
{
    fileRequests.append(request);
    if (m_files.isEmpty())
        QTest::qFail("unexpected file dialog", __FILE__, __LINE__);
    return m_files.isEmpty() ? QString() : m_files.takeFirst();
}

std::unique_ptr<PagePrinter> ScriptedDesktop::defaultPrinter()
{
    return hasPrinter ? std::make_unique<RecordingPrinter>(*this) : nullptr;
}
