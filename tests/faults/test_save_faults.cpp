// Saving under faults, in a separate process that saves: into a folder the
// user may not write, onto a disk that fills up (a file size limit with
// SIGXFSZ ignored, as `ulimit -f` after `trap '' XFSZ`), and killed with
// SIGKILL at many moments. The old file is always byte-identical afterwards
// or exactly the new bytes, and a refused save leaves no file behind.
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "faults_tests.h"
#include "sample_puzzles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <random>

namespace {

constexpr int NOBODY = 65534;
constexpr int CANNOT_DROP_PRIVILEGES = 125;

struct Limits {
    bool asNobody = false;
    qint64 fileSize = -1;  // bytes; -1 = none
    QString program = QStringLiteral(GRIDLY_FAULT_WRITER);
};

struct Outcome {
    int exitCode = -1;
    bool killed = false;
    QString output;
};

QStringList WriterArguments(const QString &mode, const QString &target, const QString &value = {})
{
    QStringList arguments{mode, target};
    if (!value.isEmpty())
        arguments << value;
    return arguments;
}

void Prepare(QProcess &process, const QStringList &arguments, const Limits &limits)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(env);
    process.setProgram(limits.program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::MergedChannels);
    // Runs in the child between fork and exec: only async-signal-safe calls.
    process.setChildProcessModifier([limits] {
        if (limits.fileSize >= 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit size{rlim_t(limits.fileSize), rlim_t(limits.fileSize)};
            setrlimit(RLIMIT_FSIZE, &size);
        }
        if (limits.asNobody && (setgroups(0, nullptr) != 0 || setgid(NOBODY) != 0 || setuid(NOBODY) != 0))
            _exit(CANNOT_DROP_PRIVILEGES);
    });
}

Outcome Run(const QStringList &arguments, const Limits &limits = {})
{
    QProcess process;
    Prepare(process, arguments, limits);
    process.start();
    process.waitForFinished(60000);
    return {process.exitCode(), process.exitStatus() == QProcess::CrashExit,
            QString::fromLocal8Bit(process.readAll())};
}

// Starts the writer and kills it with SIGKILL after the given time.
void RunAndKill(const QStringList &arguments, int afterMicroseconds)
{
    QProcess process;
    Prepare(process, arguments, {});
    process.start();
    process.waitForStarted();
    usleep(useconds_t(afterMicroseconds));
    process.kill();
    process.waitForFinished(60000);
}

