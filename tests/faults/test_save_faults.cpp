// Saving under faults, in a separate process that saves (gridly_fault_writer):
// into a folder the user may not write, onto a full disk (a file size limit
// with SIGXFSZ ignored, as `ulimit -f` after `trap '' XFSZ`), and killed with
// SIGKILL at many moments. The old file is always byte-identical afterwards
// or exactly the new bytes, and nothing but a complete gridly.cfg is added.
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "faults_tests.h"
#include "puzzle_builder.h"
#include "sample_puzzles.h"
#include "window/file_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <random>

namespace {

const QString WRITER = QStringLiteral(GRIDLY_FAULT_WRITER);
const QString OLD = QStringLiteral("old.gly");
const QString CFG = QStringLiteral("gridly.cfg");
// A puzzle followed by bytes the reader ignores, so that the window's Save writes other bytes.
const QByteArray OLD_BYTES = QByteArray::fromStdString(WritePuzzleFile(MakePuzzle({{"CAT"}, {"DOG"}}))) + "old";

struct Outcome {
    int exitCode;  // 127 when it did not start, -1 when killed
    QString output;
    int micros;  // from its start to its end
};

// Runs the command under a file size limit in bytes (-1: none) and kills it
// killAfter microseconds after its start (-1: never).
Outcome Run(QStringList command, qint64 sizeLimit = -1, int killAfter = -1)
{
    QProcess process;
    // Runs in the child between fork and exec: only async-signal-safe calls.
    process.setChildProcessModifier([sizeLimit] {
        if (sizeLimit >= 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit size{rlim_t(sizeLimit), rlim_t(sizeLimit)};
            setrlimit(RLIMIT_FSIZE, &size);
        }
    });
    process.start(command.takeFirst(), command);
    if (!process.waitForStarted())
        return {127, {}, 0};
    QElapsedTimer timer;
    timer.start();
    if (killAfter >= 0) {
        usleep(useconds_t(killAfter));
        process.kill();
    }
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()), int(timer.nsecsElapsed() / 1000)};
}

// The folder holds old.gly with its old bytes and nothing else.
void Reset(const QTemporaryDir &folder)
{
    QFile::remove(folder.filePath(CFG));
    WriteWholeFile(folder.filePath(OLD), OLD_BYTES);
}

// "" when old.gly holds one of the byte strings allowed and nothing lies
// beside it but the complete configuration the window writes at exit.
QString Leftover(const QTemporaryDir &folder, const QList<QByteArray> &allowed)
{
    const QByteArray old = ReadWholeFile(folder.filePath(OLD)).bytes;
    if (!allowed.contains(old))
        return QStringLiteral("old.gly holds %1 other bytes").arg(old.size());
    QStringList entries =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const std::string complete = WriteConfigFile(2, 0, RunMode::Design, "old.gly", folder.filePath(OLD).toStdString());
    if (entries.removeAll(CFG) && ReadWholeFile(folder.filePath(CFG)).bytes.toStdString() != complete)
        return QStringLiteral("gridly.cfg is not the complete one");
    return entries == QStringList{OLD} ? QString() : QStringLiteral("left: ") + entries.join(QLatin1Char(' '));
}

} // namespace

