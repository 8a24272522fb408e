// Writes the fuzzers' seed inputs: sound puzzle files, configuration files
// and command-line arguments, one file each, into OUT/<target>/.
// Usage: gridly_fuzz_seeds OUT
#include "document/config_file.h"
#include "document/puzzle_file.h"
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
    return 0;
}
