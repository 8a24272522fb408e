#include "scripted_desktop.h"

#include "print/page_printer.h"

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
    return printerFactory ? printerFactory() : nullptr;
}
