// gridly.cfg, the few settings carried from one run to the next. Integers are
// 16-bit little-endian; texts are preceded by their length as an integer.
//
//   gboxidx, Valid Word Indicator state (0/1), three zeros,
//   mode ("Design"/"Play"), file name, full path of the file
//
// File name and path are kept as the UTF-8 bytes the program holds them in
// (Linux paths), with byte lengths; the length limits on reading count bytes.
#pragma once

#include "document/gridlymod.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The longest file name and path Linux allows, in bytes.
inline constexpr int MAX_NAME_BYTES = 255;
inline constexpr int MAX_PATH_BYTES = 4096;

// The mode as its text in the file ("Design", "Play"), and back; other
// texts name no mode.
std::string_view RunModeBytes(RunMode runmode);
std::optional<RunMode> RunModeFromBytes(std::string_view bytes);

std::string WriteConfigFile(int gboxidx, int validWord, RunMode runmode, std::string_view fname,
                            std::string_view fpath);

// What was read before reading stopped; a field stays empty once a value
// before it was refused or the file ended.
struct ConfigValues {
    std::optional<int> gboxidx;    // 0..5; any other stored value reads as 5
    std::optional<int> validWord;  // 0..1; any other stored value reads as 1
    std::optional<RunMode> runmode;
    std::optional<std::string> fname;  // 5..255 bytes ending in ".gly"
    std::optional<std::string> fpath;  // 8..4096 bytes, a file that exists
};

// Reading stops at a mode length other than 4 or 6, a mode other than
// "Design" or "Play", a name length outside 5..255, a name not ending in
// ".gly", a path length outside 8..4096, or the end of the bytes. The path is
// taken only when fileExists says so (and nothing follows it).
ConfigValues ReadConfigFile(std::string_view bytes, const std::function<bool(const std::string &)> &fileExists);
