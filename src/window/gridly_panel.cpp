// The word list shown: the panel, the entry boxes and the red box of the
// current word refreshed together, and choosing the current word.
#include "window/gridly.h"

#include "panel/entry_strip.h"
#include "panel/panel_scroll.h"
#include "panel/word_drag.h"
#include "panel/word_moves.h"
#include "panel/word_panel.h"
#include "play/play_side.h"
#include "view/cell_geometry.h"
#include "view/shape_box.h"
#include "view/widget_text.h"

#include "view/grid_picture.h"

#include <QLabel>
#include <QToolButton>

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
}

// The red box on the current word's recorded cells.
void gridly::PlaceCurrentWordBox()
{
    const WordEntry &entry = m_puzzle.Words[m_puzzle.curw];
    cr_cw->setGeometry(WordBoxRect(entry.gc, entry.gr, entry.lw, entry.across()));
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
    PlaceCurrentWordBox();
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
        m_panel->SelectWord(w);
        return;
    }
    m_panel->HideMarker();
    cr_cw->hide();
    m_play->NoWordChosen();
    m_entry->ClearTitle();
}
