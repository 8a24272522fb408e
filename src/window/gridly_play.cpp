// Solving the puzzle on screen: entering and leaving play mode, the clue
// lists, choosing the current word, the cursor cell, keyboard entry and the
// play commands. The answers and their judgement live in the core; these
// handlers move the boxes and refresh the widgets from the Puzzle.
#include "window/gridly.h"

#include "panel/entry_strip.h"
#include "panel/word_drag.h"
#include "panel/word_panel.h"
#include "play/clue_list_text.h"
#include "play/play_commands.h"
#include "play/play_grid.h"
#include "view/cell_geometry.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "view/widget_text.h"
#include "play/clue_list.h"
#include "play/play_key_codes.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

namespace {

void AddClueItem(QListWidget *list, std::string_view cp1252, int datum)
{
    auto *item = new QListWidgetItem(WidgetText(cp1252));
    item->setData(Qt::UserRole, datum);
    list->addItem(item);
}

int Datum(const QListWidgetItem *item)
{
    return item->data(Qt::UserRole).toInt();
}

} // namespace

void gridly::cb_play_Click()
{
    Puzzle &p = m_puzzle;
    if (!p.complete())
        return;
    ::PgridToPwords(p);
    p.curw = 0;
    m_drag->HidePicture();
    cr_cw->hide();
    p.runmode = RunMode::Play;
    p.gridwrdsv = p.gridwrd;
    p.gridwrd = false;
    ShowDesignControls(false);

    fr_logo->resize(sh_fr2->width(), fr_logo->height());
    sh_fr->move(fr_logo->x() + 1, sh_fr->y());
    sh_fr2->move(fr_logo->x(), sh_fr2->y());
    DisplayGrid();
    // Across from the top of the grid frame, Down to the bottom of the entry
    // strip, each half the space between, so that they meet.
    const int top = sh_fr2->y();
    const int bottom = m_entry->y() + m_entry->height();
    const int height = (bottom - top) / 2;
    const int left = sh_fr->x() + sh_fr->width() + 3;
    clue_lst_A->setGeometry(left, top, clue_lst_A->width(), height);
    clue_lst_D->setGeometry(left, bottom - height, clue_lst_D->width(), height);

    FillClueLists();
    clue_lst_A->show();
    clue_lst_D->show();
    EnableWordButtons(false);
    // A completed puzzle left them disabled; this one may not be completed.
    clue_lst_A->setEnabled(true);
    clue_lst_D->setEnabled(true);
    ck_valid_word->setEnabled(true);
    PGridStat();
    m_cursor = {};
}

void gridly::cb_dsng_Click()
{
    Puzzle &p = m_puzzle;
    clue_lst_A->clear();
    clue_lst_D->clear();
    p.curw = 0;
    m_drag->HidePicture();
    cr_cw->hide();
    cr_inp->hide();
    p.runmode = RunMode::Design;
    clue_lst_A->hide();
    clue_lst_D->hide();
    ShowDesignControls(true);
    fr_logo->resize(fr_cmd->width(), fr_logo->height());
    sh_fr->move(m_entry->x() + 1, sh_fr->y());
    sh_fr2->move(m_entry->x(), sh_fr2->y());
    p.gridwrd = p.gridwrdsv;
    DisplayGrid();
    // Play mode dropped the current word: the panel and the commands say so.
    DispWInp();
    SetCmdButtons();
}

void gridly::ShowDesignControls(bool show)
{
    for (QWidget *control : std::initializer_list<QWidget *>{fr_cmd, m_panel, m_entry})
        control->setVisible(show);
    m_drag->ShowControl(show);
    // In play mode Tab goes round the grid and the two clue lists.
    pb->setFocusPolicy(show ? Qt::ClickFocus : Qt::StrongFocus);
}

// Header items first, then one item per word in list order; the lists sort them.
void gridly::FillClueLists()
{
    AddClueItem(clue_lst_A, CLUE_HEADER_ACROSS, 0);
    AddClueItem(clue_lst_D, CLUE_HEADER_DOWN, 0);
    for (int w = 1; w <= m_puzzle.nwords; ++w) {
        const WordEntry &entry = m_puzzle.Words[w];
        AddClueItem(entry.across() ? clue_lst_A : clue_lst_D, ClueListText(entry), w);
    }
}

void gridly::clue_lst_A_Click()
{
    ChooseClue(clue_lst_A, clue_lst_D);
}

void gridly::clue_lst_D_Click()
{
    ChooseClue(clue_lst_D, clue_lst_A);
}

