#include "scripted_desktop.h"

#include "print/qt_page_printer.h"

#include <QPrinter>
#include <QTest>

Desktop::Answer ScriptedDesktop::message(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    messages.append({text, title, buttons, icon});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: %1 / %2").arg(title, text)), __FILE__, __LINE__);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    return m_answers.takeFirst();
}

QString ScriptedDesktop::nextFile(const FileRequest &request)
{
    fileRequests.append(request);
    if (m_files.isEmpty()) {
        QTest::qFail("unexpected file dialog", __FILE__, __LINE__);
        return {};
    }
    return m_files.takeFirst();
}

QString ScriptedDesktop::openFileName(const FileRequest &request)
{
    return nextFile(request);
}

QString ScriptedDesktop::saveFileName(const FileRequest &request)
{
    return nextFile(request);
}

std::unique_ptr<PagePrinter> ScriptedDesktop::defaultPrinter()
{
    if (!hasPrinter)
        return nullptr;
    if (printerPdfFile.isEmpty())
        return std::make_unique<RecordingPrinter>(printed, printedPictures);
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(printerPdfFile);
    pdf->setPageSize(QPageSize(QPageSize::A4));
    return std::make_unique<QtPagePrinter>(std::move(pdf));
}

void RecordingPrinter::setFontSize(int points)
{
    m_points = points;
    m_log << QStringLiteral("size %1").arg(points);
}

void RecordingPrinter::setCurrentX(int x)
{
    m_x = x;
    m_log << QStringLiteral("x %1").arg(x);
}

void RecordingPrinter::setCurrentY(int y)
{
    m_y = y;
    m_log << QStringLiteral("y %1").arg(y);
}

void RecordingPrinter::printStay(const QString &text)
{
    m_log << "print " + at() + text;
    m_x += int(text.size()) * m_points * 10;
}

void RecordingPrinter::printLine(const QString &text)
{
    m_log << "line " + at() + text;
    endLine();
}

void RecordingPrinter::newLine()
{
    m_log << QStringLiteral("newline");
    endLine();
}

void RecordingPrinter::endLine()
{
    m_x = 0;
    m_y += m_points * 20;
}

void RecordingPrinter::drawPicture(int x, int y, const QImage &picture)
{
    m_log << QStringLiteral("picture %1,%2 %3x%4").arg(x).arg(y).arg(picture.width()).arg(picture.height());
    m_pictures << picture;
}
