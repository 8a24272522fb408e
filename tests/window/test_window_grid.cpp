// The grid commands of the main window: the generate commands with their
// question and failure box, the column bar and Set to Minimun Size, Auto Put
// Word, the move buttons and Clear Grid.
#include "view/grid_renderer.h"
#include "window_fixture.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

class TestWindowGrid : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;
private slots:
    void init()
    {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->start());
    }

    void generateCommands_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("failure");
        const QByteArray good = FileBytes(MakePuzzle({{"CAT"}, {"ACE"}, {"TEA"}, {"EAT"}}));
        const QByteArray bad = FileBytes(MakePuzzle({{"ABCDEFGHIJKLMNOPQRSTUVWX"}, {std::string(24, 'Y')}}));
        QTest::newRow("auto size cuts the grid") << good << "cb_procAutosz" << QSize(15, 15) << "";
        QTest::newRow("fixed size keeps the size") << good << "cb_procfixsize" << QSize(19, 17) << "";
        QTest::newRow("auto size fails") << bad << "cb_procAutosz" << QSize(19, 17)
            << "Unabled to Generate Grid.\rDecrease the Number of Words, Or \rIncrease the Grid Size, Or \rTry to Generate Again.";
        QTest::newRow("fixed size fails") << bad << "cb_procfixsize" << QSize(19, 17)
            << "Unabled to Generate Grid.\rDecrease the Number of Words,\rIncrease the Grid Size, Or \rTry to Generate Again.";
    }
    void generateCommands()
    {
        // Both commands ask first. Success places every word, auto size at the smallest size; failure (two
        // words sharing no letter) shows the command's own box, places nothing and leaves the size as it was.
        QFETCH(QByteArray, file);
        QFETCH(QString, command);
        QFETCH(QSize, size);
        QFETCH(QString, failure);
        f->open(file);
        f->control<QScrollBar>("scr_gcols")->setValue(19);
        f->control<QScrollBar>("scr_grows")->setValue(17);
        f->desktop.answer(Desktop::Answer::Yes);
        f->click(command);
        const QList<ShownMessage> &shown = f->desktop.messages;
        QCOMPARE(shown.size(), failure.isEmpty() ? 1 : 2);
        QCOMPARE(f->shown(0), QStringLiteral("Process a New Crossword Grid|New Grid"));
        QVERIFY(shown[0].buttons == Desktop::Buttons::YesNo);
        if (!failure.isEmpty())
            QVERIFY(f->shown(1) == failure + "|Unabled to Generate Grid" && shown[1].icon == Desktop::Icon::Information);
        QCOMPARE(QSize(f->puzzle().gcols, f->puzzle().grows), size);
        QCOMPARE(f->control<QScrollBar>("scr_gcols")->value(), size.width());
        QCOMPARE(f->window->gridImage().size(), size * 20 + QSize(1, 1));
        QCOMPARE(f->puzzle().nplaced, failure.isEmpty() ? 4 : 0);
    }

    void columnBarAndMinimumSizeKeepToTheWords()
    {
        // The column bar moved to 18 with a word from column 3 to 20 goes back to 20, and 20 becomes the size
        // of the changed puzzle; a click on the row bar's track above its handle takes one row off, and "Set to
        // Minimun Size" then takes the rows down to 15 as well.
        f->open(MakePuzzle({{"ABCDEFGHIJKLMNOPQR", 3, 1, "Acro"}}, 24, 24));
        f->control<QScrollBar>("scr_gcols")->setValue(18);
        QCOMPARE(f->control<QScrollBar>("scr_gcols")->value(), 20);
        QVERIFY(f->puzzle().gcols == 20 && f->puzzle().changed);
        QCOMPARE(f->control<QLabel>("lb_gcols")->text(), QStringLiteral("20"));
        QCOMPARE(f->window->gridImage().width(), 401);
        QTest::mouseClick(f->control("scr_grows"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f->puzzle().grows, 23);
        f->click("cb_resize");
        QCOMPARE(f->control<QLabel>("lb_grows")->text() + ' ' + QString::number(f->window->gridImage().height()), "15 301");
    }

    void autoPutWordThenClearGrid()
    {
        // "Auto Put Word in Grid" puts the current word at a crossing, numbers it and keeps it selected; a move
        // button moves the words in the picture too; "Clear Grid" asks "Remove Words from Grid" and Yes takes
        // every word out.
        f->open(MakePuzzle({{"CAT", 2, 2, "Acro"}, {"TEA"}}));
        f->clickRow(1);
        f->click("cb_putword");
        QCOMPARE(SolutionRows(f->puzzle(), 4, 4), std::string("####\n#CAT\n###E\n###A"));
        QCOMPARE(f->puzzle().Words[2].nbr, 2);
        QCOMPARE(f->puzzle().curw, 2);
        QVERIFY(!f->enabled("cb_putword"));
        f->click("mv_words_0");  // up
        QCOMPARE(SolutionRows(f->puzzle(), 4, 3), std::string("#CAT\n###E\n###A"));
        QCOMPARE(f->window->gridImage(), RenderGrid(f->puzzle()));
        f->desktop.answer(Desktop::Answer::Yes);
        f->click("cb_cleargrid");
        QCOMPARE(f->shown(0), QStringLiteral("Remove Words from Grid|Clear Grid"));
        QVERIFY(f->puzzle().nplaced == 0 && !f->enabled("cb_cleargrid"));
    }
};

QTEST_MAIN(TestWindowGrid)
#include "test_window_grid.moc"
