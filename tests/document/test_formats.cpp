// The export formats read back by readers written here from the formats'
// public descriptions, not by the writers' code: ipuz through QJsonDocument,
// .puz by a small reader with its own checksum rule; the web page by its
// bytes, its policy's hashes computed by Qt. Also the word list reader and
// where the help file is looked for.
#include "document/help_places.h"
#include "document/ipuz_file.h"
#include "document/puz_file.h"
#include "document/web_page.h"
#include "document/word_list.h"
#include "puzzle_builder.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace std::string_literals;

namespace {

// The top-left cols x rows of an ipuz grid, one line a row: "#", a letter, a
// number, and a cell's bars after it ("0R").
QString Rows(const QJsonObject &ipuz, const char *grid, int cols, int rows)
{
    QStringList lines;
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (int c = 0; c < cols; ++c) {
            const QJsonValue cell = ipuz[grid][r][c];
            const QJsonValue value = cell.isObject() ? cell["cell"] : cell;
            cells << (value.isString() ? value.toString() : QString::number(value.toInt()))
                         + cell["style"]["barred"].toString();
        }
        lines << cells.join(' ');
    }
    return lines.join('\n');
}

QString Clues(const QJsonObject &ipuz, const char *direction)
{
    QStringList clues;
    for (const QJsonValue clue : ipuz["clues"].toObject()[direction].toArray()) {
        QStringList cells;
        for (const QJsonValue cell : clue["cells"].toArray())
            cells << QString::number(cell[0].toInt()) + "," + QString::number(cell[1].toInt());
        clues << QString::number(clue["number"].toInt()) + " " + clue["clue"].toString() + " " + cells.join(' ');
    }
    return clues.join(" | ");
}

// The .puz checksum as its description gives it: rotate right by one bit, add the byte.
quint16 Sum(QByteArrayView bytes, quint16 sum = 0)
{
    for (const char b : bytes)
        sum = quint16(quint16((sum >> 1) | (sum << 15)) + quint8(b));
    return sum;
}

