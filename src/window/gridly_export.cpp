// File > Export: the puzzle written by the same writers as gridly-tool export,
// through a file dialog with the format's filter. What a format cannot hold
// is refused by name before a file is chosen; .puz asks before it changes a
// text that Latin-1 lacks. Nothing in the puzzle changes.
#include "window/gridly.h"

#include "document/export_grid.h"
#include "document/ipuz_file.h"
#include "document/puz_file.h"
#include "document/web_page.h"
#include "platform/file_store.h"
#include "print/pdf_page.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct Format {
    const char *filter;  // for the dialog
    const char *suffix;
};

constexpr Format FORMATS[] = {
    {"Across Lite Puzzle(*.puz)|*.puz", "puz"},
    {"ipuz Crossword(*.ipuz)|*.ipuz", "ipuz"},
    {"PDF Worksheet(*.pdf)|*.pdf", "pdf"},
    {"PDF Answer Key(*.pdf)|*.pdf", "pdf"},
    {"Web Page(*.html)|*.html", "html"},
};

const QString TITLE = QStringLiteral("Export");

}  // namespace

void gridly::Export(ExportFormat format)
{
    const Format &kind = FORMATS[int(format)];
    const Puzzle &p = m_doc.puzzle();
    // Titled by the puzzle's file name, as gridly-tool titles it.
    const std::string stem = m_doc.fname().empty() ? "Gridly" : QFileInfo(QString::fromStdString(m_doc.fname()))
                                                                    .completeBaseName().toStdString();
    ExportFile file;
    switch (format) {
    case ExportFormat::Puz: file = WritePuzFile(p, stem, false, true); break;
    case ExportFormat::Ipuz: file = WriteIpuzFile(p, stem, false); break;
    case ExportFormat::WebPage: file = WriteWebPage(p, stem); break;
    case ExportFormat::Worksheet:
    case ExportFormat::AnswerKey: {
        ExportGrid grid;
        file.refusal = ReadExportGrid(p, grid);
        if (file.refusal.empty()) {
            Puzzle page = p;
            page.gridwrd = format == ExportFormat::AnswerKey;
            file.bytes = PdfPageBytes(page).toStdString();
        }
    }
    }
    if (!file.refusal.empty()) {
        m_desktop.message(QString::fromStdString(file.refusal), TITLE, Desktop::Buttons::Ok,
                          Desktop::Icon::Information);
        return;
    }
    if (format == ExportFormat::Puz) {
        if (const auto change = FirstPuzTextChange(p, stem);
            change
            && m_desktop.message(QString::fromStdString(PuzTextChangeText(*change)) + QLatin1Char('\r')
                                     + QStringLiteral("Export It Changed"),
                                 TITLE, Desktop::Buttons::YesNo, Desktop::Icon::Question)
                   != Desktop::Answer::Yes)
            return;
    }

    Desktop::FileRequest request;
    request.filter = QString::fromLatin1(kind.filter);
    request.defaultSuffix = QString::fromLatin1(kind.suffix);
    request.initialName = QString::fromStdString(stem) + QLatin1Char('.') + request.defaultSuffix;
    request.initialFolder = m_dialogFolder;
    request.promptOverwrite = true;
    const QString path = m_desktop.saveFileName(request);
    if (path.isEmpty())
        return;
    m_desktop.setWaitCursor(true);
    const QString error = WriteWholeFile(path, QByteArray::fromStdString(file.bytes));
    m_desktop.setWaitCursor(false);
    if (!error.isEmpty())
        m_desktop.message(error + QLatin1Char('\r') + QStringLiteral("File: ") + QDir::toNativeSeparators(path),
                          QStringLiteral("Export Error"), Desktop::Buttons::Ok, Desktop::Icon::Critical);
}
