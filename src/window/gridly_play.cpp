// Entering play mode and going back to design: the design controls give way
// to the clue lists, and the logo frame widens under the grid, which moves
// to the window's left edge.
#include "window/gridly.h"

#include "panel/entry_strip.h"
#include "panel/word_drag.h"
#include "panel/word_panel.h"
#include "play/play_grid.h"
#include "play/play_side.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"

#include <QGroupBox>

void gridly::cb_play_Click()
{
    if (!m_doc.puzzle().complete())
        return;
    m_doc.update(PgridToPwords);
    SwitchMode(RunMode::Play);
    // Across from the top of the grid frame, Down to the bottom of the entry
    // strip, each half the space between, so that they meet.
    m_play->Enter(sh_fr->x() + sh_fr->width() + 3, sh_fr2->y(), m_entry->y() + m_entry->height());
    pb->setFocus(Qt::OtherFocusReason);  // the box that had it is gone with design mode
}

void gridly::SwitchMode(RunMode mode)
{
    const bool play = mode == RunMode::Play;
    m_drag->HidePicture();
    m_doc.setMode(mode);
    m_doc.update([play](Puzzle &p) {
        p.curw = 0;
        if (play) {
            p.gridwrdsv = p.gridwrd;
            p.gridwrd = false;
        } else {
            p.gridwrd = p.gridwrdsv;
        }
    });
    cr_cw->hide();
    // Hidden and disabled: nothing of the other mode is left for assistive technology to press.
    for (QWidget *control : std::initializer_list<QWidget *>{m_cmd->fr_cmd, m_panel, m_entry}) {
        control->setVisible(!play);
        control->setEnabled(!play);
    }
    m_drag->ShowControl(!play);

    fr_logo->resize((play ? sh_fr2->width() : m_cmd->fr_cmd->width()), fr_logo->height());
    const int left = (play ? static_cast<QWidget *>(fr_logo) : m_entry)->x();
    sh_fr->move(left + 1, sh_fr->y());
    sh_fr2->move(left, sh_fr2->y());
    DisplayGrid();
    // Play mode dropped the current word: the panel says so, and the word box
    // takes the keys; the menus follow the mode.
    if (!play) {
        DispWInp();
        m_entry->FocusWordBox();
    }
    SetCmdButtons();
}
