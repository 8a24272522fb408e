// Blanks (character 32 only) off both ends of a text, as words and clues are
// compared and stored.
#pragma once

#include <string_view>

inline std::string_view TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
