// The puzzles last opened or saved, newest first, kept in Gridly's own
// settings file in the user's configuration folder (gridly.cfg keeps its
// bytes and meaning; this is a store of its own for what it has no room for).
#pragma once

#include <QString>
#include <QStringList>

class RecentFiles {
public:
    static constexpr int MOST = 8;

    // settingsFolder: the user's configuration folder; "" keeps the list for
    // this run only.
    explicit RecentFiles(const QString &settingsFolder);

    // The files that still exist, newest first.
    QStringList paths() const;
    // path becomes the newest; the oldest beyond MOST goes.
    void add(const QString &path);
    void clear();

private:
    void store();

    QString m_file;  // "" for none
    QStringList m_paths;
};
