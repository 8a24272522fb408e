// The .gly puzzle file: its exact bytes, what reading accepts and refuses,
// and the document after an open.
#include "document/puzzle_file.h"
#include "document/puzzle_invariants.h"
#include "document_tests.h"
#include "puzzle_builder.h"

#include <QTest>

namespace {

// Three words, two of them crossing in the grid, one with a partial answer.
Puzzle SamplePuzzle()
{
    Puzzle p = MakePuzzle({{"CAT", 2, 3, "Acro"}, {"ICE CREAM", 0}, {"ACE", 3, 3, "Down", "Cards"}}, 17, 15);
    p.gboxidx = 4;
    p.Words[1].pword.assign("CA");
    p.Words[3].pword.assign("ACE");
    p.Words[3].pwok = 1;
    return p;
}

void SetInt(std::string &bytes, std::size_t offset, int value)
{
    bytes.replace(offset, 2, Int16(value));
}

// Offset of a field of record w (1-based).
std::size_t Field(int w, std::size_t offset)
{
    return std::size_t(PUZZLE_HEADER_SIZE + PUZZLE_RECORD_SIZE * (w - 1)) + offset;
}

} // namespace

class TestPuzzleFile : public QObject {
    Q_OBJECT
private slots:
    void oneWordPuzzleSavesAs134BytesWithEveryFieldAtItsOffset()
    {
        // Header then one record, integers little-endian, texts blank-padded, nothing else.
        Puzzle p = MakePuzzle({{"CAT", 3, 5, "Down", "Feline"}}, 15, 17);
        p.gboxidx = 4;
        p.Words[1].pword.assign("CA");
        const std::string expected = std::string("GRIDLYPv1.00") + Int16(1) + Int16(15) + Int16(17) + Int16(4) +
                                     Int16(1) + std::string(8, '\0') + Padded("CAT", 24) + Padded("CA", 24) +
                                     Int16(3) + Int16(1) + "Down" + Int16(1) + Int16(3) + Int16(5) + Int16(0) +
                                     Padded("Feline", 40);
        const std::string bytes = WritePuzzleFile(p);
        QCOMPARE(bytes.size(), std::size_t(134));
        QCOMPARE(bytes, expected);
    }

    void openingThenSavingGivesIdenticalBytes_data()
    {
        QTest::addColumn<int>("unplacedWords");
        QTest::addColumn<bool>("withSample");
        QTest::newRow("empty list") << 0 << false;
        QTest::newRow("placed and unplaced words") << 0 << true;
        QTest::newRow("forty words") << 40 << false;
    }
    void openingThenSavingGivesIdenticalBytes()
    {
        // A file the program wrote comes back byte for byte after open and save.
        QFETCH(int, unplacedWords);
        QFETCH(bool, withSample);
        Puzzle p = withSample ? SamplePuzzle() : MakePuzzle({});
        for (int i = 1; i <= unplacedWords; ++i)
            AppendWord(p, "W" + std::to_string(i), std::string(40, char('a' + i % 26)));
        const std::string bytes = WritePuzzleFile(p);
        const PuzzleFileRead read = ReadPuzzleFile(bytes);
        QCOMPARE(read.status, PuzzleFileStatus::Ok);
        Puzzle opened;
        ApplyPuzzleFile(opened, read.contents);
        opened.gboxidx = read.contents.gboxidx;  // as the colour box does
        QCOMPARE(WritePuzzleFile(opened), bytes);
    }

    void openRebuildsTheGridAndNumbers()
    {
        // After an open the grid arrays hold the placed words, numbered, and the minimum size is the size.
        Puzzle p = SamplePuzzle();
        p.Words[1].nbr = 9;
        Puzzle opened = MakePuzzle({{"OLD", 1, 1}, {"X", 0}, {"Y", 0}, {"Z", 0}});
        opened.curw = 4;
        opened.changed = true;
        ApplyPuzzleFile(opened, ReadPuzzleFile(WritePuzzleFile(p)).contents);
        QCOMPARE(SolutionRows(opened, 4, 5), std::string("####\n####\n#CAT\n##C#\n##E#"));
        QCOMPARE(opened.Words[1].nbr, 1);
        QCOMPARE(opened.Words[3].nbr, 2);
        QCOMPARE(opened.nplaced, 2);
        QCOMPARE(opened.gcolsmin, 17);
        QCOMPARE(opened.growsmin, 15);
        QCOMPARE(opened.curw, 0);
        QVERIFY(!opened.changed);
        QCOMPARE(CheckInvariants(opened), std::string());
    }

