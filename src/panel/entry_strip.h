// The entry strip below the grid: the word and clue boxes with their filters,
// and Add, Update, Delete and Clear, which change the word list through the
// document, one step each. It shows the current word; what must follow
// elsewhere in the window besides the puzzle, it signals. Ctrl+Z in a box
// with typing of its own to undo undoes that typing; otherwise the box lets
// the key through to the puzzle's Undo.
#pragma once

#include "platform/desktop.h"
#include "undo/puzzle_document.h"

#include <QGroupBox>

struct CommandStates;
class QLineEdit;
class QToolButton;
struct Rejection;

class EntryStrip : public QGroupBox {
    Q_OBJECT
public:
    EntryStrip(QWidget *window, PuzzleDocument &document, Desktop &desktop);

    // The boxes' part of DispWInp: the current word and its clue, with its
    // number and direction in the frame's title while it is in the grid,
    // and the focus where the next typing belongs.
    void ShowCurrentWord();
    void EnableCommands(const CommandStates &states);
    void FocusWordBox();
    // Its controls in the order Tab visits them.
    QWidgetList TabOrder() const;
    void ClearTitle() { setTitle({}); }

signals:
    void wordAdded(int w);  // to be brought into view
    void entryCleared();    // no word is current: the boxes empty

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cb_addword_Click();
    void cb_updtword_Click();
    void cb_delword_Click();
    void cb_clear_Click();
    bool inp_word_KeyPress(QKeyEvent *event);
    bool inp_clue_KeyPress(QKeyEvent *event);
    void inp_word_GotFocus();
    void inp_word_Edited(const QString &text);
    void inp_word_Change();
    void inp_clue_Edited(const QString &text);
    void ShowRejection(const Rejection &rejection);
    bool LetsUndoThrough(QLineEdit *box, const QKeyEvent *event) const;

    PuzzleDocument &m_doc;
    Desktop &m_desktop;
    QLineEdit *inp_word = nullptr;
    QLineEdit *inp_clue = nullptr;
    QToolButton *cb_addword = nullptr;
    QToolButton *cb_updtword = nullptr;
    QToolButton *cb_delword = nullptr;
    QToolButton *cb_clear = nullptr;
};
