#include "panel/word_panel.h"

#include "panel/panel_scroll.h"
#include "panel/row_label.h"
#include "panel/word_moves.h"
#include "view/background.h"
#include "view/design_controls.h"
#include "view/focus_frame.h"
#include "view/twips.h"
#include "view/widget_text.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

const QColor PLACED_ROW(192, 255, 192);
const QColor EMPTY_ROW(192, 192, 192);
const QColor TARGET_ROW(255, 192, 192);

}  // namespace

WordPanel::WordPanel(QWidget *window, PuzzleDocument &document) : QGroupBox(window), m_doc(document)
{
    setObjectName(QStringLiteral("fr_winp"));
    setAccessibleName(QStringLiteral("Word list"));
    setFocusPolicy(Qt::TabFocus);
    PlaceTwips(this, 8565, -60, 3330, 6195);
    lb_wind = LabelAt(this, "lb_wind", {}, 15, 210, 90, 390);
    SetBackground(lb_wind, Qt::red);
    lb_wind->hide();
    for (int r = 0; r < PANEL_ROWS; ++r) {
        RowLabel *row = new RowLabel(this, r);
        row->setObjectName(QStringLiteral("w_inp_%1").arg(r));
        PlaceTwips(row, ROW_LEFT, ROW_TOPS[std::size_t(r)], ROW_WIDTH, r == 0 ? FIRST_ROW_HEIGHT : ROW_HEIGHT);
        w_inp[std::size_t(r)] = row;
        row->installEventFilter(this);
        connect(row, &RowLabel::mousePressed, this, [this](int index) { w_inp_MouseDown(index); });
        connect(row, &RowLabel::mouseMoved, this,
                [this](int index, Qt::MouseButtons buttons, Qt::KeyboardModifiers, double x, double y) {
                    emit rowMouseMoved(index, buttons, x, y);
                });
        connect(row, &RowLabel::mouseReleased, this,
                [this](int index, Qt::MouseButton, Qt::KeyboardModifiers, double x, double y) {
                    emit rowMouseReleased(index, x, y);
                });
    }
    lb_wind->raise();
    w_scroll = new QScrollBar(Qt::Vertical, this);
    w_scroll->setObjectName(QStringLiteral("w_scroll"));
    w_scroll->setAccessibleName(QStringLiteral("Scroll word list"));
    w_scroll->setFocusPolicy(Qt::TabFocus);
    PlaceTwips(w_scroll, 3030, 225, 225, 5280);
    w_scroll->setRange(1, 1);
    w_scroll->setSingleStep(1);
    w_scroll->setPageStep(15);
    Label1 = LabelAt(this, "Label1", QStringLiteral("Word Count:"), 360, 5715, 1245, 255);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lb_wcnt = LabelAt(this, "lb_wcnt", QStringLiteral("0"), 1665, 5685, 720, 285);
    lb_wcnt->setAlignment(Qt::AlignCenter);
    lb_wcnt->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(lb_wcnt, QColor(192, 255, 255));
    connect(w_scroll, &QScrollBar::valueChanged, this, &WordPanel::w_scroll_Change);
}

void WordPanel::DispWInp()
{
    const Puzzle &p = m_doc.puzzle();
    lb_wind->hide();
    for (int r = 0; r < PANEL_ROWS; ++r) {
        RowLabel *row = w_inp[std::size_t(r)];
        const int w = m_doc.wtop() + r;
        if (w > p.nwords) {
            row->setCaption({});
            row->setBackground(EMPTY_ROW);
            row->setWord(0);
            row->setAccessibleDescription({});
            continue;
        }
        const WordEntry &entry = p.Words[w];
        row->setCaption(WidgetText(entry.word.trimmed()));
        row->setWord(w);
        row->setBackground(entry.placed() ? PLACED_ROW : Qt::white);
        // What the row's colour says, for those who do not see it.
        row->setAccessibleDescription(entry.placed() ? QStringLiteral("in the grid")
                                                     : QStringLiteral("not in the grid"));
        if (w == p.curw) {
            lb_wind->move(lb_wind->x(), TwipsToPixels(ROW_TOPS[std::size_t(r)] - 1));
            lb_wind->show();
        }
    }
}

QWidgetList WordPanel::TabOrder()
{
    return {this, w_scroll};
}

void WordPanel::keyPressEvent(QKeyEvent *event)
{
    const int nwords = m_doc.puzzle().nwords;
    const int curw = m_doc.puzzle().curw;
    int w = 0;
    switch (event->key()) {
    case Qt::Key_Up: w = curw > 1 ? curw - 1 : 1; break;
    case Qt::Key_Down: w = curw == 0 ? m_doc.wtop() : qMin(curw + 1, nwords); break;
    case Qt::Key_Home: w = 1; break;
    case Qt::Key_End: w = nwords; break;
    default: QGroupBox::keyPressEvent(event); return;
    }
    if (w < 1 || w > nwords)
        return;
    PressRowOf(w);
    setFocus(Qt::OtherFocusReason);  // chosen from the keyboard: the next key is the panel's too
}

