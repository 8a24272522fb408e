// The document core: the start-up path, the command states, gridly.cfg, the
// .gly file's bytes and refusals, the code page, and the word list checks.
#include "document/command_line.h"
#include "document/command_state.h"
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "document/text_codec.h"
#include "document/word_rules.h"
#include "puzzle_builder.h"

#include <QTest>

namespace {

// A 16-bit little-endian integer as file bytes.
std::string Int16(int value)
{
    const auto bits = unsigned(static_cast<unsigned short>(value));
    return {char(bits & 0xFF), char(bits >> 8)};
}

std::string Padded(const std::string &text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

// A length-prefixed text of gridly.cfg.
std::string Text(const std::string &text)
{
    return Int16(int(text.size())) + text;
}

// The fixed start of gridly.cfg: colour, indicator, three zeros.
std::string Start(int gboxidx, int validWord)
{
    return Int16(gboxidx) + Int16(validWord) + std::string(6, '\0');
}

// Every path exists except those naming "missing".
bool Exists(const std::string &path)
{
    return path.find("missing") == std::string::npos;
}

// Three words, CAT and ACE crossing in the grid, ICE CREAM out of it, with stored answers.
Puzzle SamplePuzzle()
{
    Puzzle p = MakePuzzle({{"CAT", 2, 3, "Acro"}, {"ICE CREAM", 0}, {"ACE", 3, 3, "Down", "Cards"}}, 17, 15);
    p.gboxidx = 4;
    p.Words[1].pword.assign("CA");
    p.Words[3].pword.assign("ACE");
    p.Words[3].pwok = 1;
    return p;
}

// Offset of a field of record w (1-based) in a .gly file.
std::size_t Field(int w, std::size_t offset)
{
    return std::size_t(PUZZLE_HEADER_SIZE + PUZZLE_RECORD_SIZE * (w - 1)) + offset;
}

} // namespace

class TestDocument : public QObject {
    Q_OBJECT
private slots:
    void startUpTakesAPuzzlePathFromItsArgument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("fpathAndName");
        QTest::newRow("no argument") << "" << "|";
        QTest::newRow("in quotes, blanks around") << "  \"/home/u/puz.gly\" " << "/home/u/puz.gly|puz.gly";
        QTest::newRow("only an opening quote") << "\"/home/u/puz.gly" << "/cwd/\"/home/u/puz.gly|puz.gly";
        QTest::newRow("extension in capitals") << "/home/u/puz.GLY" << "|";
        QTest::newRow("7 characters") << "\"/ab.gly\"" << "|";
        QTest::newRow("8 characters") << "\"/abc.gly\"" << "/abc.gly|abc.gly";
        QTest::newRow("backslash folders") << "C:\\dir\\x.gly" << "/cwd/C:\\dir\\x.gly|x.gly";
        QTest::newRow("relative, 5 characters") << "a.gly" << "/cwd/a.gly|a.gly";
        QTest::newRow("missing file keeps the name") << "/home/missing/puz.gly" << "|puz.gly";
    }
    void startUpTakesAPuzzlePathFromItsArgument()
    {
        // A path, taken from the current folder "/cwd" when relative, of 8 or more characters ending in
        // ".gly" is taken when its file exists.
        QFETCH(QString, argument);
        const CommandLineFile file = CommandLinePath(argument.toStdString(), "/cwd", Exists);
        QTEST(QString::fromStdString(file.fpath + "|" + file.fname), "fpathAndName");
    }

