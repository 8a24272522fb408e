// Writes the fuzzers' seed inputs: sound puzzle files, configuration files,
// command-line arguments, word lists and puzzles to export (a puzzle file
// with its title after the last record), one file each, into OUT/<target>/.
// Usage: gridly_fuzz_seeds OUT
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "document/text_codec.h"
#include "puzzle_builder.h"
#include "sample_puzzles.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

void WriteSeeds(const std::filesystem::path &folder, const std::vector<std::string> &seeds)
{
    std::filesystem::create_directories(folder);
    int n = 0;
    for (const std::string &seed : seeds)
        std::ofstream(folder / ("seed-" + std::to_string(++n)), std::ios::binary) << seed;
}

std::vector<std::string> PuzzleSeeds()
{
    std::vector<std::string> seeds;
    for (const SamplePuzzle &sample : SamplePuzzles())
        seeds.push_back(WritePuzzleFile(sample.puzzle));
    return seeds;
}

std::vector<std::string> ConfigSeeds()
{
    return {
        WriteConfigFile(2, 0, RunMode::Design, "", ""),
        WriteConfigFile(3, 1, RunMode::Play, "cross.gly", "/home/user/puzzles/cross.gly"),
        WriteConfigFile(5, 0, RunMode::Design, "a.gly", "/tmp/a.gly"),
        WriteConfigFile(0, 1, RunMode::Design, "my puzzle.gly", "C:\\Puzzles\\my puzzle.gly"),
    };
}

std::vector<std::string> CommandLineSeeds()
{
    return {"\"/home/user/puzzles/cross.gly\"",
            "\"C:\\Puzzles\\my puzzle.gly\"",
            "  \"/tmp/ab.gly\"  ",
            "/tmp/unquoted.gly",
            "\"cross.GLY\"",
            "\"x.gly\"",
            ""};
}

std::vector<std::string> WordListSeeds()
{
    std::string forty;
    for (const SamplePuzzle &sample : SamplePuzzles())
        if (sample.name == "forty words")
            for (int i = 1; i <= sample.puzzle.nwords; ++i)
                forty += sample.puzzle.Words[i].word.trimmed() + "\t"
                    + Cp1252ToUtf8(sample.puzzle.Words[i].clue.trimmed()) + "\n";
    std::string high;  // every character Windows-1252 has beyond Latin-1, as UTF-8
    for (const char b : std::string("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97"
                                    "\x98\x99\x9A\x9B\x9C\x9E\x9F"))
        high += Cp1252ToUtf8(std::string(1, b));
    return {
        forty,
        forty + "ONE MORE\tThe forty-first\n",
        "HIGH\t" + high + "\nPADDED\t  " + std::string(40, 'x') + "  \n",
        "\xEF\xBB\xBF"
        "cat\tA pet\r\n\n  ice cream \t Cold \r\nrock & roll\tMusic\nx-ray\tA picture\n",
        "caf\xC3\xA9\tOù l’on boit un “crème” – ©\nEURO\t€, not £ or ¥\n",
        "R2-D2\tA droid\n\t\n \t \nB0X\tHolds things",
        "one\ttwo\tthree\nICE  CREAM\tx\nONE\tagain\nLONGERTHANTWENTYFOURCHARS\tx\n",
        "cat\t" + std::string(40, 'x') + "\ndog\t" + std::string(41, 'x') + "\n",
        "\xFF\tx\ncat\x7F\t\x01\n",
    };
}

// A puzzle to export: its file, then its title.
std::string Export(const Puzzle &p, const std::string &title)
{
    return WritePuzzleFile(p) + title;
}

std::vector<std::string> WriterSeeds()
{
    std::vector<std::string> seeds;
    for (const SamplePuzzle &sample : SamplePuzzles())
        seeds.push_back(Export(sample.puzzle, sample.name));
    const Puzzle markup = MakePuzzle({{"ZEBRA", 1, 1, "Acro", "</script><img src=x onerror=alert(1)>"},
                                      {"ZOO", 1, 1, "Down", "Salt & \"pepper\" \\ <!-- &amp;"},
                                      {"R0AD", 3, 1, "Down", Utf8ToCp1252("Costs 5 € – “ok” \x81")}});
    seeds.push_back(Export(markup, "<b>Tom & Jerry's</b>\xFF"));
    seeds.push_back(Export(markup, "</title><script>alert(1)</script>&copy"));
    seeds.push_back(Export(markup, ""));
    std::string high;  // every character Windows-1252 has beyond Latin-1
    for (int b = 0x80; b <= 0x9F; ++b)
        high += char(b);
    seeds.push_back(Export(MakePuzzle({{"CAT", 1, 1, "Acro", high.substr(0, 16)},
                                       {"COW", 1, 1, "Down", high.substr(16)},
                                       {"TEN", 3, 1, "Down"},
                                       {"WIN", 1, 3, "Acro"}}),
                           "Ring \xE2\x80\xA6 \xE2\x82\xAC"));
    const Puzzle sideBySide = MakePuzzle({{"CAT", 1, 1},
                                          {"DOG", 1, 2},
                                          {"B0X", 5, 1, "Down", "Zero & box"},
                                          {"ZOO", 6, 1, "Down"},
                                          {"XO", 5, 3, "Acro"}});
    seeds.push_back(Export(sideBySide, "Side by side"));
    Puzzle controls = MakePuzzle({{"CAT", 1, 1}, {"COW", 1, 1, "Down"}, {"A", 3, 3}});
    controls.Words[1].clue.assign("Tab\there,\x01 DEL\x7F NUL" + std::string(1, '\0'));
    seeds.push_back(Export(controls, "Tiere \xE2\x80\x93 B\xC3\xA4r\t\r\n"));
    return seeds;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: gridly_fuzz_seeds OUT\n";
        return 2;
    }
    const std::filesystem::path out(argv[1]);
    WriteSeeds(out / "puzzle_file", PuzzleSeeds());
    WriteSeeds(out / "config_file", ConfigSeeds());
    WriteSeeds(out / "command_line", CommandLineSeeds());
    WriteSeeds(out / "word_list", WordListSeeds());
    WriteSeeds(out / "writers", WriterSeeds());
    return 0;
}
