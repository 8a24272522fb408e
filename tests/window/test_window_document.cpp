// The main window's start-up, files, configuration and exit, driven through
// its real controls with every dialog answered by the scripted desktop.
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "puzzle_builder.h"
#include "window/qt_desktop.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using Answer = Desktop::Answer;
using Buttons = Desktop::Buttons;
using Icon = Desktop::Icon;

static QByteArray PuzzleBytes(const Puzzle &p) { return QByteArray::fromStdString(WritePuzzleFile(p)); }

// The file of a puzzle of three words filling their grid.
static const QByteArray FILLED = PuzzleBytes(MakePuzzle({{"CAT", 1, 1}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}}));

static QByteArray ConfigBytes(int colour, int valid, const char *mode, const QString &name, const QString &path)
{
    return QByteArray::fromStdString(WriteConfigFile(colour, valid, RunModeFromBytes(mode).value(), name.toStdString(), path.toStdString()));
}

class TestWindowDocument : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    // Compares message i shown by the window.
    void shown(int i, const QString &text, const QString &title, Buttons buttons, Icon icon)
    {
        const ShownMessage m = f->desktop.messages.value(i);
        QCOMPARE(m.text + '|' + m.title, text + '|' + title);
        QVERIFY(m.buttons == buttons && m.icon == icon);
    }

