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
#include "view/grid_colour.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "view/widget_text.h"

void gridly::DisplayGrid()
{
    // Start-up redraws the grid several times before the window is shown:
    // only the picture that is shown is drawn.
    const Puzzle &p = m_doc.puzzle();
    m_gridPending = !isVisible();
    if (m_gridPending)
        pb->resize(GridSize(p));
    else  // with as many pixels as the screen shows, sized in the window's own
        pb->setImage(m_gridRenderer.render(p, {m_doc.playing(), dragging(), m_play->ValidWord()},
                                           pb->devicePixelRatio()));
    // Centred on the white frame, one pixel up and left, halves dropped.
    const QRect frame = sh_fr->geometry();
    pb->move(frame.left() + (frame.width() / 2 - pb->width() / 2) - 1,
             frame.top() + (frame.height() / 2 - pb->height() / 2) - 1);
    m_drag->SetGrid(pb->geometry(), pb->image());
    pb->setCells(p.gcols, p.grows);
    pb->descriptionChanged();
}

void gridly::showEvent(QShowEvent *event)
{
    if (m_gridPending)
        DisplayGrid();
    QMainWindow::showEvent(event);
}

void gridly::cl_gbox_Click(int index)
{
    m_doc.edit(QStringLiteral("Change Grid Box Color"), [index](Puzzle &p) { ChooseGridColour(p, index); });
}

// The chosen colour box and the direction control in the grid's colour.
void gridly::ShowColour()
{
    const int index = m_doc.puzzle().gboxidx;
    m_cmd->ChooseColour(index);
    m_drag->SetControlColour(m_cmd->cl_gbox[std::size_t(index)]->color());
}

void gridly::ck_gridwrd_Click()
{
    m_doc.update([](Puzzle &p) { p.gridwrd = !p.gridwrd; });
}

void gridly::DispWInp()
{
    const Puzzle &p = m_doc.puzzle();
    m_panel->DispWInp();
    // The red box lets a word go with it, and follows one whose row is in view.
    if (p.curw == 0)
        cr_cw->hide();
    else if (RowOf(p.curw, m_doc.wtop(), p.nwords) >= 0)
        cr_cw->setVisible(p.Words[p.curw].placed());
    m_entry->ShowCurrentWord();
    pb->descriptionChanged();
}

// The red box on the current word's cells, and the direction control
// offering the other way.
void gridly::ShowCurrentWordBox()
{
    const Puzzle &p = m_doc.puzzle();
    if (p.curw < 1 || p.curw > p.nwords)
        return;
    cr_cw->setGeometry(WordBoxRect(p.Words[p.curw]));
    m_drag->SetDirectionControl(p.Words[p.curw].dr);
}

// A press on a panel row, by the user or the program: its word w becomes
// current (none for 0), and a drag ends.
void gridly::SelectWord(int w)
{
    m_drag->End();
    m_entry->ClearTitle();
    if (w == 0) {
        m_doc.update([](Puzzle &p) { p.curw = 0; });
        DispWInp();  // the marker, the red box and the boxes let the old word go
        SetCmdButtons();
        return;
    }
    if (const std::optional<std::string> refusal = m_doc.update([w](Puzzle &p) { return ChooseWord(p, w); }))
        m_desktop.message(WidgetText(*refusal), WidgetText(WORD_MOVE_TITLE), Desktop::Buttons::Ok,
                          Desktop::Icon::Information);
    else
        ShowCurrentWordBox();
    DispWInp();
    SetCmdButtons();
}

// A press on the grid picture ends a drag; a left press on a word's cell
// chooses that word, through its clue in play mode.
void gridly::pb_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos)
{
    m_drag->End();
    m_doc.update([](Puzzle &p) { p.curw = 0; });
    if (button != Qt::LeftButton)
        return;  // the release shows that nothing is selected
    m_drag->PressOnGrid(pos);
    const CellHit hit = GetCRpos(pb->x(), pb->y(), pb->x() + pos.x(), pb->y() + pos.y());
    const Puzzle &p = m_doc.puzzle();
    const int w = Grid<int16_t>::inside(hit.ptcol, hit.ptrow) ? p.CWIdx(hit.ptcol, hit.ptrow) : 0;
    if (w >= 1) {
        if (m_doc.playing()) {
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
