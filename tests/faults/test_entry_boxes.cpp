// Hostile text in the word and clue boxes, pasted with Ctrl+V and typed key
// by key: a megabyte, NUL and control characters, CR/LF, emoji, right-to-left
// text, characters Windows-1252 cannot hold. The boxes keep at most 24 and 40
// storable characters, and Add stores a sound record or refuses the text.
#include "document/puzzle_invariants.h"
#include "document/text_codec.h"
#include "faults_tests.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace {

QString Megabyte()
{
    const QString piece = QStringLiteral("Ab1 &-\U0001F600\r\n\t") + QChar(0) + QStringLiteral("é€ש\u202E");
    QString text;
    while (text.size() < (1 << 20))
        text += piece;
    return text;
}

bool IsWordCharacter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        || c == QLatin1Char(' ') || c == QLatin1Char('&') || c == QLatin1Char('-');
}

// A character a clue may hold: printable and storable in Windows-1252.
bool IsClueCharacter(char32_t c)
{
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    return !control && Cp1252CanHold(c);
}

QString WordFault(const QString &text)
{
    if (text.size() > WORDLEN)
        return QStringLiteral("word box holds %1 characters").arg(text.size());
    for (const QChar c : text)
        if (!IsWordCharacter(c))
            return QStringLiteral("word box holds U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return {};
}

QString ClueFault(const QString &text)
{
    const QList<uint> characters = text.toUcs4();
    if (characters.size() > CLUELEN)
        return QStringLiteral("clue box holds %1 characters").arg(characters.size());
    for (const uint c : characters)
        if (!IsClueCharacter(c))
            return QStringLiteral("clue box holds U+%1").arg(c, 4, 16, QLatin1Char('0'));
    return {};
}

QString TrimBlanks(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// After Add: either a refusal with its message and no word, or one stored
// word equal to what the boxes showed, of storable characters only.
QString AddFault(const WindowFixture &f, const QString &word, const QString &clue)
{
    const Puzzle &p = f.puzzle();
    if (const std::string broken = CheckInvariants(p); !broken.empty())
        return QString::fromStdString(broken);
    if (!f.desktop.messages.isEmpty())
        return p.nwords == 0 && f.desktop.messages[0].title == QLatin1String("Add Word")
            ? QString()
            : QStringLiteral("refused with '%1' but holds %2 words").arg(f.desktop.messages[0].title).arg(p.nwords);
    if (p.nwords != 1)
        return QStringLiteral("Add stored %1 words").arg(p.nwords);
    const WordEntry &e = p.Words[1];
    if (QString::fromStdString(e.word.trimmed()) != TrimBlanks(word) || e.lw != TrimBlanks(word).size())
        return QStringLiteral("stored word '%1' differs from the box").arg(QString::fromStdString(e.word.str()));
    const QString stored = QString::fromStdString(Cp1252ToUtf8(e.clue.trimmed()));
    if (stored != TrimBlanks(clue))
        return QStringLiteral("stored clue '%1' differs from the box").arg(stored);
    return ClueFault(stored);
}

void AddHostileRows()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a megabyte") << Megabyte();
    QTest::newRow("NUL and control characters")
        << QString(QChar(0)) + QStringLiteral("A\x01" "B\x1B" "C\x7F" "D\u0081E\u0085F\u009DG") + QChar(0);
    QTest::newRow("CR and LF") << QStringLiteral("ROCK\r\nROLL\rCR\nLF");
    QTest::newRow("emoji") << QStringLiteral("\U0001F600 cat \U0001F44D\U0001F3FD dog \U0001F1EB\U0001F1F7");
    QTest::newRow("right to left") << QStringLiteral("\u202Ereversed\u202C \u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 cat");
    QTest::newRow("outside Windows-1252") << QStringLiteral("\u0141\u00D3D\u0179 \u65E5\u672C \u03A9mega \u2103 ok");
    QTest::newRow("combining marks") << QStringLiteral("e\u0301t\u00E9 A\u0308");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("AB") + QChar(0xDC00);
    QTest::newRow("zero width and marks") << QStringLiteral("\u200Bzero\u200Dwidth\uFEFF\u200F");
}

QLineEdit *Box(const WindowFixture &f, const char *name)
{
    return f.control<QLineEdit>(QLatin1String(name));
}

// One key event per character, with the character as the key's text; a
// carriage return is the Return key.
void TypeKeys(QWidget *box, const QString &text)
{
    for (const uint c : text.toUcs4()) {
        const QString typed = QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
        QTest::sendKeyEvent(QTest::Click, box, c == '\r' ? Qt::Key_Return : Qt::Key_unknown, typed, Qt::NoModifier);
    }
}

} // namespace

class TestEntryBoxes : public QObject {
    Q_OBJECT
private slots:
    void pastedTextKeepsOnlyStorableCharacters_data() { AddHostileRows(); }
    void pastedTextKeepsOnlyStorableCharacters()
    {
        // Text pasted into both boxes leaves at most 24 word and 40 clue characters that can be stored, and Add
        // stores exactly what the boxes show or refuses it with its message.
        QFETCH(QString, text);
        WindowFixture f;
        QVERIFY(f.start());
        QApplication::clipboard()->setText(text);
        for (const char *name : {"inp_word", "inp_clue"}) {
            Box(f, name)->setFocus();
            QTest::keyClick(Box(f, name), Qt::Key_V, Qt::ControlModifier);
        }
        const QString word = Box(f, "inp_word")->text();
        const QString clue = Box(f, "inp_clue")->text();
        QVERIFY2(WordFault(word).isEmpty(), qPrintable(WordFault(word)));
        QVERIFY2(ClueFault(clue).isEmpty(), qPrintable(ClueFault(clue)));
        f.click(QStringLiteral("cb_addword"));
        const QString fault = AddFault(f, word, clue);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void typedTextKeepsOnlyStorableCharacters_data() { AddHostileRows(); }
    void typedTextKeepsOnlyStorableCharacters()
    {
        // The same text typed key by key (its first thousand characters) leaves the same kind of content.
        QFETCH(QString, text);
        WindowFixture f;
        QVERIFY(f.start());
        for (const char *name : {"inp_word", "inp_clue"})
            TypeKeys(Box(f, name), text.left(1000));
        const QString word = Box(f, "inp_word")->text();
        const QString clue = Box(f, "inp_clue")->text();
        QVERIFY2(WordFault(word).isEmpty(), qPrintable(WordFault(word)));
        QVERIFY2(ClueFault(clue).isEmpty(), qPrintable(ClueFault(clue)));
        f.click(QStringLiteral("cb_addword"));
        const QString fault = AddFault(f, word, clue);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

int RunEntryBoxTests(int argc, char **argv)
{
    TestEntryBoxes tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_entry_boxes.moc"
