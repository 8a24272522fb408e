// Dragging words from the panel or the grid onto the grid. The pressed
// control keeps the pointer until the release (the implicit mouse grab), so a
// drag from a row is reported by that row in twips relative to itself, and a
// drag from the grid by the grid picture in its own pixels; both are turned
// into window pixels to be tested against the grid, the rows, the panel's
// scroll bar and the direction control.
#include "window/gridly.h"

#include "document/text_codec.h"
#include "grid/grid_ops.h"
#include "panel/drag_geometry.h"
#include "panel/drag_picture.h"
#include "panel/row_label.h"
#include "view/cell_geometry.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "view/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

namespace {

const QColor TARGET_ROW(255, 192, 192);

// A twips value to whole pixels, remainder dropped.
int Pixels(double twips)
{
    return TwipsToPixels(RoundHalfEven(twips));
}

} // namespace

void gridly::PanelGeometry()
{
    m_drag.pnlleft = fr_winp->x() + w_inp[1]->x();
    m_drag.rowwidth = w_inp[1]->width();
    m_drag.rowheight = w_inp[1]->height();
    m_drag.pnltop = fr_winp->y() + w_inp[0]->y();
    m_drag.pnlbottom = fr_winp->y() + w_inp[PANEL_ROWS - 1]->y() + m_drag.rowheight;
}

void gridly::pb_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos)
{
    Puzzle &p = m_puzzle;
    p.dragging = false;
    HideDragPicture();
    p.curw = 0;
    m_drag.fndcol = 0;
    if (button != Qt::LeftButton)
        return;  // the release shows that nothing is selected
    const CellHit hit = GetCRpos(pb->x(), pb->y(), pb->x() + pos.x(), pb->y() + pos.y());
    m_drag.lastcol = m_drag.lastrow = 0;
    const int w = Grid<int16_t>::inside(hit.ptcol, hit.ptrow) ? p.CWIdx(hit.ptcol, hit.ptrow) : 0;
    if (w >= 1) {
        p.curw = int16_t(w);
        m_drag.downx = int16_t(pos.x());
        m_drag.downy = int16_t(pos.y());
        if (p.playing()) {
            PlayGridPress(w);
            return;
        }
        BringIntoView(w);
        w_inp_MouseDown(p.curw - p.wtop, Qt::LeftButton, Qt::NoModifier, 0, 0);
        return;
    }
    lb_wind->hide();
    cr_cw->hide();
    cr_inp->hide();
    fr_inp->setTitle({});
    cb_playresetword->setEnabled(false);
    cb_autoword->setEnabled(false);
}

void gridly::pb_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers, QPoint pos)
{
    Puzzle &p = m_puzzle;
    if (!p.gridwrd || button != Qt::LeftButton || p.curw < 1)
        return;
    const QPointF point(pb->x() + pos.x(), pb->y() + pos.y());
    if (!p.dragging) {
        if (NearGridPress(pos.x(), pos.y(), m_drag.downx, m_drag.downy))
            return;
        ShowDragPicture(point);
        WordEntry &entry = p.Words[p.curw];
        SetDirectionControl(entry.across());
        p.dragging = true;
        // The word leaves the grid at once; only a legal drop brings it back.
        entry.stat = STAT_UNPLACED;
        p.changed = true;
        DispWInp();
        LoadGrid(p);
        GenGridNbrs(p);
        DisplayGrid();
        // A quick flick comes as one move: where the drag starts counts.
    }
    CreateDrgWord(p.curw, point, false);
    if (pos.x() >= 0 && pos.x() < pb->width() && pos.y() >= 0 && pos.y() < pb->height()) {
        const CellHit hit = GetCRpos(pb->x(), pb->y(), point.x(), point.y());
        CkGridPos(hit.ptcol, hit.ptrow);
    } else {
        LeaveGrid();
    }
    CkChangeDr(point);
}

void gridly::pb_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)
{
    Puzzle &p = m_puzzle;
    if (p.playing())
        return;
    p.dragging = false;
    pb_drg->hide();
    if (p.curw == 0) {
        // Nothing selected, or a second button ended a drag: only redraw.
        DisplayGrid();
        DispWInp();
        SetCmdButtons();
        return;
    }
    if (m_drag.fndcol >= 1) {
        DropWord();
    } else {
        WordEntry &entry = p.Words[p.curw];
        if (!entry.placed()) {
            cr_cw->hide();
            entry.dr.assign(DIR_ACROSS);
        }
        DisplayGrid();
    }
    DispWInp();
    // A word taken off the grid changes what the commands may do.
    SetCmdButtons();
}

