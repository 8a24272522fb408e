#include "play/play_side.h"

#include "play/clue_list.h"
#include "play/clue_list_text.h"
#include "play/play_commands.h"
#include "play/play_grid.h"
#include "play/play_key_codes.h"
#include "play/play_keys.h"
#include "view/background.h"
#include "view/button_keys.h"
#include "view/cell_geometry.h"
#include "view/design_controls.h"
#include "view/shape_box.h"
#include "view/widget_text.h"

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

ClueList *MakeClueList(QWidget *window, const char *name, const QString &accessibleName, int top)
{
    auto *list = Named(new ClueList(window), name, 10845, top, 4350, 480);
    list->setAccessibleName(accessibleName);
    list->setFocusPolicy(Qt::TabFocus);  // a player may choose clues with the keyboard
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, QColor(224, 224, 224));
    pal.setColor(QPalette::Text, Qt::blue);
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));  // a completed puzzle's lists
    list->setPalette(pal);
    list->hide();
    list->setEnabled(false);  // nothing to choose outside play mode
    return list;
}

}  // namespace

PlaySide::PlaySide(QWidget *window, QWidget *logoFrame, QWidget *grid, PuzzleDocument &document, Desktop &desktop)
    : QObject(window), m_doc(document), m_desktop(desktop)
{
    // The strip lies beyond the logo frame's edge in design mode, and is
    // hidden and disabled there too, so that nothing reaches it unseen.
    m_strip = new QWidget(logoFrame);
    m_strip->setObjectName(QStringLiteral("play_strip"));
    PlaceTwips(m_strip, 0, 0, 7320, 1170);
    ShowStrip(false);
    LineAt(m_strip, 1260, 90, 30, 990, QFrame::VLine);
    lb_playstat = LabelAt(m_strip, "lb_playstat", {}, 1440, 570, 4095, 330);
    lb_playstat->setAlignment(Qt::AlignCenter);
    lb_playstat->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(lb_playstat, QColor(255, 255, 128));
    ck_valid_word = PictureButton(m_strip, "ck_valid_word", 5655, 195, QStringLiteral("Valid Word Indicator on/off"),
                                  QStringLiteral("validword"));
    ck_valid_word->setCheckable(true);
    ck_valid_word->setIcon(ToggleIcon(QStringLiteral("validword")));
    cb_autoword =
        PictureButton(m_strip, "cb_autoword", 5655, 660, QStringLiteral("Get Word"), QStringLiteral("getword"));
    // The picture of "Do Cross Word": clearing all answers starts the puzzle again.
    cb_playreset =
        PictureButton(m_strip, "cb_playreset", 6150, 195, QStringLiteral("Clear All Words"), QStringLiteral("play"));
    cb_playresetword = PictureButton(m_strip, "cb_playresetword", 6150, 660, QStringLiteral("Clear Current Word"),
                                     QStringLiteral("clearword"));
    cb_dsng = PictureButton(m_strip, "cb_dsng", 6630, 195, QStringLiteral("Design"), QStringLiteral("design"));
    cb_exit2 = PictureButton(m_strip, "cb_exit2", 6630, 660, QStringLiteral("Exit"), QStringLiteral("exit"));
    clue_lst_A = MakeClueList(window, "clue_lst_A", QStringLiteral("Across clues"), 6270);
    clue_lst_D = MakeClueList(window, "clue_lst_D", QStringLiteral("Down clues"), 6855);
    cr_inp = new ShapeBox(grid, Qt::blue, 2);
    cr_inp->setObjectName(QStringLiteral("cr_inp"));
    cr_inp->setGeometry(0, 0, CELLPX, CELLPX);
    cr_inp->hide();

    const auto click = [this](QToolButton *button, void (PlaySide::*handler)()) {
        connect(button, &QToolButton::clicked, this, handler);
    };
    click(cb_dsng, &PlaySide::cb_dsng_Click);
    click(cb_exit2, &PlaySide::cb_exit2_Click);
    click(cb_autoword, &PlaySide::cb_autoword_Click);
    click(cb_playresetword, &PlaySide::cb_playresetword_Click);
    click(cb_playreset, &PlaySide::cb_playreset_Click);
    // Set from code too (start-up), so the change itself is the event.
    connect(ck_valid_word, &QToolButton::toggled, this, &PlaySide::ck_valid_word_Click);
    // A release over a play button comes before its click and gives the grid the keys.
    for (QToolButton *button : {cb_autoword, cb_playresetword, cb_playreset, ck_valid_word, cb_dsng, cb_exit2})
        OnMouseRelease(button, [this] { emit gridFocusWanted(); });
    connect(clue_lst_A, &ClueList::chosen, this, &PlaySide::clue_lst_A_Click);
    connect(clue_lst_D, &ClueList::chosen, this, &PlaySide::clue_lst_D_Click);
    connect(&m_doc, &PuzzleDocument::changed, this, &PlaySide::PuzzleChanged);
}

