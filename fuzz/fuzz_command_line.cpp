// The command-line path rule over any argument: a path is taken only when it
// is long enough, ends in ".gly" and exists; a relative one is taken from the
// current folder; its name is what follows its last folder separator; and the
// path it took, given again in quotes, is taken again with the same name.
#include "document/command_line.h"
#include "fuzz_check.h"

#include <cstdint>

namespace {

// Stands in for the file system: a path of odd length exists.
bool OddLengthExists(const std::string &path)
{
    return path.size() % 2 == 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const std::string_view argument(reinterpret_cast<const char *>(data), size);
    const CommandLineFile file = CommandLinePath(argument, "/cwd", OddLengthExists);
    if (file.fpath.empty()) {
        FUZZ_CHECK(file.fname.empty() || file.fname.ends_with(".gly"), "a name without a usable path");
        return 0;
    }

    const std::string &path = file.fpath;
    FUZZ_CHECK(path.size() >= 8 && path.ends_with(".gly"), "a path too short or without .gly");
    FUZZ_CHECK(OddLengthExists(path), "a path to no file");
    const std::string given = path.starts_with("/cwd/") ? path.substr(5) : path;
    FUZZ_CHECK(argument.find(given) != std::string_view::npos, "a path that is not in the argument");
    const std::size_t slash = path.find_last_of("/\\", path.size() - 5);
    FUZZ_CHECK(file.fname == (slash == std::string::npos ? path : path.substr(slash + 1)),
               "a name that is not the end of the path");

    const CommandLineFile again = CommandLinePath("\"" + path + "\"", "/cwd", OddLengthExists);
    FUZZ_CHECK(again.fpath == path && again.fname == file.fname, "the quoted path is taken otherwise");
    return 0;
}
