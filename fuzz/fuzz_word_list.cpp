// The word list reader over any bytes. An oracle written here reads the
// same bytes by the rules a user is told (one line a word, a tab, its clue;
// what the word and clue boxes take; what Add refuses) and finds every fault
// of every line. The reader must then refuse at the first faulty line, naming
// it and one of its faults, or, when no line is faulty, give exactly the
// oracle's words and clues; and what it gives must pass the boxes' own rules
// and Add again.
#include "document/puzzle_invariants.h"
#include "document/word_list.h"
#include "document/word_rules.h"
#include "fuzz_check.h"
#include "oracle_text.h"

#include <charconv>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int MOST_WORDS = 40, WORD_CHARS = 24, CLUE_CHARS = 40;

// Every fault a line has, and what it gives when it has none.
struct LineFaults {
    bool noTab = false, notUtf8 = false, wordBlank = false, clueBlank = false;
    bool full = false, twice = false, doubleBlank = false;
    std::set<char32_t> wordRefuses, clueRefuses;
    std::size_t wordChars = 0, clueChars = 0;
    std::string word;  // upper case
    std::string clue;  // Windows-1252
    bool any() const
    {
        return noTab || notUtf8 || wordBlank || clueBlank || full || twice || doubleBlank || !wordRefuses.empty()
            || !clueRefuses.empty() || wordChars > WORD_CHARS || clueChars > CLUE_CHARS;
    }
};

struct Expected {
    std::vector<LineFaults> words;  // the lines that give words, in order
    int faultyLine = 0;             // the first faulty line, 0 when none
    LineFaults faults;              // that line's faults
};

bool WordBoxTakes(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '&'
        || c == '-';
}

bool ClueBoxTakes(char32_t c)
{
    return !IsControl(c) && Cp1252Byte(c).has_value();
}

std::string_view WithoutBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

LineFaults Judge(std::string_view line, const std::vector<LineFaults> &before)
{
    LineFaults f;
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        f.noTab = true;
        return f;
    }
    const DecodedText word = DecodeUtf8Strictly(WithoutBlanks(line.substr(0, tab)));
    const DecodedText clue = DecodeUtf8Strictly(WithoutBlanks(line.substr(tab + 1)));
    f.notUtf8 = !word.wellFormed || !clue.wellFormed;
    f.wordChars = word.chars.size();
    f.clueChars = clue.chars.size();
    f.wordBlank = word.chars.empty();
    f.clueBlank = clue.chars.empty();
    f.full = before.size() == MOST_WORDS;
    for (const char32_t c : word.chars) {
        if (!WordBoxTakes(c))
            f.wordRefuses.insert(c);
        else
            f.word += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : char(c);
    }
    for (const char32_t c : clue.chars) {
        if (!ClueBoxTakes(c))
            f.clueRefuses.insert(c);
        else
            f.clue += char(*Cp1252Byte(c));
    }
    f.doubleBlank = f.wordRefuses.empty() && f.word.find("  ") != std::string::npos;
    for (const LineFaults &earlier : before)
        f.twice = f.twice || (f.wordRefuses.empty() && earlier.word == f.word);
    return f;
}

Expected ReadAsTold(std::string_view text)
{
    Expected expected;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        LineFaults faults = Judge(line, expected.words);
        if (faults.any()) {
            expected.faultyLine = number;
            expected.faults = std::move(faults);
            return expected;
        }
        expected.words.push_back(std::move(faults));
    }
    return expected;
}

// The character a refusal names after "does not take ": "X" or U+XXXX.
bool NamedCharacter(std::string_view shown, char32_t &c)
{
    if (shown.size() == 6 && shown.substr(0, 2) == "U+") {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(shown.data() + 2, shown.data() + 6, value, 16);
        c = value;
        return error == std::errc() && end == shown.data() + 6;
    }
    if (shown.size() < 3 || shown.front() != '"' || shown.back() != '"')
        return false;
    const DecodedText inner = DecodeUtf8Strictly(shown.substr(1, shown.size() - 2));
    c = inner.chars.empty() ? 0 : inner.chars.front();
    return inner.wellFormed && inner.chars.size() == 1;
}