void PlaySide::Enter(int left, int top, int bottom)
{
    const int height = (bottom - top) / 2;
    clue_lst_A->setGeometry(left, top, clue_lst_A->width(), height);
    clue_lst_D->setGeometry(left, bottom - height, clue_lst_D->width(), height);
    FillClueLists();
    ShowStrip(true);
    clue_lst_A->show();
    clue_lst_D->show();
    EnableWordButtons(false);
    // Design mode left them disabled, and so may a completed puzzle; this one may not be completed.
    clue_lst_A->setEnabled(true);
    clue_lst_D->setEnabled(true);
    ck_valid_word->setEnabled(true);
    m_doc.update([](Puzzle &p) { PGridStat(p); });
    ShowPlayStat();
    m_doc.setCursor({});
}

bool PlaySide::ValidWord() const
{
    return ck_valid_word->isChecked();
}

// Set from code (start-up): the window draws the grid once it is all set.
void PlaySide::SetValidWord(bool on)
{
    const QSignalBlocker quiet(ck_valid_word);
    ck_valid_word->setChecked(on);
}

void PlaySide::cb_dsng_Click()
{
    clue_lst_A->clear();
    clue_lst_D->clear();
    cr_inp->hide();
    clue_lst_A->hide();
    clue_lst_D->hide();
    clue_lst_A->setEnabled(false);
    clue_lst_D->setEnabled(false);
    ShowStrip(false);
    emit designChosen();
}

void PlaySide::ShowStrip(bool show)
{
    m_strip->setVisible(show);
    m_strip->setEnabled(show);
}

QWidgetList PlaySide::TabOrder() const
{
    return {clue_lst_A, clue_lst_D, ck_valid_word, cb_autoword, cb_playreset, cb_playresetword, cb_dsng, cb_exit2};
}

void PlaySide::cb_exit2_Click()
{
    emit exitChosen();
}

// Header items first, then one item per word in list order; the lists sort them.
void PlaySide::FillClueLists()
{
    const Puzzle &p = m_doc.puzzle();
    AddClueItem(clue_lst_A, CLUE_HEADER_ACROSS, 0);
    AddClueItem(clue_lst_D, CLUE_HEADER_DOWN, 0);
    for (int w = 1; w <= p.nwords; ++w) {
        const WordEntry &entry = p.Words[w];
        AddClueItem(entry.across() ? clue_lst_A : clue_lst_D, ClueListText(entry), w);
    }
}

ClueList *PlaySide::ListOf(int w) const
{
    return m_doc.puzzle().Words[w].across() ? clue_lst_A : clue_lst_D;
}

void PlaySide::clue_lst_A_Click()
{
    ChooseClue(clue_lst_A, clue_lst_D);
}

void PlaySide::clue_lst_D_Click()
{
    ChooseClue(clue_lst_D, clue_lst_A);
}

