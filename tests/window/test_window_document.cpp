// The main window's start-up, files, configuration and exit, driven through
// its real controls with every dialog answered by the scripted desktop.
#include "document/config_file.h"
#include "panel/row_label.h"
#include "platform/qt_desktop.h"
#include "view/grid_renderer.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QTest>

using Answer = Desktop::Answer;
using Buttons = Desktop::Buttons;
using Icon = Desktop::Icon;

// The file of a puzzle of three words filling their grid.
static const QByteArray FILLED = FileBytes(MakePuzzle({{"CAT", 1, 1}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}}));

static QByteArray ConfigBytes(int colour, int valid, const char *mode, const QString &name, const QString &path)
{
    return QByteArray::fromStdString(WriteConfigFile(colour, valid, RunModeFromBytes(mode).value(), name.toStdString(), path.toStdString()));
}

class TestWindowDocument : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    // Message i is text|title with these buttons and icon.
    void shown(int i, const QString &message, Buttons buttons, Icon icon)
    {
        QCOMPARE(f->shown(i), message);
        QVERIFY(f->desktop.messages[i].buttons == buttons && f->desktop.messages[i].icon == icon);
    }

private slots:
    void init()
    {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->start());
    }

    void firstStartOffersOnlyOpenHelpExitAndAdd()
    {
        // A first start titled "Gridly" shows the empty grid and grey rows and disables every command that
        // needs a word; every picture button shows its icon and tooltip; Help opens gridly.hlp, and without it
        // a critical message names the path; a second instance ends at once.
        QCOMPARE(f->window->windowTitle(), QStringLiteral("Gridly"));
        QCOMPARE(f->window->gridImage(), RenderGrid(f->puzzle()));
        QCOMPARE(f->control<RowLabel>("w_inp_0")->background(), QColor(192, 192, 192));
        const QStringList disabled{"cb_new", "cb_save", "cb_print", "cb_play", "cb_procAutosz", "cb_procfixsize",
                                   "cb_cleargrid", "ck_gridwrd", "cb_putword", "cb_updtword", "cb_delword"};
        const std::pair<const char *, const char *> buttons[] = {
            {"cb_resize", "Set to Minimun Size"}, {"cb_procfixsize", "Generate (Fixed Size)"},
            {"cb_procAutosz", "Generate (Auto Size)"}, {"cb_putword", "Auto Put Word in Grid"},
            {"cb_cleargrid", "Clear Grid"}, {"cb_play", "Do Cross Word"}, {"cb_help", "Help"},
            {"ck_gridwrd", "Grid Words on/off"}, {"cb_print", "Print"}, {"cb_new", "New Cross Word"},
            {"cb_open", "Open"}, {"cb_save", "Save"}, {"cb_exit", "Exit"}, {"cb_addword", "Add A Word"},
            {"cb_updtword", "Update Current Word"}, {"cb_delword", "Delete Current Word"},
            {"cb_clear", "Clear Input Area"}, {"ck_valid_word", "Valid Word Indicator on/off"},
            {"cb_autoword", "Get Word"}, {"cb_playreset", "Clear All Words"},
            {"cb_playresetword", "Clear Current Word"}, {"cb_dsng", "Design"}, {"cb_exit2", "Exit"},
            {"mv_words_0", "Move Words Up"}, {"mv_words_1", "Move Words Right"}, {"mv_words_2", "Move Words Down"},
            {"mv_words_3", "Move Words Left"}};
        for (const auto &[name, tip] : buttons) {
            auto *button = f->control<QAbstractButton>(name);
            QVERIFY2(button->toolTip() == tip && !button->icon().isNull(), name);
            // Its own state: the play strip, out of view, is disabled as a whole in design mode.
            QVERIFY2(button->isEnabledTo(button->parentWidget()) != disabled.contains(name), name);
        }
        const QString help = f->path(QStringLiteral("gridly.hlp"));
        f->click("cb_help");
        QCOMPARE(f->desktop.helpShown, QStringList{help});
        QFile::remove(help);
        f->click("cb_help");
        shown(0, "Help File Not Found\rFile: " + help + "|Help", Buttons::Ok, Icon::Critical);
        f->desktop.otherInstance = true;
        QVERIFY(!f->start() && f->desktop.messages.size() == 1);
    }

    void saveWritesTheOpenedPuzzleUnderAGlyNameInAnExistingFolder()
    {
        // Save writes the opened puzzle's bytes with its new colour (stored answers kept while a word is out of
        // the grid) from a dialog starting in its folder, and names the window after the file; Save and Open
        // refuse a name not ending in .gly, Save one in a folder that does not exist.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}, {"OUT"}});
        p.Words[1].pword.assign("CA");
        p.Words[4].pword.assign("OU");
        QDir().mkpath(f->path(QStringLiteral("sub")));
        f->open(FileBytes(p), QStringLiteral("sub/in.gly"));
        f->click("cl_gbox_4");
        const QString copy = f->path(QStringLiteral("copy.gly"));
        for (const QString &name : {f->path(QStringLiteral("notes.txt")), f->path(QStringLiteral("none/x.gly")), copy,
                                    f->path("other.GLY"), QString()})
            f->desktop.chooseFile(name);
        f->click("cb_save");
        shown(0, "File Extension Must Be .gly|Save - ERROR", Buttons::Ok, Icon::None);
        shown(1, "Folder Does Not Exist\rFolder: " + f->path(QStringLiteral("none")) + "|Save - ERROR", Buttons::Ok,
              Icon::None);
        p.gboxidx = 4;
        QCOMPARE(f->readFile(QStringLiteral("copy.gly")), FileBytes(p));
        QCOMPARE(f->window->windowTitle(), QStringLiteral("Gridly v1.00     > copy.gly"));
        QVERIFY(!f->puzzle().changed && f->window->document().fpath() == copy.toStdString());
        QCOMPARE(f->desktop.fileRequests[1].initialFolder, f->path(QStringLiteral("sub")));
        QCOMPARE(f->desktop.fileRequests[0].filter + ' ' + f->desktop.fileRequests[1].filter,
                 QStringLiteral("Gridly- Files(*.gly)|*.gly Gridly - Files(*.gly)|*.gly"));
        f->click("cb_open");
        shown(2, "File Extension Must Be .gly|Open - ERROR", Buttons::Ok, Icon::None);
    }

    void openOfARefusedFileLeavesAnEmptyPuzzle()
    {
        // A file not ours shows "Invalid Gridly File", a damaged one its reason and path; either way the
        // puzzle opened before is gone.
        const QString bad = "\rFile: " + f->path(QStringLiteral("bad.gly"));
        const std::pair<QByteArray, QString> files[] = {
            {QByteArray(FILLED).replace(11, 1, "1"), "Invalid Gridly File|Open - Version ERROR"},
            {QByteArray(FILLED).replace(12, 1, "\x29"), "Word count 41 is outside 0..40" + bad + "|Open Error"},
            {FILLED.left(100), "Input past end of file" + bad + "|Open Error"}};
        for (const auto &[bytes, message] : files) {
            f->open(FILLED);
            f->open(bytes, QStringLiteral("bad.gly"));
            shown(int(f->desktop.messages.size()) - 1, message, Buttons::Ok, Icon::Critical);
            QVERIFY(f->puzzle().nwords == 0 && !f->puzzle().changed);
        }
        QCOMPARE(f->desktop.messages.size(), 3);
    }

    void questionsOfOpenNewExitAndClose_data()
    {
        QTest::addColumn<QString>("command");  // a button, or "close" for closing the window
        QTest::addColumn<bool>("change");      // the puzzle is changed first
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("after");
        const QString open = "Save Changes Before Opening New File|Open", renew = "Start a New Crossword|New";
        const QString exit = "Save Changes Before Exit|Save", save = "Save Changes Before Starting a New Crossword|New";
        const QString kept = "3 words, changed, running, shown", ended = "3 words, unchanged, ended, hidden";
        const QString emptied = "0 words, unchanged, running, shown";
        QTest::newRow("Open, Cancel") << "cb_open" << true << int(Answer::Cancel) << open << kept;
        QTest::newRow("New unchanged, No") << "cb_new" << false << int(Answer::No) << renew
                                           << "3 words, unchanged, running, shown";
        QTest::newRow("New unchanged, Yes") << "cb_new" << false << int(Answer::Yes) << renew << emptied;
        QTest::newRow("New, Cancel") << "cb_new" << true << int(Answer::Cancel) << save << kept;
        QTest::newRow("New, No") << "cb_new" << true << int(Answer::No) << save << emptied;
        QTest::newRow("New, Yes") << "cb_new" << true << int(Answer::Yes) << save << emptied;
        for (const char *command : {"cb_exit", "close"}) {
            QTest::addRow("%s, Yes", command) << command << true << int(Answer::Yes) << exit << ended;
            QTest::addRow("%s, No", command) << command << true << int(Answer::No) << exit << ended;
            QTest::addRow("%s, Cancel", command) << command << true << int(Answer::Cancel) << exit << kept;
        }
    }
    void questionsOfOpenNewExitAndClose()
    {
        // Open, New and Exit (or closing the window) ask to save a changed puzzle: Cancel keeps it, Yes saves
        // first, No goes on; an unchanged puzzle is emptied by New only after its own question. Exit writes
        // gridly.cfg; New leaves the caption of a start with no puzzle.
        QFETCH(QString, command);
        QFETCH(bool, change);
        QFETCH(int, answer);
        f->open(FILLED, QStringLiteral("three.gly"));
        if (change)
            f->click("cl_gbox_3");
        f->desktop.answer(Answer(answer));
        f->desktop.chooseFile(f->path(QStringLiteral("saved.gly")));
        command == "close" ? void(f->window->close()) : f->click(command);
        QTEST(f->shown(0), "question");
        const ShownMessage m = f->desktop.messages.value(0);
        QVERIFY(m.buttons == (change ? Buttons::YesNoCancel : Buttons::YesNo) && m.icon == Icon::Question);
        const bool ended = f->desktop.ended;
        QTEST(QStringLiteral("%1 words, %2, %3, %4").arg(QString::number(f->puzzle().nwords),
              f->puzzle().changed ? "changed" : "unchanged", ended ? "ended" : "running",
              f->window->isVisible() ? "shown" : "hidden"), "after");
        const QString name = answer == int(Answer::Yes) ? QStringLiteral("saved.gly") : QStringLiteral("three.gly");
        QCOMPARE(f->readFile(QStringLiteral("gridly.cfg")),
                 ended ? ConfigBytes(3, 0, "Design", name, f->path(name)) : QByteArray());
        QVERIFY(change || answer != int(Answer::Yes) || !QFile::exists(f->path(QStringLiteral("saved.gly"))));
        if (f->puzzle().nwords == 0)
            QCOMPARE(f->window->windowTitle(), QStringLiteral("Gridly"));
    }

    void startUpTakesTheConfigurationUnlessAFileIsNamed()
    {
        // gridly.cfg gives colour (9 reads as 5), indicator, mode (play only for a complete grid) and file,
        // whose own colour wins; a file named on the command line bypasses it (colour 2, design mode); nothing
        // is shown or changed, even for a damaged file; a file that is not ours keeps its name but is not
        // remembered at exit.
        const auto start = [this](const QStringList &arguments) {
            const bool on = f->start(arguments) && f->control<QAbstractButton>("ck_valid_word")->isChecked();
            return QStringLiteral("%1 words, colour %2, %3, %4, ").arg(f->puzzle().nwords).arg(f->puzzle().gboxidx)
                       .arg(on ? "on" : "off", f->window->document().playing() ? "Play" : "Design")
                   + QString::fromStdString(f->window->document().fname()) + (f->puzzle().changed ? ", changed" : "");
        };
        f->writeFile("gridly.cfg", ConfigBytes(4, 1, "Play", "last.gly", f->writeFile("last.gly", FILLED)));
        QCOMPARE(start({}), QStringLiteral("3 words, colour 2, on, Play, last.gly"));
        QVERIFY(f->visible("clue_lst_A"));
        const QString loose = f->writeFile("loose.gly", FileBytes(MakePuzzle({{"CAT", 1, 1}, {"DOG"}})));
        f->writeFile("gridly.cfg", ConfigBytes(4, 1, "Play", "loose.gly", loose));
        QCOMPARE(start({}), QStringLiteral("2 words, colour 2, on, Design, loose.gly"));
        const QString named = f->writeFile(QStringLiteral("named.gly"), FileBytes(MakePuzzle({{"SOLO", 2, 2}})));
        QCOMPARE(start({'"' + named + '"'}), QStringLiteral("1 words, colour 2, off, Design, named.gly"));
        const QString bad = f->writeFile(QStringLiteral("bad.gly"), QByteArray("GRIDLYPv1.00\x29\x00", 14));
        QCOMPARE(start({bad}), QStringLiteral("0 words, colour 2, off, Design, "));
        f->writeFile(QStringLiteral("gridly.cfg"), ConfigBytes(9, 1, "Play", {}, {}));
        QCOMPARE(start({}), QStringLiteral("0 words, colour 5, on, Design, "));
        QVERIFY(f->desktop.messages.isEmpty());
        const QString foreign = f->writeFile(QStringLiteral("foreign.gly"), "not a puzzle");
        QCOMPARE(start({foreign}), QStringLiteral("0 words, colour 2, off, Design, foreign.gly"));
        f->click("cb_exit");
        QCOMPARE(f->readFile(QStringLiteral("gridly.cfg")), ConfigBytes(2, 0, "Design", {}, {}));
    }

    void settingsLiveInTheUsersFolderWhenTheProgramsFolderCannotBeWritten()
    {
        // Where the program's folder cannot be written (here it does not exist, which holds even for root),
        // gridly.cfg is written to the user's configuration folder and read from there at the next start.
        f->desktop.configFolder = f->path(QStringLiteral("home/gridly"));
        f->programFolder = f->path(QStringLiteral("install"));
        const QString three = f->writeFile(QStringLiteral("three.gly"), FILLED);
        QVERIFY(f->start({three}));
        f->click("cb_exit");
        QCOMPARE(f->readFile(QStringLiteral("home/gridly/gridly.cfg")),
                 ConfigBytes(2, 0, "Design", QStringLiteral("three.gly"), three));
        QVERIFY(f->start() && f->puzzle().nwords == 3);
    }

    void onlyALockHeldByARunningGridlyEndsASecondStart()
    {
        // A lock that another Gridly holds ends a second start; a lock that cannot be taken at all does not.
        QTemporaryDir run;
        QtDesktop first(run.path()), second(run.path()), noFolder(run.filePath(QStringLiteral("missing")));
        QVERIFY(!first.anotherInstanceRunning() && second.anotherInstanceRunning());
        QVERIFY(!noFolder.anotherInstanceRunning());
    }
};

QTEST_MAIN(TestWindowDocument)
#include "test_window_document.moc"
