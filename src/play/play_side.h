// The play side of the window: the two clue lists, the play buttons and the
// score line, and the blue cursor box over the grid. Choosing a clue makes
// its word current; keys and buttons change the answers through the
// document, one step each (the letters typed into one word are one step).
// It shows the score from what the document tells; what the red box must
// show in answer, it signals.
#pragma once

#include "platform/desktop.h"
#include "play/play_keys.h"
#include "undo/puzzle_document.h"

#include <QObject>
#include <QWidget>

class ClueList;
class QKeyEvent;
class QLabel;
class QToolButton;
class ShapeBox;

class PlaySide : public QObject {
    Q_OBJECT
public:
    // The strip goes into the logo frame, the lists into the window, the cursor box over the grid.
    PlaySide(QWidget *window, QWidget *logoFrame, QWidget *grid, PuzzleDocument &document, Desktop &desktop);

    // Play mode begins: the lists at `left`, Across from `top` and Down to
    // `bottom`, each half the height, filled; no word current; the score shown.
    void Enter(int left, int top, int bottom);
    bool ValidWord() const;
    void SetValidWord(bool on);
    void PlayGridPress(int w);  // a left press on a cell of word w >= 1
    void NoWordChosen();        // a press on the grid away from every word
    // The window's key preview: true when the key was for the play grid.
    bool Form_KeyDown(QKeyEvent *event);
    // Whether Form_KeyDown would take the key (so no shortcut may).
    bool WantsKey(const QKeyEvent *event) const;
    // "Design", from its button or the menu.
    void cb_dsng_Click();
    // Its controls in the order Tab visits them.
    QWidgetList TabOrder() const;

signals:
    void lookChanged();  // the indicator changed how right words are drawn
    void currentWordShown(bool shown);  // the red box on the current word, or none
    void gridFocusWanted();
    void designChosen();
    void exitChosen();

private:
    void cb_exit2_Click();
    void clue_lst_A_Click();
    void clue_lst_D_Click();
    void ChooseClue(ClueList *list, ClueList *other);
    void cb_autoword_Click();
    void cb_playresetword_Click();
    void cb_playreset_Click();
    void ck_valid_word_Click();
    void PuzzleChanged(Changes what);
    void ShowPlayStat();
    void ShowRestored();
    void EnableWordButtons(bool enable);
    void ShowStrip(bool show);
    void ShowScore();
    void DescribeRightClues();
    void PlaceCursorBox();
    void FillClueLists();
    ClueList *ListOf(int w) const;

    PuzzleDocument &m_doc;
    Desktop &m_desktop;
    QWidget *m_strip = nullptr;  // the play strip in the logo frame
    QLabel *lb_playstat = nullptr;
    QToolButton *ck_valid_word = nullptr;
    QToolButton *cb_autoword = nullptr;
    QToolButton *cb_playreset = nullptr;
    QToolButton *cb_playresetword = nullptr;
    QToolButton *cb_dsng = nullptr;
    QToolButton *cb_exit2 = nullptr;
    ClueList *clue_lst_A = nullptr;
    ClueList *clue_lst_D = nullptr;
    ShapeBox *cr_inp = nullptr;
};
