// Texts of the clue list items of play mode.
#include "play/clue_list_text.h"
#include "puzzle_builder.h"

#include <QTest>

class TestClueListText : public QObject {
    Q_OBJECT
private slots:
    void itemShowsTwoDigitNumberAndTheWholeClue_data()
    {
        QTest::addColumn<int>("nbr");
        QTest::addColumn<QString>("clue");
        QTest::addColumn<QString>("text");
        QTest::newRow("one digit") << 7 << "Small feline" << "07- Small feline" + QString(28, ' ');
        QTest::newRow("two digits") << 12 << "Pet" << "12- Pet" + QString(37, ' ');
        QTest::newRow("leading blanks kept") << 3 << "  Pet" << "03-   Pet" + QString(35, ' ');
        QTest::newRow("full clue") << 40 << QString(40, 'x') << "40- " + QString(40, 'x');
    }
    void itemShowsTwoDigitNumberAndTheWholeClue()
    {
        // Number with a leading zero, "- ", then all 40 characters of the clue.
        QFETCH(int, nbr);
        QFETCH(QString, clue);
        WordEntry entry;
        entry.nbr = int16_t(nbr);
        entry.clue.assign(clue.toStdString());
        QTEST(QString::fromStdString(ClueListText(entry)), "text");
    }

    void headersSortBeforeEveryClue()
    {
        // Six blanks put each header ahead of the clue items in a sorted list.
        QCOMPARE(std::string(CLUE_HEADER_ACROSS), std::string("      [Across]"));
        QCOMPARE(std::string(CLUE_HEADER_DOWN), std::string("      [Down]"));
        WordEntry first;
        QVERIFY(std::string(CLUE_HEADER_ACROSS) < ClueListText(first));
        QVERIFY(std::string(CLUE_HEADER_DOWN) < ClueListText(first));
    }
};

int RunClueListTextTests(int argc, char **argv)
{
    TestClueListText tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_clue_list_text.moc"
