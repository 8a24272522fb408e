#include "test_files.h"

#include <QFile>
#include <QProcess>
#include <QTest>

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ProgramOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        QTest::qFail(qPrintable(program + " did not finish"), __FILE__, __LINE__);
    return QString::fromUtf8(process.readAllStandardOutput());
}
