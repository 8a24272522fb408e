// The puzzle file reader over any bytes: a file is refused or read exactly as
// held, opens into a puzzle that keeps every invariant, keeps them through
// the commands that work on an opened puzzle, and is saved into a file that
// opens again.
#include "document/puzzle_file.h"
#include "document/puzzle_invariants.h"
#include "document/word_rules.h"
#include "fuzz_check.h"
#include "grid/generator.h"
#include "grid/grid_size.h"
#include "play/play_grid.h"

#include <cstdint>
#include <random>
#include <string>

namespace {

void Holds(const Puzzle &p, const char *after)
{
    const std::string fault = CheckInvariants(p);
    FUZZ_CHECK(fault.empty(), std::string("after ") + after + ": " + fault);
}

// The bytes a file read as held is written back as: the header's reserved
// fields as the program writes them, nothing after the last record.
std::string Canonical(std::string_view bytes, int nwords)
{
    std::string canonical(bytes.substr(0, 20));
    canonical += std::string("\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00", 10);
    canonical += bytes.substr(PUZZLE_HEADER_SIZE, std::size_t(PUZZLE_RECORD_SIZE * nwords));
    return canonical;
}

// The words placed one at a time, as "Auto Put Word in Grid" does.
void PutEveryWord(Puzzle &p)
{
    for (int w = 1; w <= p.nwords; ++w) {
        if (p.Words[w].placed())
            continue;
        p.curw = int16_t(w);
        AutoPutWord(p);
        p.curw = 0;
        Holds(p, "Auto Put Word in Grid");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const PuzzleFileRead read = ReadPuzzleFile(bytes);
    if (read.status != PuzzleFileStatus::Ok)
        return 0;
    const PuzzleFileContents &file = read.contents;

    Puzzle held;
    held.nwords = file.nwords;
    held.gcols = file.gcols;
    held.grows = file.grows;
    held.gboxidx = file.gboxidx;
    for (int i = 1; i <= file.nwords; ++i)
        held.Words[i] = file.words[std::size_t(i - 1)];
    FUZZ_CHECK(WritePuzzleFile(held) == Canonical(bytes, file.nwords), "a field was not read as held");

    Puzzle p;
    ApplyPuzzleFile(p, file);
    p.gboxidx = file.gboxidx;
    Holds(p, "open");
    if (p.complete()) {
        PwordsToPgrid(p);
        Holds(p, "the answers were put in the grid");
    }
    PgridToPwords(p);
    Holds(p, "the answers were read from the grid");
    PutEveryWord(p);
    for (const char tag : {'R', 'D', 'L', 'U'}) {
        ShiftWords(p, tag);
        Holds(p, "a shift");
    }
    SetToMinimumSize(p);
    Holds(p, "Set to Minimun Size");
    if (p.nwords >= 1 && p.nwords <= 12) {
        std::mt19937_64 engine(size);
        GenerateFixedSize(p, [&engine] { return double(engine() >> 11) * 0x1.0p-53; });
        Holds(p, "Generate (Fixed Size)");
    }
    if (p.nwords >= 1) {
        p.curw = 1;
        DeleteWord(p);
        Holds(p, "Delete");
    }
    FUZZ_CHECK(ReadPuzzleFile(WritePuzzleFile(p)).status == PuzzleFileStatus::Ok, "a saved puzzle does not open");
    return 0;
}
