// Hostile input to the window. A damaged gridly.cfg (every cut down to an
// empty file, garbage at every offset, a thousand random files) starts the
// program with the defaults or with the values read before the damage, and the
// file written at the following exit is complete. Hostile text pasted or typed
// into the word and clue boxes (a megabyte, NUL and control characters, CR/LF,
// emoji, right-to-left text, characters Windows-1252 cannot hold) leaves at
// most 24 and 40 storable characters, and Add stores a sound record or refuses.
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "document/puzzle_invariants.h"
#include "document/text_codec.h"
#include "faults_tests.h"
#include "puzzle_builder.h"
#include "window/file_store.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <random>

namespace {

constexpr int NAMED_COLOUR = 4;

// A configuration (colour 3, indicator on, "Play") naming base.gly in the
// folder: one word out of the grid, so that "Play" never applies, and its own
// grid colour, which replaces the configuration's when the puzzle opens.
std::string NamedConfig(const QTemporaryDir &folder)
{
    Puzzle p = MakePuzzle({{"CAT", 2, 2, "Acro"}, {"DOG"}});
    p.gboxidx = NAMED_COLOUR;
    const QString path = folder.filePath(QStringLiteral("base.gly"));
    if (!WriteWholeFile(path, QByteArray::fromStdString(WritePuzzleFile(p))).isEmpty())
        qFatal("cannot write base.gly");
    return WriteConfigFile(3, 1, RunMode::Play, "base.gly", path.toStdString());
}

const auto FileExists = [](const std::string &path) { return QFileInfo(QString::fromStdString(path)).isFile(); };

// Starts the window on the configuration bytes; "" when it shows what the
// reader took from them (the defaults for the rest), opens the named puzzle
// exactly when its path was taken, stays sound and silent in design mode, and
// writes the complete configuration at exit.
QString StartFault(const std::string &bytes)
{
    const ConfigValues values = ReadConfigFile(bytes, FileExists);
    const int colour = values.fpath ? NAMED_COLOUR : values.gboxidx.value_or(2);
    const bool indicator = values.validWord == 1;
    const std::string fname = values.fpath ? *values.fname : std::string();
    const std::string fpath = values.fpath.value_or(std::string());
    WindowFixture f;
    f.writeFile(QStringLiteral("gridly.cfg"), QByteArray::fromStdString(bytes));
    if (!f.start())
        return QStringLiteral("start-up ended the program");
    const Puzzle &p = f.puzzle();
    if (p.gboxidx != colour || f.control<QAbstractButton>(QStringLiteral("ck_valid_word"))->isChecked() != indicator
        || p.fname != fname || p.fpath != fpath || p.nwords != (values.fpath ? 2 : 0) || p.playing()
        || p.changed || !f.desktop.messages.isEmpty())
        return QStringLiteral("started with colour %1 and %2 words").arg(p.gboxidx).arg(p.nwords);
    if (const std::string broken = CheckInvariants(p); !broken.empty())
        return QString::fromStdString(broken);
    f.click(QStringLiteral("cb_exit"));
    const std::string complete = WriteConfigFile(colour, indicator, RunMode::Design, fname, fpath);
    const bool whole = f.readFile(QStringLiteral("gridly.cfg")).toStdString() == complete;
    return whole ? QString() : QStringLiteral("the configuration written at exit is not the complete one");
}

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
    const QString shown = f.desktop.messages.isEmpty() ? QString() : f.desktop.messages[0].title;
    if (!shown.isEmpty())
        return shown == QLatin1String("Add Word") && p.nwords == 0 ? QString() : shown + QStringLiteral(" shown");
    const WordEntry &e = p.Words[1];
    const QString stored = QString::fromStdString(e.word.trimmed() + '|' + Cp1252ToUtf8(e.clue.trimmed()));
    if (p.nwords != 1 || e.lw != word.trimmed().size() || stored != word.trimmed() + '|' + clue.trimmed())
        return QStringLiteral("stored %1 words, the first '%2'").arg(p.nwords).arg(stored);
    return {};
}

} // namespace