    void commandsFollowWordsPlacementAndCurrentWord_data()
    {
        QTest::addColumn<int>("nwords");
        QTest::addColumn<int>("nplaced");
        QTest::addColumn<int>("curw");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("empty list") << 0 << 0 << 0 << "add";
        QTest::newRow("words, none placed") << 3 << 0 << 0 << "new save auto fixed add";
        QTest::newRow("some placed") << 3 << 1 << 0 << "new save print auto fixed clear gridwrd add";
        QTest::newRow("all placed") << 3 << 3 << 0 << "new save print play auto fixed clear gridwrd add";
        QTest::newRow("list full") << 40 << 0 << 0 << "new save auto fixed";
        QTest::newRow("current word out of the grid")
            << 3 << 1 << 2 << "new save print auto fixed clear gridwrd put update delete";
        QTest::newRow("current word placed") << 3 << 1 << 1 << "new save print auto fixed clear gridwrd update delete";
        QTest::newRow("list full, current word") << 40 << 0 << 40 << "new save auto fixed put update delete";
    }
    void commandsFollowWordsPlacementAndCurrentWord()
    {
        // Each row of the availability table, with Auto Put disabled for a placed current word.
        QFETCH(int, nwords);
        QFETCH(int, nplaced);
        QFETCH(int, curw);
        std::vector<WordSpec> words;
        for (int i = 1; i <= nwords; ++i)
            words.push_back({"W" + std::to_string(i), i <= nplaced ? 1 : 0, i});
        Puzzle p = MakePuzzle(words, 24, 24);
        p.curw = int16_t(curw);
        const CommandStates s = CommandStatesOf(p);
        const std::pair<bool, const char *> all[] = {
            {s.cb_new, "new"}, {s.cb_save, "save"}, {s.cb_print, "print"}, {s.cb_play, "play"},
            {s.cb_procAutosz, "auto"}, {s.cb_procfixsize, "fixed"}, {s.cb_cleargrid, "clear"},
            {s.ck_gridwrd, "gridwrd"}, {s.cb_putword, "put"}, {s.cb_addword, "add"},
            {s.cb_updtword, "update"}, {s.cb_delword, "delete"}};
        QStringList enabled;
        for (const auto &[on, name] : all)
            if (on)
                enabled << name;
        QTEST(enabled.join(' '), "enabled");
    }

