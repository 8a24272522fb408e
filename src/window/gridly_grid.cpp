// Generating grids, placing one word, the grid size and shifting all words.
#include "window/gridly.h"

#include "document/puzzle_grid.h"
#include "grid/generator.h"
#include "grid/grid_size.h"
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
    if (m_puzzle.nwords == 0)
        return;
    if (m_desktop.message(WidgetText(GENERATE_QUESTION), WidgetText(GENERATE_QUESTION_TITLE), Desktop::Buttons::YesNo,
                          Desktop::Icon::Question)
        != Desktop::Answer::Yes)
        return;
    m_desktop.setWaitCursor(true);
    const bool done =
        sizing == Sizing::Auto ? GenerateAutoSize(m_puzzle, m_random) : GenerateFixedSize(m_puzzle, m_random);
    m_desktop.setWaitCursor(false);
    if (!done) {
        m_desktop.message(WidgetText(GenerateFailedText(sizing)), WidgetText(GENERATE_FAILED_TITLE),
                          Desktop::Buttons::Ok, Desktop::Icon::Information);
        ResetWords();
        return;
    }
    m_puzzle.redrawok = false;
    m_cmd->ShowSize(m_puzzle.gcols, m_puzzle.grows);
    DisplayGrid();
    m_puzzle.redrawok = true;
    m_puzzle.changed = true;
    DispWInp();
    SetCmdButtons();
}

void gridly::cb_putword_Click()
{
    if (!AutoPutWord(m_puzzle).found())
        return;
    DisplayGrid();
    m_panel->PressRowOf(m_puzzle.curw);
}

void gridly::scr_gcols_Change()
{
    const int wanted = m_cmd->scr_gcols->value();
    const int held = ChangeGridCols(m_puzzle, wanted);
    if (held != wanted) {
        m_cmd->scr_gcols->setValue(held);  // runs this handler again for the allowed size
        return;
    }
    m_cmd->lb_gcols->setText(QString::number(m_puzzle.gcols));
    if (m_puzzle.redrawok)
        DisplayGrid();
}

void gridly::scr_grows_Change()
{
    const int wanted = m_cmd->scr_grows->value();
    const int held = ChangeGridRows(m_puzzle, wanted);
    if (held != wanted) {
        m_cmd->scr_grows->setValue(held);
        return;
    }
    m_cmd->lb_grows->setText(QString::number(m_puzzle.grows));
    if (m_puzzle.redrawok)
        DisplayGrid();
}

void gridly::cb_resize_Click()
{
    SetToMinimumSize(m_puzzle);
    m_puzzle.redrawok = false;
    m_cmd->ShowSize(m_puzzle.gcols, m_puzzle.grows);
    DisplayGrid();
    m_puzzle.redrawok = true;
    DispWInp();
    SetCmdButtons();
}

void gridly::mv_words_Click(int index)
{
    static constexpr char TAGS[] = {'U', 'R', 'D', 'L'};
    if (!ShiftWords(m_puzzle, TAGS[index]))
        return;
    DisplayGrid();
    // The red box follows the current word.
    if (m_puzzle.curw != 0 && m_puzzle.Words[m_puzzle.curw].placed())
        cr_cw->setGeometry(WordBoxRect(m_puzzle.Words[m_puzzle.curw]));
}

void gridly::cb_cleargrid_Click()
{
    if (m_puzzle.nplaced == 0)
        return;
    if (m_desktop.message(WidgetText(CLEAR_GRID_QUESTION), WidgetText(CLEAR_GRID_QUESTION_TITLE),
                          Desktop::Buttons::YesNo, Desktop::Icon::Question)
        != Desktop::Answer::Yes)
        return;
    ResetWords();
    if (m_puzzle.nwords > 0)
        m_puzzle.changed = true;
}

void gridly::ResetWords()
{
    ::ResetWords(m_puzzle);
    DispWInp();
    DisplayGrid();
    SetCmdButtons();
}