void TestFaults::windowSaveRefusedByTheFolderOrTheDiskKeepsTheOldFile_data()
{
    QTest::addColumn<qint64>("sizeLimit");  // -1: the folder is read-only instead
    QTest::newRow("read-only folder") << qint64(-1);
    QTest::newRow("full disk, configuration fits") << qint64(150);
    QTest::newRow("full disk, nothing fits") << qint64(20);
}
void TestFaults::windowSaveRefusedByTheFolderOrTheDiskKeepsTheOldFile()
{
    // The window's Save into a folder the user may not write (as user 65534 through setpriv when the test runs
    // as root) or onto a full disk shows the system's reason and the path; old.gly stays byte-identical, and
    // the configuration written at exit is complete where it fits, else absent.
    QFETCH(qint64, sizeLimit);
    QTemporaryDir f, bin;  // bin: a copy of the writer that any user may run, wherever the build folder is
    Reset(f);
    const auto readRun = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QStringList command{WRITER, QStringLiteral("window"), f.path()};
    if (sizeLimit < 0 && geteuid() == 0) {
        command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                              QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                              bin.filePath(QStringLiteral("writer"))} + command.mid(1);
        QFile::copy(WRITER, command[4]);
        QFile::setPermissions(command[4], readRun);
        QFile::setPermissions(bin.path(), readRun | QFile::WriteOwner);
    }
    if (sizeLimit < 0)
        QFile::setPermissions(f.path(), readRun);
    const Outcome outcome = Run(command, sizeLimit);
    QFile::setPermissions(f.path(), readRun | QFile::WriteOwner);
    if (outcome.exitCode >= 126)
        QSKIP("running as root, but cannot run the writer as user 65534 through setpriv here");
    QCOMPARE(outcome.exitCode, 1);
    const QString reason = sizeLimit < 0 ? QString() : QStringLiteral("File too large");  // Qt's text when read-only
    QVERIFY2(outcome.output.startsWith(reason) && outcome.output.endsWith("\rFile: " + f.filePath(OLD) + '\n'),
             qPrintable(outcome.output));
    QCOMPARE(Leftover(f, {OLD_BYTES}), QString());
    QCOMPARE(QFile::exists(f.filePath(CFG)), sizeLimit >= 150);
}

void TestFaults::fullDiskRefusesWhatDoesNotFitWithTheSystemsReason()
{
    // Under a 2 KiB file size limit, puzzles of 1 to 40 words (held in Qt's buffer until its final flush,
    // whose failure Qt 6.4 does not report) and one 1 MiB file are saved when they fit, else refused with
    // "File too large", the old file byte-identical and no temporary file left.
    QTemporaryDir f, sources;
    const QString source = sources.filePath(QStringLiteral("new"));
    QList<QByteArray> files{QByteArray(1 << 20, 'x')};
    for (Puzzle p = FortyUnplacedWords(); p.nwords > 0; --p.nwords)
        files.append(QByteArray::fromStdString(WritePuzzleFile(p)));
    for (const QByteArray &fresh : files) {
        Reset(f);
        QVERIFY(WriteWholeFile(source, fresh).isEmpty());
        const Outcome outcome = Run({WRITER, QStringLiteral("copy"), source, f.filePath(OLD)}, 2048);
        const bool fits = fresh.size() <= 2048;
        const QString size = QString::number(fresh.size()) + QStringLiteral(" bytes: ");
        QCOMPARE(size + QString::number(outcome.exitCode) + ' ' + outcome.output
                     + Leftover(f, {fits ? fresh : OLD_BYTES}),
                 size + (fits ? QStringLiteral("0 \n") : QStringLiteral("1 File too large\n")));
    }
}

void TestFaults::killedSaveLeavesTheOldOrTheNewFile_data()
{
    QTest::addColumn<bool>("window");
    QTest::newRow("one 32 MiB write") << false;
    QTest::newRow("the window from start to exit") << true;
}
void TestFaults::killedSaveLeavesTheOldOrTheNewFile()
{
    // A save killed with SIGKILL at any moment leaves exactly the old or exactly the new file, no temporary
    // file, and a configuration file that is complete or absent.
    QFETCH(bool, window);
    QTemporaryDir f, sources;
    Reset(f);
    const QString source = sources.filePath(QStringLiteral("new"));
    QVERIFY(WriteWholeFile(source, QByteArray(window ? 0 : 32 << 20, 'x')).isEmpty());
    const QStringList command = window ? QStringList{WRITER, QStringLiteral("window"), f.path()}
                                       : QStringList{WRITER, QStringLiteral("copy"), source, f.filePath(OLD)};
    const int full = std::min(Run(command).micros, Run(command).micros);  // the first run may find a cold cache
    const QByteArray fresh = ReadWholeFile(f.filePath(OLD)).bytes;
    QVERIFY(fresh != OLD_BYTES);
    std::mt19937 random(7);
    int news = 0;
    for (int run = 0; run < 40; ++run) {
        Reset(f);
        Run(command, -1, std::uniform_int_distribution<int>(0, 2 * full)(random));
        QCOMPARE(QString::number(run) + Leftover(f, {OLD_BYTES, fresh}), QString::number(run));
        news += ReadWholeFile(f.filePath(OLD)).bytes == fresh;
    }
    qInfo("%d of 40 kills left the new file (a whole run takes %d us)", news, full);
    QVERIFY(news > 0 && news < 40);
}
