// The test classes of the document folder, run one after another by one
// executable; each returns the number of its failed tests.
#pragma once

#include <string>

int RunCommandLineTests(int argc, char **argv);
int RunCommandStateTests(int argc, char **argv);
int RunConfigFileTests(int argc, char **argv);
int RunPuzzleFileTests(int argc, char **argv);
int RunTextCodecTests(int argc, char **argv);
int RunWordRulesTests(int argc, char **argv);

// A 16-bit little-endian integer as file bytes.
inline std::string Int16(int value)
{
    const auto bits = static_cast<unsigned>(static_cast<unsigned short>(value));
    return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

// text padded with blanks to width.
inline std::string Padded(const std::string &text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}
