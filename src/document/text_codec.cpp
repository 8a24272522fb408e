#include "document/text_codec.h"

#include <array>
#include <optional>

namespace {

// Unicode of the bytes 0x80..0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char32_t, 32> HIGH_CONTROLS{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t ByteToUnicode(unsigned char b)
{
    return b >= 0x80 && b <= 0x9F ? HIGH_CONTROLS[b - 0x80] : char32_t(b);
}

std::optional<unsigned char> UnicodeToByte(char32_t c)
{
    for (std::size_t i = 0; i < HIGH_CONTROLS.size(); ++i)
        if (HIGH_CONTROLS[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    // Latin-1 code points 0x80..0x9F not in the table above have no byte.
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    return std::nullopt;
}

std::string ToCp1252(std::string_view utf8, bool dropControls)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = DecodeUtf8(utf8, pos);
        if (dropControls && (c < 32 || c == 127))
            continue;
        if (const auto b = UnicodeToByte(c))
            out += static_cast<char>(*b);
    }
    return out;
}

}  // namespace

char32_t DecodeUtf8(std::string_view utf8, std::size_t &pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(pos);
    int extra;
    char32_t c;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        c = lead & 0x07;
    } else {
        ++pos;
        return INVALID_UTF8;
    }
    if (utf8.size() - pos <= std::size_t(extra)) {
        ++pos;
        return INVALID_UTF8;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = byte(pos + std::size_t(k));
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return INVALID_UTF8;
        }
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < smallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return INVALID_UTF8;
    }
    pos += std::size_t(extra) + 1;
    return c;
}

void AppendUtf8(std::string &out, char32_t c)
{
    const auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

std::string Cp1252ToUtf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size());
    for (const char b : cp1252)
        AppendUtf8(out, ByteToUnicode(static_cast<unsigned char>(b)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8)
{
    return ToCp1252(utf8, false);
}

std::string EntryTextToCp1252(std::string_view utf8)
{
    return ToCp1252(utf8, true);
}

bool Cp1252CanHold(char32_t c)
{
    return UnicodeToByte(c).has_value();
}