// Microseconds a writer run takes from start to end; -1 when it did not save.
int Duration(const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    const Outcome outcome = Run(arguments);
    return outcome.exitCode == 0 ? int(timer.nsecsElapsed() / 1000) : -1;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QByteArray OldPuzzle()
{
    Puzzle p = FortyUnplacedWords();
    p.nwords = 3;
    return QByteArray::fromStdString(WritePuzzleFile(p));
}

// A folder that the writer (run as nobody when this test runs as root)
// may read and not write; old.gly in it. A copy of the writer lies beside
// it, so that nobody can run it wherever the build folder is.
class ReadOnlyFolder {
public:
    ReadOnlyFolder() : m_folder(m_base.filePath(QStringLiteral("puzzles")))
    {
        QDir().mkdir(m_folder);
        WriteAll(oldFile(), OldPuzzle());
        QFile::copy(QStringLiteral(GRIDLY_FAULT_WRITER), writer());
        QFile::setPermissions(writer(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                            | QFile::ExeOther);
        QFile::setPermissions(m_base.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                  | QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                                            | (asNobody() ? QFile::WriteOwner : QFileDevice::Permissions()));
    }
    ~ReadOnlyFolder() { QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }

    static bool asNobody() { return geteuid() == 0; }
    QString folder() const { return m_folder; }
    QString oldFile() const { return QDir(m_folder).filePath(QStringLiteral("old.gly")); }
    QString writer() const { return m_base.filePath(QStringLiteral("gridly_fault_writer")); }
    Limits limits() const { return {asNobody(), -1, writer()}; }

private:
    QTemporaryDir m_base;
    QString m_folder;
};

// A writable folder holding old.gly.
class PuzzleFolder {
public:
    PuzzleFolder() { WriteAll(oldFile(), OldPuzzle()); }
    QString folder() const { return m_folder.path(); }
    QString oldFile() const { return m_folder.filePath(QStringLiteral("old.gly")); }
    QString file(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
};

// What the window writes at exit after working on FOLDER/old.gly.
QByteArray ExitConfiguration(const QString &oldFile)
{
    const std::string path = oldFile.toStdString();
    return QByteArray::fromStdString(WriteConfigFile(2, 0, "Design", "old.gly", path));
}

} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void readOnlyFolderKeepsTheOldFileAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("value");
        QTest::newRow("one large write") << "bytes" << "1048576";
        QTest::newRow("forty-word puzzle") << "puzzle" << "40";
        QTest::newRow("window save") << "window" << "";
    }
    void readOnlyFolderKeepsTheOldFileAndLeavesNothing()
    {
        // A save into a folder the user may not write is refused; the old file stays byte-identical, nothing is added.
        QFETCH(QString, mode);
        QFETCH(QString, value);
        ReadOnlyFolder f;
        const QString target = mode == QLatin1String("window") ? f.folder() : f.oldFile();
        const Outcome outcome = Run(WriterArguments(mode, target, value), f.limits());
        if (outcome.exitCode == CANNOT_DROP_PRIVILEGES)
            QSKIP("running as root, but cannot switch to the unprivileged user 65534 here");
        QCOMPARE(outcome.exitCode, 1);
        if (mode == QLatin1String("window"))
            QVERIFY2(outcome.output.contains(QStringLiteral("File: ") + f.oldFile()), qPrintable(outcome.output));
        QCOMPARE(ReadAll(f.oldFile()), OldPuzzle());
        QCOMPARE(Entries(f.folder()), QStringList{QStringLiteral("old.gly")});
    }

    void fullDiskRefusesOneLargeWrite()
    {
        // A write far beyond the file size limit is refused; the old file stays and no temporary file is left.
        PuzzleFolder f;
        const Outcome outcome = Run(WriterArguments(QStringLiteral("bytes"), f.oldFile(), QStringLiteral("1048576")),
                                    {false, 65536});
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY(!outcome.killed);
        QCOMPARE(ReadAll(f.oldFile()), OldPuzzle());
        QCOMPARE(Entries(f.folder()), QStringList{QStringLiteral("old.gly")});
    }

    void fullDiskRefusesEveryPuzzleThatDoesNotFit_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("1 KiB") << qint64(1024);
        QTest::newRow("2 KiB") << qint64(2048);
        QTest::newRow("4 KiB") << qint64(4096);
    }
    void fullDiskRefusesEveryPuzzleThatDoesNotFit()
    {
        // Puzzles of 1 to 40 records, whose bytes Qt holds in its buffer until the final flush, are saved when
        // they fit and refused when they do not, leaving the old file and no temporary file.
        QFETCH(qint64, limit);
        PuzzleFolder f;
        const Puzzle forty = FortyUnplacedWords();
        for (int n = 1; n <= MAXWORDS; ++n) {
            WriteAll(f.oldFile(), OldPuzzle());
            const Outcome outcome =
                Run(WriterArguments(QStringLiteral("puzzle"), f.oldFile(), QString::number(n)), {false, limit});
            Puzzle first = forty;
            first.nwords = int16_t(n);
            const QByteArray bytes = QByteArray::fromStdString(WritePuzzleFile(first));
            const bool fits = bytes.size() <= limit;
            QVERIFY2(outcome.exitCode == (fits ? 0 : 1), qPrintable(QStringLiteral("%1 words: exit %2 %3")
                                                                        .arg(n)
                                                                        .arg(outcome.exitCode)
                                                                        .arg(outcome.output)));
            QVERIFY2(ReadAll(f.oldFile()) == (fits ? bytes : OldPuzzle()), qPrintable(QString::number(n)));
            QCOMPARE(Entries(f.folder()), QStringList{QStringLiteral("old.gly")});
        }
    }

    void fullDiskDuringAWindowSaveShowsTheErrorAndKeepsTheOldFile_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("configurationFits");
        QTest::newRow("configuration fits") << qint64(300) << true;
        QTest::newRow("nothing fits") << qint64(20) << false;
    }
    void fullDiskDuringAWindowSaveShowsTheErrorAndKeepsTheOldFile()
    {
        // The window's Save onto a full disk shows "Save Error"; the old puzzle stays, and the configuration
        // written at exit is complete or absent.
        QFETCH(qint64, limit);
        QFETCH(bool, configurationFits);
        PuzzleFolder f;
        const Outcome outcome = Run(WriterArguments(QStringLiteral("window"), f.folder()), {false, limit});
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY2(outcome.output.contains(QStringLiteral("File: ") + f.oldFile()), qPrintable(outcome.output));
        QCOMPARE(ReadAll(f.oldFile()), OldPuzzle());
        if (configurationFits) {
            QCOMPARE(Entries(f.folder()), (QStringList{QStringLiteral("gridly.cfg"), QStringLiteral("old.gly")}));
            QCOMPARE(ReadAll(f.file(QStringLiteral("gridly.cfg"))), ExitConfiguration(f.oldFile()));
        } else {
            QCOMPARE(Entries(f.folder()), QStringList{QStringLiteral("old.gly")});
        }
    }

    void killedSaveLeavesExactlyTheOldOrTheNewBytes()
    {
        // A large save killed at any moment leaves exactly the old file or exactly the new one.
        PuzzleFolder f;
        const QString count = QStringLiteral("33554432");
        const QStringList arguments = WriterArguments(QStringLiteral("bytes"), f.oldFile(), count);
        WriteAll(f.oldFile(), OldPuzzle());
        const int full = Duration(arguments);
        QVERIFY(full > 0);
        const QByteArray fresh = ReadAll(f.oldFile());
        QCOMPARE(fresh.size(), count.toLongLong());
        std::mt19937 random(7);
        int olds = 0, news = 0;
        for (int run = 0; run < 40; ++run) {
            WriteAll(f.oldFile(), OldPuzzle());
            RunAndKill(arguments, int(std::uniform_int_distribution<int>(0, full * 3 / 2)(random)));
            const QByteArray after = ReadAll(f.oldFile());
            QVERIFY2(after == OldPuzzle() || after == fresh, qPrintable(QStringLiteral("run %1: %2 bytes")
                                                                          .arg(run)
                                                                          .arg(after.size())));
            (after == fresh ? news : olds) += 1;
            QCOMPARE(Entries(f.folder()), QStringList{QStringLiteral("old.gly")});
        }
        qInfo("%d kills left the old file, %d the new one (a whole run takes %d us)", olds, news, full);
        QVERIFY(olds > 0 && news > 0);
    }

    void killedWindowLeavesTheOldOrTheNewPuzzleAndACompleteConfiguration()
    {
        // The window killed anywhere between start and exit leaves the old or the new puzzle, and a
        // configuration file that is complete or absent.
        PuzzleFolder f;
        const QStringList arguments = WriterArguments(QStringLiteral("window"), f.folder());
        const int full = Duration(arguments);
        QVERIFY(full > 0);
        const QByteArray fresh = ReadAll(f.oldFile());
        QVERIFY(fresh != OldPuzzle());
        std::mt19937 random(11);
        int olds = 0, news = 0;
        for (int run = 0; run < 30; ++run) {
            WriteAll(f.oldFile(), OldPuzzle());
            QFile::remove(f.file(QStringLiteral("gridly.cfg")));
            RunAndKill(arguments, int(std::uniform_int_distribution<int>(0, full * 3 / 2)(random)));
            const QByteArray after = ReadAll(f.oldFile());
            QVERIFY2(after == OldPuzzle() || after == fresh, qPrintable(QString::number(run)));
            (after == fresh ? news : olds) += 1;
            const QStringList entries = Entries(f.folder());
            if (entries.contains(QStringLiteral("gridly.cfg"))) {
                QCOMPARE(ReadAll(f.file(QStringLiteral("gridly.cfg"))), ExitConfiguration(f.oldFile()));
                QCOMPARE(entries, (QStringList{QStringLiteral("gridly.cfg"), QStringLiteral("old.gly")}));
            } else {
                QCOMPARE(entries, QStringList{QStringLiteral("old.gly")});
            }
        }
        qInfo("%d kills left the old puzzle, %d the new one (a whole run takes %d us)", olds, news, full);
        QVERIFY(olds > 0 && news > 0);
    }
};

int RunSaveFaultTests(int argc, char **argv)
{
    TestSaveFaults tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_save_faults.moc"
