#include "document/web_page.h"

#include "document/json_text.h"
#include "document/text_codec.h"
#include "document/web_page_parts.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace {

std::string Base64(std::string_view bytes)
{
    constexpr char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (i + k < bytes.size() ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= bytes.size() - i ? digits[(group >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

// "'sha256-…'" of a part, as a security policy names it: the digest in base64.
std::string PolicyHash(const WebPagePart &part)
{
    std::string digest;
    for (std::size_t i = 0; i + 1 < part.sha256.size(); i += 2)
        digest += char(std::stoi(std::string(part.sha256.substr(i, 2)), nullptr, 16));
    return "'sha256-" + Base64(digest) + "'";
}

// The page's script undoes this: each byte XORed with an xorshift32 stream
// seeded from the length, then base64.
std::string Scrambled(std::string_view text)
{
    uint32_t x = 0x2545F491u ^ uint32_t(text.size());
    std::string out;
    for (const char c : text) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        out += char(static_cast<unsigned char>(c) ^ (x >> 24));
    }
    return Base64(out);
}

// FNV-1a, 64 bits, in hex: a storage key that follows the puzzle's content.
std::string ContentKey(std::string_view text)
{
    uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    constexpr char hex[] = "0123456789abcdef";
    std::string out = "gridly-";
    for (int shift = 60; shift >= 0; shift -= 4)
        out += hex[(hash >> shift) & 15];
    return out;
}

std::string HtmlText(std::string_view utf8)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = DecodeUtf8(utf8, pos);
        if (c == INVALID_UTF8)
            c = 0xFFFD;
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default:
            if (c >= 0x20 && c != 0x7F)
                AppendUtf8(out, c);
        }
    }
    return out;
}

std::string Colour(Rgb rgb)
{
    constexpr char hex[] = "0123456789abcdef";
    std::string out = "#";
    for (const uint8_t v : {rgb.r, rgb.g, rgb.b})
        out += std::string{hex[v >> 4], hex[v & 15]};
    return out;
}

// The puzzle as the page's script reads it: the grid's size and colour, the
// words in list order as [number, across, column, row, length, clue], the
// solution row by row ("#" where no word runs) scrambled, and the storage key.
std::string PuzzleData(const ExportGrid &grid)
{
    std::string solution;
    for (const std::string &row : grid.solution)
        solution += row;
    std::string data = "{\"cols\":" + std::to_string(grid.cols) + ",\"rows\":" + std::to_string(grid.rows)
        + ",\"block\":\"" + Colour(grid.background) + "\",\"words\":[";
    const char *separator = "\n";
    for (const ExportWord &word : ListOrder(grid)) {
        data += separator + ("[" + std::to_string(word.number)) + "," + (word.across ? "1," : "0,")
            + std::to_string(word.col) + "," + std::to_string(word.row) + "," + std::to_string(word.length) + ","
            + JsonQuoted(Cp1252ToUtf8(word.clue), JsonMarkup::HtmlSafe) + "]";
        separator = ",\n";
    }
    data += "],\n\"code\":\"" + Scrambled(solution) + "\"";
    return data + ",\"key\":\"" + ContentKey(data) + "\"}";
}

// The template with each {{NAME}} replaced; what goes in is not looked at again.
std::string Filled(std::string_view page, const std::map<std::string_view, std::string> &parts)
{
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t open = page.find("{{", at), close = page.find("}}", open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            out += page.substr(at);
            return out;
        }
        out += page.substr(at, open - at);
        const auto part = parts.find(page.substr(open + 2, close - open - 2));
        out += part == parts.end() ? std::string(page.substr(open, close + 2 - open)) : part->second;
        at = close + 2;
    }
}

}  // namespace

ExportFile WriteWebPage(const Puzzle &p, std::string_view title)
{
    ExportGrid grid;
    if (std::string refusal = ReadExportGrid(p, grid); !refusal.empty())
        return {{}, refusal};
    const std::map<std::string_view, std::string> parts{
        {"TITLE", HtmlText(title)},
        {"STYLE", std::string(WEB_PAGE_STYLE.text)},
        {"STYLE_HASH", PolicyHash(WEB_PAGE_STYLE)},
        {"SCRIPT", std::string(WEB_PAGE_SCRIPT.text)},
        {"SCRIPT_HASH", PolicyHash(WEB_PAGE_SCRIPT)},
        {"DATA", PuzzleData(grid)},
    };
    return {Filled(WEB_PAGE_TEMPLATE, parts), {}};
}