private slots:
    void init()
    {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->start());
    }

    void firstStartShowsItsControlsAndHelp()
    {
        // A first start titled "Gridly" offers only Open, Help, Exit and Add of the commands; every picture
        // button (18 pixels square on the move pad, else 28) stands at its place with its tooltip; Save would
        // only say "There is Nothing to Save"; Help opens gridly.hlp, and without it a critical message names
        // the path; a second instance ends at once.
        QCOMPARE(f->window->windowTitle(), QStringLiteral("Gridly"));
        const QStringList disabled{"cb_new", "cb_save", "cb_print", "cb_play", "cb_procAutosz", "cb_procfixsize",
                                   "cb_cleargrid", "ck_gridwrd", "cb_putword", "cb_updtword", "cb_delword"};
        const std::tuple<const char *, const char *, int, int> buttons[] = {
            {"cb_resize", "Set to Minimun Size", 30, 107}, {"mv_words_0", "Move Words Up", 26, 176},
            {"mv_words_1", "Move Words Right", 44, 195}, {"mv_words_2", "Move Words Down", 26, 213},
            {"mv_words_3", "Move Words Left", 8, 195}, {"cb_procfixsize", "Generate (Fixed Size)", 5, 270},
            {"cb_procAutosz", "Generate (Auto Size)", 36, 270}, {"cb_putword", "Auto Put Word in Grid", 5, 302},
            {"cb_cleargrid", "Clear Grid", 36, 302}, {"cb_play", "Do Cross Word", 5, 348},
            {"cb_help", "Help", 36, 348}, {"ck_gridwrd", "Grid Words on/off", 5, 395}, {"cb_print", "Print", 36, 395},
            {"cb_new", "New Cross Word", 5, 427}, {"cb_open", "Open", 36, 427}, {"cb_save", "Save", 5, 458},
            {"cb_exit", "Exit", 36, 458}, {"cb_addword", "Add A Word", 592, 27},
            {"cb_updtword", "Update Current Word", 621, 27}, {"cb_delword", "Delete Current Word", 651, 27},
            {"cb_clear", "Clear Input Area", 681, 27}, {"ck_valid_word", "Valid Word Indicator on/off", 377, 13},
            {"cb_autoword", "Get Word", 377, 44}, {"cb_playreset", "Clear All Words", 410, 13},
            {"cb_playresetword", "Clear Current Word", 410, 44}, {"cb_dsng", "Design", 442, 13},
            {"cb_exit2", "Exit", 442, 44},
        };
        for (const auto &[name, tip, x, y] : buttons) {
            auto *button = f->control<QAbstractButton>(name);
            const int side = QByteArray(name).startsWith("mv_words") ? 18 : 28;
            QCOMPARE(button->toolTip(), QString(tip));
            QVERIFY2(button->geometry() == QRect(x, y, side, side) && !button->icon().isNull(), name);
            QVERIFY2(button->isEnabled() != disabled.contains(name), name);
        }
        f->control<QAbstractButton>("cb_save")->setEnabled(true);
        f->click("cb_save");
        shown(0, "There is Nothing to Save", "Save", Buttons::Ok, Icon::Information);
        const QString help = f->path(QStringLiteral("gridly.hlp"));
        f->click("cb_help");
        QCOMPARE(f->desktop.helpShown, QStringList{help});
        QFile::remove(help);
        f->click("cb_help");
        shown(1, "Help File Not Found\rFile: " + help, "Help", Buttons::Ok, Icon::Critical);
        f->desktop.otherInstance = true;
        QVERIFY(!f->start() && f->desktop.messages.size() == 2);
    }

    void saveWritesTheOpenedPuzzleAndKeepsTheOldFileOnFailure()
    {
        // Save writes the opened puzzle's bytes (stored answers kept while a word is out of the grid) from a
        // dialog starting in its folder; Save and Open refuse a name not ending in .gly; a write the system
        // refuses (a size limit) shows "Save Error" and keeps the old file, changed, the names and the caption;
        // the Save dialog refuses a folder that does not exist.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}, {"OUT"}});
        p.Words[1].pword.assign("CA");
        p.Words[4].pword.assign("OU");
        QDir().mkpath(f->path(QStringLiteral("sub")));
        f->open(PuzzleBytes(p), QStringLiteral("sub/in.gly"));
        f->click("cl_gbox_4");
        const QString copy = f->path(QStringLiteral("copy.gly"));
        const QString lost = f->path(QStringLiteral("lost.gly"));
        for (const QString &name : {f->path(QStringLiteral("notes.txt")), copy, f->path("other.GLY"), QString(), copy,
                                    f->path(QStringLiteral("none/x.gly")), lost})
            f->desktop.chooseFile(name);
        f->click("cb_save");
        shown(0, "File Extension Must Be .gly", "Save - ERROR", Buttons::Ok, Icon::None);
        p.gboxidx = 4;
        QCOMPARE(f->readFile(QStringLiteral("copy.gly")), PuzzleBytes(p));
        QCOMPARE(f->window->windowTitle(), QStringLiteral("Gridly v1.00     > copy.gly"));
        QCOMPARE(f->desktop.fileRequests[1].initialFolder, f->path(QStringLiteral("sub")));
        QCOMPARE(f->desktop.fileRequests[0].filter + ' ' + f->desktop.fileRequests[1].filter,
                 QStringLiteral("Gridly- Files(*.gly)|*.gly Gridly - Files(*.gly)|*.gly"));
        f->click("cb_open");
        shown(1, "File Extension Must Be .gly", "Open - ERROR", Buttons::Ok, Icon::None);
        f->click("cl_gbox_1");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        f->click("cb_save");
        f->click("cb_save");
        limit.rlim_cur = RLIM_INFINITY;
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY(f->desktop.messages.value(2).text.endsWith("\rFile: " + copy));
        QVERIFY(f->desktop.messages[2].title == "Save Error" && f->desktop.messages[2].icon == Icon::Critical);
        QCOMPARE(f->readFile(QStringLiteral("copy.gly")), PuzzleBytes(p));
        shown(3, "Folder Does Not Exist\rFolder: " + f->path(QStringLiteral("none")), "Save - ERROR", Buttons::Ok,
              Icon::None);
        QVERIFY(f->desktop.messages.value(4).text.endsWith("\rFile: " + lost) && !QFile::exists(lost));
        QVERIFY(f->puzzle().changed && f->puzzle().fpath == copy.toStdString() && f->puzzle().fname == "copy.gly");
        QCOMPARE(f->window->windowTitle(), QStringLiteral("Gridly v1.00     > copy.gly"));
    }

    void openOfARefusedFileLeavesAnEmptyPuzzle()
    {
        // A file not ours shows "Invalid Gridly File", a damaged one its reason and path; either way the
        // puzzle opened before is gone.
        const QString bad = "\rFile: " + f->path(QStringLiteral("bad.gly"));
        const std::tuple<QByteArray, QString, QString> files[] = {
            {QByteArray(FILLED).replace(11, 1, "1"), "Invalid Gridly File", "Open - Version ERROR"},
            {QByteArray(FILLED).replace(12, 1, "\x29"), "Word count 41 is outside 0..40" + bad, "Open Error"},
            {FILLED.left(100), "Input past end of file" + bad, "Open Error"}};
        for (const auto &[bytes, text, title] : files) {
            f->open(FILLED);
            f->open(bytes, QStringLiteral("bad.gly"));
            shown(int(f->desktop.messages.size()) - 1, text, title, Buttons::Ok, Icon::Critical);
            QVERIFY(f->puzzle().nwords == 0 && !f->puzzle().changed);
        }
        QCOMPARE(f->desktop.messages.size(), 3);
    }

    void questionsOfOpenNewExitAndClose_data()
    {
        QTest::addColumn<QString>("command");  // a button, or "close" for closing the window
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("after");
        const QString open = "Save Changes Before Opening New File|Open", renew = "Start a New Crossword|New";
        const QString exit = "Save Changes Before Exit|Save";
        const QString kept = "3 words, changed, running, shown", ended = "3 words, unchanged, ended, hidden";
        QTest::newRow("Open, Cancel") << "cb_open" << int(Answer::Cancel) << open << kept;
        QTest::newRow("New, No") << "cb_new" << int(Answer::No) << renew << kept;
        QTest::newRow("New, Yes") << "cb_new" << int(Answer::Yes) << renew << "0 words, unchanged, running, shown";
        for (const char *command : {"cb_exit", "close"}) {
            QTest::addRow("%s, Yes", command) << command << int(Answer::Yes) << exit << ended;
            QTest::addRow("%s, No", command) << command << int(Answer::No) << exit << ended;
            QTest::addRow("%s, Cancel", command) << command << int(Answer::Cancel) << exit << kept;
        }
    }
    void questionsOfOpenNewExitAndClose()
    {
        // Open and Exit (or closing the window) ask to save a changed puzzle, New asks before emptying the
        // list: Cancel or No keeps the puzzle; Exit's Yes saves then ends, its No ends, both writing gridly.cfg.
        QFETCH(QString, command);
        QFETCH(int, answer);
        f->open(FILLED, QStringLiteral("three.gly"));
        f->click("cl_gbox_3");
        f->desktop.answer(Answer(answer));
        f->desktop.chooseFile(f->path(QStringLiteral("saved.gly")));
        command == "close" ? void(f->window->close()) : f->click(command);
        const ShownMessage m = f->desktop.messages.value(0);
        QTEST(m.text + '|' + m.title, "question");
        QVERIFY(m.buttons == (command == "cb_new" ? Buttons::YesNo : Buttons::YesNoCancel) && m.icon == Icon::Question);
        const bool ended = f->desktop.ended;
        QTEST(QStringLiteral("%1 words, %2, %3, %4").arg(QString::number(f->puzzle().nwords),
              f->puzzle().changed ? "changed" : "unchanged", ended ? "ended" : "running",
              f->window->isVisible() ? "shown" : "hidden"), "after");
        const QString name = answer == int(Answer::Yes) ? QStringLiteral("saved.gly") : QStringLiteral("three.gly");
        QCOMPARE(f->readFile(QStringLiteral("gridly.cfg")),
                 ended ? ConfigBytes(3, 0, "Design", name, f->path(name)) : QByteArray());
    }

    void startUpTakesTheConfigurationUnlessAFileIsNamed()
    {
        // gridly.cfg gives colour (9 reads as 5), indicator, mode and file, whose own colour wins; a file
        // named on the command line bypasses it (colour 2, design mode); nothing is shown, even for a
        // damaged file; a file that is not ours keeps its name but is not remembered at exit.
        const auto start = [this](const QStringList &arguments) {
            const bool on = f->start(arguments) && f->control<QAbstractButton>("ck_valid_word")->isChecked();
            return QStringLiteral("%1 words, colour %2, %3, ").arg(f->puzzle().nwords).arg(f->puzzle().gboxidx)
                       .arg(on ? "on" : "off") + QString::fromStdString(std::string(RunModeBytes(f->puzzle().runmode)) + ", " + f->puzzle().fname);
        };
        f->writeFile("gridly.cfg", ConfigBytes(4, 1, "Play", "last.gly", f->writeFile("last.gly", FILLED)));
        QCOMPARE(start({}), QStringLiteral("3 words, colour 2, on, Play, last.gly"));
        const QString named = f->writeFile(QStringLiteral("named.gly"), PuzzleBytes(MakePuzzle({{"SOLO", 2, 2}})));
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
