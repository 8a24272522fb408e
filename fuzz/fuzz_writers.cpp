// The writers over every puzzle the puzzle file reader accepts (the puzzle
// fuzzer's seeds and corpus are this one's too). Bytes after the last record
// are the title. The words the file leaves out of the grid are placed as
// "Auto Put Word in Grid" places them; a puzzle where some word finds no
// place is only checked to be refused. Then each writer, with and without
// the answers (and .puz with and without lossy), must refuse with its
// message or write a file that its reader here (writer_checks.h) reads back
// as the puzzle.
#include "document/ipuz_file.h"
#include "document/puz_file.h"
#include "document/puzzle_file.h"
#include "document/puzzle_invariants.h"
#include "document/web_page.h"
#include "fuzz_check.h"
#include "grid/generator.h"
#include "play/play_grid.h"
#include "writer_checks.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const PuzzleFileRead read = ReadPuzzleFile(bytes);
    if (read.status != PuzzleFileStatus::Ok)
        return 0;
    const std::string_view title =
        bytes.substr(std::size_t(PUZZLE_HEADER_SIZE + PUZZLE_RECORD_SIZE * read.contents.nwords));

    Puzzle p;
    ApplyPuzzleFile(p, read.contents);
    p.gboxidx = read.contents.gboxidx;
    for (int w = 1; w <= p.nwords; ++w)
        if (!p.Words[w].placed()) {
            p.curw = int16_t(w);
            AutoPutWord(p);
            p.curw = 0;
        }
    PwordsToPgrid(p);
    const std::string fault = CheckInvariants(p);
    FUZZ_CHECK(fault.empty(), fault);
    if (!p.complete()) {
        FUZZ_CHECK(!WriteIpuzFile(p, title, true).refusal.empty() && !WritePuzFile(p, title, true, true).refusal.empty()
                       && !WriteWebPage(p, title).refusal.empty(),
                   "a puzzle with a word out of the grid, or none, was written");
        return 0;
    }

    const PuzzleModel model = ModelOf(p, title);
    for (const bool withAnswers : {false, true}) {
        CheckIpuz(p, model, withAnswers);
        for (const bool lossy : {false, true})
            CheckPuz(p, model, withAnswers, lossy);
    }
    CheckWebPage(p, model);
    return 0;
}
