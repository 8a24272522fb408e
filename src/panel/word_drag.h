// Dragging a word onto the grid, from its panel row or from the grid itself:
// the picture of the word that follows the pointer (pb_drg), the tests of
// where it may land, and the direction control that turns it. The pressed
// control keeps the pointer until the release, so a drag from a row arrives
// in twips from that row and a drag from the grid in the grid picture's
// pixels; both become window pixels here. A drag is one step of the
// document's history, from lifting the word to dropping it, turns included.
// What the grid, the panel and the red box must show besides the puzzle, it
// signals.
#pragma once

#include "panel/drag_geometry.h"
#include "panel/drag_state.h"
#include "undo/puzzle_document.h"

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QRect>

class QLabel;
class ShapeBox;

class WordDrag : public QObject {
    Q_OBJECT
public:
    WordDrag(QWidget *window, PuzzleDocument &document);

    bool dragging() const { return m_dragging; }

    void SetPanelPlace(const PanelPlace &place) { m_panel = place; }
    // Where the grid picture lies in the window and what it shows, after every redraw.
    void SetGrid(const QRect &place, const QImage &picture);
    // The control offers the other direction than dr.
    void SetDirectionControl(Direction dr);
    void SetControlColour(const QColor &colour);
    void ShowControl(bool show);
    void PressOnGrid(QPoint pos);  // a left press on the grid, in its pixels
    void End();                    // what every press and every choice of a word does first
    void HidePicture();

    void pb_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint pos);
    void pb_MouseUp();
    void w_inp_MouseMove(int index, Qt::MouseButtons buttons, double x, double y);
    void w_inp_MouseUp();

signals:
    void lookChanged();       // the grid turns grey while dragging, and back
    void wordDropped(int w);  // the current word came back at a legal place
    void dragEnded();         // a drag from the grid is over
    void wordBoxMoved(const QRect &box);
    void wordBoxShown(bool shown);
    void overPanel(int index, double x, double y, PanelZone zone);
    void droppedOnPanel();

private:
    void CreateDrgWord(int w, QPointF point, bool iscreate);
    void ShowDragPicture(QPointF point);
    void HideDragPicture();
    void CkGridPos(int ptcol, int ptrow);
    void LeaveGrid();
    void CkChangeDr(QPointF point);
    void DropWord();
    void StartDrag();
    void EndStep();

    PuzzleDocument &m_doc;
    bool m_dragging = false;
    bool m_inStep = false;  // the drag's step is open
    DragState m_drag;
    PanelPlace m_panel;
    QRect m_grid;        // the grid picture's place in the window
    QImage m_gridImage;  // and its picture
    ShapeBox *sh_chg1 = nullptr;
    ShapeBox *sh_chg2 = nullptr;
    QLabel *drg_change = nullptr;
    QLabel *Label3 = nullptr;
    QPixmap drga_ico;
    QPixmap drgd_ico;
    Direction m_turnTo = Direction::Down;  // what the direction control offers
    bool m_overControl = false;            // the pointer is over it: it turned the word once
    QLabel *pb_drg = nullptr;
    QImage m_drgImage;  // what pb_drg shows, redrawn on every move of a drag
};
