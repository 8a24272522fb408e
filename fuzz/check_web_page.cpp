// The web page read back against its template, byte by byte: every byte is
// the template's own, the style or the script exactly, a policy hash naming
// them, the title as HTML text, or the puzzle's data, which holds no "<" at
// all (so no text can end its script block or open a comment there) and
// parses as strict JSON holding the grid, the words with their clues in list
// order and the scrambled solution. No character of a title or clue is ever
// markup: the page holds exactly as many "<" as its template, style and
// script.
#include "document/web_page.h"
#include "document/web_page_parts.h"
#include "fuzz_check.h"
#include "strict_json.h"
#include "writer_checks.h"

#include <algorithm>
#include <cstdint>

namespace {

// The title as the page shows it: an ill-formed byte as U+FFFD, the C0
// controls and DEL, which a page cannot show, left out.
std::string ShownTitle(std::string_view title)
{
    std::vector<char32_t> chars = DecodeUtf8Strictly(title).chars;
    std::erase_if(chars, [](char32_t c) { return c < 0x20 || c == 0x7F; });
    return EncodeUtf8(chars);
}

// The page's script reads the solution back so: base64, then each byte
// XORed with an xorshift32 stream seeded from the length.
std::string Unscrambled(std::string_view code)
{
    const auto bytes = DecodeBase64(code);
    FUZZ_CHECK(bytes.has_value(), "the page's code is not base64");
    uint32_t x = 0x2545F491u ^ uint32_t(bytes->size());
    std::string out;
    for (const char b : *bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        out += char(static_cast<unsigned char>(b) ^ (x >> 24));
    }
    return out;
}

void CheckHash(std::string_view held, const WebPagePart &part)
{
    FUZZ_CHECK(held.starts_with("'sha256-") && held.ends_with("'"), "a policy hash of another form");
    const auto digest = DecodeBase64(held.substr(8, held.size() - 9));
    FUZZ_CHECK(digest && digest->size() * 2 == part.sha256.size(), "a policy hash that is no SHA-256");
    constexpr char hex[] = "0123456789abcdef";
    std::string digits;
    for (const char b : *digest)
        digits += std::string{hex[static_cast<unsigned char>(b) >> 4], hex[b & 15]};
    FUZZ_CHECK(digits == part.sha256, "a policy hash that names something else");
}

void CheckData(std::string_view data, const PuzzleModel &model)
{
    FUZZ_CHECK(data.find('<') == std::string_view::npos, "the data block holds a \"<\"");
    const JsonRead read = ReadStrictJson(data);
    FUZZ_CHECK(read.fault.empty(), "the page's data is not JSON: " + read.fault);
    const JsonValue &json = read.value;
    int cols = 0, rows = 0;
    FUZZ_CHECK(json.member("cols") && json.member("cols")->isInt(cols) && cols == model.cols && json.member("rows")
                   && json.member("rows")->isInt(rows) && rows == model.rows,
               "the page's grid has another size");
    constexpr char hex[] = "0123456789abcdef";
    std::string colour = "#";
    for (const uint8_t v : {model.background.r, model.background.g, model.background.b})
        colour += std::string{hex[v >> 4], hex[v & 15]};
    FUZZ_CHECK(json.member("block") && json.member("block")->text == colour, "the page's block colour differs");

    const JsonValue *words = json.member("words");
    FUZZ_CHECK(words && words->items.size() == model.words.size(), "the page holds another number of words");
    for (std::size_t i = 0; i < model.words.size(); ++i) {
        const ModelWord &word = model.words[i];
        const JsonValue &held = words->items[i];
        int v[5] = {};
        bool ints = held.items.size() == 6;
        for (std::size_t k = 0; ints && k < 5; ++k)
            ints = held.items[k].isInt(v[k]);
        FUZZ_CHECK(ints && v[0] == word.number && v[1] == (word.across ? 1 : 0) && v[2] == word.col && v[3] == word.row
                       && v[4] == word.length,
                   "the page's word " + std::to_string(word.index) + " differs");
        FUZZ_CHECK(held.items[5].isString() && held.items[5].text == Cp1252BytesToUtf8(word.clue),
                   "the page's clue " + std::to_string(word.index) + " differs");
    }
    std::string solution;
    for (int r = 1; r <= model.rows; ++r)
        for (int c = 1; c <= model.cols; ++c)
            solution += model.hasLetter(c, r) ? model.letters.at({c, r}) : CELL_EMPTY;
    const JsonValue *code = json.member("code"), *key = json.member("key");
    FUZZ_CHECK(code && code->isString() && Unscrambled(code->text) == solution, "the page's solution differs");
    FUZZ_CHECK(key && key->text.size() == 23 && key->text.starts_with("gridly-")
                   && key->text.find_first_not_of(hex, 7) == std::string::npos,
               "the page's storage key is of another form");
}

}  // namespace

