// Damaged puzzle files: every cut and every one-byte change of a forty-word
// file is refused or opens into a sound puzzle, in the file reader and through
// the window's Open; every sound sample comes back byte for byte from Open
// then Save. (The inputs that once broke the reader are replayed by fuzz/.)
#include "document/puzzle_file.h"
#include "document/puzzle_invariants.h"
#include "faults_tests.h"
#include "play/play_grid.h"
#include "sample_puzzles.h"
#include "window_fixture.h"

#include <QTest>

namespace {

using Damage = void (*)(std::string &bytes, std::size_t offset);

// "" when the reader refuses the bytes or they open, as the window opens
// them, into a puzzle that keeps every invariant; else the rule it breaks.
QString ReadFault(std::string_view bytes)
{
    const PuzzleFileRead read = ReadPuzzleFile(bytes);
    if (read.status != PuzzleFileStatus::Ok)
        return {};
    Puzzle p;
    ApplyPuzzleFile(p, read.contents);
    p.gboxidx = read.contents.gboxidx;
    if (p.complete())
        PwordsToPgrid(p);
    return QString::fromStdString(CheckInvariants(p));
}

// "" when the window's Open refuses the bytes through the open failure (one
// critical message, an empty puzzle) or opens a sound puzzle silently.
QString WindowOpenFault(WindowFixture &f, const std::string &bytes)
{
    f.desktop.messages.clear();
    f.open(QByteArray::fromStdString(bytes));
    const Puzzle &p = f.puzzle();
    if (const std::string broken = CheckInvariants(p); !broken.empty())
        return QString::fromStdString(broken);
    const QList<ShownMessage> &shown = f.desktop.messages;
    if (shown.isEmpty() || (shown.size() == 1 && shown[0].icon == Desktop::Icon::Critical
                            && shown[0].title.startsWith(QLatin1String("Open")) && p.nwords == 0))
        return {};
    return QStringLiteral("'%1' shown, %2 words kept").arg(shown[0].title).arg(p.nwords);
}

} // namespace

Q_DECLARE_METATYPE(Damage)

void TestFaults::everyCutOrChangedByteIsRefusedOrOpensSoundly_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<bool>("halfPlaced");
    const std::pair<const char *, Damage> damages[] = {
        {"cut", [](std::string &b, std::size_t i) { b.resize(i); }},
        {"0x00", [](std::string &b, std::size_t i) { b[i] = char(0x00); }},
        {"0xFF", [](std::string &b, std::size_t i) { b[i] = char(0xFF); }},
        {"0x80", [](std::string &b, std::size_t i) { b[i] = char(0x80); }},
        {"+1", [](std::string &b, std::size_t i) { ++b[i]; }},
        {"-1", [](std::string &b, std::size_t i) { --b[i]; }},
    };
    for (const bool halfPlaced : {false, true})
        for (const auto &[name, damage] : damages)
            QTest::addRow("%s%s", name, halfPlaced ? ", half placed" : "") << damage << halfPlaced;
}
void TestFaults::everyCutOrChangedByteIsRefusedOrOpensSoundly()
{
    // A forty-word file (all placed, or half, whose answers are not judged again on opening) cut at any byte,
    // or with any one byte set to 0x00, 0xFF, 0x80 or moved by one, is refused or opens into a sound puzzle,
    // in the reader and, for the placed file's header and first and last records, through the window's Open.
    QFETCH(Damage, damage);
    QFETCH(bool, halfPlaced);
    WindowFixture f;
    QVERIFY(f.start());
    const std::string whole = WritePuzzleFile(halfPlaced ? FortyWordsHalfPlaced() : FortyWordPuzzle());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        std::string bytes = whole;
        damage(bytes, i);
        QString fault = ReadFault(bytes);
        const bool inTheWindow = !halfPlaced && (i < std::size_t(PUZZLE_HEADER_SIZE + PUZZLE_RECORD_SIZE)
                                                 || i >= whole.size() - PUZZLE_RECORD_SIZE);
        if (fault.isEmpty() && inTheWindow)
            fault = WindowOpenFault(f, bytes);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("byte %1: %2").arg(i).arg(fault)));
    }
}

void TestFaults::openThenSaveGivesTheSameBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const SamplePuzzle &sample : SamplePuzzles())
        QTest::newRow(sample.name.c_str()) << QByteArray::fromStdString(WritePuzzleFile(sample.puzzle));
}
void TestFaults::openThenSaveGivesTheSameBytes()
{
    // A sound file opened and saved again under another name is written back byte for byte.
    QFETCH(QByteArray, bytes);
    WindowFixture f;
    QVERIFY(f.start());
    f.open(bytes);
    f.desktop.chooseFile(f.path(QStringLiteral("again.gly")));
    f.click(QStringLiteral("cb_save"));
    QVERIFY(f.desktop.messages.isEmpty());
    QCOMPARE(f.readFile(QStringLiteral("again.gly")), bytes);
}

QTEST_MAIN(TestFaults)
