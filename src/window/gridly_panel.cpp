// The word panel: its sixteen rows, the current-row marker, the scroll bar,
// the entry boxes that show the current word, and selecting a word.
#include "window/gridly.h"

#include "document/word_rules.h"
#include "panel/entry_strip.h"
#include "panel/panel_scroll.h"
#include "panel/row_label.h"
#include "view/cell_geometry.h"
#include "view/shape_box.h"
#include "view/twips.h"
#include "view/widget_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

const QColor PLACED_ROW(192, 255, 192);
const QColor EMPTY_ROW(192, 192, 192);

} // namespace

void gridly::DispWInp()
{
    Puzzle &p = m_puzzle;
    lb_wind->hide();
    if (p.curw == 0)
        cr_cw->hide();

    for (int r = 0; r < PANEL_ROWS; ++r) {
        RowLabel *row = w_inp[std::size_t(r)];
        const int w = p.wtop + r;
        if (w > p.nwords) {
            row->setCaption({});
            row->setBackground(EMPTY_ROW);
            row->setTag(QStringLiteral("000"));
            continue;
        }
        const WordEntry &entry = p.Words[w];
        row->setCaption(WidgetText(entry.word.trimmed()));
        row->setTag(QStringLiteral("%1").arg(w, 3, 10, QLatin1Char('0')));
        row->setBackground(entry.placed() ? PLACED_ROW : Qt::white);
        if (w != p.curw)
            continue;
        lb_wind->move(lb_wind->x(), TwipsToPixels(ROW_TOPS[std::size_t(r)] - 1));
        lb_wind->show();
        cr_cw->setVisible(entry.placed());
    }
    m_entry->ShowCurrentWord();
}

void gridly::w_scroll_Change()
{
    m_puzzle.wtop = int16_t(w_scroll->value());
    DispWInp();
}

void gridly::SetScrollRange()
{
    w_scroll->setMaximum(ScrollMaximum(m_puzzle.nwords));
}

void gridly::BringIntoView(int w)
{
    w_scroll->setValue(::BringIntoView(w, m_puzzle.wtop));
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

void gridly::w_inp_MouseDown(int index, Qt::MouseButton, Qt::KeyboardModifiers, double, double)
{
    Puzzle &p = m_puzzle;
    p.dragging = false;
    m_drag.end();
    HideDragPicture();
    m_entry->ClearTitle();
    const QString tag = w_inp[std::size_t(index)]->tag();
    if (tag == QLatin1String("000")) {
        p.curw = 0;
        DispWInp();  // the marker, the red box and the boxes let the old word go
        SetCmdButtons();
        return;
    }
    p.curw = int16_t(tag.toInt());
    WordEntry &entry = p.Words[p.curw];
    if (!entry.placed()) {
        if (entry.lw > p.gcols && entry.lw > p.grows) {
            p.curw = 0;
            m_desktop.message(QStringLiteral("This Word is Longer than the Current Grid Size\rIncrease the Grid Size "
                                             "to Fit ' %1' Characters.")
                                  .arg(entry.lw),
                              QStringLiteral("Word Move"), Desktop::Buttons::Ok, Desktop::Icon::Information);
            DispWInp();
            SetCmdButtons();
            return;
        }
        if (entry.lw > p.gcols)
            entry.dr = Direction::Down;
        else if (entry.lw > p.grows)
            entry.dr = Direction::Across;
    }
    PlaceCurrentWordBox();
    SetDirectionControl(entry.across());
    DispWInp();
    SetCmdButtons();
}
