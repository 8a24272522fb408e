// The grid picture, the grid colour and the grid words switch.
#include "window/gridly.h"

#include "grid/grid_ops.h"
#include "panel/word_drag.h"
#include "play/play_side.h"
#include "view/background.h"
#include "view/colour_box.h"
#include "view/grid_picture.h"
#include "view/grid_renderer.h"
#include "view/shape_box.h"

#include <QLabel>
#include <QToolButton>

void gridly::DisplayGrid()
{
    pb->setImage(m_gridRenderer.render(m_puzzle, m_play->ValidWord()));
    // Centred on the white frame, one pixel up and left, halves dropped.
    const QRect frame = sh_fr->geometry();
    pb->move(frame.left() + (frame.width() / 2 - pb->width() / 2) - 1,
             frame.top() + (frame.height() / 2 - pb->height() / 2) - 1);
    m_drag->SetGrid(pb->geometry(), pb->image());
}

void gridly::cl_gbox_Click(int index)
{
    cl_gbox[std::size_t(m_puzzle.gboxidx)]->setChosen(false);
    m_puzzle.gboxidx = int16_t(index);
    m_puzzle.gridclr = GRID_BOX_COLOURS[std::size_t(index)];
    cl_gbox[std::size_t(index)]->setChosen(true);
    m_drag->SetControlColour(cl_gbox[std::size_t(index)]->color());
    DisplayGrid();
    if (m_puzzle.nwords > 0)
        m_puzzle.changed = true;
}

void gridly::ck_gridwrd_Click()
{
    m_puzzle.gridwrd = !m_puzzle.gridwrd;
    DisplayGrid();
}

void gridly::ResetWords()
{
    ::ResetWords(m_puzzle);
    DispWInp();
    DisplayGrid();
    SetCmdButtons();
}
