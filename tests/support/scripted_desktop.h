// A desktop for tests: every dialog answer comes from a queue the test fills,
// and every message shown is recorded with its title, buttons and icon. A
// dialog with nothing queued fails the test instead of blocking on a window.
#pragma once

#include "print/page_printer.h"
#include "window/desktop.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

struct ShownMessage {
    QString text;
    QString title;
    Desktop::Buttons buttons;
    Desktop::Icon icon;
};

// A printer that writes every operation it is asked to do into a log, one line
// each, and keeps the pictures it draws. Its page is PAGE_WIDTH by PAGE_HEIGHT
// twips; a line of an n-point font is n x 20 twips high and each character
// n x 10 twips wide. Log lines:
//   "font Courier", "size 12", "bold on", "underline off", "colour #000000",
//   "x 5500", "y 7500" (position set), "newline",
//   "print 0,7740 Across" (at x,y, staying on the line),
//   "line 5500,7740 Down" (at x,y, ending the line),
//   "picture 12,240 64x67" (at x,y, its size in pixels), "end".
class RecordingPrinter : public PagePrinter {
public:
    static constexpr int PAGE_WIDTH = 11000;
    static constexpr int PAGE_HEIGHT = 15000;

    RecordingPrinter(QStringList &log, QList<QImage> &pictures) : m_log(log), m_pictures(pictures) {}

    void setFontName(const QString &name) override { m_log << "font " + name; }
    void setFontSize(int points) override;
    void setBold(bool on) override { m_log << QStringLiteral("bold ") + (on ? "on" : "off"); }
    void setUnderline(bool on) override { m_log << QStringLiteral("underline ") + (on ? "on" : "off"); }
    void setTextColour(const QColor &colour) override { m_log << "colour " + colour.name(); }
    int pageWidth() override { return PAGE_WIDTH; }
    int pageHeight() override { return PAGE_HEIGHT; }
    int currentX() override { return m_x; }
    int currentY() override { return m_y; }
    void setCurrentX(int x) override;
    void setCurrentY(int y) override;
    void printStay(const QString &text) override;
    void printLine(const QString &text) override;
    void newLine() override;
    void drawPicture(int x, int y, const QImage &picture) override;
    void endDoc() override { m_log << QStringLiteral("end"); }

private:
    QString at() const { return QStringLiteral("%1,%2 ").arg(m_x).arg(m_y); }
    void endLine();

    QStringList &m_log;
    QList<QImage> &m_pictures;
    int m_points = 12;
    int m_x = 0;
    int m_y = 0;
};

class ScriptedDesktop : public Desktop {
public:
    // Queue the answer to the next message box.
    void answer(Answer next) { m_answers.append(next); }
    // Queue the path the next file dialog returns ("" = Cancel).
    void chooseFile(const QString &path) { m_files.append(path); }

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    void showHelp(const QString &helpFile) override { helpShown.append(helpFile); }
    std::unique_ptr<PagePrinter> defaultPrinter() override;
    bool anotherInstanceRunning() override { return otherInstance; }
    void setWaitCursor(bool wait) override { waiting = wait; }
    void endProgram() override { ended = true; }

    // What the program did.
    QList<ShownMessage> messages;
    QList<FileRequest> fileRequests;
    QStringList helpShown;
    bool ended = false;
    bool waiting = false;
    // What the recording printer was asked to do, and the pictures it drew.
    QStringList printed;
    QList<QImage> printedPictures;

    // What the desktop reports.
    bool otherInstance = false;
    bool hasPrinter = true;
    // When set, the printer is the real one, writing this PDF file instead of the log.
    QString printerPdfFile;

    // Unanswered questions or unchosen files left at the end of a test.
    int pendingAnswers() const { return int(m_answers.size()); }
    int pendingFiles() const { return int(m_files.size()); }

private:
    QString nextFile(const FileRequest &request);

    QList<Answer> m_answers;
    QStringList m_files;
};
