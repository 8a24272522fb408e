// Printing the puzzle from the main window: nothing without a placed word, the
// question for an unfinished grid, and what the printer is handed.
#include "window_fixture.h"

#include <QRegularExpression>
#include <QTest>

class TestWindowPrint : public QObject {
    Q_OBJECT
private slots:
    void print_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("answer");   // "" when nothing is asked
        QTest::addColumn<QString>("printer");  // "works", "none" or "fails"
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QString>("failure");  // the message after the print, "" for none
        const QByteArray unfinished = FileBytes(MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG"}}));
        const QByteArray complete =
            FileBytes(MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}}));
        const QStringList top{"picture 12,240 64x67", "grid 3243,240 301x301", "print 0,7740 Across",
                              "line 5500,7740 Down", "print 0,7980 1- Clue of CAT"};
        const QStringList all = top + QStringList{"line 5500,7980 1- Clue of COW", "line 5500,8180 2- Clue of TEN", "end"};
        QTest::newRow("no words") << FileBytes(MakePuzzle({})) << "" << "works" << QStringList() << "";
        QTest::newRow("no word in the grid") << FileBytes(MakePuzzle({{"CAT"}, {"DOG"}})) << "" << "works" << QStringList() << "";
        QTest::newRow("unfinished, No") << unfinished << "No" << "works" << QStringList() << "";
        QTest::newRow("unfinished, Yes") << unfinished << "Yes" << "works" << top + QStringList{"end"} << "";
        QTest::newRow("complete") << complete << "" << "works" << all << "";
        QTest::newRow("complete, no printer") << complete << "" << "none" << QStringList() << "No Printer is Available|Print";
        QTest::newRow("complete, printer fails") << complete << "" << "fails" << all << "The Puzzle Could Not be Printed|Print";
    }
    void print()
    {
        // With no word in the grid Print does nothing; a word outside the grid brings the question, where No
        // ends the command and Yes prints the placed words; a complete grid prints at once. One document holds
        // the logo, the grid picture as the view shows it (here without letters) centred on the middle of the
        // page, the headings and the clue columns. No printer, or one that refuses the page, is said so.
        QFETCH(QByteArray, file);
        QFETCH(QString, answer);
        QFETCH(QString, printer);
        QFETCH(QString, failure);
        WindowFixture f;
        QVERIFY(f.start());
        f.open(file);
        f.desktop.hasPrinter = printer != "none";
        f.desktop.printerFails = printer == "fails";
        f.click("ck_gridwrd");
        if (!answer.isEmpty())
            f.desktop.answer(answer == "Yes" ? Desktop::Answer::Yes : Desktop::Answer::No);
        f.click("cb_print");
        QCOMPARE(f.desktop.messages.size(), int(!answer.isEmpty()) + int(!failure.isEmpty()));
        if (!answer.isEmpty()) {
            QCOMPARE(f.shown(0), QStringLiteral("Crossword Grid is Not Completed, Continue Printing|Print"));
            QVERIFY(f.desktop.messages[0].buttons == Desktop::Buttons::YesNo
                    && f.desktop.messages[0].icon == Desktop::Icon::Question);
        }
        if (!failure.isEmpty())
            QVERIFY(f.shown(f.desktop.messages.size() - 1) == failure
                    && f.desktop.messages.constLast().icon == Desktop::Icon::Critical);
        QTEST(f.desktop.printed.filter(QRegularExpression("^(picture|grid|print|line|end)")), "printed");
        QVERIFY(f.desktop.printed.isEmpty() || f.desktop.printedPictures.value(1) == f.window->gridImage());
        QVERIFY(!f.desktop.waiting);
    }
};

QTEST_MAIN(TestWindowPrint)
#include "test_window_print.moc"
