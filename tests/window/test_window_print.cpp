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
        QTest::addColumn<QString>("answer");  // "" when nothing is asked
        QTest::addColumn<bool>("printer");
        QTest::addColumn<QStringList>("printed");
        const QByteArray unfinished = FileBytes(MakePuzzle({{"CAT", 1, 1, "Acro"}, {"DOG"}}));
        const QByteArray complete =
            FileBytes(MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEN", 3, 1, "Down"}}));
        const QStringList top{"picture 12,240 64x67", "grid 3243,240 301x301", "print 0,7740 Across",
                              "line 5500,7740 Down", "print 0,7980 1- Clue of CAT"};
        QTest::newRow("no words") << FileBytes(MakePuzzle({})) << "" << true << QStringList();
        QTest::newRow("no word in the grid") << FileBytes(MakePuzzle({{"CAT"}, {"DOG"}})) << "" << true << QStringList();
        QTest::newRow("unfinished, No") << unfinished << "No" << true << QStringList();
        QTest::newRow("unfinished, Yes") << unfinished << "Yes" << true << top + QStringList{"end"};
        QTest::newRow("complete") << complete << "" << true
                                  << top + QStringList{"line 5500,7980 1- Clue of COW",
                                                       "line 5500,8180 2- Clue of TEN", "end"};
        QTest::newRow("complete, no printer") << complete << "" << false << QStringList();
    }
    void print()
    {
        // With no word in the grid, or no printer, Print does nothing; a word outside the grid brings the
        // question, where No ends the command and Yes prints the placed words; a complete grid prints at once.
        // One document holds the logo, the grid picture as the view shows it (here without letters) centred
        // on the middle of the page, the headings and the clue columns.
        QFETCH(QByteArray, file);
        QFETCH(QString, answer);
        QFETCH(bool, printer);
        WindowFixture f;
        QVERIFY(f.start());
        f.open(file);
        f.desktop.hasPrinter = printer;
        f.click("ck_gridwrd");
        if (!answer.isEmpty())
            f.desktop.answer(answer == "Yes" ? Desktop::Answer::Yes : Desktop::Answer::No);
        f.click("cb_print");
        QCOMPARE(f.desktop.messages.size(), answer.isEmpty() ? 0 : 1);
        if (!answer.isEmpty()) {
            QCOMPARE(f.shown(0), QStringLiteral("Crossword Grid is Not Completed, Continue Printing|Print"));
            QVERIFY(f.desktop.messages[0].buttons == Desktop::Buttons::YesNo
                    && f.desktop.messages[0].icon == Desktop::Icon::Question);
        }
        QTEST(f.desktop.printed.filter(QRegularExpression("^(picture|grid|print|line|end)")), "printed");
        QVERIFY(f.desktop.printed.isEmpty() || f.desktop.printedPictures.value(1) == f.window->gridImage());
        QVERIFY(!f.desktop.waiting);
    }
};

QTEST_MAIN(TestWindowPrint)
#include "test_window_print.moc"
