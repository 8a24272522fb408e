// The configuration reader over any bytes: every value it hands on lies in
// its accepted range, a value is read only after every value before it, and
// a configuration written from what was read reads back the same.
#include "document/config_file.h"
#include "fuzz_check.h"

#include <cstdint>

namespace {

// Stands in for the file system: a path of odd length exists.
bool OddLengthExists(const std::string &path)
{
    return path.size() % 2 == 1;
}

bool operator==(const ConfigValues &a, const ConfigValues &b)
{
    return a.gboxidx == b.gboxidx && a.validWord == b.validWord && a.runmode == b.runmode && a.fname == b.fname
        && a.fpath == b.fpath;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const ConfigValues v = ReadConfigFile(bytes, OddLengthExists);

    FUZZ_CHECK(!v.gboxidx || (*v.gboxidx >= 0 && *v.gboxidx <= 5), "colour index out of range");
    FUZZ_CHECK(!v.validWord || *v.validWord == 0 || *v.validWord == 1, "indicator state out of range");
    FUZZ_CHECK(!v.runmode || *v.runmode == RunMode::Design || *v.runmode == RunMode::Play, "unknown mode");
    FUZZ_CHECK(!v.fname || (v.fname->size() >= 5 && v.fname->size() <= MAX_NAME_BYTES && v.fname->ends_with(".gly")),
               "file name not acceptable");
    FUZZ_CHECK(!v.fpath || (v.fpath->size() >= 8 && v.fpath->size() <= MAX_PATH_BYTES && OddLengthExists(*v.fpath)),
               "path not acceptable");
    FUZZ_CHECK(!v.validWord || v.gboxidx, "indicator read without the colour");
    FUZZ_CHECK(!v.runmode || v.validWord, "mode read without the indicator");
    FUZZ_CHECK(!v.fname || v.runmode, "name read without the mode");
    FUZZ_CHECK(!v.fpath || v.fname, "path read without the name");

    if (v.fpath) {
        const std::string again = WriteConfigFile(*v.gboxidx, *v.validWord, *v.runmode, *v.fname, *v.fpath);
        FUZZ_CHECK(ReadConfigFile(again, OddLengthExists) == v, "a written configuration reads back otherwise");
    }
    return 0;
}
