// gridly-tool run as a user runs it: its messages, exit status and files.
#include "test_files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run Tool(const QStringList &args, const QString &folder)
{
    QProcess tool;
    tool.setWorkingDirectory(folder);
    // As on a server: no display at all.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    tool.setProcessEnvironment(environment);
    tool.start(GRIDLY_TOOL, args);
    tool.waitForFinished();
    return {tool.exitCode(), tool.readAllStandardOutput(), tool.readAllStandardError()};
}

} // namespace

class TestTool : public QObject {
    Q_OBJECT
private slots:
    void badInputIsNamedAndWritesNothing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad line") << QStringList{"make", "words.txt", "out.gly"} << 1
                                  << "gridly-tool: words.txt: Line 2: the word box does not take \"!\"\n";
        QTest::newRow("not gridly") << QStringList{"check", "words.txt"} << 1 << "gridly-tool: words.txt: Invalid Gridly File\n";
        QTest::newRow("damaged") << QStringList{"export", "damaged.gly", "out.ipuz"} << 1
                                 << "gridly-tool: damaged.gly: Word count 41 is outside 0..40\n";
        QTest::newRow("missing") << QStringList{"check", "none.gly"} << 1 << "gridly-tool: none.gly: No such file or directory\n";
        QTest::newRow("cannot connect") << QStringList{"make", "one.txt", "out.gly", "--connected"} << 1
                                        << "gridly-tool: one.txt: Word 2 \"A\" has one letter, so it cannot cross another word\n";
        QTest::newRow("longer than the grid") << QStringList{"make", "long.txt", "out.gly", "--connected", "--size", "15x15"}
                                              << 1 << "gridly-tool: long.txt: Word 2 \"ABCDEFGHIJKLMNOP\" is longer than the grid\n";
        // Failures after the grid is made: the plain generator, the connected maker leaving a word out, the write.
        QTest::newRow("generation fails") << QStringList{"make", "long.txt", "out.gly", "--size", "15x15"} << 1
                                          << "gridly-tool: long.txt: Unabled to Generate Grid. Decrease the Number of Words, "
                                             "Increase the Grid Size, Or  Try to Generate Again.\n";
        QTest::newRow("a word left out") << QStringList{"make", "left.txt", "out.gly", "--connected"} << 3
                                         << "gridly-tool: left.txt: 1 of 3 words does not fit in one connected piece within 24 x 24:\n"
                                            "gridly-tool: left.txt: Word 3 \"DOG\": no shared letter with the placed words\n"
                                            "gridly-tool: out.gly: not written; --partial writes the grid without them\n";
        QTest::newRow("write fails") << QStringList{"make", "left.txt", "none/out.gly", "--connected", "--partial"} << 1
                                     << "gridly-tool: left.txt: 1 of 3 words does not fit in one connected piece within 24 x 24:\n"
                                        "gridly-tool: left.txt: Word 3 \"DOG\": no shared letter with the placed words\n"
                                        "gridly-tool: none/out.gly: No such file or directory\n";
        QTest::newRow("format") << QStringList{"export", "damaged.gly", "out.gly"} << 2
                                << "gridly-tool: out.gly: the name must end in .ipuz, .puz, .pdf or .html\n";
        QTest::newRow("option of another format") << QStringList{"export", "damaged.gly", "out.html", "--lossy"} << 2
                                                  << "gridly-tool: --lossy does not go with .html\nusage: gridly-tool export PUZZLE.gly "
                                                     "OUT.ipuz [--answers] | OUT.puz [--answers] [--lossy] | OUT.pdf [--solution] | OUT.html\n";
        QTest::newRow("size") << QStringList{"make", "one.txt", "out.gly", "--size", "30x30"} << 2
                              << "gridly-tool: --size takes auto or COLSxROWS, each between 15 and 24, not \"30x30\"\n";
        QTest::newRow("option") << QStringList{"check", "a.gly", "--fast"} << 2
                                << "gridly-tool: unknown option --fast\nusage: gridly-tool check PUZZLE.gly\n";
        QTest::newRow("effort") << QStringList{"make", "one.txt", "out.gly", "--connected", "--effort", "0"} << 2
                                << "gridly-tool: --effort takes a whole number from 1 to 1000, not \"0\"\n";
        QTest::newRow("partial alone") << QStringList{"make", "one.txt", "out.gly", "--partial"} << 2
                                       << "gridly-tool: --partial goes only with --connected\nusage: gridly-tool make WORDS.txt "
                                          "OUT.gly [--size auto|COLSxROWS] [--seed N] [--connected [--max-size COLSxROWS] "
                                          "[--effort N] [--partial]]\n";
    }
    void badInputIsNamedAndWritesNothing()
    {
        // Bad input says what is wrong on standard error, exits non-zero and leaves the output file as it was.
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir folder;
        WriteBytes(folder.filePath("words.txt"), "cat\tA pet\ndog!\tIt barks\n");
        WriteBytes(folder.filePath("one.txt"), "cat\tA pet\na\tA letter\n");
        WriteBytes(folder.filePath("long.txt"), "cat\tA pet\nabcdefghijklmnop\tLong\n");
        WriteBytes(folder.filePath("left.txt"), "cat\tA pet\ntea\tA drink\ndog\tIt barks\n");
        WriteBytes(folder.filePath("damaged.gly"), QByteArray("GRIDLYPv1.00)\0", 14));
        WriteBytes(folder.filePath("out.gly"), "old");
        const Run run = Tool(args, folder.path());
        QCOMPARE(run.err, message);
        QCOMPARE(run.status, status);
        QCOMPARE(ReadBytes(folder.filePath("out.gly")), "old");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 6);
    }

    void makeCheckAndExportAConnectedPuzzle()
    {
        // make --connected writes a puzzle that check opens as one piece (a word and a clue as long as the
        // boxes take among its lines); the same seed gives the same bytes; --partial writes the grid without
        // the word left out, and --max-size bounds the grid; it exports to every format; a word .puz cannot
        // hold is refused, and a clue it would change unless --lossy.
        QTemporaryDir folder;
        WriteBytes(folder.filePath("words.txt"),
                   "cat\tCosts 5 \xE2\x82\xAC at the fair\ncow\tSalt & pepper\nwind\tMoving air\ntown\tSmall city\n"
                   "abcdefghijklmnopqrstuvwx\tTwenty-four letters, the most a word has\n");
        WriteBytes(folder.filePath("blank.txt"), "ice cream\tCold\n");
        const QStringList make{"make", "words.txt", "a.gly", "--connected", "--seed", "7"};
        QCOMPARE(Tool(make, folder.path()).status, 0);
        const QByteArray made = ReadBytes(folder.filePath("a.gly"));
        QCOMPARE(Tool(make, folder.path()).status, 0);
        QCOMPARE(ReadBytes(folder.filePath("a.gly")), made);
        QCOMPARE(Tool({"check", "a.gly"}, folder.path()).out,
                 "a.gly: opens: 5 words, 5 in the grid of 15 x 24 cells; 1 piece, 0 words cross nothing\n");
        WriteBytes(folder.filePath("left.txt"), "cat\tA pet\ntea\tA drink\ndog\tIt barks\n");
        QCOMPARE(Tool({"make", "left.txt", "p.gly", "--connected", "--partial"}, folder.path()).status, 3);
        QCOMPARE(Tool({"check", "p.gly"}, folder.path()).out,
                 "p.gly: opens: 3 words, 2 in the grid of 15 x 15 cells; 1 piece, 0 words cross nothing\n");
        WriteBytes(folder.filePath("long.txt"), "cat\tA pet\nabcdefghijklmnop\tLong\n");
        QCOMPARE(Tool({"make", "long.txt", "m.gly", "--connected", "--max-size", "15x16"}, folder.path()).status, 0);
        QCOMPARE(Tool({"check", "m.gly"}, folder.path()).out,
                 "m.gly: opens: 2 words, 2 in the grid of 15 x 16 cells; 1 piece, 0 words cross nothing\n");
        const Run lossy = Tool({"export", "a.gly", "a.puz"}, folder.path());
        QCOMPARE(lossy.err, QString::fromUtf8("gridly-tool: a.gly: cannot be written as .puz: Clue 2 Across \"Costs 5 € at the "
                                              "fair\" would become \"Costs 5 EUR at the fair\" (.puz text is Latin-1); "
                                              "--lossy writes it so\n"));
        QCOMPARE(lossy.status, 1);
        QVERIFY(!QFile::exists(folder.filePath("a.puz")));
        QCOMPARE(Tool({"export", "a.gly", "a.puz", "--lossy"}, folder.path()).status, 0);
        QCOMPARE(Tool({"export", "a.gly", "a.ipuz", "--answers"}, folder.path()).status, 0);
        QCOMPARE(Tool({"export", "a.gly", "a.html"}, folder.path()).status, 0);
        QVERIFY(ReadBytes(folder.filePath("a.puz")).contains(QByteArray("ACROSS&DOWN\0", 12)));
        QVERIFY(ReadBytes(folder.filePath("a.puz")).contains(QByteArray("\0Costs 5 EUR at the fair\0", 25)));
        QVERIFY(ReadBytes(folder.filePath("a.ipuz")).contains("\"saved\""));
        QVERIFY(ReadBytes(folder.filePath("a.ipuz")).contains("\"clue\": \"Salt &amp; pepper\""));
        QVERIFY(ReadBytes(folder.filePath("a.html")).startsWith("<!DOCTYPE html>"));
        // The printed page as PDF: clues as text, the grid's words only with --solution.
        const auto pageText = [&](const QStringList &options) {
            Tool(QStringList{"export", "a.gly", "a.pdf"} + options, folder.path());
            return ProgramOutput("pdftotext", {folder.filePath("a.pdf"), "-"});
        };
        const QString worksheet = pageText({});
        QVERIFY(worksheet.contains("Across") && worksheet.contains("- Moving air") && !worksheet.contains('W'));
        QVERIFY(pageText({"--solution"}).contains('W'));
        // Its grid in the puzzle's colour, as Print draws it: the file's colour box made teal.
        QByteArray teal = made;
        teal[teal.indexOf(QByteArray("\x05\0\x0f\0\x18\0", 6)) + 6] = 3;
        WriteBytes(folder.filePath("t.gly"), teal);
        QCOMPARE(Tool({"export", "t.gly", "t.pdf"}, folder.path()).status, 0);
        ProgramOutput("pdftoppm", {"-r", "20", "-singlefile", folder.filePath("t.pdf"), folder.filePath("t")});
        QVERIFY(ReadBytes(folder.filePath("t.ppm")).contains(QByteArray("\0\x80\x80\0\x80\x80", 6)));

        QCOMPARE(Tool({"make", "blank.txt", "b.gly", "--size", "15x16"}, folder.path()).status, 0);
        const Run refused = Tool({"export", "b.gly", "b.puz"}, folder.path());
        QVERIFY(refused.err.startsWith("gridly-tool: b.gly: cannot be written as .puz: Word 1 \"ICE CREAM\" holds a blank at column "));
        QCOMPARE(refused.status, 1);
        QVERIFY(!QFile::exists(folder.filePath("b.puz")));
    }
};

QTEST_APPLESS_MAIN(TestTool)
#include "test_tool.moc"
