// The command column at the window's left: the six grid colour boxes, the
// two grid-size bars with their labels, the shift arrows and the command
// buttons. They are the window's own controls and their events go to its
// handlers; this builds them at their design places and shows what it is
// given.
#pragma once

#include <QGroupBox>

#include <array>

class ColourBox;
struct CommandStates;
class QLabel;
class QScrollBar;
class QToolButton;

struct CommandColumn {
    explicit CommandColumn(QWidget *window);

    // The column's part of SetCmdButtons.
    void Enable(const CommandStates &states);
    // The bars and their labels at the grid size; the bars' handlers do not run.
    void ShowSize(int cols, int rows);
    // Only the chosen colour box shows its border.
    void ChooseColour(int index);
    // Its controls in the order Tab visits them: down the column, each row left to right.
    QWidgetList TabOrder() const;

    QGroupBox *fr_cmd = nullptr;
    std::array<ColourBox *, 6> cl_gbox{};
    QScrollBar *scr_gcols = nullptr;
    QLabel *lb_gcols = nullptr;
    QScrollBar *scr_grows = nullptr;
    QLabel *lb_grows = nullptr;
    QToolButton *cb_resize = nullptr;
    std::array<QToolButton *, 4> mv_words{};  // up, right, down, left
    QToolButton *cb_procfixsize = nullptr;
    QToolButton *cb_procAutosz = nullptr;
    QToolButton *cb_putword = nullptr;
    QToolButton *cb_cleargrid = nullptr;
    QToolButton *cb_play = nullptr;
    QToolButton *cb_help = nullptr;
    QToolButton *ck_gridwrd = nullptr;
    QToolButton *cb_print = nullptr;
    QToolButton *cb_new = nullptr;
    QToolButton *cb_open = nullptr;
    QToolButton *cb_save = nullptr;
    QToolButton *cb_exit = nullptr;
};