    void startUpReadsWhatPassesEachTest_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("values");  // "gboxidx|validWord|mode|name|path", "-" for a value not read
        const auto row = [](const char *name, const std::string &bytes, const std::string &values) {
            QTest::newRow(name) << QByteArray::fromStdString(bytes) << QString::fromStdString(values);
        };
        const std::string full = WriteConfigFile(3, 0, RunMode::Design, "a.gly", "/home/u/a.gly");
        const std::string play = Start(0, 0) + Text("Play");
        const std::string n251 = std::string(251, 'n'), p4096 = std::string(4096, 'p');
        row("everything taken", full, "3|0|Design|a.gly|/home/u/a.gly");
        row("play mode", WriteConfigFile(1, 1, RunMode::Play, "a.gly", "/p/a.gly"), "1|1|Play|a.gly|/p/a.gly");
        row("colour 9 reads as 5", Start(9, 0) + Text("Design"), "5|0|Design|-|-");
        row("colour -1 reads as 5", Start(-1, 0) + Text("Design"), "5|0|Design|-|-");
        row("indicator 2 reads as 1", Start(0, 2) + Text("Design"), "0|1|Design|-|-");
        row("mode length 5 stops", Start(3, 0) + Text("Desig") + Text("a.gly") + Text("/p/a.gly"), "3|0|-|-|-");
        row("mode is case-sensitive", Start(3, 0) + Text("play") + Text("a.gly"), "3|0|-|-|-");
        row("name length 0 reads no name", WriteConfigFile(2, 1, RunMode::Design, "", ""), "2|1|Design|-|-");
        row("name length 255 taken", play + Text(n251 + ".gly"), "0|0|Play|" + n251 + ".gly|-");
        row("name length 256 stops", play + Text(n251 + "n.gly"), "0|0|Play|-|-");
        row("name ending .GLY stops before the path", play + Text("a.GLY") + Text("/p/a.gly"), "0|0|Play|-|-");
        row("path length 7 not taken", play + Text("a.gly") + Text("/ab.gly"), "0|0|Play|a.gly|-");
        row("path length 8 taken", play + Text("a.gly") + Text("/abc.gly"), "0|0|Play|a.gly|/abc.gly");
        row("path length 4096 taken", play + Text("a.gly") + Text(p4096), "0|0|Play|a.gly|" + p4096);
        row("path length 4097 not taken", play + Text("a.gly") + Text(p4096 + "p"), "0|0|Play|a.gly|-");
        row("path to a missing file not taken", play + Text("a.gly") + Text("/p/missing/a.gly"), "0|0|Play|a.gly|-");
        row("empty file", "", "-|-|-|-|-");
        row("cut after the colour", full.substr(0, 2), "3|-|-|-|-");
        row("cut inside the path", full.substr(0, full.size() - 1), "3|0|Design|a.gly|-");
    }
    void startUpReadsWhatPassesEachTest()
    {
        // Each value is taken only when it and every value before it pass their tests.
        QFETCH(QByteArray, bytes);
        const ConfigValues v = ReadConfigFile(bytes.toStdString(), Exists);
        const auto num = [](const std::optional<int> &n) { return n ? std::to_string(*n) : std::string("-"); };
        const auto text = [](const std::optional<std::string> &t) { return t.value_or("-"); };
        QTEST(QString::fromStdString(num(v.gboxidx) + "|" + num(v.validWord) + "|" + (v.runmode ? std::string(RunModeBytes(*v.runmode)) : "-") + "|" +
                                     text(v.fname) + "|" + text(v.fpath)),
              "values");
    }

    void oneWordPuzzleSavesAs134BytesWithEveryFieldAtItsOffset()
    {
        // Header then one record, integers little-endian, texts blank-padded, nothing else.
        Puzzle p = MakePuzzle({{"CAT", 3, 5, "Down", "Feline"}}, 15, 17);
        p.gboxidx = 4;
        p.Words[1].pword.assign("CA");
        const std::string bytes = WritePuzzleFile(p);
        QCOMPARE(bytes.size(), std::size_t(134));
        QCOMPARE(bytes, std::string("GRIDLYPv1.00") + Int16(1) + Int16(15) + Int16(17) + Int16(4) + Int16(1) +
                            std::string(8, '\0') + Padded("CAT", 24) + Padded("CA", 24) + Int16(3) + Int16(1) +
                            "Down" + Int16(1) + Int16(3) + Int16(5) + Int16(0) + Padded("Feline", 40));
    }

    void damagedOrForeignFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("failure");  // "" for a file that is not ours
        const std::string good = WritePuzzleFile(SamplePuzzle());
        const auto row = [&](const char *name, std::size_t offset, const std::string &with, const char *failure) {
            QTest::newRow(name) << QByteArray::fromStdString(std::string(good).replace(offset, with.size(), with))
                                << QString(failure);
        };
        row("bad magic", 0, "GRIDLYX", "");
        row("version v1.01", 7, "v1.01", "");
        row("count 41", 12, Int16(41), "Word count 41 is outside 0..40");
        row("count -1", 12, Int16(-1), "Word count -1 is outside 0..40");
        row("count beyond records", 12, Int16(4), "Input past end of file");
        row("columns 14", 14, Int16(14), "Grid columns 14 is outside 15..24");
        row("rows 25", 16, Int16(25), "Grid rows 25 is outside 15..24");
        row("colour 6", 18, Int16(6), "Grid colour 6 is outside 0..5");
        row("colour -1", 18, Int16(-1), "Grid colour -1 is outside 0..5");
        row("lw 0", Field(2, 48), Int16(0), "Word 2: length 0 is outside 1..24");
        row("lw 25", Field(2, 48), Int16(25), "Word 2: length 25 is outside 1..24");
        row("lw not the word's", Field(2, 48), Int16(8), "Word 2: length 8 differs from its word");
        row("direction acro", Field(1, 52), "acro", "Word 1: direction is not Acro or Down");
        row("stat 3", Field(2, 50), Int16(3), "Word 2: status 3 is outside 0..2");
        row("placed past the columns", Field(1, 58), Int16(16), "Word 1: lies outside the grid");
        row("placed at column 0", Field(1, 58), Int16(0), "Word 1: lies outside the grid");
        row("placed far outside storage", Field(3, 60), Int16(30000), "Word 3: lies outside the grid");
        row("crossing letters differ", Field(3, 0), "OCE", "Word 3 disagrees with word 1 where they cross");
        row("answer flag 2", Field(1, 62), Int16(2), "Word 1: answer flag 2 is outside 0..1");
        row("empty-cell mark in an answer", Field(1, 24), "C#", "Word 1: holds the empty-cell mark #");
        row("word starting with a blank", Field(2, 0), " ICE CREAM", "Word 2: word does not start in its first character");
        row("a word twice", Field(3, 0), "CAT", "Word 3 repeats word 1");
    }
    void damagedOrForeignFilesAreRefused()
    {
        // A refused file is reported as not ours (bad magic or version) or as damaged, with its reason.
        QFETCH(QByteArray, bytes);
        QFETCH(QString, failure);
        const PuzzleFileRead read = ReadPuzzleFile(bytes.toStdString());
        QCOMPARE(read.status, failure.isEmpty() ? PuzzleFileStatus::NotGridly : PuzzleFileStatus::Failed);
        QCOMPARE(QString::fromStdString(read.failure), failure);
        QVERIFY(read.contents.words.empty());
    }

    void everyByteSurvivesATripThroughUtf8()
    {
        // All 256 bytes, the five undefined ones included, come back unchanged; what the code page cannot
        // hold, broken UTF-8 and (in an entry box) control characters are dropped.
        for (int b = 0; b < 256; ++b)
            QCOMPARE(Utf8ToCp1252(Cp1252ToUtf8(std::string(1, char(b)))), std::string(1, char(b)));
        QCOMPARE(Utf8ToCp1252("a\xE6\x97\xA5\xC2\x80\xC0\xAF\xED\xA0\x80\xC3z\xE2\x82"), std::string("az"));
        QCOMPARE(EntryTextToCp1252("a\tb\r\nc\x7F\xC3\xA9"), std::string("abc\xE9"));
    }

    void wordBoxKeysAreUpperCasedOrCancelled()
    {
        // Letters come out upper case; only letters, digits, blank, "&", "-" and Backspace pass.
        using Keys = std::initializer_list<int>;
        for (const int key : Keys{'A', 'Z', '0', '9', ' ', '&', '-', 8})
            QCOMPARE(FilterWordKey(key), key);
        QCOMPARE(FilterWordKey('a'), int('A'));
        QCOMPARE(FilterWordKey('z'), int('Z'));
        for (const int key : Keys{'.', '!', '@', '[', '`', '{', '_', '\'', '\t', '\r', 0xE9, 0x131})
            QCOMPARE(FilterWordKey(key), 0);
    }

    void wordChecksRefuseWithTheirMessage_data()
    {
        QTest::addColumn<bool>("add");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("clue");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("focusOnClue");
        const QString blankWord = "Word is Blank.\rPlease Enter a Word";
        const QString blankClue = "Clue is Blank.\rPlease Enter a Clue";
        const QString twoBlanks = "Word has 2 blank spaces together, only 1 is allowed";
        QTest::newRow("Add: blank word") << true << "" << "A clue" << blankWord << false;
        QTest::newRow("Add: word and clue blank") << true << "" << "" << blankWord << false;
        QTest::newRow("Add: clue of blanks") << true << "GNU" << "   " << blankClue << true;
        QTest::newRow("Add: two blanks together") << true << "ICE  CREAM" << "Cold" << twoBlanks << false;
        QTest::newRow("Add: existing word") << true << "  CAT " << "Pet" << "Word Already Exists." << false;
        QTest::newRow("Update: blank clue") << false << "GNU" << "" << blankClue << true;
        QTest::newRow("Update: two blanks together") << false << "ICE  CREAM" << "Cold" << twoBlanks << false;
        QTest::newRow("Update: other word's text") << false << "EMU" << "Emu" << "Word 'EMU' Already Exists." << false;
        QTest::newRow("Update: placed word's text") << false << "CAT" << "Pet" << "Word 'CAT' Already Exists." << false;
    }
    void wordChecksRefuseWithTheirMessage()
    {
        // Add and Update (of the unplaced word 2) refuse each bad entry with its exact message, title and
        // focus, and leave the list as it was.
        QFETCH(bool, add);
        QFETCH(QString, word);
        QFETCH(QString, clue);
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG", 0}, {"ACE", 2, 1, "Down"}, {"EMU", 0}});
        p.curw = add ? 0 : 2;
        const auto before = p.Words;
        const auto rejection = add ? AddWord(p, word.toStdString(), clue.toStdString())
                                   : UpdateWord(p, word.toStdString(), clue.toStdString());
        QVERIFY(rejection);
        QTEST(QString::fromStdString(rejection->text), "text");
        QCOMPARE(rejection->title, std::string(add ? "Add Word" : "Update Word"));
        QTEST(rejection->focus == EntryBox::Clue, "focusOnClue");
        QVERIFY(p.Words == before && p.nwords == 4 && !p.changed);
    }

    void updateKeepsTheAnswerOnlyWhileTheTextStays()
    {
        // A new clue keeps the word's answer and its judgement; a new text drops them.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG", 0}});
        for (const int w : {1, 2}) {
            p.Words[w].pword = p.Words[w].word;
            p.Words[w].pwok = 1;
            p.curw = int16_t(w);
            QVERIFY(!UpdateWord(p, w == 1 ? "CAT" : "DOGS", "New clue"));
        }
        QCOMPARE(p.Words[1].pword.trimmed() + '|' + p.Words[2].pword.trimmed(), std::string("CAT|"));
        QVERIFY(p.Words[1].pwok == 1 && p.Words[2].pwok == 0);
    }
};

QTEST_APPLESS_MAIN(TestDocument)
#include "test_document.moc"