void gridly::w_inp_MouseMove(int index, Qt::MouseButtons button, Qt::KeyboardModifiers, double x, double y)
{
    Puzzle &p = m_puzzle;
    if (!p.gridwrd || button != Qt::LeftButton || p.curw == 0)
        return;
    const int px = Pixels(x);
    const int py = Pixels(y);
    const int rowtop = fr_winp->y() + w_inp[std::size_t(index)]->y();
    const QPointF point(px + m_drag.pnlleft, py + rowtop);
    if (!p.dragging) {
        // A placed word is dragged from the grid, not from the panel.
        if (p.Words[p.curw].placed() || NearRow(px, py, m_drag.rowwidth, m_drag.rowheight))
            return;
        ShowDragPicture(point);
        p.dragging = true;
        DisplayGrid();
        // A quick flick comes as one move: where the drag starts counts.
    }

    ClearTargetRow();
    CreateDrgWord(p.curw, point, false);
    if (StrictlyInside(point.x(), point.y(), pb->x(), pb->y(), pb->width(), pb->height())) {
        const CellHit hit = GetCRpos(pb->x(), pb->y(), point.x(), point.y());
        CkGridPos(hit.ptcol, hit.ptrow);
        m_drag.scrolly = 9999;
    } else {
        LeaveGrid();
        switch (ZoneOf(point.x(), point.y(), m_drag)) {
        case PanelZone::Rows:
            MarkTargetRow(index, y);
            m_drag.scrolly = 9999;
            break;
        case PanelZone::RightSide:
            ScrollOverPanel(index, x, y);
            break;
        case PanelZone::Elsewhere:
            m_drag.scrolly = 9999;
            break;
        }
    }
    CkChangeDr(point);
}

void gridly::w_inp_MouseUp(int, Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    Puzzle &p = m_puzzle;
    if (!p.dragging)
        return;
    p.dragging = false;
    pb_drg->hide();
    cr_cw->hide();
    if (p.curw == 0) {
        DisplayGrid();
        return;
    }
    if (m_drag.fndcol >= 1) {
        ClearTargetRow();
        DropWord();
        return;
    }
    p.Words[p.curw].dr.assign(DIR_ACROSS);
    DisplayGrid();
    if (m_drag.tgtrow < 0)
        return;
    // Dropped on another word's row: the two words change places in the list.
    const int target = m_drag.tgtrow;
    const int t = w_inp[std::size_t(target)]->tag().toInt();
    std::swap(p.Words[p.curw], p.Words[t]);
    p.changed = true;
    ClearTargetRow();
    DispWInp();
    w_inp_MouseDown(target, Qt::LeftButton, Qt::NoModifier, x, y);
}

// The picture of word w, redrawn over the grid beneath it with its top-left
// corner at the window point; iscreate also gives it the size of the word
// in its present direction.
void gridly::CreateDrgWord(int w, QPointF point, bool iscreate)
{
    const WordEntry &entry = m_puzzle.Words[w];
    const QSize size = iscreate ? DragPictureSize(entry.lw, entry.across()) : pb_drg->size();
    const qreal ratio = pb_drg->devicePixelRatio();
    if (WindowSize(m_drgImage) != size || m_drgImage.devicePixelRatio() != ratio) {
        m_drgImage = QImage(size * ratio, QImage::Format_RGB32);
        m_drgImage.setDevicePixelRatio(ratio);
    }
    std::optional<QPoint> source;
    if (OverlapsGrid(point.x(), point.y(), size, pb->geometry()))
        source = QPoint(RoundHalfEven(point.x()) - (pb->x() + 1), RoundHalfEven(point.y()) - (pb->y() + 1));
    DrawDragPicture(m_drgImage, QString::fromStdString(Cp1252ToUtf8(entry.word.trimmed())), entry.across(),
                    pb->image(), source);
    pb_drg->setPixmap(QPixmap::fromImage(m_drgImage));
    pb_drg->setGeometry(QRect(QPoint(RoundHalfEven(point.x()), RoundHalfEven(point.y())), size));
}

// Another button pressed during a drag ends it: its picture and red box go
// at once, and the grid loses the grey of dragging.
void gridly::HideDragPicture()
{
    if (!pb_drg->isVisible())
        return;
    pb_drg->hide();
    cr_cw->hide();
    DisplayGrid();
}

void gridly::ShowDragPicture(QPointF point)
{
    CreateDrgWord(m_puzzle.curw, point, true);
    pb_drg->show();
    pb_drg->raise();
}

