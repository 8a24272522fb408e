// Text rules for the fuzz targets' own readers, written from the public
// definitions of UTF-8 (RFC 3629's table of well-formed byte sequences) and
// Windows-1252, not from the program's codec, so that a fault in the codec
// cannot hide itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DecodedText {
    std::vector<char32_t> chars;  // an ill-formed byte gives one U+FFFD
    bool wellFormed = true;
};

DecodedText DecodeUtf8Strictly(std::string_view bytes);

std::string EncodeUtf8(char32_t c);
std::string EncodeUtf8(const std::vector<char32_t> &chars);

// The character a Windows-1252 byte stands for; the five bytes Windows-1252
// leaves undefined stand for the C1 control of the same number.
char32_t Cp1252Char(unsigned char byte);

// The byte that stands for c in Windows-1252, if any.
std::optional<unsigned char> Cp1252Byte(char32_t c);

std::string Cp1252BytesToUtf8(std::string_view cp1252);

// C0 controls, DEL and the C1 controls.
inline bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}
