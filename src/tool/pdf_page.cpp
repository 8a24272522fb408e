#include "tool/pdf_page.h"

#include "print/puzzle_page.h"
#include "print/qt_page_printer.h"
#include "view/svg_icon.h"
#include "window/file_store.h"

#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>

std::string WritePdfPage(const Puzzle &p, const std::string &path)
{
    // Fonts and painting need an application, but no display: without one
    // named, the page is drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool's standard error carries its own messages only, not the
    // toolkit's notes about the session it runs in.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    int argc = 1;
    char name[] = "gridly-tool";
    char *argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);

    // The printer writes as it goes; the page reaches its own name only once
    // it is complete, as Save writes.
    const QTemporaryDir folder;
    if (!folder.isValid())
        return folder.errorString().toStdString();
    const QString page = folder.filePath(QStringLiteral("page.pdf"));
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(page);
    printer->setDocName(QStringLiteral("Gridly"));
    {
        QtPagePrinter pagePrinter(std::move(printer));
        const QImage logo = SvgIcon(QStringLiteral(":/icons/logo.svg")).pixmap(QSize(64, 67)).toImage();
        PrintPuzzlePage(pagePrinter, p, logo, false);
    }
    const FileRead drawn = ReadWholeFile(page);
    if (!drawn.error.isEmpty())
        return drawn.error.toStdString();
    return WriteWholeFile(QFile::decodeName(QByteArray::fromStdString(path)), drawn.bytes).toStdString();
}
