#include "document/word_list.h"

#include "document/blank_trim.h"
#include "document/text_codec.h"
#include "document/word_rules.h"

#include <algorithm>

namespace {

// A character as a message shows it: itself in quotes, or its code when it
// cannot be seen.
std::string Shown(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
        constexpr char hex[] = "0123456789ABCDEF";
        std::string code = "U+";
        for (int shift = 12; shift >= 0; shift -= 4)
            code += hex[(c >> shift) & 15];
        return code;
    }
    std::string text = "\"";
    AppendUtf8(text, c);
    return text + "\"";
}

// Why the word box or the clue box would not hold this text, or "".
std::string BoxFault(std::string_view utf8, bool word)
{
    const std::string box = word ? "the word box" : "the clue box";
    int count = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = DecodeUtf8(utf8, pos);
        ++count;
        if (c == INVALID_UTF8)
            return "the text is not UTF-8";
        std::string one;
        AppendUtf8(one, c);
        const bool kept = word ? c != 8 && FilterWordKey(int(c)) != 0 : !SanitizeClueText(one).empty();
        if (!kept)
            return box + " does not take " + Shown(c);
    }
    const int limit = word ? WORDLEN : CLUELEN;
    if (count > limit)
        return box + " holds at most " + std::to_string(limit) + " characters, not " + std::to_string(count);
    return {};
}

}  // namespace

WordListRead ReadWordList(std::string_view utf8)
{
    WordListRead result;
    Puzzle &p = result.puzzle;
    if (utf8.starts_with("\xEF\xBB\xBF"))
        utf8.remove_prefix(3);
    int number = 0;
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;

        const std::string at = "Line " + std::to_string(number) + ": ";
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            result.refusal = at + "no tab between the word and its clue";
            return result;
        }
        const std::string_view word = TrimBlanks(line.substr(0, tab));
        const std::string_view clue = TrimBlanks(line.substr(tab + 1));
        std::string fault = BoxFault(word, true);
        if (fault.empty())
            fault = BoxFault(clue, false);
        if (fault.empty() && p.nwords == MAXWORDS)
            fault = "a puzzle holds at most " + std::to_string(MAXWORDS) + " words";
        if (fault.empty()) {
            if (const auto rejection = AddWord(p, SanitizeWordText(word), Utf8ToCp1252(clue))) {
                fault = rejection->text;
                std::replace(fault.begin(), fault.end(), '\r', ' ');
            }
        }
        if (!fault.empty()) {
            result.refusal = at + fault;
            return result;
        }
    }
    if (p.nwords == 0)
        result.refusal = "The list holds no words";
    p.changed = false;
    return result;
}
