// Damaged puzzle files: every cut and every one-byte change of a forty-word
// puzzle file is either refused or opens into a sound puzzle, both in the
// file reader and through the window's Open; and every sound sample comes
// back byte for byte from Open then Save.
#include "document/puzzle_file.h"
#include "document/puzzle_invariants.h"
#include "faults_tests.h"
#include "play/play_grid.h"
#include "sample_puzzles.h"
#include "window_fixture.h"

#include <QLabel>
#include <QTest>

namespace {

using ByteChange = char (*)(char);

const std::string &FortyWordFile()
{
    static const std::string bytes = WritePuzzleFile(FortyWordPuzzle());
    return bytes;
}

// Four placed words with blanks, "&" and "-": short enough to open every cut of it in the window.
std::string FourWordFile()
{
    for (const SamplePuzzle &sample : SamplePuzzles())
        if (sample.name == "blanks and signs")
            return WritePuzzleFile(sample.puzzle);
    return {};
}

// The bytes whose changes are opened in the window: the header, the first
// record and the last one. The file reader sees every byte changed.
bool OpenedInTheWindow(std::size_t offset, std::size_t size)
{
    return offset < std::size_t(PUZZLE_HEADER_SIZE + PUZZLE_RECORD_SIZE) || offset >= size - PUZZLE_RECORD_SIZE;
}

// "" when the bytes are refused or open into a puzzle that keeps every
// invariant; otherwise the rule the opened puzzle breaks.
std::string OpenFault(std::string_view bytes)
{
    const PuzzleFileRead read = ReadPuzzleFile(bytes);
    if (read.status != PuzzleFileStatus::Ok)
        return {};
    Puzzle p;
    ApplyPuzzleFile(p, read.contents);
    p.gboxidx = read.contents.gboxidx;
    if (p.complete())
        PwordsToPgrid(p);
    return CheckInvariants(p);
}

bool IsOpenFailure(const ShownMessage &shown)
{
    return shown.icon == Desktop::Icon::Critical
        && (shown.title == QLatin1String("Open Error") || shown.title == QLatin1String("Open - Version ERROR"));
}

// Opens bytes through the window; "" when the window either refused them
// through the open-failure path (one critical message, an empty puzzle) or
// opened a sound puzzle without a message.
QString WindowOpenFault(WindowFixture &f, const std::string &bytes)
{
    f.desktop.messages.clear();
    f.open(QByteArray::fromStdString(bytes));
    const Puzzle &p = f.puzzle();
    const QString broken = QString::fromStdString(CheckInvariants(p));
    if (!broken.isEmpty())
        return broken;
    if (f.control<QLabel>(QStringLiteral("lb_wcnt"))->text() != QString::number(p.nwords))
        return QStringLiteral("word count label differs from nwords");
    if (f.desktop.messages.isEmpty())
        return {};
    if (f.desktop.messages.size() != 1 || !IsOpenFailure(f.desktop.messages[0]))
        return QStringLiteral("unexpected message: ") + f.desktop.messages[0].title;
    return p.nwords == 0 ? QString() : QStringLiteral("refused but kept words");
}

void AddByteChangeRows()
{
    QTest::addColumn<ByteChange>("change");
    QTest::newRow("0x00") << ByteChange([](char) { return char(0x00); });
    QTest::newRow("0xFF") << ByteChange([](char) { return char(0xFF); });
    QTest::newRow("0x80") << ByteChange([](char) { return char(0x80); });
    QTest::newRow("+1") << ByteChange([](char b) { return char(b + 1); });
    QTest::newRow("-1") << ByteChange([](char b) { return char(b - 1); });
}

} // namespace

Q_DECLARE_METATYPE(ByteChange)

class TestDamagedFiles : public QObject {
    Q_OBJECT
private slots:
    void everyCutOfAPuzzleFileIsRefused()
    {
        // A file cut at any byte before its end is refused; the whole file opens soundly.
        const std::string &whole = FortyWordFile();
        for (std::size_t size = 0; size < whole.size(); ++size)
            QVERIFY2(ReadPuzzleFile(std::string_view(whole).substr(0, size)).status != PuzzleFileStatus::Ok,
                     qPrintable(QStringLiteral("cut at %1 was accepted").arg(size)));
        QCOMPARE(ReadPuzzleFile(whole).status, PuzzleFileStatus::Ok);
        QCOMPARE(OpenFault(whole), std::string());
    }

    void everyChangedByteIsRefusedOrOpensSoundly_data() { AddByteChangeRows(); }
    void everyChangedByteIsRefusedOrOpensSoundly()
    {
        // Any one byte of a forty-word file set to 0x00, 0xFF, 0x80 or moved by one gives a refusal or a sound puzzle.
        QFETCH(ByteChange, change);
        std::string bytes = FortyWordFile();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const char kept = bytes[i];
            bytes[i] = change(kept);
            const std::string fault = OpenFault(bytes);
            QVERIFY2(fault.empty(), qPrintable(QStringLiteral("byte %1: %2").arg(i).arg(QString::fromStdString(fault))));
            bytes[i] = kept;
        }
    }

    void windowRefusesEveryCutThroughTheOpenFailure()
    {
        // Opening a cut file in the window shows the open failure and leaves an empty, sound puzzle.
        WindowFixture f;
        QVERIFY(f.start());
        const std::string whole = FourWordFile();
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const QString fault = WindowOpenFault(f, whole.substr(0, size));
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("cut at %1: %2").arg(size).arg(fault)));
            QCOMPARE(f.puzzle().nwords, 0);
        }
    }

    void windowOpensEveryChangedByteSoundlyOrRefusesIt_data() { AddByteChangeRows(); }
    void windowOpensEveryChangedByteSoundlyOrRefusesIt()
    {
        // Through the window's Open, a changed byte of the header or of a record gives the open failure or a
        // sound puzzle, never a crash.
        QFETCH(ByteChange, change);
        WindowFixture f;
        QVERIFY(f.start());
        std::string bytes = FortyWordFile();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (!OpenedInTheWindow(i, bytes.size()))
                continue;
            const char kept = bytes[i];
            bytes[i] = change(kept);
            const QString fault = WindowOpenFault(f, bytes);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("byte %1: %2").arg(i).arg(fault)));
            bytes[i] = kept;
        }
    }

    void openThenSaveGivesTheSameBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        for (const SamplePuzzle &sample : SamplePuzzles())
            QTest::newRow(sample.name.c_str()) << QByteArray::fromStdString(WritePuzzleFile(sample.puzzle));
    }
    void openThenSaveGivesTheSameBytes()
    {
        // A sound file opened and saved again under another name is written back byte for byte.
        QFETCH(QByteArray, bytes);
        WindowFixture f;
        QVERIFY(f.start());
        f.open(bytes, QStringLiteral("sample.gly"));
        QVERIFY(f.desktop.messages.isEmpty());
        f.desktop.chooseFile(f.path(QStringLiteral("again.gly")));
        f.click(QStringLiteral("cb_save"));
        QVERIFY(f.desktop.messages.isEmpty());
        QCOMPARE(f.readFile(QStringLiteral("again.gly")), bytes);
    }
};

int RunDamagedFileTests(int argc, char **argv)
{
    TestDamagedFiles tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_damaged_files.moc"
