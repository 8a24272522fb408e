// Editing the word list: the word and clue boxes, Add, Update, Delete, Clear.
#include "window/gridly.h"

#include "document/blank_trim.h"
#include "document/word_rules.h"
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

} // namespace

bool gridly::inp_word_KeyPress(QKeyEvent *event)
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

bool gridly::inp_clue_KeyPress(QKeyEvent *event)
{
    if (!IsEnter(event))
        return false;
    cb_addword->setFocus();
    return true;
}

void gridly::inp_word_GotFocus()
{
    if (inp_word->isReadOnly() && inp_clue->isVisible())
        inp_clue->setFocus();
}

// Pasted or dropped text is held to what typing could give.
void gridly::inp_word_Edited(const QString &text)
{
    KeepText(inp_word, text, SanitizeWordText, WORDLEN);
}

// A word too wide for the box at the window's font is shown smaller, whole.
// Inside its frame the box keeps 2 pixels free on each side and 1 for the
// cursor. The box's own text counts: after an edit that inp_word_Edited
// mends, the change is still reported with the text before the mend.
void gridly::inp_word_Change()
{
    const int frame = inp_word->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, inp_word);
    inp_word->setFont(FittingFont(font(), inp_word->text(), inp_word->width() - 2 * frame - 5));
}

void gridly::inp_clue_Edited(const QString &text)
{
    KeepText(inp_clue, text, SanitizeClueText, CLUELEN);
}

void gridly::cb_addword_Click()
{
    if (m_puzzle.nwords >= MAXWORDS)
        return;
    const std::string word = TakeTrimmed(inp_word);
    const std::string clue = TakeTrimmed(inp_clue);
    if (const auto rejection = AddWord(m_puzzle, word, clue)) {
        ShowRejection(*rejection);
        return;
    }
    SetScrollRange();
    BringIntoView(m_puzzle.nwords);
    cb_clear_Click();  // which brings the command states up to date
}

void gridly::cb_updtword_Click()
{
    if (m_puzzle.curw == 0)
        return;
    const std::string word = TakeTrimmed(inp_word);
    const std::string clue = TakeTrimmed(inp_clue);
    if (const auto rejection = UpdateWord(m_puzzle, word, clue)) {
        ShowRejection(*rejection);
        return;
    }
    cb_clear_Click();
}

void gridly::cb_delword_Click()
{
    if (m_puzzle.curw == 0)
        return;
    const Desktop::Answer answer =
        m_desktop.message(WidgetText(DeleteQuestion(m_puzzle)), WidgetText(DELETE_TITLE), Desktop::Buttons::YesNo,
                          Desktop::Icon::Question);
    if (answer != Desktop::Answer::Yes) {
        if (m_puzzle.Words[m_puzzle.curw].placed())
            inp_word->setFocus();
        return;
    }
    DeleteWord(m_puzzle);
    DisplayGrid();
    SetScrollRange();
    DispWInp();
    SetCmdButtons();
    inp_word->setFocus();
}

void gridly::cb_clear_Click()
{
    m_puzzle.curw = 0;
    DispWInp();
    SetCmdButtons();
    inp_word->setFocus();
}

void gridly::ShowRejection(const Rejection &rejection)
{
    if (rejection.restoreWord)
        inp_word->setText(WidgetText(*rejection.restoreWord));
    m_desktop.message(WidgetText(rejection.text), QString::fromStdString(rejection.title),
                      Desktop::Buttons::Ok, Desktop::Icon::Information);
    (rejection.focus == EntryBox::Clue ? inp_clue : inp_word)->setFocus();
}
