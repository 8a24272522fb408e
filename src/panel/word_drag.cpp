#include "panel/word_drag.h"

#include "panel/drag_picture.h"
#include "panel/word_moves.h"
#include "view/background.h"
#include "view/cell_geometry.h"
#include "view/design_controls.h"
#include "view/grid_picture.h"
#include "view/grid_renderer.h"
#include "view/shape_box.h"
#include "view/twips.h"
#include "view/widget_text.h"

#include <QLabel>

namespace {

// A twips value to whole pixels, remainder dropped.
int Pixels(double twips)
{
    return TwipsToPixels(RoundHalfEven(twips));
}

}  // namespace

WordDrag::WordDrag(QWidget *window, PuzzleDocument &document) : QObject(window), m_doc(document)
{
    // The direction control below the panel, in its frame.
    sh_chg1 = ShapeAt(window, "sh_chg1", QColor(128, 128, 128), 8565, 6195, 3315, 1170);
    sh_chg2 = ShapeAt(window, "sh_chg2", Qt::white, 8580, 6210, 3315, 1170);
    drg_change = LabelAt(window, "drg_change", {}, 9930, 6510, 540, 540);
    drg_change->setAlignment(Qt::AlignCenter);
    SetBackground(drg_change, QColor(224, 224, 224));
    Label3 = LabelAt(window, "Label3", QStringLiteral("Direction"), 9690, 7080, 1020, 225);
    Label3->setAlignment(Qt::AlignCenter);
    drg_change->raise();
    drga_ico = Icon(QStringLiteral("across")).pixmap(QSize(32, 32), window->devicePixelRatio());
    drgd_ico = Icon(QStringLiteral("down")).pixmap(QSize(32, 32), window->devicePixelRatio());

    // The picture floats above everything while a word is dragged.
    pb_drg = new QLabel(window);
    pb_drg->setObjectName(QStringLiteral("pb_drg"));
    pb_drg->setAttribute(Qt::WA_TransparentForMouseEvents);
    pb_drg->hide();
}

void WordDrag::SetGrid(const QRect &place, const QImage &picture)
{
    m_grid = place;
    m_gridImage = picture;
}

void WordDrag::SetDirectionControl(Direction dr)
{
    m_turnTo = dr == Direction::Across ? Direction::Down : Direction::Across;
    const bool toDown = m_turnTo == Direction::Down;
    drg_change->setPixmap(toDown ? drgd_ico : drga_ico);
    drg_change->setToolTip(toDown ? QStringLiteral("Down") : QStringLiteral("Across"));
    drg_change->setAccessibleName(drg_change->toolTip());
    m_overControl = false;
}

void WordDrag::SetControlColour(const QColor &colour)
{
    SetBackground(drg_change, colour);
}

void WordDrag::ShowControl(bool show)
{
    for (QWidget *control : std::initializer_list<QWidget *>{sh_chg1, sh_chg2, drg_change, Label3})
        control->setVisible(show);
}

void WordDrag::PressOnGrid(QPoint pos)
{
    m_drag.downx = int16_t(pos.x());
    m_drag.downy = int16_t(pos.y());
}

// A press that ends a drag under way (a second button) ends its step; the
// choice of the dropped word, made while the release is handled, is part of it.
void WordDrag::End()
{
    const bool ended = m_dragging;
    m_dragging = false;
    m_drag.end();
    HideDragPicture();
    if (ended)
        EndStep();
}

void WordDrag::HidePicture()
{
    pb_drg->hide();
}

// The drag is under way from here to its release: one step of the history.
void WordDrag::StartDrag()
{
    m_dragging = true;
    m_inStep = true;
    m_doc.beginStep(QStringLiteral("Drag ") + WidgetText(m_doc.puzzle().Words[m_doc.puzzle().curw].word.trimmed()));
}

void WordDrag::EndStep()
{
    if (!m_inStep)
        return;
    m_inStep = false;
    m_doc.endStep();
}

void WordDrag::pb_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint pos)
{
    const Puzzle &p = m_doc.puzzle();
    if (!p.gridwrd || buttons != Qt::LeftButton || p.curw < 1)
        return;
    const QPointF point(m_grid.x() + pos.x(), m_grid.y() + pos.y());
    if (!m_dragging) {
        if (NearGridPress(pos.x(), pos.y(), m_drag.downx, m_drag.downy))
            return;
        ShowDragPicture(point);
        SetDirectionControl(p.Words[p.curw].dr);
        StartDrag();
        m_doc.update(LiftWord);
        // A quick flick comes as one move: where the drag starts counts.
    }
    CreateDrgWord(p.curw, point, false);
    if (pos.x() >= 0 && pos.x() < m_grid.width() && pos.y() >= 0 && pos.y() < m_grid.height()) {
        const CellHit hit = GetCRpos(m_grid.x(), m_grid.y(), point.x(), point.y());
        CkGridPos(hit.ptcol, hit.ptrow);
    } else {
        LeaveGrid();
    }
    CkChangeDr(point);
}

void WordDrag::pb_MouseUp()
{
    if (m_doc.playing())
        return;
    m_dragging = false;
    pb_drg->hide();
    if (m_doc.puzzle().curw == 0) {
        // Nothing selected, or a second button ended a drag: only redraw.
        emit lookChanged();
        emit dragEnded();
        EndStep();
        return;
    }
    if (m_drag.fndcol >= 1) {
        DropWord();
    } else {
        if (!m_doc.puzzle().Words[m_doc.puzzle().curw].placed())
            emit wordBoxShown(false);
        m_doc.update(DropNowhere);
        emit lookChanged();
    }
    // A word taken off the grid changes what the commands may do.
    emit dragEnded();
    EndStep();
}

