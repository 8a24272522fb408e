// The menu bar: each item runs its command and is enabled as its button is,
// in both modes; the shortcuts; the client area below it; File > Export
// writing gridly-tool's bytes or refusing by name; Recent Puzzles across a
// restart; About.
#include "test_files.h"
#include "window_fixture.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {

using Answer = Desktop::Answer;

// A ring of four words, all in the grid, and an out-of-grid fifth word for the
// design rows that need one.
Puzzle Ring4(bool withLoose)
{
    std::vector<WordSpec> words{{"CAT", 2, 2, "Acro"}, {"COW", 2, 2, "Down"}, {"TEN", 4, 2, "Down"},
                                {"WIN", 2, 4, "Acro", "Costs 5 \x80 & more <b>"}};
    if (withLoose)
        words.push_back({"OWL"});
    return MakePuzzle(words, 16, 16);
}

QAction *Item(const WindowFixture &f, const QString &name)
{
    return f.window->findChild<QAction *>(name);
}

// What a command did, in a few words, from what the scripted desktop saw.
QString Effect(const WindowFixture &f)
{
    if (f.desktop.ended)
        return "ended";
    if (!f.desktop.helpShown.isEmpty())
        return "help";
    if (!f.desktop.printed.isEmpty())
        return "printed";
    if (!f.desktop.fileRequests.isEmpty())
        return "file dialog " + f.desktop.fileRequests.constFirst().filter;
    if (!f.desktop.messages.isEmpty())
        return f.shown(0);
    const Puzzle &p = f.puzzle();
    return f.window->document().playing() ? "play" : QStringLiteral("%1 placed, %2 x %3").arg(p.nplaced).arg(p.gcols).arg(p.grows);
}

} // namespace

class TestWindowMenus : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    void start(const Puzzle &p)
    {
        f = std::make_unique<WindowFixture>();
        f->desktop.configFolder = f->path("settings");
        QVERIFY(f->start());
        f->open(p);
        f->clickRow(4);  // OWL, when there is one, is current: Auto Put may run
        f->desktop.fileRequests.clear();
    }

