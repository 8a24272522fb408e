// Whole-file reads and writes for the puzzle and configuration files. A write
// goes to a temporary file beside the target that replaces it only once every
// byte is on disk, so a failed save never damages the file that was there.
#pragma once

#include <QByteArray>
#include <QString>

struct FileRead {
    QByteArray bytes;
    QString error;  // "" on success: the system's text for the failure otherwise
};

FileRead ReadWholeFile(const QString &path);

// "" on success, else the system's text for the failure; the old file is untouched then.
QString WriteWholeFile(const QString &path, const QByteArray &bytes);
