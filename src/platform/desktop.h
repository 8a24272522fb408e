// Everything the desktop provides to Gridly: modal message boxes, the file
// dialogs, the help viewer, the printer, single-instance detection and the
// end of the program. The window talks to the desktop only through this
// interface, so tests can answer every dialog from a script.
#pragma once

#include <QString>

#include <memory>

class PagePrinter;

class Desktop {
public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Information, Question, Critical };
    enum class Answer { Ok, Yes, No, Cancel };

    struct FileRequest {
        QString filter;         // "description(*.ext)|*.ext"
        QString defaultSuffix;  // without the dot; appended to a name typed without one
        QString initialName;    // full path or bare name; "" for none
        QString initialFolder;
        bool promptOverwrite = false;
        bool mustExist = false;
    };

    virtual ~Desktop() = default;

    // Modal; a carriage return in text is a line break.
    virtual Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) = 0;
    // The chosen full path, or "" when the user cancelled.
    virtual QString openFileName(const FileRequest &request) = 0;
    virtual QString saveFileName(const FileRequest &request) = 0;
    // Shows an existing help file at its contents.
    virtual void showHelp(const QString &helpFile) = 0;
    // The default printer, or null when there is none.
    virtual std::unique_ptr<PagePrinter> defaultPrinter() = 0;
    // True when another instance of the program holds the instance lock.
    virtual bool anotherInstanceRunning() = 0;
    // The user's own folder for the program's settings; "" when there is none.
    virtual QString userConfigFolder() = 0;
    virtual void setWaitCursor(bool wait) = 0;
    // Ends the program once control returns to the event loop.
    virtual void endProgram() = 0;
};
