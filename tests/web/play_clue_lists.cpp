// What Gridly's play mode shows of a puzzle file, for the web page test to
// hold the page against: the two clue lists in the order the window's sorted
// lists give them (header first; text as code units, which UTF-8 bytes order
// alike here), each clue's word with its number, first cell and answer.
// Opens the file as the program does. JSON on standard output.
#include "document/json_text.h"
#include "document/puzzle_file.h"
#include "document/text_codec.h"
#include "play/clue_list_text.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

std::string Item(const std::string &utf8Text, const WordEntry *entry)
{
    std::string out = "{\"text\": " + JsonQuoted(utf8Text, JsonMarkup::Plain);
    if (entry)
        out += ", \"number\": " + std::to_string(entry->nbr) + ", \"col\": " + std::to_string(entry->gc) +
               ", \"row\": " + std::to_string(entry->gr) + ", \"length\": " + std::to_string(entry->lw) +
               ", \"across\": " + (entry->across() ? "true" : "false") +
               ", \"answer\": " + JsonQuoted(entry->word.trimmed(), JsonMarkup::Plain);
    return out + "}";
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: play_clue_lists PUZZLE.gly\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const PuzzleFileRead read = ReadPuzzleFile(bytes);
    if (read.status != PuzzleFileStatus::Ok) {
        std::cerr << argv[1] << ": does not open: " << read.failure << "\n";
        return 1;
    }
    Puzzle p;
    ApplyPuzzleFile(p, read.contents);
    std::cout << "{";
    for (const bool across : {true, false}) {
        std::vector<std::pair<std::string, const WordEntry *>> items{
            {Cp1252ToUtf8(across ? CLUE_HEADER_ACROSS : CLUE_HEADER_DOWN), nullptr}};
        for (int w = 1; w <= p.nwords; ++w)
            if (p.Words[w].across() == across)
                items.emplace_back(Cp1252ToUtf8(ClueListText(p.Words[w])), &p.Words[w]);
        std::stable_sort(items.begin(), items.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        std::cout << (across ? "\n\"across\": [" : ",\n\"down\": [");
        for (std::size_t i = 0; i < items.size(); ++i)
            std::cout << (i ? ",\n  " : "\n  ") << Item(items[i].first, items[i].second);
        std::cout << "]";
    }
    std::cout << "\n}\n";
    return 0;
}
