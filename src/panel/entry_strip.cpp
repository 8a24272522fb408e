#include "panel/entry_strip.h"

#include "document/blank_trim.h"
#include "document/command_state.h"
#include "document/word_rules.h"
#include "panel/panel_scroll.h"
#include "view/button_keys.h"
#include "view/design_controls.h"
#include "view/fitting_font.h"
#include "view/widget_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace {

// The box's text trimmed of blanks, written back, as Windows-1252 bytes.
std::string TakeTrimmed(QLineEdit *box)
{
    const QString trimmed = QString::fromStdString(std::string(TrimBlanks(box->text().toStdString())));
    box->setText(trimmed);
    return StoredText(trimmed);
}

bool IsEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// A key that types a character, as opposed to editing, navigation and
// shortcut keys; the text of those, when they have one, is a control
// character (Backspace, Tab, Escape, Delete).
bool TypesCharacter(const QKeyEvent *event)
{
    return !event->text().isEmpty() && event->text().at(0).category() != QChar::Other_Control
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Holds an edited box to what it may hold. What was just put in ends at the
// cursor: both sides of the cursor are filtered first, then the new part is
// cut so that the whole keeps to limit characters, so a paste loses only what
// does not fit after its unwanted characters are gone.
void KeepText(QLineEdit *box, const QString &text, std::string (*filter)(std::string_view), int limit)
{
    const auto kept = [filter](const QString &part) { return QString::fromStdString(filter(part.toStdString())); };
    const int cursor = box->cursorPosition();
    const QString after = kept(text.mid(cursor)).left(limit);
    const QString before = kept(text.left(cursor)).left(limit - after.size());
    if (before + after == text)
        return;
    box->setText(before + after);
    box->setCursorPosition(int(before.size()));
}

}  // namespace

EntryStrip::EntryStrip(QWidget *window, PuzzleDocument &document, Desktop &desktop)
    : QGroupBox(window), m_doc(document), m_desktop(desktop)
{
    setObjectName(QStringLiteral("fr_inp"));
    PlaceTwips(this, 1185, 7380, 10710, 1170);
    inp_word = new QLineEdit(this);
    inp_word->setObjectName(QStringLiteral("inp_word"));
    PlaceTwips(inp_word, 105, 460, 2910, 315);
    inp_word->setAccessibleName(QStringLiteral("Word"));
    inp_clue = new QLineEdit(this);
    inp_clue->setObjectName(QStringLiteral("inp_clue"));
    PlaceTwips(inp_clue, 3030, 460, 5790, 315);
    inp_clue->setAccessibleName(QStringLiteral("Clue"));
    cb_addword = PictureButton(this, "cb_addword", 8880, 410, QStringLiteral("Add A Word"), QStringLiteral("addword"));
    cb_updtword = PictureButton(this, "cb_updtword", 9325, 410, QStringLiteral("Update Current Word"),
                                QStringLiteral("updateword"));
    cb_delword = PictureButton(this, "cb_delword", 9770, 410, QStringLiteral("Delete Current Word"),
                               QStringLiteral("deleteword"));
    cb_clear =
        PictureButton(this, "cb_clear", 10215, 410, QStringLiteral("Clear Input Area"), QStringLiteral("clearinput"));

    connect(cb_addword, &QToolButton::clicked, this, &EntryStrip::cb_addword_Click);
    connect(cb_updtword, &QToolButton::clicked, this, &EntryStrip::cb_updtword_Click);
    connect(cb_delword, &QToolButton::clicked, this, &EntryStrip::cb_delword_Click);
    connect(cb_clear, &QToolButton::clicked, this, &EntryStrip::cb_clear_Click);
    connect(inp_word, &QLineEdit::textEdited, this, &EntryStrip::inp_word_Edited);
    connect(inp_word, &QLineEdit::textChanged, this, &EntryStrip::inp_word_Change);
    connect(inp_clue, &QLineEdit::textEdited, this, &EntryStrip::inp_clue_Edited);
    for (QWidget *control :
         std::initializer_list<QWidget *>{inp_word, inp_clue, cb_addword, cb_updtword, cb_delword, cb_clear})
        control->installEventFilter(this);
}

void EntryStrip::ShowCurrentWord()
{
    const Puzzle &p = m_doc.puzzle();
    inp_word->setReadOnly(p.curw != 0 && p.Words[p.curw].placed());
    if (p.curw == 0) {
        setTitle({});
        inp_word->clear();
        inp_clue->clear();
    } else if (RowOf(p.curw, m_doc.wtop(), p.nwords) >= 0) {
        const WordEntry &entry = p.Words[p.curw];
        inp_word->setText(WidgetText(entry.word.trimmed()));
        inp_clue->setText(WidgetText(entry.clue.trimmed()));
        const QString direction = entry.across() ? QStringLiteral("Across ") : QStringLiteral("Down ");
        setTitle(entry.placed() ? QStringLiteral(" %1-  %2").arg(entry.nbr).arg(direction) : QString());
    }

    if (inp_word->isReadOnly()) {
        if (inp_clue->isVisible())
            inp_clue->setFocus();
    } else if (inp_word->isVisible()) {
        inp_word->setFocus();
    }
}

void EntryStrip::EnableCommands(const CommandStates &states)
{
    cb_addword->setEnabled(states.cb_addword);
    cb_updtword->setEnabled(states.cb_updtword);
    cb_delword->setEnabled(states.cb_delword);
}

QWidgetList EntryStrip::TabOrder() const
{
    return {inp_word, inp_clue, cb_addword, cb_updtword, cb_delword, cb_clear};
}

void EntryStrip::FocusWordBox()
{
    if (inp_word->isVisible())
        inp_word->setFocus();
}

