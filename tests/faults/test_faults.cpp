// Faults and bad input to the program. Every one-byte change of a forty-word
// puzzle file is refused or opens into a sound puzzle, and every sound sample
// comes back byte for byte from Open then Save. A Save the disk refuses (a
// file size limit, SIGXFSZ ignored, as `ulimit -f` after `trap '' XFSZ`) or
// whose target is a folder keeps the old file and says why. Hostile text
// pasted or typed into the word and clue boxes leaves at most 24 and 40
// storable characters, and Add stores a sound record or refuses. (Cut files
// are refused in test_document; the inputs that once broke the reader are
// replayed by fuzz/.)
#include "document/puzzle_file.h"
#include "document/puzzle_invariants.h"
#include "document/text_codec.h"
#include "play/play_grid.h"
#include "sample_puzzles.h"
#include "window/file_store.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

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

// Files larger than bytes cannot be written while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        setLimit(bytes);
    }
    ~FileSizeLimit() { setLimit(RLIM_INFINITY); }

private:
    static void setLimit(rlim_t bytes)
    {
        const rlimit limit{bytes, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
};

// What the boxes may hold: a word of at most 24 of A-Z, 0-9, blank, "&" and
// "-"; a clue of at most 40 printable characters that Windows-1252 holds.
const QRegularExpression WORD(QStringLiteral("^[A-Z0-9 &-]{0,24}$"));
const QRegularExpression CLUE(QStringLiteral("^[\\x{20}-\\x{7E}\\x{A0}-\\x{FF}€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ]{0,40}$"));

// "" when the boxes hold what they may, and Add then either refused them with
// its message or stored exactly what they show as a sound record.
QString BoxesAndAddFault(const WindowFixture &f)
{
    const QString word = f.control<QLineEdit>(QStringLiteral("inp_word"))->text();
    const QString clue = f.control<QLineEdit>(QStringLiteral("inp_clue"))->text();
    if (!WORD.match(word).hasMatch() || !CLUE.match(clue).hasMatch())
        return QStringLiteral("the boxes hold '%1' and '%2'").arg(word, clue);
    f.click(QStringLiteral("cb_addword"));
    const Puzzle &p = f.puzzle();
    if (const std::string broken = CheckInvariants(p); !broken.empty())
        return QString::fromStdString(broken);
    if (!f.desktop.messages.isEmpty())
        return f.shown(0).endsWith(QLatin1String("|Add Word")) && p.nwords == 0 ? QString() : f.shown(0);
    const WordEntry &e = p.Words[1];
    const QString stored = QString::fromStdString(e.word.trimmed() + '|' + Cp1252ToUtf8(e.clue.trimmed()));
    if (p.nwords != 1 || e.lw != word.trimmed().size() || stored != word.trimmed() + '|' + clue.trimmed())
        return QStringLiteral("stored %1 words, the first '%2'").arg(p.nwords).arg(stored);
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void everyChangedByteIsRefusedOrOpensSoundly_data()
    {
        QTest::addColumn<Damage>("damage");
        const std::pair<const char *, Damage> damages[] = {
            {"0x00", [](std::string &b, std::size_t i) { b[i] = char(0x00); }},
            {"0xFF", [](std::string &b, std::size_t i) { b[i] = char(0xFF); }},
            {"0x80", [](std::string &b, std::size_t i) { b[i] = char(0x80); }},
            {"+1", [](std::string &b, std::size_t i) { ++b[i]; }},
            {"-1", [](std::string &b, std::size_t i) { --b[i]; }},
        };
        for (const auto &[name, damage] : damages)
            QTest::newRow(name) << damage;
    }
    void everyChangedByteIsRefusedOrOpensSoundly()
    {
        // A forty-word file, all placed or half (whose answers are not judged again on opening), with any one
        // byte set to 0x00, 0xFF, 0x80 or moved by one, is refused or opens into a sound puzzle.
        QFETCH(Damage, damage);
        for (const Puzzle &p : {FortyWordPuzzle(), FortyWordsHalfPlaced()}) {
            const std::string whole = WritePuzzleFile(p);
            for (std::size_t i = 0; i < whole.size(); ++i) {
                std::string bytes = whole;
                damage(bytes, i);
                const QString fault = ReadFault(bytes);
                QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("byte %1: %2").arg(i).arg(fault)));
            }
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
            QVERIFY(f.puzzle().changed && f.puzzle().fpath == copy.toStdString());
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

    void hostileTextKeepsOnlyStorableCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");  // key by key (its first thousand characters), else pasted
        const std::pair<const char *, QString> texts[] = {
            {"a megabyte",
             (QStringLiteral("Ab1 &-\U0001F600\r\n\t") + QChar(0) + QStringLiteral("é€ש\u202E")).repeated(1 << 16)},
            {"NUL and control characters",
             QString(QChar(0)) + QStringLiteral("A\x01" "B\x1B" "C\x7F" "D\u0081E\u0085F\u009DG") + QChar(0)},
            {"emoji", QStringLiteral("\U0001F600 cat \U0001F44D\U0001F3FD dog \U0001F1EB\U0001F1F7")},
            {"outside Windows-1252", QStringLiteral("\u0141\u00D3D\u0179 \u65E5\u672C \u03A9mega \u2103 ok")},
            {"combining marks", QStringLiteral("e\u0301t\u00E9 A\u0308")},
            {"lone surrogates", QString(QChar(0xD800)) + QStringLiteral("AB") + QChar(0xDC00)},
            {"zero width and marks", QStringLiteral("\u200Bzero\u200Dwidth\uFEFF\u200F")},
        };
        for (const bool typed : {false, true})
            for (const auto &[name, text] : texts)
                QTest::addRow("%s, %s", name, typed ? "typed" : "pasted") << text << typed;
    }
    void hostileTextKeepsOnlyStorableCharacters()
    {
        // Text pasted or typed into both boxes leaves at most 24 word and 40 clue characters that can be stored,
        // and Add stores exactly what the boxes show or refuses it with its message.
        QFETCH(QString, text);
        QFETCH(bool, typed);
        WindowFixture f;
        QVERIFY(f.start());
        QApplication::clipboard()->setText(text);
        for (const char *name : {"inp_word", "inp_clue"}) {
            auto *box = f.control<QLineEdit>(QLatin1String(name));
            box->setFocus();
            if (!typed)
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            // One key event per character, with the character as its text; a carriage return is the Return key.
            for (const uint c : typed ? text.left(1000).toUcs4() : QList<uint>())
                QTest::sendKeyEvent(QTest::Click, box, c == '\r' ? Qt::Key_Return : Qt::Key_unknown,
                                    QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1), Qt::NoModifier);
        }
        const QString fault = BoxesAndAddFault(f);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
