// The play side of the window: the two clue lists, the play buttons and the
// score line, and the blue cursor box over the grid. Choosing a clue makes
// its word current; keys and buttons change the answers through the core's
// play rules. What the grid and the red box must show in answer, it signals.
#pragma once

#include "document/gridlymod.h"
#include "platform/desktop.h"
#include "play/play_keys.h"

#include <QObject>

class ClueList;
class QKeyEvent;
class QLabel;
class QToolButton;
class ShapeBox;
struct PlayStat;

class PlaySide : public QObject {
    Q_OBJECT
public:
    // The strip goes into the logo frame, the lists into the window, the cursor box over the grid.
    PlaySide(QWidget *window, QWidget *logoFrame, QWidget *grid, Puzzle &puzzle, Desktop &desktop);

    // Play mode begins: the lists at `left`, Across from `top` and Down to
    // `bottom`, each half the height, filled; no word current; the score shown.
    void Enter(int left, int top, int bottom);
    bool ValidWord() const;
    void SetValidWord(bool on);
    void PGridStat();
    void PlayGridPress(int w);  // a left press on a cell of word w >= 1
    void NoWordChosen();        // a press on the grid away from every word
    // The window's key preview: true when the key was for the play grid.
    bool Form_KeyDown(QKeyEvent *event);

signals:
    void gridChanged();
    void currentWordShown(bool shown);  // the red box on the current word, or none
    void gridFocusWanted();
    void designChosen();
    void exitChosen();

private:
    void cb_dsng_Click();
    void cb_exit2_Click();
    void clue_lst_A_Click();
    void clue_lst_D_Click();
    void ChooseClue(ClueList *list, ClueList *other);
    void cb_autoword_Click();
    void cb_playresetword_Click();
    void cb_playreset_Click();
    void ck_valid_word_Click();
    void ShowPlayStat(const PlayStat &stat);
    void EnableWordButtons(bool enable);
    void PlaceCursorBox();
    void FillClueLists();

    Puzzle &m_puzzle;
    Desktop &m_desktop;
    PlayCursor m_cursor;  // the play cursor cell, pcol and prow
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
