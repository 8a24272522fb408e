// The grid picture, its colour and the grid words switch; the current word
// shown in the panel, the entry boxes and the red box, and choosing it from
// its row or from the grid.
#include "window/gridly.h"

#include "panel/entry_strip.h"
#include "panel/panel_scroll.h"
#include "panel/word_drag.h"
#include "panel/word_moves.h"
#include "panel/word_panel.h"
#include "play/play_side.h"
#include "view/cell_geometry.h"
#include "view/colour_box.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "view/widget_text.h"

void gridly::DisplayGrid()
{
    // Start-up redraws the grid several times before the window is shown:
    // only the picture that is shown is drawn.
    m_gridPending = !isVisible();
    if (m_gridPending)
        pb->resize(GridSize(m_puzzle));
    else  // with as many pixels as the screen shows, sized in the window's own
        pb->setImage(m_gridRenderer.render(m_puzzle, m_play->ValidWord(), pb->devicePixelRatio()));
    // Centred on the white frame, one pixel up and left, halves dropped.
    const QRect frame = sh_fr->geometry();
    pb->move(frame.left() + (frame.width() / 2 - pb->width() / 2) - 1,
             frame.top() + (frame.height() / 2 - pb->height() / 2) - 1);
    m_drag->SetGrid(pb->geometry(), pb->image());
    pb->descriptionChanged();
}

void gridly::showEvent(QShowEvent *event)
{
    if (m_gridPending)
        DisplayGrid();
    QWidget::showEvent(event);
}

void gridly::cl_gbox_Click(int index)
{
    m_puzzle.gboxidx = int16_t(index);
    m_puzzle.gridclr = GRID_BOX_COLOURS[std::size_t(index)];
    m_cmd->ChooseColour(index);
    m_drag->SetControlColour(m_cmd->cl_gbox[std::size_t(index)]->color());
    DisplayGrid();
    if (m_puzzle.nwords > 0)
        m_puzzle.changed = true;
}

void gridly::ck_gridwrd_Click()
{
    m_puzzle.gridwrd = !m_puzzle.gridwrd;
    DisplayGrid();
}

void gridly::DispWInp()
{
    const Puzzle &p = m_puzzle;
    m_panel->DispWInp();
    // The red box lets a word go with it, and follows one whose row is in view.
    if (p.curw == 0)
        cr_cw->hide();
    else if (RowOf(p.curw, p.wtop, p.nwords) >= 0)
        cr_cw->setVisible(p.Words[p.curw].placed());
    m_entry->ShowCurrentWord();
    pb->descriptionChanged();
}

// A press on a panel row, by the user or the program: its word w becomes
// current (none for 0), and a drag ends.
void gridly::SelectWord(int w)
{
    Puzzle &p = m_puzzle;
    p.dragging = false;
    m_drag->End();
    m_entry->ClearTitle();
    if (w == 0) {
        p.curw = 0;
        DispWInp();  // the marker, the red box and the boxes let the old word go
        SetCmdButtons();
        return;
    }
    if (const std::optional<std::string> refusal = ChooseWord(p, w)) {
        m_desktop.message(WidgetText(*refusal), WidgetText(WORD_MOVE_TITLE), Desktop::Buttons::Ok,
                          Desktop::Icon::Information);
        DispWInp();
        SetCmdButtons();
        return;
    }
    cr_cw->setGeometry(WordBoxRect(p.Words[w]));
    m_drag->SetDirectionControl(p.Words[w].dr);
    DispWInp();
    SetCmdButtons();
}

// A press on the grid picture ends a drag; a left press on a word's cell
// chooses that word, through its clue in play mode.
void gridly::pb_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos)
{
    Puzzle &p = m_puzzle;
    p.dragging = false;
    m_drag->End();
    p.curw = 0;
    if (button != Qt::LeftButton)
        return;  // the release shows that nothing is selected
    m_drag->PressOnGrid(pos);
    const CellHit hit = GetCRpos(pb->x(), pb->y(), pb->x() + pos.x(), pb->y() + pos.y());
    const int w = Grid<int16_t>::inside(hit.ptcol, hit.ptrow) ? p.CWIdx(hit.ptcol, hit.ptrow) : 0;
    if (w >= 1) {
        p.curw = int16_t(w);
        if (p.playing()) {
            m_play->PlayGridPress(w);
            return;
        }
        m_panel->PressRowOf(w);
        return;
    }
    m_panel->HideMarker();
    cr_cw->hide();
    m_play->NoWordChosen();
    m_entry->ClearTitle();
}
