// Word box and clue box input, and the Add, Update and Delete commands.
#include "document/command_state.h"
#include "document/puzzle_invariants.h"
#include "document/word_rules.h"
#include "document_tests.h"
#include "puzzle_builder.h"

#include <QTest>

namespace {

const std::string CR = "\r";

// CAT across and ACE down crossing it, DOG and EMU not placed.
Puzzle ListOfFour()
{
    return MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG", 0}, {"ACE", 2, 1, "Down"}, {"EMU", 0}});
}

void AddRejectionRows(const char *title)
{
    QTest::addColumn<int>("curw");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("clue");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focusOnClue");
    QTest::addColumn<QString>("restoredWord");
    const bool update = QString(title) == "Update Word";
    const int curw = update ? 2 : 0;
    const auto row = [&](const char *name, const char *word, const char *clue, const std::string &text,
                         bool focusOnClue = false) {
        QTest::newRow(name) << curw << word << clue << QString::fromStdString(text) << focusOnClue << QString();
    };
    row("blank word", "", "A clue", "Word is Blank." + CR + "Please Enter a Word");
    row("word and clue blank", "", "", "Word is Blank." + CR + "Please Enter a Word");
    row("blank clue", "GNU", "", "Clue is Blank." + CR + "Please Enter a Clue", true);
    row("clue of blanks", "GNU", "   ", "Clue is Blank." + CR + "Please Enter a Clue", true);
    row("two blanks together", "ICE  CREAM", "Cold", "Word has 2 blank spaces together, only 1 is allowed");
    if (!update) {
        row("existing word", "EMU", "Bird", "Word Already Exists.");
        row("existing word with blanks around", "  CAT ", "Pet", "Word Already Exists.");
        return;
    }
    row("another word's text", "EMU", "Bird", "Word 'EMU' Already Exists.");
    row("a placed word's text", "CAT", "Pet", "Word 'CAT' Already Exists.");
    QTest::newRow("new text for a placed word")
        << 1 << "COT" << "Bed" << "Can Not Update a Word that is assigned to the Grid." << false << "CAT";
}

} // namespace

