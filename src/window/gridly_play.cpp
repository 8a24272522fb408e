// Solving the puzzle on screen.
#include "window/gridly.h"

#include "play/play_grid.h"

#include <QKeyEvent>
#include <QLabel>

void gridly::cb_play_Click() {}

void gridly::cb_dsng_Click() {}

void gridly::clue_lst_A_Click() {}

void gridly::clue_lst_D_Click() {}

bool gridly::Form_KeyDown(QKeyEvent *)
{
    return false;
}

void gridly::cb_autoword_Click() {}

void gridly::cb_playresetword_Click() {}

void gridly::cb_playreset_Click() {}

void gridly::ck_valid_word_Click()
{
    if (m_puzzle.redrawok)
        DisplayGrid();
}

void gridly::PGridStat()
{
    lb_playstat->setText(QString::fromStdString(::PGridStat(m_puzzle).caption));
}
