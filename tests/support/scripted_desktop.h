// A desktop for tests: every dialog answer comes from a queue the test fills,
// and every message shown is recorded with its title, buttons and icon. A
// dialog with nothing queued fails the test instead of blocking on a window.
#pragma once

#include "platform/desktop.h"

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

class ScriptedDesktop : public Desktop {
public:
    // Queue the answer to the next message box.
    void answer(Answer next) { m_answers.append(next); }
    // Queue the path the next file dialog returns ("" = Cancel).
    void chooseFile(const QString &path) { m_files.append(path); }

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    QString openFileName(const FileRequest &request) override { return nextFile(request); }
    QString saveFileName(const FileRequest &request) override { return nextFile(request); }
    void showHelp(const QString &helpFile) override { helpShown.append(helpFile); }
    std::unique_ptr<PagePrinter> defaultPrinter() override;
    bool anotherInstanceRunning() override { return otherInstance; }
    QString userConfigFolder() override { return configFolder; }
    void setWaitCursor(bool wait) override { waiting = wait; }
    void endProgram() override { ended = true; }

    // What the program did.
    QList<ShownMessage> messages;
    QList<FileRequest> fileRequests;
    QStringList helpShown;
    bool ended = false;
    bool waiting = false;
    // What the printer printed, one line each, and the pictures it drew:
    //   "print 0,7740 Across" (at x,y twips, staying on the line),
    //   "line 5500,7740 Down" (at x,y, ending the line),
    //   "picture 12,240 64x67" (at x,y, its size in pixels),
    //   "grid 3243,240 301x301" (at x,y, its size in grid pixels; its
    //   picture is the grid drawn at pixel ratio 1), "end".
    // Its page is 11000 by 15000 twips; a line of an n-point font is n x 20
    // twips high and each character n x 10 twips wide.
    QStringList printed;
    QList<QImage> printedPictures;

    // What the desktop reports.
    bool otherInstance = false;
    bool hasPrinter = true;
    bool printerFails = false;  // the printer refuses the document
    QString configFolder;  // "" = none

private:
    QString nextFile(const FileRequest &request);

    QList<Answer> m_answers;
    QStringList m_files;
};
