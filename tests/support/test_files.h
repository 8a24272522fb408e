// Files and programs for tests: whole files written and read, and what a
// program (poppler's pdftotext, for one) writes to its standard output.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Fails the test program when the file cannot be written.
void WriteBytes(const QString &path, const QByteArray &bytes);
// "" when the file cannot be read.
QByteArray ReadBytes(const QString &path);
// Fails the test when the program does not finish within a minute.
QString ProgramOutput(const QString &program, const QStringList &arguments);
