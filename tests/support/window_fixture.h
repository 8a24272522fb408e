// The real main window in a test: a private program folder (for gridly.cfg and
// gridly.hlp), a scripted desktop, and lookups of controls by their names.
#pragma once

#include "puzzle_builder.h"
#include "scripted_desktop.h"
#include "window/gridly.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

class WindowFixture {
public:
    WindowFixture();

    // Constructs the window, runs start-up with these arguments and shows it.
    // False when start-up ended the program (another instance). Without a
    // random source the window draws from a fixed seed, so that generating
    // gives the same grid on every run.
    bool start(const QStringList &arguments = {}, RandomSource random = {});

    QString path(const QString &name) const { return m_folder.filePath(name); }
    // Writes bytes to a file in the program folder and returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;

    template <class T = QWidget>
    T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    bool visible(const QString &name) const { return control(name)->isVisible(); }
    bool enabled(const QString &name) const { return control(name)->isEnabled(); }
    // A left click in the middle of a control (press and release, so a
    // button's release handler runs before its click).
    void click(const QString &buttonName) const;
    // A click on the middle of item `row` of a clue list.
    void clickItem(const QString &list, int row) const;
    // A click on panel row r (0..15), near its left end.
    void clickRow(int r, Qt::MouseButton button = Qt::LeftButton) const;
    // The client area below the menu bar, laid out as the design has it.
    QWidget *client() const { return window->centralWidget(); }
    // Window points, in the client area: a control's top-left corner and centre, the middle of grid cell (c, r).
    QPoint corner(const QString &name) const { return control(name)->mapTo(client(), QPoint(0, 0)); }
    QPoint centre(const QString &name) const { return corner(name) + control(name)->rect().center(); }
    QPoint cell(int c, int r) const { return corner(QStringLiteral("pb")) + QPoint(c * 20 - 10, r * 20 - 10); }
    // One left-button gesture at window points, delivered as the implicit mouse
    // grab does: all to the pressed control, in its own coordinates.
    WindowFixture &press(const QString &name, QPoint at);
    WindowFixture &to(QPoint at);
    void release();
    // Types text into the focused control with key events.
    void type(const QString &text) const { QTest::keyClicks(QApplication::focusWidget(), text); }
    // Enters a word and its clue and presses Add.
    void addWord(const QString &word, const QString &clue) const;
    // Puts a puzzle file in the folder and opens it through the Open dialog.
    void open(const QByteArray &fileBytes, const QString &name = QStringLiteral("puzzle.gly"));
    void open(const Puzzle &p) { open(FileBytes(p)); }

    const Puzzle &puzzle() const { return window->puzzle(); }
    // Message i shown by the window as "text|title" ("" when there is none).
    QString shown(int i) const;

    ScriptedDesktop desktop;
    std::unique_ptr<gridly> window;
    QString programFolder;  // where start() runs the program from; "" = the fixture's own folder

private:
    QTemporaryDir m_folder;
    ProgramRandom m_random{1};
    QWidget *m_pressed = nullptr;
    QPoint m_last;
};
