// The real main window in a test: a private program folder (for gridly.cfg and
// gridly.hlp), a scripted desktop, and lookups of controls by their names.
#pragma once

#include "scripted_desktop.h"
#include "window/gridly.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

class WindowFixture {
public:
    WindowFixture();

    // Constructs the window, runs start-up with these arguments and shows it.
    // False when start-up ended the program (another instance).
    bool start(const QStringList &arguments = {}, RandomSource random = {});

    QString path(const QString &name) const { return m_folder.filePath(name); }
    // Writes bytes to a file in the program folder and returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;

    template <class T>
    T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    // A left click in the middle of a control (press and release, so a
    // button's release handler runs before its click).
    void click(const QString &buttonName) const;
    // Types text into the focused control with key events.
    void type(const QString &text) const { QTest::keyClicks(QApplication::focusWidget(), text); }
    // Enters a word and its clue and presses Add.
    void addWord(const QString &word, const QString &clue) const;
    // Puts a puzzle file in the folder and opens it through the Open dialog.
    void open(const QByteArray &fileBytes, const QString &name = QStringLiteral("puzzle.gly"));

    const Puzzle &puzzle() const { return window->puzzle(); }

    ScriptedDesktop desktop;
    std::unique_ptr<gridly> window;
    QString programFolder;  // where start() runs the program from; "" = the fixture's own folder

private:
    QTemporaryDir m_folder;
};
