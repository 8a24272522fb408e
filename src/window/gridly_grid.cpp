// Generating grids, placing one word, the grid size and shifting all words.
#include "window/gridly.h"

#include "document/puzzle_grid.h"
#include "grid/connected_grid.h"
#include "grid/generator.h"
#include "grid/grid_size.h"
#include "panel/word_moves.h"
#include "panel/word_panel.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "view/widget_text.h"

#include <QLabel>
#include <QScrollBar>

void gridly::cb_procAutosz_Click()
{
    Generate(Sizing::Auto);
}

void gridly::cb_procfixsize_Click()
{
    Generate(Sizing::Fixed);
}

void gridly::Generate(Sizing sizing)
{
    if (m_doc.puzzle().nwords == 0)
        return;
    if (m_desktop.message(WidgetText(GENERATE_QUESTION), WidgetText(GENERATE_QUESTION_TITLE), Desktop::Buttons::YesNo,
                          Desktop::Icon::Question)
        != Desktop::Answer::Yes)
        return;
    const PuzzleDocument::StepScope step(m_doc, sizing == Sizing::Auto ? QStringLiteral("Generate (Auto Size)")
                                                                       : QStringLiteral("Generate (Fixed Size)"));
    m_desktop.setWaitCursor(true);
    const bool done = m_doc.update([this, sizing](Puzzle &p) {
        return sizing == Sizing::Auto ? GenerateAutoSize(p, m_random) : GenerateFixedSize(p, m_random);
    });
    m_desktop.setWaitCursor(false);
    if (!done)
        m_desktop.message(WidgetText(GenerateFailedText(sizing)), WidgetText(GENERATE_FAILED_TITLE),
                          Desktop::Buttons::Ok, Desktop::Icon::Information);
}

// The connected maker on the panel's words, no larger than the size bars
// show; the grid is cut to the words as Generate (Auto Size) cuts it. Words
// that do not fit are named, and the others placed only when the user says so.
void gridly::MakeConnectedGrid()
{
    const QString title = QStringLiteral("Make Connected Grid");
    const Puzzle &p = m_doc.puzzle();
    if (p.nwords == 0)
        return;
    if (const std::string refusal = ConnectedRefusal(p, p.gcols, p.grows); !refusal.empty()) {
        m_desktop.message(WidgetText(refusal), title, Desktop::Buttons::Ok, Desktop::Icon::Information);
        return;
    }
    m_desktop.setWaitCursor(true);
    const ConnectedLayout layout = MakeConnectedLayout(p, ConnectedLimits{p.gcols, p.grows}, m_random);
    m_desktop.setWaitCursor(false);
    if (!layout.complete()) {
        QString text = QStringLiteral("These Words Do Not Fit:");
        for (const LeftOutWord &left : layout.leftOut)
            text += QLatin1Char('\r') + WidgetText(p.Words[left.word + 1].word.trimmed()) + QStringLiteral(": ")
                + QString::fromStdString(left.reason);
        text += QStringLiteral("\r\rPlace the Other Words");
        if (m_desktop.message(text, title, Desktop::Buttons::YesNo, Desktop::Icon::Question) != Desktop::Answer::Yes)
            return;
    }
    m_doc.edit(title, [&layout](Puzzle &q) { PlaceConnectedLayout(q, layout, Sizing::Auto); });
}

void gridly::cb_putword_Click()
{
    const PuzzleDocument::StepScope step(m_doc, QStringLiteral("Auto Put Word in Grid"));
    if (m_doc.update(AutoPutWord).found())
        m_panel->PressRowOf(m_doc.puzzle().curw);
}

// The current word leaves the grid as a drag off the grid takes it.
void gridly::TakeWordOut()
{
    const Puzzle &p = m_doc.puzzle();
    if (p.curw < 1 || p.curw > p.nwords || !p.Words[p.curw].placed())
        return;
    m_doc.edit(QStringLiteral("Take Word Out of Grid"), [](Puzzle &q) {
        LiftWord(q);
        DropNowhere(q);
    });
}

// A size bar moved by the user; one below the smallest size holding the
// words goes back to it.
void gridly::scr_gcols_Change()
{
    const int wanted = m_cmd->scr_gcols->value();
    m_doc.edit(QStringLiteral("Change Grid Size"), [wanted](Puzzle &p) {
        const int held = ChangeGridCols(p, wanted);
        if (held != wanted)
            ChangeGridCols(p, held);
    });
    m_cmd->ShowSize(m_doc.puzzle().gcols, m_doc.puzzle().grows);
}

void gridly::scr_grows_Change()
{
    const int wanted = m_cmd->scr_grows->value();
    m_doc.edit(QStringLiteral("Change Grid Size"), [wanted](Puzzle &p) {
        const int held = ChangeGridRows(p, wanted);
        if (held != wanted)
            ChangeGridRows(p, held);
    });
    m_cmd->ShowSize(m_doc.puzzle().gcols, m_doc.puzzle().grows);
}

void gridly::cb_resize_Click()
{
    m_doc.edit(QStringLiteral("Set to Minimun Size"), SetToMinimumSize);
}

void gridly::mv_words_Click(int index)
{
    static constexpr char TAGS[] = {'U', 'R', 'D', 'L'};
    static const char *const NAMES[] = {"Move Words Up", "Move Words Right", "Move Words Down", "Move Words Left"};
    const char tag = TAGS[index];
    m_doc.edit(QString::fromLatin1(NAMES[index]), [tag](Puzzle &p) { ShiftWords(p, tag); });
}

void gridly::cb_cleargrid_Click()
{
    if (m_doc.puzzle().nplaced == 0)
        return;
    if (m_desktop.message(WidgetText(CLEAR_GRID_QUESTION), WidgetText(CLEAR_GRID_QUESTION_TITLE),
                          Desktop::Buttons::YesNo, Desktop::Icon::Question)
        != Desktop::Answer::Yes)
        return;
    m_doc.edit(QStringLiteral("Clear Grid"), [](Puzzle &p) {
        ResetWords(p);
        if (p.nwords > 0)
            p.changed = true;
    });
}
