// The grid picture, the grid colour and the grid words switch.
#include "window/gridly.h"

#include "grid/grid_ops.h"
#include "view/background.h"
#include "view/colour_box.h"
#include "view/grid_picture.h"
#include "view/grid_renderer.h"
#include "view/shape_box.h"

#include <QLabel>
#include <QToolButton>

void gridly::DisplayGrid()
{
    // Start-up redraws the grid several times before the window is shown:
    // only the picture that is shown is drawn.
    m_gridPending = !isVisible();
    if (m_gridPending)
        pb->resize(GridSize(m_puzzle));
    else  // with as many pixels as the screen shows, sized in the window's own
        pb->setImage(m_gridRenderer.render(m_puzzle, ck_valid_word->isChecked(), pb->devicePixelRatio()));
    // Centred on the white frame, one pixel up and left, halves dropped.
    const QRect frame = sh_fr->geometry();
    pb->move(frame.left() + (frame.width() / 2 - pb->width() / 2) - 1,
             frame.top() + (frame.height() / 2 - pb->height() / 2) - 1);
}

void gridly::showEvent(QShowEvent *event)
{
    if (m_gridPending)
        DisplayGrid();
    QWidget::showEvent(event);
}

void gridly::cl_gbox_Click(int index)
{
    cl_gbox[std::size_t(m_puzzle.gboxidx)]->setChosen(false);
    m_puzzle.gboxidx = int16_t(index);
    m_puzzle.gridclr = GRID_BOX_COLOURS[std::size_t(index)];
    cl_gbox[std::size_t(index)]->setChosen(true);
    SetBackground(drg_change, cl_gbox[std::size_t(index)]->color());
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
