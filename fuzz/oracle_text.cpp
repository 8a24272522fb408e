#include "oracle_text.h"

namespace {

// RFC 3629, section 4: the lead byte decides the range of the second byte;
// every later byte is 80..BF.
struct Sequence {
    unsigned char leadLow, leadHigh, secondLow, secondHigh;
    int length;
};
constexpr Sequence SEQUENCES[] = {
    {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3}, {0xE1, 0xEC, 0x80, 0xBF, 3}, {0xED, 0xED, 0x80, 0x9F, 3},
    {0xEE, 0xEF, 0x80, 0xBF, 3}, {0xF0, 0xF0, 0x90, 0xBF, 4}, {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
};

// Windows-1252, bytes 80..9F (0 where the code page defines nothing).
constexpr char32_t HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

DecodedText DecodeUtf8Strictly(std::string_view bytes)
{
    DecodedText out;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            out.chars.push_back(lead);
            ++at;
            continue;
        }
        int length = 0;
        for (const Sequence &s : SEQUENCES) {
            if (lead < s.leadLow || lead > s.leadHigh || at + std::size_t(s.length) > bytes.size())
                continue;
            const unsigned char second = static_cast<unsigned char>(bytes[at + 1]);
            bool fits = second >= s.secondLow && second <= s.secondHigh;
            for (int k = 2; k < s.length; ++k)
                fits = fits && (static_cast<unsigned char>(bytes[at + std::size_t(k)]) & 0xC0) == 0x80;
            if (fits)
                length = s.length;
        }
        if (length == 0) {
            out.chars.push_back(0xFFFD);
            out.wellFormed = false;
            ++at;
            continue;
        }
        char32_t c = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            c = c << 6 | (static_cast<unsigned char>(bytes[at + std::size_t(k)]) & 0x3F);
        out.chars.push_back(c);
        at += std::size_t(length);
    }
    return out;
}

std::string EncodeUtf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | c >> 6);
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3F));
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}

std::string EncodeUtf8(const std::vector<char32_t> &chars)
{
    std::string out;
    for (const char32_t c : chars)
        out += EncodeUtf8(c);
    return out;
}

char32_t Cp1252Char(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && HIGH[byte - 0x80] != 0)
        return HIGH[byte - 0x80];
    return byte;
}

std::optional<unsigned char> Cp1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (int b = 0x80; b <= 0x9F; ++b)
        if (Cp1252Char(static_cast<unsigned char>(b)) == c)
            return static_cast<unsigned char>(b);
    return std::nullopt;
}

std::string Cp1252BytesToUtf8(std::string_view cp1252)
{
    std::string out;
    for (const char b : cp1252)
        out += EncodeUtf8(Cp1252Char(static_cast<unsigned char>(b)));
    return out;
}