void CheckWebPage(const Puzzle &p, const PuzzleModel &model)
{
    const ExportFile file = WriteWebPage(p, model.title);
    FUZZ_CHECK(file.refusal.empty(), "the page refused a puzzle with every word in the grid: " + file.refusal);
    const std::string_view page = file.bytes;
    FUZZ_CHECK(DecodeUtf8Strictly(page).wellFormed, "the page is not UTF-8");
    const auto count = [](std::string_view text) { return std::count(text.begin(), text.end(), '<'); };
    FUZZ_CHECK(count(page) == count(WEB_PAGE_TEMPLATE) + count(WEB_PAGE_STYLE.text) + count(WEB_PAGE_SCRIPT.text),
               "a title or clue put a \"<\" into the page");

    // Walk the template: its own text must stand in the page as it is; each
    // {{NAME}} is the part named, which for a title or the data ends where
    // the template's next text starts (with a "<", which neither may hold).
    std::string_view rest = WEB_PAGE_TEMPLATE;
    std::size_t at = 0;
    int titles = 0;
    for (;;) {
        const std::size_t open = rest.find("{{");
        const std::string_view literal = rest.substr(0, open);
        FUZZ_CHECK(page.substr(at, literal.size()) == literal,
                   "the page leaves its template at byte " + std::to_string(at));
        at += literal.size();
        if (open == std::string_view::npos)
            break;
        const std::size_t close = rest.find("}}", open);
        const std::string_view name = rest.substr(open + 2, close - open - 2);
        rest.remove_prefix(close + 2);
        const WebPagePart *whole = name == "STYLE" ? &WEB_PAGE_STYLE : name == "SCRIPT" ? &WEB_PAGE_SCRIPT : nullptr;
        if (whole) {
            FUZZ_CHECK(page.substr(at, whole->text.size()) == whole->text,
                       std::string(name) + " is not the page's own");
            at += whole->text.size();
            continue;
        }
        const std::size_t end = rest.empty() ? std::string_view::npos : page.find(rest.front(), at);
        FUZZ_CHECK(end != std::string_view::npos, "the page ends inside " + std::string(name));
        const std::string_view part = page.substr(at, end - at);
        at = end;
        if (name == "TITLE") {
            ++titles;
            const auto decoded = DecodeEntities(part);
            FUZZ_CHECK(decoded && *decoded == ShownTitle(model.title),
                       "the page's title reads back otherwise: " + std::string(part));
        } else if (name == "DATA") {
            CheckData(part, model);
        } else {
            FUZZ_CHECK(name == "SCRIPT_HASH" || name == "STYLE_HASH", "an unknown part " + std::string(name));
            CheckHash(part, name == "SCRIPT_HASH" ? WEB_PAGE_SCRIPT : WEB_PAGE_STYLE);
        }
    }
    FUZZ_CHECK(at == page.size(), "the page goes on after its template");
    FUZZ_CHECK(titles >= 1, "the page shows no title");
}