// Whether reason (the refusal after "Line N: ") is one of the line's faults.
bool NamesAFault(const std::string &reason, const LineFaults &f)
{
    const auto refuses = [&](const std::string &box, const std::set<char32_t> &refused) {
        const std::string lead = "the " + box + " box does not take ";
        char32_t c;
        return reason.starts_with(lead) && NamedCharacter(std::string_view(reason).substr(lead.size()), c)
            && refused.count(c) > 0;
    };
    const auto tooLong = [&](const std::string &box, int most, std::size_t chars) {
        return int(chars) > most
            && reason
            == "the " + box + " box holds at most " + std::to_string(most) + " characters, not "
                + std::to_string(chars);
    };
    return (f.noTab && reason == "no tab between the word and its clue")
        || (f.notUtf8 && reason == "the text is not UTF-8") || refuses("word", f.wordRefuses)
        || refuses("clue", f.clueRefuses) || tooLong("word", WORD_CHARS, f.wordChars)
        || tooLong("clue", CLUE_CHARS, f.clueChars) || (f.full && reason == "a puzzle holds at most 40 words")
        || (f.wordBlank && reason == "Word is Blank. Please Enter a Word")
        || (f.clueBlank && reason == "Clue is Blank. Please Enter a Clue")
        || (f.twice && reason == "Word Already Exists.")
        || (f.doubleBlank && reason == "Word has 2 blank spaces together, only 1 is allowed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const WordListRead read = ReadWordList(bytes);
    const Expected expected = ReadAsTold(bytes);

    if (expected.faultyLine != 0) {
        const std::string at = "Line " + std::to_string(expected.faultyLine) + ": ";
        FUZZ_CHECK(read.refusal.starts_with(at),
                   "line " + std::to_string(expected.faultyLine)
                       + " is the first faulty line; the reader said: " + read.refusal);
        FUZZ_CHECK(NamesAFault(read.refusal.substr(at.size()), expected.faults),
                   "the refusal names no fault of its line: " + read.refusal);
        return 0;
    }
    if (expected.words.empty()) {
        FUZZ_CHECK(read.refusal == "The list holds no words", "a list of no words was read as: " + read.refusal);
        return 0;
    }
    FUZZ_CHECK(read.refusal.empty(), "a sound list was refused: " + read.refusal);

    const Puzzle &p = read.puzzle;
    FUZZ_CHECK(p.nwords == int(expected.words.size()), "the list holds another number of words");
    FUZZ_CHECK(!p.changed && p.curw == 0, "a list read is not a fresh puzzle");
    const std::string fault = CheckInvariants(p);
    FUZZ_CHECK(fault.empty(), fault);
    Puzzle typed;
    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &e = p.Words[i];
        const LineFaults &want = expected.words[std::size_t(i - 1)];
        const std::string at = "word " + std::to_string(i) + ": ";
        FUZZ_CHECK(e.word == FixedText<WORDLEN>(want.word) && e.lw == int(want.word.size()),
                   at + "read as \"" + e.word.trimmed() + "\", not \"" + want.word + "\"");
        FUZZ_CHECK(e.clue == FixedText<CLUELEN>(want.clue), at + "clue read as \"" + e.clue.trimmed() + "\"");
        FUZZ_CHECK(!e.placed() && e.pword == FixedText<WORDLEN>() && e.pwok == 0, at + "not a new word");
        // What the boxes hold and Add takes, as a user would type it.
        const std::string clue = Cp1252BytesToUtf8(want.clue);
        FUZZ_CHECK(SanitizeWordText(want.word) == want.word, at + "the word box would change the word");
        FUZZ_CHECK(SanitizeClueText(clue) == clue, at + "the clue box would change the clue");
        const auto rejection = AddWord(typed, want.word, want.clue);
        FUZZ_CHECK(!rejection, at + "Add refuses it: " + rejection->text);
        FUZZ_CHECK(typed.Words[i] == e, at + "Add stores it otherwise");
    }
    return 0;
}