void TestFaults::damagedConfigurationKeepsTheValuesBeforeTheDamage_data()
{
    QTest::addColumn<int>("garbage");  // -1: the file is cut there instead
    QTest::newRow("cut") << -1;
    QTest::newRow("0x00") << 0x00;
    QTest::newRow("0xFF") << 0xFF;
    QTest::newRow("0x5A") << 0x5A;
}
void TestFaults::damagedConfigurationKeepsTheValuesBeforeTheDamage()
{
    // A file cut at any offset, down to an empty file, or with a garbage byte there, keeps the colour and the
    // indicator written wholly before it (a cut nothing after it) and the puzzle only when its path is whole.
    QFETCH(int, garbage);
    const QTemporaryDir folder;
    const std::string sound = NamedConfig(folder);
    // The path comes last: its length, then its text.
    const std::size_t pathStart = sound.size() - folder.filePath(QStringLiteral("base.gly")).size() - 2;
    for (std::size_t offset = 0; offset < sound.size(); ++offset) {
        std::string bytes = sound.substr(0, offset);
        if (garbage >= 0)
            bytes = sound, bytes[offset] = char(garbage);
        if (bytes == sound)
            continue;
        const ConfigValues values = ReadConfigFile(bytes, FileExists);
        const QByteArray where = QByteArray::number(qulonglong(offset));
        QVERIFY2(offset < 2 ? garbage >= 0 || !values.gboxidx : values.gboxidx == 3, where);
        QVERIFY2(offset < 4 ? garbage >= 0 || !values.validWord : values.validWord == 1, where);
        QVERIFY2(!values.fpath || (garbage >= 0 && offset < pathStart), where);
        const QString fault = StartFault(bytes);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("at %1: %2").arg(offset).arg(fault)));
    }
}

void TestFaults::randomConfigurationsStartWithWhatTheyHold()
{
    // A thousand random files, half of them damaged copies of a sound one, each start as the reader says.
    const QTemporaryDir folder;
    const std::string sound = NamedConfig(folder);
    std::mt19937 random(1234);
    const auto below = [&](std::size_t n) { return std::size_t(random() % n); };
    for (int run = 0; run < 1000; ++run) {
        std::string bytes = sound;
        if (run % 2 == 0) {
            bytes.resize(below(96));
            for (char &b : bytes)
                b = char(random());
        } else {
            for (std::size_t k = 1 + below(4); k > 0; --k)
                bytes[below(bytes.size())] = char(random());
            if (below(4) == 0)
                bytes.resize(below(bytes.size() + 1));
        }
        const QString fault = StartFault(bytes);
        QVERIFY2(fault.isEmpty(), qPrintable(QByteArray::fromStdString(bytes).toHex() + ": " + fault));
    }
}

void TestFaults::hostileTextKeepsOnlyStorableCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");  // key by key (its first thousand characters), else pasted
    const QString megabyte =
        (QStringLiteral("Ab1 &-\U0001F600\r\n\t") + QChar(0) + QStringLiteral("é€ש\u202E")).repeated(1 << 16);
    const std::pair<const char *, QString> texts[] = {
        {"a megabyte", megabyte},
        {"NUL and control characters",
         QString(QChar(0)) + QStringLiteral("A\x01" "B\x1B" "C\x7F" "D\u0081E\u0085F\u009DG") + QChar(0)},
        {"CR and LF", QStringLiteral("ROCK\r\nROLL\rCR\nLF")},
        {"emoji", QStringLiteral("\U0001F600 cat \U0001F44D\U0001F3FD dog \U0001F1EB\U0001F1F7")},
        {"right to left", QStringLiteral("\u202Ereversed\u202C \u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D cat")},
        {"outside Windows-1252", QStringLiteral("\u0141\u00D3D\u0179 \u65E5\u672C \u03A9mega \u2103 ok")},
        {"combining marks", QStringLiteral("e\u0301t\u00E9 A\u0308")},
        {"lone surrogates", QString(QChar(0xD800)) + QStringLiteral("AB") + QChar(0xDC00)},
        {"zero width and marks", QStringLiteral("\u200Bzero\u200Dwidth\uFEFF\u200F")},
    };
    for (const bool typed : {false, true})
        for (const auto &[name, text] : texts)
            QTest::addRow("%s, %s", name, typed ? "typed" : "pasted") << text << typed;
}
void TestFaults::hostileTextKeepsOnlyStorableCharacters()
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