quint16 Short(const QByteArray &bytes, int at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

// A .puz file as its description lays it out, its checksums verified: the
// first 45 cells of the solution, then "|" and each string after the grids
// (title, author, copyright, the clues, notes), or the fault.
QString ReadPuz(const QByteArray &file, QByteArray *playerGrid = nullptr)
{
    const int size = quint8(file[0x2C]) * quint8(file[0x2D]);
    const QByteArray solution = file.mid(0x34, size), player = file.mid(0x34 + size, size);
    QList<QByteArray> strings = file.mid(0x34 + 2 * size).split('\0');
    if (file.mid(2, 12) != QByteArray("ACROSS&DOWN\0", 12) || file.mid(0x18, 4) != QByteArray("1.3\0", 4)
        || strings.size() != 3 + Short(file, 0x2E) + 2 || !strings.last().isEmpty())
        return "bad layout";
    const QByteArray title = strings[0];
    const auto text = [&](quint16 sum) {
        sum = title.isEmpty() ? sum : Sum(title + '\0', sum);
        for (const QByteArray &clue : strings.mid(3, strings.size() - 5))
            sum = Sum(clue, sum);
        return sum;
    };
    const quint16 cib = Sum(file.mid(0x2C, 8)), sums[4] = {cib, Sum(solution), Sum(player), text(0)};
    const quint16 whole = text(Sum(player, Sum(solution, cib)));
    bool masked = true;
    for (int i = 0; i < 4; ++i)
        masked = masked && quint8(file[0x10 + i]) == ("ICHE"[i] ^ (sums[i] & 0xFF))
                 && quint8(file[0x14 + i]) == ("ATED"[i] ^ (sums[i] >> 8));
    if (Short(file, 0x0E) != cib || Short(file, 0) != whole || !masked)
        return "bad checksum";
    if (playerGrid)
        *playerGrid = player;
    return QString::fromLatin1(solution.left(45) + '|' + strings.join('|'));
}

} // namespace

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void ipuzHoldsTheGridItsNumbersCluesAndAnswers()
    {
        // The puzzle grid carries the puzzle's own numbers and bars between touching letters of no common
        // word; clues name their cells; texts become UTF-8, their markup characters entities (readers take
        // them as HTML); answers only on request; the empty-cell value is not a letter of the grid.
        // CAT across, COW and TEN down from its first and last letters, ONE down beside TEN from (4,2).
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro", "Caf\xE9 \x92pet\x92 \"miaow\""}, {"COW", 1, 1, "Down", "Salt & pepper"},
                               {"TEN", 3, 1, "Down", "Hot </b> drink"}, {"ONE", 4, 2, "Down"}});
        p.Pgrid(1, 1) = 'C';
        const ExportFile plain = WriteIpuzFile(p, "Tiere & B\xC3\xA4r", false);
        QVERIFY(plain.bytes.find("\"title\": \"Tiere &amp; B\xC3\xA4r\",\n") != std::string::npos);
        QVERIFY(plain.bytes.find("\"clue\": \"Hot &lt;/b&gt; drink\",") != std::string::npos);
        const ExportFile answered = WriteIpuzFile(p, "x", true);
        QJsonParseError error;
        const QJsonObject ipuz = QJsonDocument::fromJson(QByteArray::fromStdString(plain.bytes), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(ipuz["version"].toString() + " " + ipuz["kind"][0].toString() + " " + ipuz["title"].toString() + " "
                     + QString::number(ipuz["dimensions"]["width"].toInt()),
                 QString::fromUtf8("http://ipuz.org/v2 http://ipuz.org/crossword#1 Tiere &amp; Bär 15"));
        QCOMPARE(Rows(ipuz, "puzzle", 5, 4), "1 0 2 # #\n0 # 0R 3 #\n0 # 0R 0 #\n# # # 0 #");
        QCOMPARE(Rows(ipuz, "solution", 5, 4), "C A T # #\nO # E O #\nW # N N #\n# # # E #");
        QCOMPARE(Clues(ipuz, "Across"), QString::fromUtf8("1 Café ’pet’ \"miaow\" 1,1 2,1 3,1"));
        QCOMPARE(Clues(ipuz, "Down"),
                 "1 Salt &amp; pepper 1,1 1,2 1,3 | 2 Hot &lt;/b&gt; drink 3,1 3,2 3,3 | 3 Clue of ONE 4,2 4,3 4,4");
        QVERIFY(!ipuz.contains("saved"));
        const QJsonObject saved = QJsonDocument::fromJson(QByteArray::fromStdString(answered.bytes)).object();
        QCOMPARE(Rows(saved, "saved", 4, 1), "C 0 0 #");
        const std::string zero = WriteIpuzFile(MakePuzzle({{"B0X", 1, 1}}), "z", false).bytes;
        const QJsonObject ipuzZero = QJsonDocument::fromJson(QByteArray::fromStdString(zero)).object();
        QCOMPARE(ipuzZero["empty"].toString() + Rows(ipuzZero, "puzzle", 3, 1), "_1 _ _");  // "0" is a letter there
    }

    void puzReadsBackAsThePuzzle()
    {
        // The .puz holds the solution, then the clues in the order a solver numbers the pattern (1A CAT, 1D COW,
        // 2D TEN, 3A WIND) in Latin-1, with lossy every Windows-1252 character Latin-1 lacks as its look-alike;
        // its checksums hold; the player's grid is empty unless asked for.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro", "Caf\xE9 \x92pet\x92 \"miaow\""}, {"COW", 1, 1, "Down"},
                               {"WIND", 1, 3, "Acro", "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x93\x94"},
                               {"TEN", 3, 1, "Down", "\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F\x81 \xA0\xFF"}});
        p.Pgrid(4, 3) = 'D';
        QByteArray player;
        const QByteArray file =
            QByteArray::fromStdString(WritePuzFile(p, "Tiere: B\xC3\xA4r \xE2\x80\x9CZoo\xE2\x80\x9D \xF0\x9F\x90\xBB", false, true).bytes);
        QCOMPARE(ReadPuz(file, &player), QString::fromLatin1("CAT............O.E............WIND...........|Tiere: B\xE4r \"Zoo\" ?|||"
                                                             "Caf\xE9 'pet' \"miaow\"|Clue of COW|*--~TMs>oezY \xA0\xFF|"
                                                             "EUR'f\"...++^o/ooS<OEZ'\"\"||"));
        QCOMPARE(player.left(15 * 3), QByteArray("---" + QByteArray(12, '.') + "-.-" + QByteArray(12, '.') + "----"
                                                  + QByteArray(11, '.')));
        ReadPuz(QByteArray::fromStdString(WritePuzFile(p, "", true, true).bytes), &player);
        QCOMPARE(player.mid(30, 4), "---D");
        QVERIFY(!ReadPuz(QByteArray::fromStdString(WritePuzFile(p, "", true, true).bytes)).startsWith("bad"));
        // Without lossy the first text to change is named, the title before the clues.
        const auto change = FirstPuzTextChange(p, "Tiere \xE2\x80\x93 B\xC3\xA4r");
        QVERIFY(change);
        QCOMPARE(PuzTextChangeText(*change), "The title \"Tiere \xE2\x80\x93 B\xC3\xA4r\" would become \"Tiere - B\xC3\xA4r\" (.puz text is Latin-1)"s);
    }

    void puzRefusesWhatItCannotHold_data()
    {
        QTest::addColumn<std::vector<WordSpec>>("words");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("unplaced") << std::vector<WordSpec>{{"CAT", 1, 1}, {"DOG"}}
                                  << "Word 2 \"DOG\" is not in the grid; place every word first";
        QTest::newRow("one letter") << std::vector<WordSpec>{{"CAT", 1, 1}, {"A", 2, 1, "Down"}}
                                    << "Word 2 \"A\" has one letter; .puz has no one-letter words";
        QTest::newRow("blank") << std::vector<WordSpec>{{"ICE CREAM", 1, 1}}
                               << "Word 1 \"ICE CREAM\" holds a blank at column 4, row 1; .puz cells hold only A-Z and 0-9";
        QTest::newRow("ampersand") << std::vector<WordSpec>{{"R&B", 1, 2, "Down"}}
                                   << "Word 1 \"R&B\" holds \"&\" at column 1, row 3; .puz cells hold only A-Z and 0-9";
        QTest::newRow("word inside a run")
            << std::vector<WordSpec>{{"CATS", 1, 1}, {"CAT", 1, 1}}
            << "Word 2 \"CAT\" is part of the run \"CATS\" across from column 1, row 1; a .puz solver would take the run for one word";
        QTest::newRow("side by side")
            << std::vector<WordSpec>{{"CAT", 1, 1}, {"DOG", 1, 2}}
            << "The letters \"CD\" down from column 1, row 1 are not one of the words; a .puz solver would take them for one";
        QTest::newRow("a clue Latin-1 lacks a character of")
            << std::vector<WordSpec>{{"CAT", 1, 1, "Acro", "Caf\xE9"}, {"TEN", 3, 1, "Down", "Costs 5 \x80 at the fair"},
                                     {"COW", 1, 1, "Down", "It\x92s milk"}}
            << QString::fromUtf8("Clue 1 Down \"It’s milk\" would become \"It's milk\" (.puz text is Latin-1)");
    }
    void puzRefusesWhatItCannotHold()
    {
        // What .puz cannot hold, would number differently, or (unless lossy) would write changed is refused
        // naming the first word, cell or clue, and no byte is written.
        QFETCH(std::vector<WordSpec>, words);
        QFETCH(QString, refusal);
        const ExportFile file = WritePuzFile(MakePuzzle(words), "t", false, false);
        QCOMPARE(QString::fromStdString(file.refusal), refusal);
        QVERIFY(file.bytes.empty());
    }

    void webPageEscapesItsTextsAndLetsOnlyItsOwnStyleAndScriptRun()
    {
        // The title is HTML-escaped, the clues' markup characters are JSON escapes in the data block, the
        // answers are not there as text, and the policy names the page's own style and script by the
        // SHA-256 of exactly what stands in their elements: the page has no other script or style.
        Puzzle p = MakePuzzle({{"ZEBRA", 1, 1, "Acro", "</script><img src=x onerror=alert(1)>"},
                               {"ZOO", 1, 1, "Down", "Salt & \"pepper\""}});
        const QByteArray html = QByteArray::fromStdString(WriteWebPage(p, "<b>Tom & Jerry's</b>\xFF").bytes);
        QVERIFY(html.contains("<title>&lt;b&gt;Tom &amp; Jerry&#39;s&lt;/b&gt;\xEF\xBF\xBD</title>"));
        QVERIFY(html.contains("\n[1,1,1,1,5,\"\\u003c/script\\u003e\\u003cimg src=x onerror=alert(1)\\u003e\"],"
                              "\n[1,0,1,1,3,\"Salt \\u0026 \\\"pepper\\\"\"]],"));
        QVERIFY(!html.contains("ZEBRA") && !html.contains("{{"));
        const auto element = [&](const QByteArray &open, const QByteArray &close) {
            const qsizetype from = html.indexOf(open) + open.size();
            return html.mid(from, html.indexOf(close, from) - from);
        };
        const auto hash = [](const QByteArray &text) {
            return "'sha256-" + QCryptographicHash::hash(text, QCryptographicHash::Sha256).toBase64() + "'";
        };
        const QByteArray style = element("<style>", "</style>"), script = element("<script>", "</script>");
        QVERIFY(html.contains("<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src " +
                              hash(script) + "; style-src " + hash(style) + "; base-uri 'none'; form-action 'none'\">"));
        QCOMPARE(html.count("<script"), 2);
        QCOMPARE(html.count("<style"), 1);
        QVERIFY(html.contains("<script type=\"application/json\" id=\"puzzle\">{\"cols\":15,"));
        QByteArray markup = html;
        markup.replace(script, "").replace(style, "").replace(element("id=\"puzzle\">", "</script>"), "");
        QVERIFY(!QRegularExpression(" (on[a-z]+|style)=").match(QString::fromUtf8(markup)).hasMatch());
    }

    void wordListLinesPassTheEntryBoxRules_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("good, CRLF, blank line, BOM") << QByteArray("\xEF\xBB\xBF" "cat\tA pet\r\n\n ice cream \tCold") << "";
        QTest::newRow("no tab") << QByteArray("cat A pet") << "Line 1: no tab between the word and its clue";
        QTest::newRow("accent") << QByteArray("\ncaf\xC3\xA9\tx") << QString::fromUtf8("Line 2: the word box does not take \"é\"");
        QTest::newRow("not UTF-8") << QByteArray("\xFF\tx") << "Line 1: the text is not UTF-8";
        QTest::newRow("word length") << QByteArray(25, 'A') + "\tx" << "Line 1: the word box holds at most 24 characters, not 25";
        QTest::newRow("tab in clue") << QByteArray("cat\t\tx") << "Line 1: the clue box does not take U+0009";
        QTest::newRow("clue length") << "cat\t" + QByteArray(41, 'x') << "Line 1: the clue box holds at most 40 characters, not 41";
        QTest::newRow("blank word") << QByteArray("  \tx") << "Line 1: Word is Blank. Please Enter a Word";
        QByteArray many;
        for (int i = 0; i < 41; ++i)
            many += "W" + QByteArray::number(i) + "\tx\n";
        QTest::newRow("41 words") << many << "Line 41: a puzzle holds at most 40 words";
        QTest::newRow("empty") << QByteArray("\n \n") << "The list holds no words";
    }
    void wordListLinesPassTheEntryBoxRules()
    {
        // Each line is what the word and clue boxes take and Add accepts; the first bad line is named.
        QFETCH(QByteArray, text);
        QFETCH(QString, refusal);
        const WordListRead list = ReadWordList(text.toStdString());
        QCOMPARE(QString::fromStdString(list.refusal), refusal);
        if (refusal.isEmpty())
            QCOMPARE(list.puzzle.Words[2].word.trimmed() + "/" + list.puzzle.Words[2].clue.trimmed(), "ICE CREAM/Cold"s);
    }

    void helpFileBesideTheProgramThenInTheDataFolder()
    {
        // Beside the program first (a build); then <prefix>/share/gridly for a program in <prefix>/bin.
        QCOMPARE(HelpFilePlaces("/opt/g/bin"), (std::vector<std::string>{"/opt/g/bin/gridly.hlp", "/opt/g/share/gridly/gridly.hlp"}));
    }
};

QTEST_APPLESS_MAIN(TestFormats)
#include "test_formats.moc"