private slots:
    void eachItemRunsItsCommandAsItsButtonDoes_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("loose");  // a word out of the grid
        QTest::addColumn<QString>("effect");
        const QString gly = "file dialog Gridly- Files(*.gly)|*.gly", save = "file dialog Gridly - Files(*.gly)|*.gly";
        QTest::newRow("New") << "menu_new" << "cb_new" << true << "Start a New Crossword|New";
        QTest::newRow("Open") << "menu_open" << "cb_open" << true << gly;
        QTest::newRow("Save") << "menu_save" << "cb_save" << true << save;
        QTest::newRow("Print") << "menu_print" << "cb_print" << false << "printed";
        QTest::newRow("Exit") << "menu_exit" << "cb_exit" << true << "ended";
        QTest::newRow("Generate (Auto Size)") << "menu_generate_auto" << "cb_procAutosz" << true
                                              << "Process a New Crossword Grid|New Grid";
        QTest::newRow("Generate (Fixed Size)") << "menu_generate_fixed" << "cb_procfixsize" << true
                                               << "Process a New Crossword Grid|New Grid";
        QTest::newRow("Auto Put Word in Grid") << "menu_auto_put" << "cb_putword" << true << "5 placed, 16 x 16";
        QTest::newRow("Clear Grid") << "menu_clear_grid" << "cb_cleargrid" << true << "Remove Words from Grid|Clear Grid";
        QTest::newRow("Set to Minimun Size") << "menu_minimum_size" << "cb_resize" << true << "4 placed, 15 x 15";
        QTest::newRow("Do Cross Word") << "menu_play" << "cb_play" << false << "play";
        QTest::newRow("Do Cross Word, words out") << "menu_play" << "cb_play" << true << "4 placed, 16 x 16";
        QTest::newRow("Help") << "menu_help" << "cb_help" << true << "help";
    }
    void eachItemRunsItsCommandAsItsButtonDoes()
    {
        // An item that names a button is enabled as the button is, and runs the same command.
        QFETCH(QString, item);
        QFETCH(QString, button);
        QFETCH(bool, loose);
        start(Ring4(loose));
        QCOMPARE(Item(*f, item)->isEnabled(), f->enabled(button));
        f->desktop.answer(Answer::No);
        f->desktop.chooseFile({});  // a dialog is cancelled
        Item(*f, item)->trigger();
        QTEST(Effect(*f), "effect");
    }

    void playModeLeavesTheCommandsThatStillApply()
    {
        // In play mode New, Open, Recent Puzzles and the design commands wait for Design; Save, Export,
        // Print, Help, About, Exit and the way back stay, and the last of them brings design back.
        start(Ring4(false));
        f->click("cb_play");
        const QStringList off{"menu_new", "menu_open", "menu_generate_auto", "menu_generate_fixed",
                              "menu_make_connected", "menu_auto_put", "menu_take_out", "menu_minimum_size",
                              "menu_clear_grid"};
        const QStringList on{"menu_save", "menu_print", "menu_exit", "menu_help", "menu_about", "menu_play"};
        for (const QString &name : off)
            QVERIFY2(!Item(*f, name)->isEnabled(), qPrintable(name));
        for (const QString &name : on)
            QVERIFY2(Item(*f, name)->isEnabled(), qPrintable(name));
        QVERIFY(!f->window->findChild<QMenu *>("menu_recent")->isEnabled());
        QVERIFY(f->window->findChild<QMenu *>("menu_export")->isEnabled());
        QCOMPARE(Item(*f, "menu_play")->text(), QStringLiteral("&Design"));
        Item(*f, "menu_play")->trigger();
        QVERIFY(!f->window->document().playing());
        QCOMPARE(Item(*f, "menu_play")->text(), QStringLiteral("&Do Cross Word"));
    }

    void shortcutsAndTheClientArea()
    {
        // The keys are the ones set, whatever the platform's standard lists; the window is its client area of
        // 794 x 575 with the menu bar above it, and a key reaches its command from the window.
        start(Ring4(true));
        const std::pair<const char *, QList<QKeySequence>> keys[] = {
            {"menu_new", {QKeySequence("Ctrl+N")}}, {"menu_open", {QKeySequence("Ctrl+O")}},
            {"menu_save", {QKeySequence("Ctrl+S")}}, {"menu_print", {QKeySequence("Ctrl+P")}},
            {"menu_exit", {QKeySequence("Ctrl+Q")}}, {"undo", {QKeySequence("Ctrl+Z")}},
            {"redo", {QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}}, {"menu_help", {QKeySequence("F1")}}};
        for (const auto &[name, sequences] : keys)
            QCOMPARE(Item(*f, name)->shortcuts(), sequences);
        QCOMPARE(f->client()->geometry(), QRect(QPoint(0, f->window->menuBar()->height()), QSize(794, 575)));
        QCOMPARE(f->window->size(), QSize(794, 575 + f->window->menuBar()->height()));
        QTest::keySequence(f->window->focusWidget(), QKeySequence("F1"));
        QCOMPARE(f->desktop.helpShown.size(), 1);
    }

    void exportWritesTheToolsBytesOrRefusesByName_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QStringList>("options");  // gridly-tool's
        QTest::newRow("ipuz") << "menu_export_ipuz" << "ipuz" << QStringList();
        QTest::newRow(".puz, its text changed") << "menu_export_puz" << "puz" << QStringList{"--lossy"};
        QTest::newRow("web page") << "menu_export_web_page" << "html" << QStringList();
        QTest::newRow("PDF worksheet") << "menu_export_worksheet" << "pdf" << QStringList();
        QTest::newRow("PDF answer key") << "menu_export_answer_key" << "pdf" << QStringList{"--solution"};
    }
    void exportWritesTheToolsBytesOrRefusesByName()
    {
        // Export writes what gridly-tool export writes for the same file (a PDF the same text: its bytes hold
        // the time it was made); .puz asks first before it changes a text Latin-1 lacks. A puzzle with a word
        // out of the grid is refused naming the word, and a refusal or a cancelled dialog writes nothing.
        QFETCH(QString, item);
        QFETCH(QString, extension);
        QFETCH(QStringList, options);
        start(Ring4(false));
        const QString mine = f->path("mine." + extension), tools = f->path("tools." + extension);
        f->desktop.answer(Answer::Yes);
        f->desktop.chooseFile(mine);
        Item(*f, item)->trigger();
        ProgramOutput(GRIDLY_TOOL, QStringList{"export", f->path("puzzle.gly"), tools} + options);
        const bool pdf = extension == "pdf";
        QVERIFY(QFile::exists(mine) && QFile::exists(tools));
        if (pdf)
            QCOMPARE(ProgramOutput("pdftotext", {mine, "-"}), ProgramOutput("pdftotext", {tools, "-"}));
        else
            QCOMPARE(ReadBytes(mine), ReadBytes(tools));
        QCOMPARE(f->desktop.messages.size(), extension == "puz" ? 1 : 0);
        QCOMPARE(f->desktop.fileRequests.constLast().defaultSuffix, extension);

        f->desktop.answer(Answer::Yes);
        f->desktop.chooseFile({});
        Item(*f, item)->trigger();  // cancelled
        f->open(FileBytes(Ring4(true)), "loose.gly");
        Item(*f, item)->trigger();
        QVERIFY(f->desktop.messages.constLast().text.contains(QLatin1String("OWL")));
        QCOMPARE(f->desktop.messages.constLast().title, QStringLiteral("Export"));
        QCOMPARE(QDir(f->path({})).entryList({"mine.*"}), QStringList{"mine." + extension});
        QVERIFY(ReadBytes(mine) == ReadBytes(tools) || pdf);
    }

    void recentPuzzlesOutliveTheWindowAndLoseMissingFiles()
    {
        // Opened and saved puzzles are listed newest first after a restart and open as Open does; a file that
        // went is left out, and the list can be emptied.
        start(Ring4(false));
        f->open(FileBytes(Ring4(true)), "second.gly");
        f->window.reset();
        QVERIFY(f->start());
        QMenu *recent = f->window->findChild<QMenu *>("menu_recent");
        emit recent->aboutToShow();
        QStringList names;
        for (QAction *action : recent->actions())
            names << action->text();
        QCOMPARE(names, (QStringList{"&1 second.gly", "&2 puzzle.gly", QString(), "&Clear List"}));
        recent->actions().at(1)->trigger();
        QCOMPARE(f->window->document().fname(), std::string("puzzle.gly"));
        QFile::remove(f->path("second.gly"));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().constFirst()->text(), QStringLiteral("&1 puzzle.gly"));
        Item(*f, "menu_clear_recent")->trigger();
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 2);  // the separator and Clear List
    }

    void makeConnectedGridPlacesEveryWordOrAsks()
    {
        // Make Connected Grid lays every word out in one piece within the size bars, cut to the words, as one
        // step; words that do not fit are named with why, and the others are placed only on Yes.
        start(MakePuzzle({{"APPLE"}, {"PEAR"}, {"PLUM"}, {"LEMON"}, {"MELON"}}, 20, 18));
        Item(*f, "menu_make_connected")->trigger();
        QVERIFY(f->desktop.messages.isEmpty() && f->puzzle().nplaced == 5);
        QCOMPARE(QSize(f->puzzle().gcols, f->puzzle().grows), QSize(15, 15));
        QCOMPARE(f->window->findChild<QAction *>("undo")->text(), QStringLiteral("&Undo Make Connected Grid"));

        f->desktop.answer(Answer::No);  // no save of the grid just made
        f->open(FileBytes(MakePuzzle({{"CAT"}, {"ACE"}, {"DOG"}}, 20, 18)), "apart.gly");
        f->desktop.messages.clear();
        const QByteArray before = FileBytes(f->puzzle());
        f->desktop.answer(Answer::No);
        Item(*f, "menu_make_connected")->trigger();
        QCOMPARE(f->shown(0), QStringLiteral("These Words Do Not Fit:\rDOG: no shared letter with the placed words"
                                             "\r\rPlace the Other Words|Make Connected Grid"));
        QCOMPARE(FileBytes(f->puzzle()), before);
        f->desktop.answer(Answer::Yes);
        Item(*f, "menu_make_connected")->trigger();
        QCOMPARE(f->puzzle().nplaced, 2);
        Item(*f, "undo")->trigger();
        QCOMPARE(FileBytes(f->puzzle()), before);
    }

    void aboutNamesVersionLicenceAndQt()
    {
        // About Gridly names the caption's version, the licence and the Qt the program runs on.
        start(Ring4(false));
        Item(*f, "menu_about")->trigger();
        QCOMPARE(f->shown(0), QStringLiteral("Gridly v1.00\rCrossword puzzles from your own words and clues.\r\r"
                                             "Licence: GNU General Public License, version 3 or later\rQt ")
                                  + qVersion() + "|About Gridly");
    }
};

QTEST_MAIN(TestWindowMenus)
#include "test_window_menus.moc"