void PlaySide::ChooseClue(ClueList *list, ClueList *other)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const int w = Datum(selected.constFirst());
    m_doc.update([w](Puzzle &p) { p.curw = int16_t(w); });
    if (w > 0) {
        const WordEntry &entry = m_doc.puzzle().Words[w];
        emit currentWordShown(true);
        m_doc.setCursor({entry.gc, entry.gr});
        PlaceCursorBox();
        cr_inp->show();
        EnableWordButtons(true);
    } else {
        emit currentWordShown(false);
        cr_inp->hide();
        EnableWordButtons(false);
        m_doc.setCursor({});
    }
    other->clearSelection();  // its own handler finds nothing selected
    // Chosen from the keyboard in the list, the next clue is chosen there too.
    if (!list->hasFocus())
        emit gridFocusWanted();
}

// The cursor goes to the word's first cell through the word's clue, as a
// click there would.
void PlaySide::PlayGridPress(int w)
{
    m_doc.update([w](Puzzle &p) { p.curw = int16_t(w); });
    const Puzzle &p = m_doc.puzzle();
    if (p.ncorrect == p.nwords) {
        EnableWordButtons(false);
        m_doc.update([](Puzzle &q) { q.curw = 0; });
        return;
    }
    ClueList *list = ListOf(w);
    for (int row = 1; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        if (Datum(item) != w)
            continue;
        list->scrollToItem(item);
        if (!item->isSelected())
            list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        else
            ChooseClue(list, list == clue_lst_A ? clue_lst_D : clue_lst_A);
        return;
    }
}

void PlaySide::NoWordChosen()
{
    cr_inp->hide();
    EnableWordButtons(false);
}

bool PlaySide::WantsKey(const QKeyEvent *event) const
{
    // Tab and Shift+Tab only move the focus, and a clue list that has it
    // keeps the keys that choose a clue there.
    const int k = event->key();
    const QWidget *focus = clue_lst_A->window()->focusWidget();
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab
        || ((focus == clue_lst_A || focus == clue_lst_D)
            && (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Home || k == Qt::Key_End)))
        return false;
    // A play button reached with the keyboard is pressed with Space or Enter,
    // a word being current or not: Get Word and Clear Current Word need one.
    if ((k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) && focus && focus->parentWidget() == m_strip)
        return false;
    const Puzzle &p = m_doc.puzzle();
    return p.curw >= 1 && p.curw <= p.nwords && WordInPlayGrid(p.Words[p.curw]);
}

// Every key is one step of typing into the current word: a key that only
// moves the cursor changes nothing to keep, and the letters typed into one
// word are kept together as one step.
bool PlaySide::Form_KeyDown(QKeyEvent *event)
{
    if (!WantsKey(event))
        return false;
    const PlayKeyPress key = PlayKeyFromQt(event->key(), event->modifiers());
    const int w = m_doc.puzzle().curw;
    const WordEntry &entry = m_doc.puzzle().Words[w];
    const PuzzleDocument::StepScope step(
        m_doc, QStringLiteral("Typing in %1 %2").arg(entry.nbr).arg(entry.across() ? "Across" : "Down"), w);
    const PlayCursor cursor = m_doc.cursor();
    const KeyOutcome outcome =
        m_doc.update([&](Puzzle &p) { return PlayKeyDown(p, cursor, key.keycode, key.shift); });
    m_doc.setCursor(outcome.cursor);
    PlaceCursorBox();
    // A key typed while a clue list has the focus goes to the grid, and the focus with it.
    const QWidget *focus = clue_lst_A->window()->focusWidget();
    if (focus == clue_lst_A || focus == clue_lst_D)
        emit gridFocusWanted();
    return true;
}

void PlaySide::PlaceCursorBox()
{
    const PlayCursor cursor = m_doc.cursor();
    cr_inp->move((cursor.pcol - 1) * CELLPX + 1, (cursor.prow - 1) * CELLPX + 1);
}

void PlaySide::EnableWordButtons(bool enable)
{
    cb_playresetword->setEnabled(enable);
    cb_autoword->setEnabled(enable);
}

void PlaySide::cb_autoword_Click()
{
    m_doc.edit(QStringLiteral("Get Word"), [](Puzzle &p) { GetWord(p); });
}

