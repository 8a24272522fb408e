// The desktop as Qt provides it: QMessageBox, QFileDialog, a help window,
// QPrinter on the default printer and a per-user lock.
#pragma once

#include "platform/desktop.h"

#include <QPointer>

class QTextBrowser;
class QWidget;

class QtDesktop : public Desktop {
public:
    // lockFolder: where the single-instance lock lives (one per user).
    explicit QtDesktop(const QString &lockFolder);
    ~QtDesktop() override;

    void setParentWindow(QWidget *window) { m_window = window; }

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    void showHelp(const QString &helpFile) override;
    std::unique_ptr<PagePrinter> defaultPrinter() override;
    bool anotherInstanceRunning() override;
    QString userConfigFolder() override;
    void setWaitCursor(bool wait) override;
    void endProgram() override;

private:
    QString fileName(const FileRequest &request, bool save);

    QString m_lockPath;
    int m_lock = -1;  // the lock file, open and locked while this instance runs
    QPointer<QWidget> m_window;
    QPointer<QTextBrowser> m_help;
    bool m_waiting = false;
};