// With the keyboard focus, the rows show the style's focus frame around them.
void WordPanel::paintEvent(QPaintEvent *event)
{
    QGroupBox::paintEvent(event);
    DrawFocusFrame(
        this,
        QRect(w_inp.front()->geometry().topLeft(), w_inp.back()->geometry().bottomRight()).adjusted(-2, -2, 2, 2));
}

// The wheel over the rows scrolls the list as it does over the scroll bar.
bool WordPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QGroupBox::eventFilter(watched, event);
    QCoreApplication::sendEvent(w_scroll, event);
    return true;
}

void WordPanel::w_scroll_Change()
{
    m_doc.setWtop(w_scroll->value());
}

// A first row past the new end of the range becomes its end.
void WordPanel::ShowScroll()
{
    {
        const QSignalBlocker quiet(w_scroll);
        w_scroll->setMaximum(ScrollMaximum(m_doc.puzzle().nwords));
        w_scroll->setValue(m_doc.wtop());
    }
    if (w_scroll->value() != m_doc.wtop())
        m_doc.setWtop(w_scroll->value());
}

void WordPanel::BringIntoView(int w)
{
    w_scroll->setValue(::BringIntoView(w, m_doc.wtop()));
}

void WordPanel::ShowWordCount()
{
    lb_wcnt->setText(QString::number(m_doc.puzzle().nwords));
}

void WordPanel::HideMarker()
{
    lb_wind->hide();
}

void WordPanel::PressRowOf(int w)
{
    BringIntoView(w);
    w_inp_MouseDown(w - m_doc.wtop());
}

PanelPlace WordPanel::Place() const
{
    PanelPlace place;
    for (int r = 0; r < PANEL_ROWS; ++r)
        place.rowtop[std::size_t(r)] = y() + w_inp[std::size_t(r)]->y();
    place.pnlleft = x() + w_inp[1]->x();
    place.rowwidth = w_inp[1]->width();
    place.rowheight = w_inp[1]->height();
    return place;
}

// Every press, of any button, chooses the row's word and ends a drag.
void WordPanel::w_inp_MouseDown(int index)
{
    m_tgtrow = -1;
    m_scrolly = NO_SCROLL_EVENT;
    emit rowPressed(w_inp[std::size_t(index)]->word());
}

void WordPanel::DragOver(int index, double x, double y, PanelZone zone)
{
    ClearTargetRow();
    switch (zone) {
    case PanelZone::Rows:
        MarkTargetRow(index, y);
        m_scrolly = NO_SCROLL_EVENT;
        break;
    case PanelZone::RightSide: ScrollOverPanel(index, x, y); break;
    case PanelZone::Elsewhere: m_scrolly = NO_SCROLL_EVENT; break;
    }
}

void WordPanel::DropOnTargetRow()
{
    if (m_tgtrow < 0)
        return;
    const int target = m_tgtrow;
    const int w = w_inp[std::size_t(target)]->word();
    ClearTargetRow();
    m_doc.update([w](Puzzle &p) { SwapWords(p, w); });
    w_inp_MouseDown(target);
}

// Lights the row under the pointer as a drop target when it holds another
// word that is not in the grid.
void WordPanel::MarkTargetRow(int index, double y)
{
    std::array<bool, PANEL_ROWS> showsWord{};
    for (int i = 0; i < PANEL_ROWS; ++i)
        showsWord[std::size_t(i)] = w_inp[std::size_t(i)]->word() != 0;
    const int row = RowUnder(ROW_TOPS[std::size_t(index)] + y, showsWord);
    if (row < 0)
        return;
    const int t = w_inp[std::size_t(row)]->word();
    if (t == m_doc.puzzle().curw || m_doc.puzzle().Words[t].placed())
        return;
    w_inp[std::size_t(row)]->setBackground(TARGET_ROW);
    m_tgtrow = row;
}

void WordPanel::ClearTargetRow()
{
    if (m_tgtrow < 0)
        return;
    w_inp[std::size_t(m_tgtrow)]->setBackground(Qt::white);
    m_tgtrow = -1;
}

// Over the scroll bar the list scrolls one word for each move of more than
// 8 twips up or down.
void WordPanel::ScrollOverPanel(int index, double x, double y)
{
    const double panelx = ROW_LEFT + x;
    const double panely = ROW_TOPS[std::size_t(index)] + y;
    const QRect bar = w_scroll->geometry();
    if (!(panelx > bar.left() * TPP && panelx < (bar.left() + bar.width()) * TPP)) {
        m_scrolly = NO_SCROLL_EVENT;
        return;
    }
    const ScrollStep step = ScrollOverBar(panely, m_scrolly, w_scroll->value(), w_scroll->maximum());
    w_scroll->setValue(step.value);
    m_scrolly = step.scrolly;
}
