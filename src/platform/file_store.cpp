#include "platform/file_store.h"

#include <QFile>
#include <QSaveFile>

FileRead ReadWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    FileRead result{file.readAll(), {}};
    if (file.error() != QFileDevice::NoError)
        result.error = file.errorString();
    return result;
}

QString WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A short write is not a failure yet: writing on either finishes the job
    // or fails with the system's reason (a full disk, a file too large).
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            break;
        done += written;
    }
    // Qt 6.4's commit() can report success although its final flush failed
    // (a full disk), which would replace the file with a cut one: flush and
    // check first, and keep the old file on any failure.
    if (done < bytes.size() || !(file.flush() || file.flush()) || file.error() != QFileDevice::NoError) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