void PlaySide::cb_playresetword_Click()
{
    if (m_doc.puzzle().curw == 0
        || m_desktop.message(QStringLiteral("Clear Current Word From Play Grid"), QStringLiteral("Clear Word"),
                             Desktop::Buttons::YesNo, Desktop::Icon::Question)
               != Desktop::Answer::Yes)
        return;
    m_doc.edit(QStringLiteral("Clear Current Word"), [](Puzzle &p) { ClearCurrentWord(p); });
}

void PlaySide::cb_playreset_Click()
{
    if (m_desktop.message(QStringLiteral("Clear All Words From Play Grid"), QStringLiteral("Clear Words"),
                          Desktop::Buttons::YesNo, Desktop::Icon::Question)
        != Desktop::Answer::Yes)
        return;
    ck_valid_word->setEnabled(true);
    m_doc.edit(QStringLiteral("Clear All Words"), [](Puzzle &p) { ClearAllWords(p); });
    clue_lst_A->setEnabled(true);
    clue_lst_D->setEnabled(true);
}

void PlaySide::ck_valid_word_Click()
{
    DescribeRightClues();
    emit lookChanged();
}

void PlaySide::PuzzleChanged(Changes what)
{
    if (!m_doc.playing())
        return;
    if (what & Change::Restored)
        ShowRestored();
    else if (what & Change::Answers)
        ShowPlayStat();
}

// The score line; a completed puzzle leaves nothing to choose or reveal.
void PlaySide::ShowPlayStat()
{
    const Puzzle &p = m_doc.puzzle();
    ShowScore();
    if (p.ncorrect != p.nwords)
        return;
    EnableWordButtons(false);
    ck_valid_word->setEnabled(false);
    emit currentWordShown(false);
    cr_inp->hide();
    clue_lst_A->setEnabled(false);
    clue_lst_D->setEnabled(false);
}

// The score line, and the right words' clues. A reader hears the line change
// wherever the focus is: the label tells the change of its name, its text.
void PlaySide::ShowScore()
{
    lb_playstat->setText(QString::fromStdString(ScoreCaption(m_doc.puzzle())));
    DescribeRightClues();
}

// What the indicator's colour says of a right word, its clue says in words.
void PlaySide::DescribeRightClues()
{
    const Puzzle &p = m_doc.puzzle();
    for (ClueList *list : {clue_lst_A, clue_lst_D}) {
        for (int row = 1; row < list->count(); ++row) {
            QListWidgetItem *item = list->item(row);
            const int w = Datum(item);
            const bool right = ValidWord() && w >= 1 && w <= p.nwords && p.Words[w].pwok == 1;
            const QString description = right ? QStringLiteral("right") : QString();
            if (item->data(Qt::AccessibleDescriptionRole).toString() != description)
                item->setData(Qt::AccessibleDescriptionRole, description);
        }
    }
}

// Undo or Redo brought answers, a current word and a cursor back: all of the
// play side is shown from them, the current word's clue chosen in its list.
void PlaySide::ShowRestored()
{
    const Puzzle &p = m_doc.puzzle();
    const bool completed = p.ncorrect == p.nwords;
    ShowScore();
    for (ClueList *list : {clue_lst_A, clue_lst_D}) {
        const QSignalBlocker quiet(list);
        list->clearSelection();
        list->setEnabled(!completed);
    }
    ck_valid_word->setEnabled(!completed);
    const bool current = !completed && p.curw >= 1 && p.curw <= p.nwords;
    if (current) {
        ClueList *list = ListOf(p.curw);
        const QSignalBlocker quiet(list);
        for (int row = 1; row < list->count(); ++row)
            if (Datum(list->item(row)) == p.curw)
                list->setCurrentItem(list->item(row), QItemSelectionModel::ClearAndSelect);
    }
    EnableWordButtons(current);
    emit currentWordShown(current);
    PlaceCursorBox();
    cr_inp->setVisible(current);
}