void gridly::ChooseClue(QListWidget *list, QListWidget *other)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    Puzzle &p = m_puzzle;
    p.curw = int16_t(Datum(selected.constFirst()));
    if (p.curw > 0) {
        const WordEntry &entry = p.Words[p.curw];
        PlaceCurrentWordBox();
        cr_cw->show();
        m_cursor = {entry.gc, entry.gr};
        PlaceCursorBox();
        cr_inp->show();
        EnableWordButtons(true);
    } else {
        m_drag->HidePicture();
        cr_cw->hide();
        cr_inp->hide();
        EnableWordButtons(false);
        m_cursor = {};
    }
    other->clearSelection();  // its own handler finds nothing selected
    pb->setFocus();
}

// A left press on a cell of word w (its CWIdx) in play mode. The cursor goes
// to the word's first cell through the word's clue, as a click there would.
void gridly::PlayGridPress(int w)
{
    Puzzle &p = m_puzzle;
    p.curw = int16_t(w);
    if (p.ncorrect == p.nwords) {
        EnableWordButtons(false);
        p.curw = 0;
        return;
    }
    const bool across = p.Words[w].across();
    ClueList *list = across ? clue_lst_A : clue_lst_D;
    for (int row = 1; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        if (Datum(item) != w)
            continue;
        list->scrollToItem(item);
        if (!item->isSelected())
            list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        else if (across)
            clue_lst_A_Click();
        else
            clue_lst_D_Click();
        return;
    }
}

bool gridly::Form_KeyDown(QKeyEvent *event)
{
    // Tab and Shift+Tab only move the focus, and a clue list that has it
    // keeps the keys that choose a clue there.
    const int k = event->key();
    const QWidget *focus = focusWidget();
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab
        || ((focus == clue_lst_A || focus == clue_lst_D)
            && (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Home || k == Qt::Key_End)))
        return false;
    const PlayKeyPress key = PlayKeyFromQt(event->key(), event->modifiers());
    const KeyOutcome outcome = PlayKeyDown(m_puzzle, m_cursor, key.keycode, key.shift);
    if (!outcome.consumed)
        return false;
    m_cursor = outcome.cursor;
    if (outcome.stat) {
        ShowPlayStat(*outcome.stat);
        DisplayGrid();
    }
    PlaceCursorBox();
    return true;
}

void gridly::PlaceCursorBox()
{
    cr_inp->move((m_cursor.pcol - 1) * CELLPX + 1, (m_cursor.prow - 1) * CELLPX + 1);
}

void gridly::EnableWordButtons(bool enable)
{
    cb_playresetword->setEnabled(enable);
    cb_autoword->setEnabled(enable);
}

void gridly::cb_autoword_Click()
{
    if (const std::optional<PlayStat> stat = GetWord(m_puzzle)) {
        ShowPlayStat(*stat);
        DisplayGrid();
    }
}

void gridly::cb_playresetword_Click()
{
    if (m_puzzle.curw == 0
        || m_desktop.message(QStringLiteral("Clear Current Word From Play Grid"), QStringLiteral("Clear Word"),
                             Desktop::Buttons::YesNo, Desktop::Icon::Question)
               != Desktop::Answer::Yes)
        return;
    if (const std::optional<PlayStat> stat = ClearCurrentWord(m_puzzle)) {
        ShowPlayStat(*stat);
        DisplayGrid();
    }
}

void gridly::cb_playreset_Click()
{
    if (m_desktop.message(QStringLiteral("Clear All Words From Play Grid"), QStringLiteral("Clear Words"),
                          Desktop::Buttons::YesNo, Desktop::Icon::Question)
        != Desktop::Answer::Yes)
        return;
    ck_valid_word->setEnabled(true);
    ShowPlayStat(ClearAllWords(m_puzzle));
    DisplayGrid();
    clue_lst_A->setEnabled(true);
    clue_lst_D->setEnabled(true);
}

void gridly::ck_valid_word_Click()
{
    if (m_puzzle.redrawok)
        DisplayGrid();
}

void gridly::PGridStat()
{
    ShowPlayStat(::PGridStat(m_puzzle));
}

// The score line; a completed puzzle leaves nothing to choose or reveal.
void gridly::ShowPlayStat(const PlayStat &stat)
{
    lb_playstat->setText(QString::fromStdString(stat.caption));
    if (!stat.completed)
        return;
    EnableWordButtons(false);
    ck_valid_word->setEnabled(false);
    cr_cw->hide();
    cr_inp->hide();
    clue_lst_A->setEnabled(false);
    clue_lst_D->setEnabled(false);
}