// The window's own filter sees every key first (play mode's keys); what it
// leaves comes here before the boxes.
bool EntryStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && (watched == inp_word || watched == inp_clue)
        && LetsUndoThrough(static_cast<QLineEdit *>(watched), static_cast<QKeyEvent *>(event)))
        return true;  // not taken by the box: the key reaches the puzzle's Undo or Redo
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Its buttons leave the focus where their commands put it, in the box
        // where the next word is typed.
        auto *button = qobject_cast<QToolButton *>(watched);
        if (button && IsPressKey(key)) {
            if (!key->isAutoRepeat())
                button->click();
            return true;
        }
        if (watched == inp_word)
            return inp_word_KeyPress(key);
        if (watched == inp_clue)
            return inp_clue_KeyPress(key);
    } else if (event->type() == QEvent::FocusIn && watched == inp_word) {
        inp_word_GotFocus();
    }
    return QGroupBox::eventFilter(watched, event);
}

// A box takes Ctrl+Z while it has typing to undo, and the keys of Redo while
// it has typing to redo; with none the key is the puzzle's.
bool EntryStrip::LetsUndoThrough(QLineEdit *box, const QKeyEvent *event) const
{
    const QKeyCombination key = event->keyCombination();
    if (key == QKeyCombination(Qt::CTRL, Qt::Key_Z))
        return !box->isUndoAvailable();
    if (key == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z) || key == QKeyCombination(Qt::CTRL, Qt::Key_Y))
        return !box->isRedoAvailable();
    return false;
}

bool EntryStrip::inp_word_KeyPress(QKeyEvent *event)
{
    if (IsEnter(event)) {
        inp_clue->setFocus();
        return true;
    }
    if (!TypesCharacter(event))
        return false;
    const char16_t typed = event->text().at(0).unicode();
    const int kept = FilterWordKey(typed);
    if (kept == 0)
        return true;
    if (kept != typed) {  // lower case: type its capital instead
        if (!inp_word->isReadOnly())
            inp_word->insert(QString(QChar(kept)));
        return true;
    }
    return false;
}

bool EntryStrip::inp_clue_KeyPress(QKeyEvent *event)
{
    if (!IsEnter(event))
        return false;
    cb_addword->setFocus();
    return true;
}

void EntryStrip::inp_word_GotFocus()
{
    if (inp_word->isReadOnly() && inp_clue->isVisible())
        inp_clue->setFocus();
}

// Pasted or dropped text is held to what typing could give.
void EntryStrip::inp_word_Edited(const QString &text)
{
    KeepText(inp_word, text, SanitizeWordText, WORDLEN);
}

// A word too wide for the box at the window's font is shown smaller, whole.
// Inside its frame the box keeps 2 pixels free on each side and 1 for the
// cursor. The box's own text counts: after an edit that inp_word_Edited
// mends, the change is still reported with the text before the mend.
void EntryStrip::inp_word_Change()
{
    const int frame = inp_word->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, inp_word);
    inp_word->setFont(FittingFont(font(), inp_word->text(), inp_word->width() - 2 * frame - 5));
}

void EntryStrip::inp_clue_Edited(const QString &text)
{
    KeepText(inp_clue, text, SanitizeClueText, CLUELEN);
}

void EntryStrip::cb_addword_Click()
{
    if (m_doc.puzzle().nwords >= MAXWORDS)
        return;
    const PuzzleDocument::StepScope step(m_doc, QStringLiteral("Add A Word"));
    const std::string word = TakeTrimmed(inp_word);
    const std::string clue = TakeTrimmed(inp_clue);
    if (const auto rejection = m_doc.update([&](Puzzle &p) { return AddWord(p, word, clue); })) {
        ShowRejection(*rejection);
        return;
    }
    emit wordAdded(m_doc.puzzle().nwords);
    cb_clear_Click();  // which brings the command states up to date
}

void EntryStrip::cb_updtword_Click()
{
    if (m_doc.puzzle().curw == 0)
        return;
    const PuzzleDocument::StepScope step(m_doc, QStringLiteral("Update Current Word"));
    const std::string word = TakeTrimmed(inp_word);
    const std::string clue = TakeTrimmed(inp_clue);
    if (const auto rejection = m_doc.update([&](Puzzle &p) { return UpdateWord(p, word, clue); })) {
        ShowRejection(*rejection);
        return;
    }
    cb_clear_Click();
}

void EntryStrip::cb_delword_Click()
{
    const Puzzle &p = m_doc.puzzle();
    if (p.curw == 0)
        return;
    const Desktop::Answer answer = m_desktop.message(WidgetText(DeleteQuestion(p)), WidgetText(DELETE_TITLE),
                                                     Desktop::Buttons::YesNo, Desktop::Icon::Question);
    if (answer != Desktop::Answer::Yes) {
        if (p.Words[p.curw].placed())
            inp_word->setFocus();
        return;
    }
    m_doc.edit(QStringLiteral("Delete Current Word"), DeleteWord);
    inp_word->setFocus();
}

void EntryStrip::cb_clear_Click()
{
    m_doc.update([](Puzzle &p) { p.curw = 0; });
    emit entryCleared();
    inp_word->setFocus();
}

void EntryStrip::ShowRejection(const Rejection &rejection)
{
    if (rejection.restoreWord)
        inp_word->setText(WidgetText(*rejection.restoreWord));
    m_desktop.message(WidgetText(rejection.text), QString::fromStdString(rejection.title), Desktop::Buttons::Ok,
                      Desktop::Icon::Information);
    (rejection.focus == EntryBox::Clue ? inp_clue : inp_word)->setFocus();
}
