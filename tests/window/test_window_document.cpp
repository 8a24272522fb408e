// The main window's start-up, files, configuration and exit, driven through
// its real controls with every dialog answered by the scripted desktop.
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "puzzle_builder.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using Answer = Desktop::Answer;
using Buttons = Desktop::Buttons;
using Icon = Desktop::Icon;

namespace {

QByteArray PuzzleBytes(const Puzzle &p)
{
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

Puzzle ThreeWords()
{
    return MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}});
}

QByteArray ConfigBytes(int colour, int valid, const std::string &mode, const std::string &name, const std::string &path)
{
    return QByteArray::fromStdString(WriteConfigFile(colour, valid, mode, name, path));
}

void CompareMessage(const ShownMessage &shown, const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.title, title);
    QVERIFY(shown.buttons == buttons);
    QVERIFY(shown.icon == icon);
}

} // namespace

class TestWindowDocument : public QObject {
    Q_OBJECT
private slots:
    void startsEmptyInDesignModeWithItsCaption()
    {
        // A first start shows the 794 x 575 window titled "Gridly" with only Open, Help, Exit and Add usable.
        WindowFixture f;
        QVERIFY(f.start());
        QCOMPARE(f.window->size(), QSize(794, 575));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Gridly"));
        for (const char *name : {"cb_new", "cb_save", "cb_print", "cb_play", "cb_procAutosz", "cb_procfixsize",
                                 "cb_cleargrid", "ck_gridwrd", "cb_putword", "cb_updtword", "cb_delword"})
            QVERIFY2(!f.control<QAbstractButton>(name)->isEnabled(), name);
        for (const char *name : {"cb_open", "cb_help", "cb_exit", "cb_addword"})
            QVERIFY2(f.control<QAbstractButton>(name)->isEnabled(), name);
        QCOMPARE(f.control<QLabel>("lb_wcnt")->text(), QStringLiteral("0"));
        QVERIFY(f.control<QWidget>("fr_cmd")->isVisible());
        QVERIFY(!f.control<QWidget>("clue_lst_A")->isVisible());
    }

    void controlsCarryTheirTooltipsAndPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QRect>("place");
        QTest::newRow("resize") << "cb_resize" << "Set to Minimun Size" << QRect(30, 107, 28, 28);
        QTest::newRow("up") << "mv_words_0" << "Move Words Up" << QRect(26, 176, 18, 18);
        QTest::newRow("right") << "mv_words_1" << "Move Words Right" << QRect(44, 195, 18, 18);
        QTest::newRow("down") << "mv_words_2" << "Move Words Down" << QRect(26, 213, 18, 18);
        QTest::newRow("left") << "mv_words_3" << "Move Words Left" << QRect(8, 195, 18, 18);
        QTest::newRow("fixed") << "cb_procfixsize" << "Generate (Fixed Size)" << QRect(5, 270, 28, 28);
        QTest::newRow("auto") << "cb_procAutosz" << "Generate (Auto Size)" << QRect(36, 270, 28, 28);
        QTest::newRow("put") << "cb_putword" << "Auto Put Word in Grid" << QRect(5, 302, 28, 28);
        QTest::newRow("clear grid") << "cb_cleargrid" << "Clear Grid" << QRect(36, 302, 28, 28);
        QTest::newRow("play") << "cb_play" << "Do Cross Word" << QRect(5, 348, 28, 28);
        QTest::newRow("help") << "cb_help" << "Help" << QRect(36, 348, 28, 28);
        QTest::newRow("grid words") << "ck_gridwrd" << "Grid Words on/off" << QRect(5, 395, 28, 28);
        QTest::newRow("print") << "cb_print" << "Print" << QRect(36, 395, 28, 28);
        QTest::newRow("new") << "cb_new" << "New Cross Word" << QRect(5, 427, 28, 28);
        QTest::newRow("open") << "cb_open" << "Open" << QRect(36, 427, 28, 28);
        QTest::newRow("save") << "cb_save" << "Save" << QRect(5, 458, 28, 28);
        QTest::newRow("exit") << "cb_exit" << "Exit" << QRect(36, 458, 28, 28);
        QTest::newRow("add") << "cb_addword" << "Add A Word" << QRect(592, 27, 28, 28);
        QTest::newRow("update") << "cb_updtword" << "Update Current Word" << QRect(621, 27, 28, 28);
        QTest::newRow("delete") << "cb_delword" << "Delete Current Word" << QRect(651, 27, 28, 28);
        QTest::newRow("clear input") << "cb_clear" << "Clear Input Area" << QRect(681, 27, 28, 28);
        QTest::newRow("indicator") << "ck_valid_word" << "Valid Word Indicator on/off" << QRect(377, 13, 28, 28);
        QTest::newRow("get word") << "cb_autoword" << "Get Word" << QRect(377, 44, 28, 28);
        QTest::newRow("clear all") << "cb_playreset" << "Clear All Words" << QRect(410, 13, 28, 28);
        QTest::newRow("clear word") << "cb_playresetword" << "Clear Current Word" << QRect(410, 44, 28, 28);
        QTest::newRow("design") << "cb_dsng" << "Design" << QRect(442, 13, 28, 28);
        QTest::newRow("exit2") << "cb_exit2" << "Exit" << QRect(442, 44, 28, 28);
    }

    void controlsCarryTheirTooltipsAndPlaces()
    {
        // Every picture button stands at its design place (pixels in its frame) with its tooltip.
        QFETCH(QString, name);
        QFETCH(QString, tip);
        QFETCH(QRect, place);
        WindowFixture f;
        QVERIFY(f.start());
        auto *button = f.control<QAbstractButton>(name);
        QCOMPARE(button->toolTip(), tip);
        QCOMPARE(button->geometry(), place);
        QVERIFY(!button->icon().isNull());
    }

    void playStripLiesOutsideTheLogoFrameInDesignMode()
    {
        // In design mode the logo frame is 68 pixels wide, so no play command can be reached.
        WindowFixture f;
        QVERIFY(f.start());
        auto *logo = f.control<QWidget>("fr_logo");
        QCOMPARE(logo->geometry(), QRect(5, 492, 68, 78));
        QVERIFY(f.control<QWidget>("cb_dsng")->geometry().left() > logo->width());
        QVERIFY(f.control<QWidget>("lb_playstat")->geometry().left() > logo->width());
    }

    void saveWithNoWordsSaysThereIsNothingToSave()
    {
        // Save of an empty list only shows its message; no dialog appears.
        WindowFixture f;
        QVERIFY(f.start());
        f.control<QAbstractButton>("cb_save")->setEnabled(true);
        f.click("cb_save");
        QCOMPARE(f.desktop.messages.size(), 1);
        CompareMessage(f.desktop.messages[0], "There is Nothing to Save", "Save", Buttons::Ok, Icon::Information);
        QVERIFY(f.desktop.fileRequests.isEmpty());
    }

    void savedFileHoldsTheBytesOfTheOpenedPuzzle()
    {
        // Open then Save writes the same bytes (stored answers included, also while a word is out of
        // the grid), sets the caption and clears changed.
        WindowFixture f;
        QVERIFY(f.start());
        Puzzle p = ThreeWords();
        AppendWord(p, "OUT");
        p.Words[1].pword.assign("CA");
        p.Words[4].pword.assign("OU");
        const QByteArray bytes = PuzzleBytes(p);
        f.open(bytes, QStringLiteral("three.gly"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Gridly v1.00     > three.gly"));
        QCOMPARE(f.puzzle().nwords, 4);
        f.desktop.chooseFile(f.path(QStringLiteral("copy.gly")));
        f.click("cb_save");
        QCOMPARE(f.readFile(QStringLiteral("copy.gly")), bytes);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Gridly v1.00     > copy.gly"));
        QVERIFY(!f.puzzle().changed);
        const Desktop::FileRequest &request = f.desktop.fileRequests.last();
        QCOMPARE(request.filter, QStringLiteral("Gridly - Files(*.gly)|*.gly"));
        QCOMPARE(request.initialName, f.path(QStringLiteral("three.gly")));
        QCOMPARE(request.defaultSuffix, QStringLiteral("gly"));
        QVERIFY(request.promptOverwrite);
        QCOMPARE(f.desktop.fileRequests.first().filter, QStringLiteral("Gridly- Files(*.gly)|*.gly"));
    }

    void wrongExtensionIsRefusedUntilTheUserCancels()
    {
        // A name with another extension shows "File Extension Must Be .gly" and the dialog again.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(PuzzleBytes(ThreeWords()));
        f.desktop.chooseFile(f.path(QStringLiteral("notes.txt")));
        f.desktop.chooseFile(QString());
        f.click("cb_save");
        QCOMPARE(f.desktop.messages.size(), 1);
        CompareMessage(f.desktop.messages[0], "File Extension Must Be .gly", "Save - ERROR", Buttons::Ok, Icon::None);
        QVERIFY(!QFile::exists(f.path(QStringLiteral("notes.txt"))));

        f.desktop.chooseFile(f.path(QStringLiteral("other.GLY")));
        f.desktop.chooseFile(QString());
        f.click("cb_open");
        CompareMessage(f.desktop.messages.last(), "File Extension Must Be .gly", "Open - ERROR", Buttons::Ok, Icon::None);
        QCOMPARE(f.puzzle().nwords, 3);
    }

    void failedSaveKeepsTheOldFileAndReportsIt()
    {
        // A save into a folder that does not exist reports "Save Error" and leaves changed as it was.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(PuzzleBytes(ThreeWords()));
        f.click("cl_gbox_4");
        QVERIFY(f.puzzle().changed);
        const QString bad = f.path(QStringLiteral("missing/x.gly"));
        f.desktop.chooseFile(bad);
        f.click("cb_save");
        QCOMPARE(f.desktop.messages.size(), 1);
        QVERIFY(f.desktop.messages[0].text.endsWith(QStringLiteral("\rFile: ") + bad));
        QCOMPARE(f.desktop.messages[0].title, QStringLiteral("Save Error"));
        QVERIFY(f.desktop.messages[0].icon == Icon::Critical);
        QVERIFY(f.puzzle().changed);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Gridly v1.00     > puzzle.gly"));
    }

    void openOfADamagedFileLeavesAnEmptyPuzzle_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QByteArray good = PuzzleBytes(ThreeWords());
        QByteArray version = good;
        version[11] = '1';
        QByteArray count41 = good;
        count41[12] = 41;
        QTest::newRow("version") << version << "Invalid Gridly File" << "Open - Version ERROR";
        QTest::newRow("41 words") << count41 << "" << "Open Error";
        QTest::newRow("cut short") << good.left(100) << "" << "Open Error";
    }

    void openOfADamagedFileLeavesAnEmptyPuzzle()
    {
        // A refused file is reported and the puzzle opened before is gone, with its caption kept.
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, title);
        WindowFixture f;
        QVERIFY(f.start());
        f.open(PuzzleBytes(ThreeWords()), QStringLiteral("good.gly"));
        f.open(bytes, QStringLiteral("bad.gly"));
        QCOMPARE(f.desktop.messages.size(), 1);
        const ShownMessage &shown = f.desktop.messages[0];
        QCOMPARE(shown.title, title);
        QVERIFY(shown.icon == Icon::Critical);
        if (!text.isEmpty())
            QCOMPARE(shown.text, text);
        else
            QVERIFY2(shown.text.endsWith(QStringLiteral("\rFile: ") + f.path(QStringLiteral("bad.gly"))),
                     qPrintable(shown.text));
        QCOMPARE(f.puzzle().nwords, 0);
        QCOMPARE(f.puzzle().nplaced, 0);
        QVERIFY(!f.puzzle().changed);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Gridly v1.00     > good.gly"));
        QVERIFY(!f.control<QAbstractButton>("cb_save")->isEnabled());
    }

    void openAsksToSaveAChangedPuzzleAndCancelKeepsIt()
    {
        // Cancel to "Save Changes Before Opening New File" keeps the puzzle and changed.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(PuzzleBytes(ThreeWords()));
        f.click("cl_gbox_0");
        f.desktop.answer(Answer::Cancel);
        f.click("cb_open");
        CompareMessage(f.desktop.messages[0], "Save Changes Before Opening New File", "Open", Buttons::YesNoCancel,
                       Icon::Question);
        QCOMPARE(f.desktop.fileRequests.size(), 1);  // the first open only
        QCOMPARE(f.puzzle().nwords, 3);
        QVERIFY(f.puzzle().changed);
    }

    void newAsksOnceAndNoKeepsEverything()
    {
        // With words, New asks "Start a New Crossword"; No keeps them, Yes empties the puzzle.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(PuzzleBytes(ThreeWords()));
        f.desktop.answer(Answer::No);
        f.click("cb_new");
        CompareMessage(f.desktop.messages[0], "Start a New Crossword", "New", Buttons::YesNo, Icon::Question);
        QCOMPARE(f.puzzle().nwords, 3);
        f.desktop.answer(Answer::Yes);
        f.click("cb_new");
        QCOMPARE(f.puzzle().nwords, 0);
        QVERIFY(f.puzzle().fpath.empty());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Gridly v1.00     > puzzle.gly"));
        QVERIFY(!f.control<QAbstractButton>("cb_new")->isEnabled());
        QVERIFY(f.control<QAbstractButton>("cb_addword")->isEnabled());
    }

    void exitCancelKeepsTheProgramAndClosingStaysCancelled()
    {
        // Cancel to "Save Changes Before Exit" keeps the program running; closing the window is refused too.
        WindowFixture f;
        QVERIFY(f.start());
        f.open(PuzzleBytes(ThreeWords()));
        f.click("cl_gbox_1");
        f.desktop.answer(Answer::Cancel);
        f.click("cb_exit");
        CompareMessage(f.desktop.messages[0], "Save Changes Before Exit", "Save", Buttons::YesNoCancel,
                       Icon::Question);
        QVERIFY(!f.desktop.ended);
        f.desktop.answer(Answer::Cancel);
        QVERIFY(!f.window->close());
        QVERIFY(f.window->isVisible());
        QVERIFY(f.puzzle().changed);
        QVERIFY(!QFile::exists(f.path(QStringLiteral("gridly.cfg"))));
    }

    void exitWritesTheConfigurationFile()
    {
        // Exit (answering No) stores colour, indicator, mode, file name and path, and ends the program.
        WindowFixture f;
        QVERIFY(f.start());
        const QString file = f.writeFile(QStringLiteral("three.gly"), PuzzleBytes(ThreeWords()));
        f.desktop.chooseFile(file);
        f.click("cb_open");
        f.click("cl_gbox_3");
        f.desktop.answer(Answer::No);
        QVERIFY(f.window->close());
        QVERIFY(f.desktop.ended);
        QCOMPARE(f.readFile(QStringLiteral("gridly.cfg")),
                 ConfigBytes(3, 0, "Design", "three.gly", file.toStdString()));
    }

    void exitWithNoFileStoresEmptyName()
    {
        // An exit with no file open stores a name of length 0; the next start opens nothing.
        WindowFixture f;
        QVERIFY(f.start());
        f.click("cb_exit");
        QVERIFY(f.desktop.ended);
        QCOMPARE(f.readFile(QStringLiteral("gridly.cfg")), ConfigBytes(2, 0, "Design", "", ""));
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void startReopensThePuzzleOfTheConfiguration()
    {
        // The file named in gridly.cfg is opened at start with the stored indicator; the colour
        // stored in the puzzle file wins over the one of the configuration.
        WindowFixture f;
        Puzzle teal = ThreeWords();
        teal.gboxidx = 3;
        const QString file = f.writeFile(QStringLiteral("last.gly"), PuzzleBytes(teal));
        f.writeFile(QStringLiteral("gridly.cfg"), ConfigBytes(4, 1, "Design", "last.gly", file.toStdString()));
        QVERIFY(f.start());
        QCOMPARE(f.puzzle().nwords, 3);
        QCOMPARE(f.puzzle().gboxidx, 3);
        QVERIFY(f.control<QAbstractButton>("ck_valid_word")->isChecked());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Gridly v1.00     > last.gly"));
        QVERIFY(!f.puzzle().changed);
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void configurationColourOutsideTheBoxesBecomesFive()
    {
        // A stored colour index of 9 starts with colour box 5 chosen.
        WindowFixture f;
        QByteArray bytes = ConfigBytes(0, 0, "Design", "", "");
        bytes[0] = 9;
        f.writeFile(QStringLiteral("gridly.cfg"), bytes);
        QVERIFY(f.start());
        QCOMPARE(f.puzzle().gboxidx, 5);
        QVERIFY(f.puzzle().gridclr == (Rgb{64, 64, 64}));
    }

    void commandLineFileBypassesTheConfiguration()
    {
        // A puzzle named on the command line opens with colour 2 in design mode, whatever gridly.cfg holds.
        WindowFixture f;
        const QString last = f.writeFile(QStringLiteral("last.gly"), PuzzleBytes(ThreeWords()));
        const QString named = f.writeFile(QStringLiteral("named.gly"), PuzzleBytes(MakePuzzle({{"SOLO", 2, 2}})));
        f.writeFile(QStringLiteral("gridly.cfg"), ConfigBytes(4, 1, "Play", "last.gly", last.toStdString()));
        QVERIFY(f.start({QLatin1Char('"') + named + QLatin1Char('"')}));
        QCOMPARE(f.puzzle().nwords, 1);
        QCOMPARE(f.puzzle().gboxidx, 2);
        QVERIFY(!f.control<QAbstractButton>("ck_valid_word")->isChecked());
        QCOMPARE(f.puzzle().runmode, std::string("Design"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Gridly v1.00     > named.gly"));
    }

    void startUpOpenOfAMissingOrDamagedFileIsSilent()
    {
        // A damaged file named at start shows no message and leaves an empty puzzle.
        WindowFixture f;
        const QString bad = f.writeFile(QStringLiteral("bad.gly"), QByteArray("GRIDLYPv1.00\x29\x00", 14));
        QVERIFY(f.start({bad}));
        QVERIFY(f.desktop.messages.isEmpty());
        QCOMPARE(f.puzzle().nwords, 0);
        QVERIFY(f.puzzle().fpath.empty());
    }

    void secondInstanceEndsAtOnce()
    {
        // When another instance holds the lock, start-up reports the end and shows nothing.
        WindowFixture f;
        f.desktop.otherInstance = true;
        QVERIFY(!f.start());
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void helpShowsTheHelpFileOrSaysItIsMissing()
    {
        // Help opens gridly.hlp of the program folder; without it a critical message names the path.
        WindowFixture f;
        QVERIFY(f.start());
        f.click("cb_help");
        QCOMPARE(f.desktop.helpShown, QStringList{f.path(QStringLiteral("gridly.hlp"))});
        QFile::remove(f.path(QStringLiteral("gridly.hlp")));
        f.click("cb_help");
        CompareMessage(f.desktop.messages[0], "Help File Not Found\rFile: " + f.path(QStringLiteral("gridly.hlp")),
                       "Help", Buttons::Ok, Icon::Critical);
    }

    void openedPuzzleStartsDialogsInItsFolder()
    {
        // After an open, the next dialog starts in the opened file's folder.
        WindowFixture f;
        QVERIFY(f.start());
        QCOMPARE(f.desktop.fileRequests.size(), 0);
        QDir(f.folder()).mkdir(QStringLiteral("sub"));
        f.open(PuzzleBytes(ThreeWords()), QStringLiteral("sub/in.gly"));
        QCOMPARE(f.desktop.fileRequests[0].initialFolder, f.folder());
        f.desktop.chooseFile(QString());
        f.click("cb_open");
        QCOMPARE(f.desktop.fileRequests[1].initialFolder, f.path(QStringLiteral("sub")));
    }
};

QTEST_MAIN(TestWindowDocument)
#include "test_window_document.moc"
