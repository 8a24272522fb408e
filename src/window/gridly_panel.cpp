// The word list shown: the panel, the entry boxes and the red box of the
// current word refreshed together, and choosing the current word.
#include "window/gridly.h"

#include "panel/entry_strip.h"
#include "panel/panel_scroll.h"
#include "panel/word_moves.h"
#include "panel/word_panel.h"
#include "view/cell_geometry.h"
#include "view/shape_box.h"
#include "view/widget_text.h"

#include <QLabel>

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

void gridly::SetDirectionControl(bool across)
{
    // The control shows the direction a word would be turned to.
    drg_change->setPixmap(across ? drgd_ico : drga_ico);
    drg_change->setToolTip(across ? QStringLiteral("Down") : QStringLiteral("Across"));
    drg_change->setProperty("tag", QStringLiteral("out"));
}

// The red box on the current word's recorded cells.
void gridly::PlaceCurrentWordBox()
{
    const WordEntry &entry = m_puzzle.Words[m_puzzle.curw];
    const int length = entry.lw * CELLPX;
    cr_cw->setGeometry((entry.gc - 1) * CELLPX, (entry.gr - 1) * CELLPX, entry.across() ? length : 22,
                       entry.across() ? 22 : length);
}

// A press on a panel row, by the user or the program: its word w becomes
// current (none for 0), and a drag ends.
void gridly::SelectWord(int w)
{
    Puzzle &p = m_puzzle;
    p.dragging = false;
    m_drag.end();
    HideDragPicture();
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
    SetDirectionControl(p.Words[w].across());
    DispWInp();
    SetCmdButtons();
}
