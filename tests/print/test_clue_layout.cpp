// The clue block of the printed page: sort keys, pairing into lines and the
// printer operations for them.
#include "print/clue_layout.h"
#include "print_tests.h"

#include <QStringList>
#include <QTest>

#include <algorithm>

namespace {

// One line per clue line, "across|down", as the page reads.
QString LinesText(const std::vector<ClueLine> &lines)
{
    QStringList text;
    for (const ClueLine &line : lines)
        text << QString::fromStdString(line.across.value_or("") + "|" + line.down.value_or(""));
    return text.join('\n');
}

// One line per printer operation.
QString OpsText(const std::vector<ClueOp> &ops)
{
    QStringList text;
    for (const ClueOp &op : ops) {
        switch (op.kind) {
        case ClueOpKind::PrintStay: text << "stay " + QString::fromStdString(op.text); break;
        case ClueOpKind::MoveToMid: text << "x_mid"; break;
        case ClueOpKind::PrintEndLine: text << "end " + QString::fromStdString(op.text); break;
        case ClueOpKind::EndLine: text << "newline"; break;
        }
    }
    return text.join('\n');
}

} // namespace

class TestClueLayout : public QObject {
    Q_OBJECT
private slots:
    void sortKeysAndPairKeys()
    {
        // Direction letter, clue number and word index make the sort key; the
        // line index in front pairs the j-th across with the j-th down key.
        const Puzzle p = CluePuzzle({"D12", "A3", "U", "A1"});
        const std::vector<std::string> keys = ClueSortKeys(p);
        QCOMPARE(keys, (std::vector<std::string>{"A0104", "A0302", "D1201"}));
        QCOMPARE(CluePairKeys(keys), (std::vector<std::string>{"00A0104", "00D1201", "01A0302"}));
    }

    void columnsPairByClueNumber_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("lines");
        QTest::newRow("3 across, 5 down")
            << QStringList{"A1", "D2", "D3", "A4", "D5", "A6", "D7", "D8"}
            << "1- Clue A1|2- Clue D2\n4- Clue A4|3- Clue D3\n6- Clue A6|5- Clue D5\n|7- Clue D7\n|8- Clue D8";
        QTest::newRow("5 across, 2 down")
            << QStringList{"A1", "A2", "D3", "A4", "A5", "D6", "A7"}
            << "1- Clue A1|3- Clue D3\n2- Clue A2|6- Clue D6\n4- Clue A4|\n5- Clue A5|\n7- Clue A7|";
        QTest::newRow("only down") << QStringList{"D1", "D2", "D3"} << "|1- Clue D1\n|2- Clue D2\n|3- Clue D3";
        QTest::newRow("no leading zero") << QStringList{"A12", "D12", "A7"} << "7- Clue A7|12- Clue D12\n12- Clue A12|";
        QTest::newRow("list order does not count")
            << QStringList{"D8", "A6", "D2", "A1", "D7", "D3", "A4", "D5"}
            << "1- Clue A1|2- Clue D2\n4- Clue A4|3- Clue D3\n6- Clue A6|5- Clue D5\n|7- Clue D7\n|8- Clue D8";
        QTest::newRow("words not in the grid left out") << QStringList{"U", "A1", "U", "D2"} << "1- Clue A1|2- Clue D2";
        QTest::newRow("nothing placed") << QStringList{"U"} << "";
    }
    void columnsPairByClueNumber()
    {
        // Line j holds the j-th across and the j-th down clue in number order.
        QFETCH(QStringList, words);
        QTEST(LinesText(ClueLines(CluePuzzle(words))), "lines");
    }

    void clueIsPrintedWithoutSurroundingBlanks()
    {
        // Leading and trailing blanks go; blanks inside the clue stay.
        WordEntry entry;
        entry.nbr = 9;
        entry.clue.assign("   Big  cat ");
        QCOMPARE(PrintedClueText(entry), std::string("9- Big  cat"));
    }

    void printerOperations_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("ops");
        QTest::newRow("more down than across")
            << QStringList{"A1", "D2", "D3"}
            << "stay 1- Clue A1\nx_mid\nend 2- Clue D2\nx_mid\nend 3- Clue D3";
        QTest::newRow("more across than down")
            << QStringList{"A1", "D2", "A3", "A4"}
            << "stay 1- Clue A1\nx_mid\nend 2- Clue D2\nstay 3- Clue A3\nnewline\nstay 4- Clue A4";
    }
    void printerOperations()
    {
        // An across text stays on the line, a down text ends it at x_mid; an
        // across text after an unended line ends that line first, and the last
        // line stays unended when it holds only an across text.
        QFETCH(QStringList, words);
        QTEST(OpsText(CluePrintOps(ClueLines(CluePuzzle(words)))), "ops");
    }

    void fortyAcrossCluesPrintOnePerLine()
    {
        // The longest list: forty lines in number order, each ending before the next.
        QStringList words = AcrossClues(40);
        std::reverse(words.begin(), words.end());
        const std::vector<ClueLine> lines = ClueLines(CluePuzzle(words));
        QCOMPARE(lines.size(), std::size_t(40));
        QCOMPARE(lines.front().across.value_or(""), std::string("1- Clue A1"));
        QCOMPARE(lines.back().across.value_or(""), std::string("40- Clue A40"));
        const std::vector<ClueOp> ops = CluePrintOps(lines);
        QCOMPARE(ops.size(), std::size_t(79));
        QCOMPARE(std::count(ops.begin(), ops.end(), ClueOp{ClueOpKind::EndLine}), 39);
        QCOMPARE(ops.back(), (ClueOp{ClueOpKind::PrintStay, "40- Clue A40"}));
    }
};

int RunClueLayoutTests(int argc, char **argv)
{
    TestClueLayout tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_clue_layout.moc"
