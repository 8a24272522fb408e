#include "window/qt_desktop.h"

#include "print/qt_page_printer.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

QtDesktop::QtDesktop(const QString &lockFolder)
    : m_lock(QDir(lockFolder).filePath(QStringLiteral("gridly.lock")))
{
    m_lock.setStaleLockTime(0);  // a lock whose owner died is taken over, never waited for
}

QtDesktop::~QtDesktop()
{
    delete m_help;
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
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
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

bool QtDesktop::anotherInstanceRunning()
{
    // Only a lock another process holds means another Gridly; a lock that
    // cannot be taken at all (no runtime folder, a full disk) must not keep
    // the program from starting.
    return !m_lock.isLocked() && !m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError;
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
