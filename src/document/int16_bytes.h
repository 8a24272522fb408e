// The 16-bit integers of the files Gridly reads and writes (the puzzle file,
// gridly.cfg, Across Lite .puz): two bytes, the low one first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// bytes[at] and bytes[at + 1] take bits; at + 2 <= bytes.size().
inline void PutInt16(std::string &bytes, std::size_t at, uint16_t bits)
{
    bytes[at] = static_cast<char>(bits & 0xFF);
    bytes[at + 1] = static_cast<char>(bits >> 8);
}

inline void AppendInt16(std::string &bytes, int16_t value)
{
    bytes.append(2, '\0');
    PutInt16(bytes, bytes.size() - 2, static_cast<uint16_t>(value));
}

// The signed integer in bytes[at] and bytes[at + 1]; at + 2 <= bytes.size().
inline int16_t Int16At(std::string_view bytes, std::size_t at)
{
    const auto lo = static_cast<unsigned char>(bytes[at]);
    const auto hi = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}
