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

// Half of its words out of the grid: the stored answers are not judged again on opening.
const std::string &HalfPlacedFile()
{
    static const std::string bytes = WritePuzzleFile(FortyWordsHalfPlaced());
    return bytes;
}

// Three placed words with blanks, "&" and "-" and one out of the grid:
// short enough to open every cut of it in the window.
Puzzle FourWords()
{
    for (const SamplePuzzle &sample : SamplePuzzles())
        if (sample.name == "blanks and signs")
            return sample.puzzle;
    return {};
}

std::string FourWordFile()
{
    return WritePuzzleFile(FourWords());
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

void AddByteChangeRows(bool bothFiles)
{
    QTest::addColumn<ByteChange>("change");
    QTest::addColumn<bool>("halfPlaced");
    const std::pair<const char *, ByteChange> changes[] = {
        {"0x00", [](char) { return char(0x00); }},
        {"0xFF", [](char) { return char(0xFF); }},
        {"0x80", [](char) { return char(0x80); }},
        {"+1", [](char b) { return char(b + 1); }},
        {"-1", [](char b) { return char(b - 1); }},
    };
    for (const bool halfPlaced : {false, true}) {
        if (halfPlaced && !bothFiles)
            continue;
        for (const auto &[name, change] : changes)
            QTest::addRow("%s%s", name, halfPlaced ? ", half placed" : "") << change << halfPlaced;
    }
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

    void everyChangedByteIsRefusedOrOpensSoundly_data() { AddByteChangeRows(true); }
    void everyChangedByteIsRefusedOrOpensSoundly()
    {
        // Any one byte of a forty-word file set to 0x00, 0xFF, 0x80 or moved by one gives a refusal or a sound puzzle.
        QFETCH(ByteChange, change);
        QFETCH(bool, halfPlaced);
        std::string bytes = halfPlaced ? HalfPlacedFile() : FortyWordFile();
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

    void windowOpensEveryChangedByteSoundlyOrRefusesIt_data() { AddByteChangeRows(false); }
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

    void recordsThatWouldBreakThePuzzleAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        Puzzle flag = FourWords();
        flag.Words[2].pwok = 2;  // word 4 is out of the grid, so no answer is judged on opening
        Puzzle mark = FourWords();
        mark.Words[4].word.assign("R2#D2");
        Puzzle answer = FourWords();
        answer.Words[1].pword.assign("RO#K");
        Puzzle twice = FourWords();
        twice.Words[4].word.assign("X-RAY");
        QTest::newRow("answer flag 2") << QByteArray::fromStdString(WritePuzzleFile(flag))
                                       << "Word 2: answer flag 2 is outside 0..1";
        QTest::newRow("# in a word") << QByteArray::fromStdString(WritePuzzleFile(mark))
                                     << "Word 4: holds the empty-cell mark #";
        QTest::newRow("# in an answer") << QByteArray::fromStdString(WritePuzzleFile(answer))
                                        << "Word 1: holds the empty-cell mark #";
        QTest::newRow("a word twice") << QByteArray::fromStdString(WritePuzzleFile(twice))
                                      << "Word 4 repeats word 2";
    }
    void recordsThatWouldBreakThePuzzleAreRefused()
    {
        // A record whose answer flag would hide the word in the picture, whose word or answer holds the
        // empty-cell mark "#", or that repeats a word, makes the file refused with its reason.
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        WindowFixture f;
        QVERIFY(f.start());
        f.open(bytes, QStringLiteral("damaged.gly"));
        QCOMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.desktop.messages[0].text, reason + QStringLiteral("\rFile: ") + f.path(QStringLiteral("damaged.gly")));
        QCOMPARE(f.desktop.messages[0].title, QStringLiteral("Open Error"));
        QCOMPARE(f.puzzle().nwords, 0);
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
