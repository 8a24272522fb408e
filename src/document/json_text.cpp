#include "document/json_text.h"

#include "document/text_codec.h"

namespace {

void AppendEscape(std::string &out, char32_t c)
{
    constexpr char hex[] = "0123456789abcdef";
    out += "\\u00";
    out += hex[c >> 4];
    out += hex[c & 15];
}

}  // namespace

std::string JsonQuoted(std::string_view utf8, JsonMarkup markup)
{
    std::string out = "\"";
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = DecodeUtf8(utf8, pos);
        if (c == INVALID_UTF8)
            c = 0xFFFD;
        const bool markupChar = c == '&' || c == '<' || c == '>';
        if (markupChar && markup == JsonMarkup::HtmlEntities) {
            out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : "&gt;";
        } else if ((markupChar && markup == JsonMarkup::HtmlSafe) || c < 0x20) {
            AppendEscape(out, c);
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out + "\"";
}
