// The word panel: sixteen rows showing the words from wtop on, the red marker
// beside the current word's row, the scroll bar, the word count, and the row
// lit as a drop target while a word is dragged over it. It reads the
// document to show it, and scrolling moves the document's first row shown; a
// press on a row chooses that row's word for the window, and so do the
// arrow keys when the panel has the focus.
#pragma once

#include "panel/drag_geometry.h"
#include "panel/panel_layout.h"
#include "undo/puzzle_document.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QScrollBar;
class RowLabel;

class WordPanel : public QGroupBox {
    Q_OBJECT
public:
    WordPanel(QWidget *window, PuzzleDocument &document);

    // The rows and the marker from the puzzle: the panel's part of DispWInp.
    void DispWInp();
    // The scroll bar's range from the word count and its value from the first row shown.
    void ShowScroll();
    void BringIntoView(int w);
    void ShowWordCount();
    void HideMarker();
    // The program chooses word w: brought into view, its row is pressed.
    void PressRowOf(int w);
    PanelPlace Place() const;
    // The panel (its rows) and its scroll bar, in the order Tab visits them.
    QWidgetList TabOrder();

    // While a word is dragged over the panel from row `index` (x, y in twips
    // from that row's corner), lying in `zone`: a row may light up as the
    // drop target, or the list scroll.
    void DragOver(int index, double x, double y, PanelZone zone);
    // A drag released off the grid: onto the lit row's word it swaps places.
    void DropOnTargetRow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // With the focus, Up, Down, Home and End choose a word as a press on its
    // row does, and the focus stays in the panel.
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

signals:
    void rowPressed(int w);  // 0: a row without a word
    void rowMouseMoved(int index, Qt::MouseButtons buttons, double x, double y);
    void rowMouseReleased(int index, double x, double y);

private:
    void w_scroll_Change();
    void w_inp_MouseDown(int index);
    void MarkTargetRow(int index, double y);
    void ClearTargetRow();
    void ScrollOverPanel(int index, double x, double y);

    PuzzleDocument &m_doc;
    std::array<RowLabel *, PANEL_ROWS> w_inp{};
    QLabel *lb_wind = nullptr;
    QScrollBar *w_scroll = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lb_wcnt = nullptr;
    int m_tgtrow = -1;                   // row lit as drop target; -1 = none
    double m_scrolly = NO_SCROLL_EVENT;  // panel twips y of the last drag event over the scroll bar
};
