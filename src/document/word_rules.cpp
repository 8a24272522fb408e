#include "document/word_rules.h"

#include "document/blank_trim.h"
#include "document/puzzle_grid.h"
#include "document/text_codec.h"

namespace {

constexpr char CR = '\r';

bool IsWordCharacter(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '&' || c == '-';
}

char32_t ToUpper(char32_t c)
{
    return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
}

// Add and Update first refuse an empty word, then an empty clue.
std::optional<Rejection> BlankFault(std::string_view word, std::string_view clue, const std::string &title)
{
    if (word.empty())
        return Rejection{std::string("Word is Blank.") + CR + "Please Enter a Word", title, EntryBox::Word, {}};
    if (clue.empty())
        return Rejection{std::string("Clue is Blank.") + CR + "Please Enter a Clue", title, EntryBox::Clue, {}};
    return std::nullopt;
}

std::optional<Rejection> DoubleBlankFault(std::string_view word, const std::string &title)
{
    if (word.find("  ") == std::string_view::npos)
        return std::nullopt;
    return Rejection{"Word has 2 blank spaces together, only 1 is allowed", title, EntryBox::Word, {}};
}

// First word 1..nwords equal to word when trimmed; 0 when none.
int FindWord(const Puzzle &p, std::string_view word)
{
    for (int i = 1; i <= p.nwords; ++i)
        if (p.Words[i].word.trimmed() == word)
            return i;
    return 0;
}

std::string_view WordPart(std::string_view word)
{
    return TrimBlanks(word.substr(0, WORDLEN));
}

}  // namespace

int FilterWordKey(int charCode)
{
    const int upper = int(ToUpper(char32_t(charCode)));
    return upper == 8 || IsWordCharacter(char32_t(upper)) ? upper : 0;
}

std::string SanitizeWordText(std::string_view utf8)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size() && out.size() < WORDLEN) {
        const char32_t c = ToUpper(DecodeUtf8(utf8, pos));
        if (IsWordCharacter(c))
            out += char(c);
    }
    return out;
}

std::string SanitizeClueText(std::string_view utf8)
{
    std::string out;
    int kept = 0;
    std::size_t pos = 0;
    while (pos < utf8.size() && kept < CLUELEN) {
        const char32_t c = DecodeUtf8(utf8, pos);
        if (c < 32 || (c >= 127 && c <= 159) || !Cp1252CanHold(c))
            continue;
        AppendUtf8(out, c);
        ++kept;
    }
    return out;
}

std::optional<Rejection> AddWord(Puzzle &p, std::string_view word, std::string_view clue)
{
    const std::string title = "Add Word";
    word = WordPart(word);
    clue = TrimBlanks(clue);
    if (auto fault = BlankFault(word, clue, title))
        return fault;
    if (FindWord(p, word) != 0)
        return Rejection{"Word Already Exists.", title, EntryBox::Word, {}};
    if (auto fault = DoubleBlankFault(word, title))
        return fault;

    // nbr, gc and gr keep what the entry held: they mean nothing until placed.
    WordEntry &e = p.Words[p.nwords + 1];
    e.word.assign(word);
    e.clue.assign(clue);
    e.lw = int16_t(word.size());
    e.dr = Direction::Across;
    e.stat = STAT_UNPLACED;
    e.pword.clear();
    e.pwok = 0;
    ++p.nwords;
    p.changed = true;
    return std::nullopt;
}

std::optional<Rejection> UpdateWord(Puzzle &p, std::string_view word, std::string_view clue)
{
    const std::string title = "Update Word";
    WordEntry &e = p.Words[p.curw];
    word = WordPart(word);
    clue = TrimBlanks(clue);
    if (auto fault = BlankFault(word, clue, title))
        return fault;
    const std::string old = e.word.trimmed();
    if (word != old && e.placed())
        return Rejection{"Can Not Update a Word that is assigned to the Grid.", title, EntryBox::Word, old};
    // The first equal word decides, so a list holding the word twice lets the
    // earlier of the two keep its text.
    if (const int same = FindWord(p, word); same != 0 && same != p.curw)
        return Rejection{"Word '" + std::string(word) + "' Already Exists.", title, EntryBox::Word, {}};
    if (auto fault = DoubleBlankFault(word, title))
        return fault;

    // A new text makes the answer meaningless; a new clue keeps it. A word can
    // only get a new text while it is out of the grid, so no cell holds it.
    if (word != old) {
        e.word.assign(word);
        e.lw = int16_t(word.size());
        e.pword.clear();
        e.pwok = 0;
    }
    e.clue.assign(clue);
    p.changed = true;
    return std::nullopt;
}

std::string DeleteQuestion(const Puzzle &p)
{
    const WordEntry &e = p.Words[p.curw];
    if (e.placed())
        return "Word '" + e.word.trimmed() + "' is in the Grid." + CR + "Delete Word";
    return "Delete '" + e.word.trimmed() + "'";
}

void DeleteWord(Puzzle &p)
{
    // The last entry keeps its content; it is simply no longer in the list.
    for (int i = p.curw; i < p.nwords; ++i)
        p.Words[i] = p.Words[i + 1];
    --p.nwords;
    LoadGrid(p);
    GenGridNbrs(p);
    p.curw = 0;
    p.changed = p.nwords > 0;
}
