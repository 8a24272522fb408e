// Faults and bad input to the program. A puzzle file cut at any byte is
// refused, and every sound sample comes back byte for byte from Open then
// Save. A Save the disk refuses (a file size limit, SIGXFSZ ignored, as
// `ulimit -f` after `trap '' XFSZ`) or whose target is a folder keeps the old
// file and says why. Hostile text pasted into the word and clue boxes leaves
// only what the boxes may hold. (Damaged fields are refused in
// test_document; the inputs that once broke the reader are replayed by fuzz/.)
#include "document/puzzle_file.h"
#include "sample_puzzles.h"
#include "platform/file_store.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Files larger than bytes cannot be written while it lives.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        set(bytes);
    }
    ~FileSizeLimit() { set(RLIM_INFINITY); }
    static void set(rlim_t bytes)
    {
        const rlimit limit{bytes, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
};

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void aFileCutAtAnyByteIsRefused()
    {
        // A forty-word file cut short is never taken: before the end of the magic it is not ours, after it damaged.
        const std::string bytes = WritePuzzleFile(FortyWordPuzzle());
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const PuzzleFileRead read = ReadPuzzleFile(bytes.substr(0, length));
            const auto expected = length < 7 ? PuzzleFileStatus::NotGridly : PuzzleFileStatus::Failed;
            QVERIFY2(read.status == expected && read.contents.words.empty(), std::to_string(length).c_str());
        }
    }

    void openThenSaveGivesTheSameBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        for (const SamplePuzzle &sample : SamplePuzzles())
            QTest::newRow(sample.name.c_str()) << FileBytes(sample.puzzle);
    }
    void openThenSaveGivesTheSameBytes()
    {
        // A sound file opened in the window and saved again under another name is written back byte for byte.
        QFETCH(QByteArray, bytes);
        WindowFixture f;
        QVERIFY(f.start());
        f.open(bytes);
        f.desktop.chooseFile(f.path(QStringLiteral("again.gly")));
        f.click(QStringLiteral("cb_save"));
        QVERIFY(f.desktop.messages.isEmpty());
        QCOMPARE(f.readFile(QStringLiteral("again.gly")), bytes);
    }

    void refusedSaveKeepsTheOldFileAndSaysWhy()
    {
        // On a full disk Save shows "Save Error" with the system's reason and the path, and keeps the old file,
        // the puzzle changed and its names; so does a file too large for Qt's buffer, and a Save onto a folder;
        // gridly.cfg is not written at exit rather than written in part.
        WindowFixture f;
        QVERIFY(f.start());
        const QByteArray old = FileBytes(MakePuzzle({{"CAT", 1, 1}, {"COW", 1, 1, "Down"}}));
        const QString copy = f.writeFile(QStringLiteral("copy.gly"), old);
        f.open(old, QStringLiteral("copy.gly"));
        f.click(QStringLiteral("cl_gbox_4"));
        const QString folder = f.path(QStringLiteral("folder.gly")), big = f.path(QStringLiteral("big"));
        QDir().mkpath(folder);
        f.writeFile(QStringLiteral("big"), "old");
        for (const QString &path : {copy, f.path(QStringLiteral("lost.gly")), folder})
            f.desktop.chooseFile(path);
        {
            const FileSizeLimit limit(32);  // less than gridly.cfg and any puzzle file
            f.click(QStringLiteral("cb_save"));
            f.click(QStringLiteral("cb_save"));
            QCOMPARE(WriteWholeFile(big, QByteArray(1 << 20, 'x')), QStringLiteral("File too large"));
            f.click(QStringLiteral("cb_save"));
            QVERIFY(f.puzzle().changed && f.window->document().fpath() == copy.toStdString());
            f.desktop.answer(Desktop::Answer::No);
            f.click(QStringLiteral("cb_exit"));
        }
        QCOMPARE(f.shown(0), "File too large\rFile: " + copy + "|Save Error");
        QCOMPARE(f.shown(1), "File too large\rFile: " + f.path(QStringLiteral("lost.gly")) + "|Save Error");
        QVERIFY(f.shown(2).endsWith("\rFile: " + folder + "|Save Error"));
        QVERIFY(f.desktop.messages[2].icon == Desktop::Icon::Critical);
        QCOMPARE(f.readFile(QStringLiteral("copy.gly")), old);
        QCOMPARE(f.readFile(QStringLiteral("big")), QByteArray("old"));
        QCOMPARE(QDir(f.path(QStringLiteral("."))).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"big", "copy.gly", "gridly.hlp"}));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Gridly v1.00     > copy.gly"));
    }

    void hostileTextLeavesWhatTheBoxesMayHold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("boxes");  // the word box and the clue box after the text is pasted into each
        const QString mixed = QStringLiteral("Ab1 &-\U0001F600\r\n\t") + QChar(0) + QStringLiteral("é€ש\u202E");
        QTest::newRow("a megabyte") << mixed.repeated(1 << 16)
                                    << "AB1 &-AB1 &-AB1 &-AB1 &-|" + QStringLiteral("Ab1 &-é€").repeated(5);
        QTest::newRow("control characters")
            << QChar(0) + QStringLiteral("a\x01" "b\x1B" "c\x7F" "d\u0081e\u0085f\u009Dg") << "ABCDEFG|abcdefg";
        QTest::newRow("emoji, marks, zero width, outside Windows-1252")
            << QStringLiteral("\U0001F600 cat \U0001F44D\U0001F3FD e\u0301t\u00E9 \u200Bzero\uFEFF \u0141\u00D3D\u0179 \u65E5 \u2103 ok")
            << QStringLiteral(" CAT  ET ZERO D   OK| cat  eté zero ÓD   ok");
    }
    void hostileTextLeavesWhatTheBoxesMayHold()
    {
        // Pasted, the word box keeps at most 24 of A-Z, 0-9, blank, "&" and "-", the clue box at most 40 printable
        // characters Windows-1252 holds. (Typing is filtered in test_window_words, Add storing what the boxes show
        // too.)
        QFETCH(QString, text);
        WindowFixture f;
        QVERIFY(f.start());
        QApplication::clipboard()->setText(text);
        QStringList shown;
        for (const char *name : {"inp_word", "inp_clue"}) {
            auto *box = f.control<QLineEdit>(QLatin1String(name));
            box->setFocus();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            shown << box->text();
        }
        QTEST(shown.join('|'), "boxes");
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