class TestWordRules : public QObject {
    Q_OBJECT
private slots:
    void wordBoxKeysAreUpperCasedOrCancelled_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        for (const char c : std::string("AZ09 &-"))
            QTest::newRow(std::string(1, c).c_str()) << int(c) << int(c);
        QTest::newRow("a") << int('a') << int('A');
        QTest::newRow("z") << int('z') << int('Z');
        QTest::newRow("Backspace") << 8 << 8;
        for (const char c : std::string(".!@[`{_+'\t\r"))
            QTest::newRow(("cancel " + std::to_string(int(c))).c_str()) << int(c) << 0;
        QTest::newRow("e acute") << 0xE9 << 0;
        QTest::newRow("dotless i") << 0x131 << 0;
    }
    void wordBoxKeysAreUpperCasedOrCancelled()
    {
        // Letters come out upper case; only letters, digits, blank, "&", "-" and Backspace pass.
        QFETCH(int, key);
        QFETCH(int, result);
        QCOMPARE(FilterWordKey(key), result);
    }

    void pastedWordTextKeepsWhatTypingCouldGive_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("lower case") << "rock & roll-1" << "ROCK & ROLL-1";
        QTest::newRow("punctuation and tabs") << "a.b!\tc\n" << "ABC";
        QTest::newRow("accented letters") << "café Ü" << "CAF ";
        QTest::newRow("cut to 24") << QString(30, 'x') << QString(24, 'X');
        QTest::newRow("cut counts kept characters") << "..." + QString(24, 'y') << QString(24, 'Y');
        QTest::newRow("two blanks stay for Add to refuse") << "a  b" << "A  B";
    }
    void pastedWordTextKeepsWhatTypingCouldGive()
    {
        // Pasted or dropped text is filtered as typed keys are, and cut to 24.
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QCOMPARE(QString::fromStdString(SanitizeWordText(pasted.toStdString())), kept);
    }

    void clueTextKeepsFortyStorableCharacters_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("one line") << "line\none\ttwo" << "lineonetwo";
        QTest::newRow("code page characters") << "€5 – “café”" << "€5 – “café”";
        QTest::newRow("others dropped") << "日本 ok ✓" << " ok ";
        QTest::newRow("cut to 40 characters") << QString(45, QChar(0xE9)) << QString(40, QChar(0xE9));
    }
    void clueTextKeepsFortyStorableCharacters()
    {
        // A clue is one line of at most 40 characters that Windows-1252 can store.
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QCOMPARE(QString::fromStdString(SanitizeClueText(pasted.toStdString())), kept);
    }

    void addRefusesWithItsMessage_data() { AddRejectionRows("Add Word"); }
    void addRefusesWithItsMessage()
    {
        // Each Add check refuses with its exact message and leaves the list as it was.
        CheckRejection(true);
    }

    void updateRefusesWithItsMessage_data() { AddRejectionRows("Update Word"); }
    void updateRefusesWithItsMessage()
    {
        // Each Update check refuses with its exact message and leaves the list as it was.
        CheckRejection(false);
    }

    void addAppendsTheTrimmedWordOutOfTheGrid()
    {
        // The new entry holds the trimmed word and clue, its length, across, not placed, no answer.
        Puzzle p = ListOfFour();
        QVERIFY(!AddWord(p, "  ICE CREAM  ", "  Cold dessert "));
        QCOMPARE(p.nwords, 5);
        const WordEntry &e = p.Words[5];
        QCOMPARE(e.word.str(), Padded("ICE CREAM", 24));
        QCOMPARE(e.clue.str(), Padded("Cold dessert", 40));
        QCOMPARE(e.lw, 9);
        QVERIFY(e.dr == "Acro");
        QCOMPARE(e.stat, STAT_UNPLACED);
        QCOMPARE(e.pword.str(), std::string(24, ' '));
        QCOMPARE(e.pwok, 0);
        QVERIFY(p.changed);
        QCOMPARE(CheckInvariants(p), std::string());
    }

    void theFortiethAddDisablesAdd()
    {
        // With 40 words the Add command is no longer available.
        Puzzle p = MakePuzzle({});
        for (int i = 1; i <= MAXWORDS; ++i)
            QVERIFY(!AddWord(p, "W" + std::to_string(i), "Clue"));
        QCOMPARE(p.nwords, 40);
        QVERIFY(!CommandStatesOf(p).cb_addword);
    }

    void updateOfAPlacedWordChangesOnlyItsClue()
    {
        // A placed word keeps its text and place, takes the new clue, and loses its answer.
        Puzzle p = ListOfFour();
        p.curw = 1;
        p.Words[1].pword.assign("CAT");
        p.Words[1].pwok = 1;
        QVERIFY(!UpdateWord(p, "CAT", "Purrs"));
        const WordEntry &e = p.Words[1];
        QCOMPARE(e.clue.trimmed(), std::string("Purrs"));
        QCOMPARE(e.stat, STAT_PLACED);
        QCOMPARE(e.gc, 1);
        QCOMPARE(e.pword.str(), std::string(24, ' '));
        QCOMPARE(e.pwok, 0);
        QVERIFY(p.changed);
    }

    void deletingMovesLaterWordsDownAndRebuildsTheGrid()
    {
        // Deleting word 3 of 5 makes words 4 and 5 the new 3 and 4, in the list and in the grid.
        Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG", 0}, {"ACE", 2, 1, "Down"}, {"EMU", 0},
                               {"TEN", 3, 1, "Down"}});
        p.curw = 3;
        DeleteWord(p);
        QCOMPARE(p.nwords, 4);
        QCOMPARE(p.Words[3].word.trimmed(), std::string("EMU"));
        QCOMPARE(p.Words[4].word.trimmed(), std::string("TEN"));
        QCOMPARE(SolutionRows(p, 3, 3), std::string("CAT\n##E\n##N"));
        QCOMPARE(p.CWIdx(3, 2), 4);
        QCOMPARE(p.Words[4].nbr, 2);
        QCOMPARE(p.curw, 0);
        QVERIFY(p.changed);
        QCOMPARE(CheckInvariants(p), std::string());
    }

private:
    void CheckRejection(bool add)
    {
        QFETCH(int, curw);
        QFETCH(QString, word);
        QFETCH(QString, clue);
        QFETCH(QString, text);
        QFETCH(bool, focusOnClue);
        QFETCH(QString, restoredWord);
        Puzzle p = ListOfFour();
        p.curw = int16_t(curw);
        const auto before = p.Words;
        const auto rejection =
            add ? AddWord(p, word.toStdString(), clue.toStdString()) : UpdateWord(p, word.toStdString(), clue.toStdString());
        QVERIFY(rejection);
        QCOMPARE(QString::fromStdString(rejection->text), text);
        QCOMPARE(rejection->title, std::string(add ? "Add Word" : "Update Word"));
        QCOMPARE(rejection->focus == EntryBox::Clue, focusOnClue);
        QCOMPARE(QString::fromStdString(rejection->restoreWord.value_or("")), restoredWord);
        QVERIFY(p.Words == before);
        QCOMPARE(p.nwords, 4);
        QVERIFY(!p.changed);
    }
};

int RunWordRulesTests(int argc, char **argv)
{
    TestWordRules tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_word_rules.moc"