void WordDrag::w_inp_MouseMove(int index, Qt::MouseButtons buttons, double x, double y)
{
    const Puzzle &p = m_doc.puzzle();
    if (!p.gridwrd || buttons != Qt::LeftButton || p.curw == 0)
        return;
    const int px = Pixels(x);
    const int py = Pixels(y);
    const QPointF point(px + m_panel.pnlleft, py + m_panel.rowtop[std::size_t(index)]);
    if (!m_dragging) {
        // A placed word is dragged from the grid, not from the panel.
        if (p.Words[p.curw].placed() || NearRow(px, py, m_panel.rowwidth, m_panel.rowheight))
            return;
        ShowDragPicture(point);
        StartDrag();
        emit lookChanged();
        // A quick flick comes as one move: where the drag starts counts.
    }

    CreateDrgWord(p.curw, point, false);
    PanelZone zone = PanelZone::Elsewhere;
    if (StrictlyInside(point.x(), point.y(), m_grid.x(), m_grid.y(), m_grid.width(), m_grid.height())) {
        const CellHit hit = GetCRpos(m_grid.x(), m_grid.y(), point.x(), point.y());
        CkGridPos(hit.ptcol, hit.ptrow);
    } else {
        LeaveGrid();
        zone = ZoneOf(point.x(), point.y(), m_panel);
    }
    emit overPanel(index, x, y, zone);
    CkChangeDr(point);
}

void WordDrag::w_inp_MouseUp()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    pb_drg->hide();
    emit wordBoxShown(false);
    if (m_doc.puzzle().curw == 0) {
        emit lookChanged();
        EndStep();
        return;
    }
    if (m_drag.fndcol >= 1) {
        DropWord();
        EndStep();
        return;
    }
    m_doc.update(DropNowhere);
    emit lookChanged();
    // Dropped on another word's row: the two words change places in the list.
    emit droppedOnPanel();
    EndStep();
}

// The picture of word w, redrawn over the grid beneath it with its top-left
// corner at the window point; iscreate also gives it the size of the word
// in its present direction.
void WordDrag::CreateDrgWord(int w, QPointF point, bool iscreate)
{
    const WordEntry &entry = m_doc.puzzle().Words[w];
    const QSize size = iscreate ? DragPictureSize(entry.lw, entry.across()) : pb_drg->size();
    const qreal ratio = pb_drg->devicePixelRatio();
    if (WindowSize(m_drgImage) != size || m_drgImage.devicePixelRatio() != ratio) {
        m_drgImage = QImage(size * ratio, QImage::Format_RGB32);
        m_drgImage.setDevicePixelRatio(ratio);
    }
    std::optional<QPoint> source;
    if (OverlapsGrid(point.x(), point.y(), size, m_grid))
        source = QPoint(RoundHalfEven(point.x()) - (m_grid.x() + 1), RoundHalfEven(point.y()) - (m_grid.y() + 1));
    DrawDragPicture(m_drgImage, WidgetText(entry.word.trimmed()), entry.across(), m_gridImage, source);
    pb_drg->setPixmap(QPixmap::fromImage(m_drgImage));
    pb_drg->setGeometry(QRect(QPoint(RoundHalfEven(point.x()), RoundHalfEven(point.y())), size));
}

void WordDrag::ShowDragPicture(QPointF point)
{
    CreateDrgWord(m_doc.puzzle().curw, point, true);
    pb_drg->show();
    pb_drg->raise();
}

// Another button pressed during a drag ends it: its picture and red box go
// at once, and the grid loses the grey of dragging.
void WordDrag::HideDragPicture()
{
    if (!pb_drg->isVisible())
        return;
    pb_drg->hide();
    emit wordBoxShown(false);
    emit lookChanged();
}

// The red box shows where the word would land when that place is legal. The
// place is searched only when the pointer reaches another cell.
void WordDrag::CkGridPos(int ptcol, int ptrow)
{
    if (ptcol != m_drag.lastcol || ptrow != m_drag.lastrow) {
        const Puzzle &p = m_doc.puzzle();
        const Found found = DropPosition(p, p.curw, ptcol, ptrow);
        m_drag.fndcol = found.fndcol;
        m_drag.fndrow = found.fndrow;
        if (found.found()) {
            const WordEntry &entry = p.Words[p.curw];
            emit wordBoxMoved(WordBoxRect(ptcol, ptrow, entry.lw, entry.across()));
        }
        m_drag.lastcol = int16_t(ptcol);
        m_drag.lastrow = int16_t(ptrow);
    }
    emit wordBoxShown(m_drag.fndcol >= 1);
}

void WordDrag::LeaveGrid()
{
    m_drag.lastcol = m_drag.lastrow = 0;
    m_drag.fndcol = 0;
    emit wordBoxShown(false);
}

// Entering the direction control turns the dragged word, once per entry.
void WordDrag::CkChangeDr(QPointF point)
{
    const QRect control = drg_change->geometry();
    if (!StrictlyInside(point.x(), point.y(), control.x(), control.y(), control.width(), control.height())) {
        m_overControl = false;
        return;
    }
    if (m_overControl)
        return;
    const Direction to = m_turnTo;
    m_doc.update([to](Puzzle &p) { TurnWord(p, to); });
    SetDirectionControl(to);
    m_overControl = true;
    CreateDrgWord(m_doc.puzzle().curw, point, true);
}

void WordDrag::DropWord()
{
    const Found at{m_drag.fndcol, m_drag.fndrow};
    m_doc.update([at](Puzzle &p) { ::DropWord(p, at); });
    emit wordDropped(m_doc.puzzle().curw);
}
