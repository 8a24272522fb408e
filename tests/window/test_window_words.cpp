// Entering and editing words through the entry boxes and the word panel: the
// key filter, the rejection messages, the rows and scroll bar, the selected
// word's place, and the grid picture.
#include "grid_pixels.h"
#include "panel/row_label.h"
#include "window_fixture.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

class TestWindowWords : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;
    QLineEdit *wordBox = nullptr;
    QLineEdit *clueBox = nullptr;

    RowLabel *row(int r) const { return f->control<RowLabel>(QStringLiteral("w_inp_%1").arg(r)); }
    // A row's caption and colour: "W01 #ffffff" (white; grey #c0c0c0 without a word; green #c0ffc0 placed).
    QString shown(int r) const { return row(r)->text() + ' ' + row(r)->background().name(); }

private slots:
    void init()
    {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->start());
        wordBox = f->control<QLineEdit>("inp_word");
        clueBox = f->control<QLineEdit>("inp_clue");
    }

    void enteredWordsAreFilteredTrimmedAndChecked()
    {
        // Typed lower case appears in capitals, "." and "!" do not appear, Enter moves to the clue; Add stores
        // the trimmed word out of the grid, shows it in row 0 and empties the boxes; a refused Add shows its
        // message titled "Add Word" with the focus in the box at fault; editing keys keep their meaning in the word
        // box. (Pasted and hostile text: test_faults.)
        QTest::keyClicks(wordBox, QStringLiteral(" ice-cream & co.! "));
        QCOMPARE(wordBox->text(), QStringLiteral(" ICE-CREAM & CO "));
        QTest::keyClick(wordBox, Qt::Key_Return);
        QVERIFY(clueBox->hasFocus());
        QTest::keyClicks(clueBox, QStringLiteral("  A treat  "));
        f->click("cb_addword");
        const WordEntry &entry = f->puzzle().Words[1];
        QCOMPARE(entry.word.str() + entry.clue.str(),
                 "ICE-CREAM & CO" + std::string(10, ' ') + "A treat" + std::string(33, ' '));
        QVERIFY(entry.lw == 14 && entry.stat == STAT_UNPLACED && f->puzzle().changed);
        QCOMPARE(shown(0) + ", " + shown(1), QStringLiteral("ICE-CREAM & CO #ffffff,  #c0c0c0"));
        QVERIFY(wordBox->text().isEmpty() && clueBox->text().isEmpty() && wordBox->hasFocus());
        f->addWord(QStringLiteral("DOG"), QStringLiteral(" "));
        QVERIFY(clueBox->hasFocus() && f->desktop.messages.value(0).icon == Desktop::Icon::Information);
        QCOMPARE(f->shown(0), QStringLiteral("Clue is Blank.\rPlease Enter a Clue|Add Word"));
        f->click("cb_clear");
        f->addWord(QStringLiteral(" "), QStringLiteral("A clue"));
        QVERIFY(wordBox->hasFocus() && f->puzzle().nwords == 1);
        QCOMPARE(f->shown(1), QStringLiteral("Word is Blank.\rPlease Enter a Word|Add Word"));
        QTest::keyClicks(wordBox, QStringLiteral("abcdef"));
        for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_Delete, Qt::Key_Tab})
            QTest::keyClick(wordBox, key);
        QVERIFY(wordBox->text() == QStringLiteral("CDEF") && clueBox->hasFocus());
    }

    void deletingWordsRebuildsTheGrid()
    {
        // Deleting the only word leaves nothing to save; deleting word 3 of 5 (in the grid, so asked about)
        // moves words 4 and 5 down and rebuilds the grid with their new numbers.
        f->addWord(QStringLiteral("CAT"), QStringLiteral("pet"));
        f->clickRow(0);
        f->desktop.answer(Desktop::Answer::Yes);
        f->click("cb_delword");
        QCOMPARE(f->desktop.messages.value(0).text, QStringLiteral("Delete 'CAT'"));
        QVERIFY(f->puzzle().nwords == 0 && !f->puzzle().changed);
        f->open(MakePuzzle({{"ONE"}, {"TWO"}, {"CAT", 1, 1}, {"COW", 1, 1, "Down"}, {"TEA", 3, 1, "Down"}}));
        f->clickRow(2);
        f->desktop.answer(Desktop::Answer::Yes);
        f->click("cb_delword");
        QCOMPARE(f->shown(1), QStringLiteral("Word 'CAT' is in the Grid.\rDelete Word|Delete Word"));
        QCOMPARE(shown(2) + ", " + shown(3), QStringLiteral("COW #c0ffc0, TEA #c0ffc0"));
        QCOMPARE(SolutionRows(f->puzzle(), 3, 3), std::string("C#T\nO#E\nW#A"));
        QVERIFY(f->puzzle().CWIdx(1, 1) == 3 && f->puzzle().CWIdx(3, 1) == 4 && f->puzzle().Words[4].nbr == 2);
        QVERIFY(f->puzzle().curw == 0 && f->puzzle().changed);
    }

    void panelRowsAndScrollFollowTheWordCount()
    {
        // Rows without a word are grey; 3 and 16 words give scroll maximum 1, and adding a 17th scrolls it into
        // view on the last row (maximum and value 2: words 2 to 17 shown).
        auto *scroll = f->control<QScrollBar>("w_scroll");
        const auto open = [this](int n) {  // n words out of the grid: W01, W02, ...
            std::vector<WordSpec> words;
            for (int i = 1; i <= n; ++i)
                words.push_back({QStringLiteral("W%1").arg(i, 2, 10, QLatin1Char('0')).toStdString()});
            f->open(MakePuzzle(words));
        };
        open(3);
        QCOMPARE(shown(2) + ", " + shown(3) + ", " + shown(15), QStringLiteral("W03 #ffffff,  #c0c0c0,  #c0c0c0"));
        QCOMPARE(scroll->maximum(), 1);
        open(16);
        QCOMPARE(scroll->maximum(), 1);
        f->addWord(QStringLiteral("LAST"), QStringLiteral("clue"));
        QVERIFY(scroll->maximum() == 2 && scroll->value() == 2);
        QCOMPARE(shown(0) + ", " + shown(15), QStringLiteral("W02 #ffffff, LAST #ffffff"));
    }

    void selectingAWordShowsItsPlaceAndUpdateKeepsAPlacedWord()
    {
        // A placed word shows its clue number and direction in the entry frame (" 3-  Down ") and the red box,
        // its row the red marker; Update cannot change its text (the old text comes back) but takes its clue; a
        // word out of the grid shows neither frame title nor box; a grey row selects no word.
        f->open(MakePuzzle({{"CAT", 1, 1}, {"SEA", 5, 1, "Down"}, {"TOE", 3, 1, "Down"}, {"DOG"}}));
        f->clickRow(1);
        QVERIFY(f->visible("lb_wind") && qAbs(f->control("lb_wind")->y() - row(1)->y()) <= 1);
        QCOMPARE(f->control<QGroupBox>("fr_inp")->title(), QStringLiteral(" 3-  Down "));
        QCOMPARE(f->control<QWidget>("cr_cw")->geometry(), QRect(80, 0, 22, 60));
        QVERIFY(f->visible("cr_cw") && wordBox->isReadOnly() && clueBox->hasFocus());
        wordBox->setText(QStringLiteral("SET"));
        clueBox->setText(QStringLiteral("Salt water"));
        f->click("cb_updtword");
        QCOMPARE(f->shown(0), QStringLiteral("Can Not Update a Word that is assigned to the Grid.|Update Word"));
        QCOMPARE(wordBox->text(), QStringLiteral("SEA"));
        f->click("cb_updtword");
        const WordEntry &entry = f->puzzle().Words[2];
        QVERIFY(f->desktop.messages.size() == 1 && entry.clue.trimmed() == "Salt water" && entry.stat == STAT_PLACED);
        f->clickRow(3, Qt::RightButton);
        QVERIFY(f->puzzle().curw == 4 && f->control<QGroupBox>("fr_inp")->title().isEmpty());
        QVERIFY(!f->visible("cr_cw") && !wordBox->isReadOnly() && wordBox->hasFocus());
        f->clickRow(5);
        QCOMPARE(f->puzzle().curw, 0);
    }

    void aWordLongerThanTheGridTurnsOrCannotBeSelected()
    {
        // A 20-letter word turns down in 15 x 24 and stays across in 24 x 15; in 15 x 15 it shows "Word Move", and
        // then, as after a grey row, the panel and the boxes show no word.
        for (const auto &[cols, rows, dr] : {std::tuple{15, 24, "Down"}, {24, 15, "Acro"}, {15, 15, "Acro"}}) {
            f->open(MakePuzzle({{"ABCDEFGHIJKLMNOPQRST"}}, cols, rows));
            f->clickRow(0);
            QCOMPARE(DirectionOf(f->puzzle().Words[1]), dr);
        }
        QCOMPARE(f->puzzle().curw, 0);
        QCOMPARE(f->shown(0), QStringLiteral("This Word is Longer than the Current Grid Size\r"
                                            "Increase the Grid Size to Fit ' 20' Characters.|Word Move"));
        f->open(MakePuzzle({{"CAT", 1, 1}, {"ABCDEFGHIJKLMNOPQRST"}}));
        for (const int none : {1, 2}) {
            f->clickRow(0);
            f->clickRow(none);
            QVERIFY(wordBox->text().isEmpty() && !wordBox->isReadOnly() && !f->visible("cr_cw")
                    && !f->visible("lb_wind"));
        }
    }

    void colourBoxesAndGridWordsShowInThePicture()
    {
        // A colour box draws the grid in its colour; "Grid Words on/off" hides the letters and leaves the word
        // cells white.
        f->open(MakePuzzle({{"WWW", 1, 1}}));
        f->click("cl_gbox_3");
        QVERIFY(f->window->gridImage().pixel(50, 50) == qRgb(0, 128, 128) && f->puzzle().gboxidx == 3);
        QVERIFY(LetterInk(f->window->gridImage(), 1, 1) > 5);
        f->click("ck_gridwrd");
        QCOMPARE(LetterInk(f->window->gridImage(), 1, 1), 0);
        QCOMPARE(CellPaper(f->window->gridImage(), 1, 1), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestWindowWords)
#include "test_window_words.moc"
