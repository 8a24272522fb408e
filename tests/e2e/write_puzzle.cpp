// Writes a small crossword puzzle file for the end-to-end test.
#include "document/puzzle_file.h"
#include "puzzle_builder.h"

#include <fstream>
#include <iostream>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: gridly_write_puzzle FILE.gly\n";
        return 2;
    }
    const Puzzle p = MakePuzzle({{"CAT", 1, 1, "Acro"}, {"COW", 1, 1, "Down"}, {"TEA", 3, 1, "Down"}});
    std::ofstream(argv[1], std::ios::binary) << WritePuzzleFile(p);
    return 0;
}
