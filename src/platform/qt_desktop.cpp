#include "platform/qt_desktop.h"

#include "print/qt_page_printer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QtDesktop::QtDesktop(const QString &lockFolder) : m_lockPath(QDir(lockFolder).filePath(QStringLiteral("gridly.lock")))
{
}

QtDesktop::~QtDesktop()
{
    delete m_help;
    if (m_lock >= 0)
        ::close(m_lock);
}

Desktop::Answer QtDesktop::message(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    QMessageBox box(m_window);
    box.setWindowTitle(title);
    QString shown = text;
    box.setText(shown.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtDesktop::fileName(const FileRequest &request, bool save)
{
    // "description(*.gly)|*.gly": the description already names its pattern,
    // which is the form Qt's filters take.
    const QString description = request.filter.section(QLatin1Char('|'), 0, 0);
    QFileDialog dialog(m_window);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    dialog.setNameFilter(description);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDesktop::openFileName(const FileRequest &request)
{
    return fileName(request, false);
}

QString QtDesktop::saveFileName(const FileRequest &request)
{
    return fileName(request, true);
}

void QtDesktop::showHelp(const QString &helpFile)
{
    if (!m_help) {
        m_help = new QTextBrowser;
        m_help->setWindowTitle(QStringLiteral("Gridly Help"));
        m_help->setOpenExternalLinks(true);
        m_help->resize(680, 560);
    }
    m_help->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

std::unique_ptr<PagePrinter> QtDesktop::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Gridly"));
    return std::make_unique<QtPagePrinter>(std::move(printer));
}

// A lock held on an open file: the system lets it go however the program
// ends, so a dead instance never leaves it behind, and taking it writes
// nothing, so the start never waits for the disk to sync a lock file.
bool QtDesktop::anotherInstanceRunning()
{
    if (m_lock >= 0)
        return false;
    // Only a lock another process holds means another Gridly; a lock that
    // cannot be taken at all (no runtime folder, a full disk) must not keep
    // the program from starting.
    const int lock = ::open(QFile::encodeName(m_lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0)
        return false;
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(lock);
        return held;
    }
    m_lock = lock;
    return false;
}

QString QtDesktop::userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

void QtDesktop::setWaitCursor(bool wait)
{
    if (wait == m_waiting)
        return;
    m_waiting = wait;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtDesktop::endProgram()
{
    QCoreApplication::exit(0);
}
