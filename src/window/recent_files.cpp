#include "window/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString KEY = QStringLiteral("recent/puzzles");

}  // namespace

RecentFiles::RecentFiles(const QString &settingsFolder)
    : m_file(settingsFolder.isEmpty() ? QString() : QDir(settingsFolder).filePath(QStringLiteral("gridly.ini")))
{
    if (!m_file.isEmpty())
        m_paths = QSettings(m_file, QSettings::IniFormat).value(KEY).toStringList().mid(0, MOST);
}

QStringList RecentFiles::paths() const
{
    QStringList existing;
    for (const QString &path : m_paths)
        if (QFileInfo(path).isFile())
            existing << path;
    return existing;
}

void RecentFiles::add(const QString &path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    if (!m_paths.isEmpty() && m_paths.constFirst() == full)
        return;  // already first: the settings file is left alone
    m_paths.removeAll(full);
    m_paths.prepend(full);
    m_paths = m_paths.mid(0, MOST);
    store();
}

void RecentFiles::clear()
{
    m_paths.clear();
    store();
}

// A settings file that cannot be written only loses the list at the next start.
void RecentFiles::store()
{
    if (m_file.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(KEY, m_paths);
}