// The red box shows where the word would land when that place is legal. The
// place is searched only when the pointer reaches another cell.
void gridly::CkGridPos(int ptcol, int ptrow)
{
    if (ptcol != m_drag.lastcol || ptrow != m_drag.lastrow) {
        const Found found = DropPosition(m_puzzle, m_puzzle.curw, ptcol, ptrow);
        m_drag.fndcol = found.fndcol;
        m_drag.fndrow = found.fndrow;
        if (found.found()) {
            const WordEntry &entry = m_puzzle.Words[m_puzzle.curw];
            const CellCorner corner = GetXYpos(pb->x(), pb->y(), ptcol, ptrow);
            const int length = entry.lw * CELLPX;
            cr_cw->setGeometry(corner.cellx - pb->x(), corner.celly - pb->y(), entry.across() ? length : 22,
                               entry.across() ? 22 : length);
        }
        m_drag.lastcol = int16_t(ptcol);
        m_drag.lastrow = int16_t(ptrow);
    }
    cr_cw->setVisible(m_drag.fndcol >= 1);
}

void gridly::LeaveGrid()
{
    m_drag.lastcol = m_drag.lastrow = 0;
    m_drag.fndcol = 0;
    cr_cw->hide();
}

// Entering the direction control turns the dragged word, once per entry; the
// control's tag remembers whether the pointer is over it.
void gridly::CkChangeDr(QPointF point)
{
    const QRect control = drg_change->geometry();
    if (!StrictlyInside(point.x(), point.y(), control.x(), control.y(), control.width(), control.height())) {
        drg_change->setProperty("tag", QStringLiteral("out"));
        return;
    }
    if (drg_change->property("tag").toString() != QLatin1String("out"))
        return;
    WordEntry &entry = m_puzzle.Words[m_puzzle.curw];
    const bool toDown = drg_change->toolTip() == QLatin1String("Down");
    entry.dr.assign(toDown ? DIR_DOWN : DIR_ACROSS);
    SetDirectionControl(!toDown);
    drg_change->setProperty("tag", QStringLiteral("in"));
    CreateDrgWord(m_puzzle.curw, point, true);
}

void gridly::DropWord()
{
    Puzzle &p = m_puzzle;
    WordEntry &entry = p.Words[p.curw];
    int gc = m_drag.fndcol;
    int gr = m_drag.fndrow;
    std::string dr = entry.dr.str();
    PutWordInGrid(p, p.curw, entry.lw, gc, gr, dr);
    GenGridNbrs(p);
    DisplayGrid();
    BringIntoView(p.curw);
    w_inp_MouseDown(p.curw - p.wtop, Qt::LeftButton, Qt::NoModifier, 0, 0);
}

// Lights the row under the pointer as a drop target when it holds another
// word that is not in the grid.
void gridly::MarkTargetRow(int index, double y)
{
    std::array<bool, PANEL_ROWS> showsWord{};
    for (int i = 0; i < PANEL_ROWS; ++i)
        showsWord[std::size_t(i)] = w_inp[std::size_t(i)]->tag() != QLatin1String("000");
    const int row = RowUnder(ROW_TOPS[std::size_t(index)] + y, showsWord);
    if (row < 0)
        return;
    const int t = w_inp[std::size_t(row)]->tag().toInt();
    if (t == m_puzzle.curw || m_puzzle.Words[t].placed())
        return;
    w_inp[std::size_t(row)]->setBackground(TARGET_ROW);
    m_drag.tgtrow = row;
}

void gridly::ClearTargetRow()
{
    if (m_drag.tgtrow < 0)
        return;
    w_inp[std::size_t(m_drag.tgtrow)]->setBackground(Qt::white);
    m_drag.tgtrow = -1;
}

// Over the panel's scroll bar the list scrolls one word for each move of
// more than 8 twips up or down.
void gridly::ScrollOverPanel(int index, double x, double y)
{
    const double panelx = ROW_LEFT + x;
    const double panely = ROW_TOPS[std::size_t(index)] + y;
    const QRect bar = w_scroll->geometry();
    if (!(panelx > bar.left() * TPP && panelx < (bar.left() + bar.width()) * TPP)) {
        m_drag.scrolly = 9999;
        return;
    }
    const ScrollStep step = ScrollOverBar(panely, m_drag.scrolly, w_scroll->value(), w_scroll->maximum());
    w_scroll->setValue(step.value);
    m_drag.scrolly = step.scrolly;
}