    void damagedOrForeignFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("failure");
        const std::string good = WritePuzzleFile(SamplePuzzle());
        const auto row = [&](const char *name, std::string bytes, PuzzleFileStatus status, const char *failure) {
            QTest::newRow(name) << QByteArray::fromStdString(bytes) << int(status) << QString(failure);
        };
        const auto patched = [&](std::size_t offset, int value) {
            std::string bytes = good;
            SetInt(bytes, offset, value);
            return bytes;
        };
        const auto text = [&](std::size_t offset, std::string with) {
            return std::string(good).replace(offset, with.size(), with);
        };
        const auto notGridly = PuzzleFileStatus::NotGridly;
        const auto failed = PuzzleFileStatus::Failed;
        row("bad magic", text(0, "GRIDLYX"), notGridly, "");
        row("version v1.01", text(7, "v1.01"), notGridly, "");
        row("empty file", "", notGridly, "");
        row("count 41", patched(12, 41), failed, "Word count 41 is outside 0..40");
        row("count -1", patched(12, -1), failed, "Word count -1 is outside 0..40");
        row("count beyond records", patched(12, 4), failed, "Input past end of file");
        row("columns 14", patched(14, 14), failed, "Grid columns 14 is outside 15..24");
        row("rows 25", patched(16, 25), failed, "Grid rows 25 is outside 15..24");
        row("colour 6", patched(18, 6), failed, "Grid colour 6 is outside 0..5");
        row("colour -1", patched(18, -1), failed, "Grid colour -1 is outside 0..5");
        row("lw 0", patched(Field(2, 48), 0), failed, "Word 2: length 0 is outside 1..24");
        row("lw 25", patched(Field(2, 48), 25), failed, "Word 2: length 25 is outside 1..24");
        row("lw not the word's", patched(Field(2, 48), 8), failed, "Word 2: length 8 differs from its word");
        row("word not left-aligned", text(Field(2, 0), " ICE CREAM"), failed,
            "Word 2: word does not start in its first character");
        row("direction acro", text(Field(1, 52), "acro"), failed, "Word 1: direction is not Acro or Down");
        row("stat 3", patched(Field(2, 50), 3), failed, "Word 2: status 3 is outside 0..2");
        row("stat -1", patched(Field(2, 50), -1), failed, "Word 2: status -1 is outside 0..2");
        row("placed past the columns", patched(Field(1, 58), 16), failed, "Word 1: lies outside the grid");
        row("placed past the rows", patched(Field(3, 60), 14), failed, "Word 3: lies outside the grid");
        row("placed at column 0", patched(Field(1, 58), 0), failed, "Word 1: lies outside the grid");
        row("placed far outside storage", patched(Field(3, 60), 30000), failed, "Word 3: lies outside the grid");
        row("crossing letters differ", text(Field(3, 0), "OCE"), failed,
            "Word 3 disagrees with word 1 where they cross");
    }
    void damagedOrForeignFilesAreRefused()
    {
        // Each refused file is reported as not ours or as damaged, with its reason.
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, failure);
        const PuzzleFileRead read = ReadPuzzleFile(bytes.toStdString());
        QCOMPARE(int(read.status), status);
        QCOMPARE(QString::fromStdString(read.failure), failure);
    }

    void aFileCutAtAnyByteIsRefused()
    {
        // A file cut short is never taken: before the end of the magic it is not ours, after it damaged.
        const std::string bytes = WritePuzzleFile(SamplePuzzle());
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const PuzzleFileRead read = ReadPuzzleFile(bytes.substr(0, length));
            const auto expected = length < 7 ? PuzzleFileStatus::NotGridly : PuzzleFileStatus::Failed;
            QVERIFY2(read.status == expected, std::to_string(length).c_str());
            QVERIFY(read.contents.words.empty());
        }
    }

    void invariantsNameWhatIsBroken_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QString>("fault");
        QTest::newRow("sound") << 0 << "";
        QTest::newRow("letter overwritten") << 1 << "word 3: CWGrid differs at letter 2";
        QTest::newRow("nplaced off") << 2 << "nplaced 3 but 2 words placed";
        QTest::newRow("curw past the list") << 3 << "curw 4 outside 0..nwords";
        QTest::newRow("colour 6") << 4 << "gboxidx 6 outside 0..5";
        QTest::newRow("CWIdx past the list") << 5 << "CWIdx outside 0..nwords";
        QTest::newRow("placed beyond the columns") << 6 << "word 1: placed outside the grid";
    }
    void invariantsNameWhatIsBroken()
    {
        // The checker finds each broken rule of the document.
        QFETCH(int, breakage);
        QFETCH(QString, fault);
        Puzzle p = SamplePuzzle();
        switch (breakage) {
        case 1: p.CWGrid(3, 4) = 'X'; break;
        case 2: p.nplaced = 3; break;
        case 3: p.curw = 4; break;
        case 4: p.gboxidx = 6; break;
        case 5: p.CWIdx(20, 20) = 4; break;
        case 6: p.gcols = 15; p.Words[1].gc = 14; break;
        }
        QCOMPARE(QString::fromStdString(CheckInvariants(p)), fault);
    }
};

int RunPuzzleFileTests(int argc, char **argv)
{
    TestPuzzleFile tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_puzzle_file.moc"
