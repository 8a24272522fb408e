// The .puz read back after the Across Lite format's public description: the
// 52-byte header with its checksums (the header's own, the whole file's and
// the four masked with "ICHEATED"), the solution and the player's grid, then
// the NUL-terminated strings. A solver numbers the grid from its pattern and
// gives the clues out in that order, so the file holds the puzzle only when
// the pattern's runs are exactly the puzzle's words; whether they are is
// judged here, and the writer must refuse exactly when they are not.
#include "document/puz_file.h"
#include "fuzz_check.h"
#include "writer_checks.h"

#include <cstdint>
#include <set>
#include <tuple>

namespace {

uint16_t Sum(std::string_view bytes, uint16_t sum = 0)
{
    for (const char b : bytes)
        sum = uint16_t(uint16_t(sum >> 1 | sum << 15) + static_cast<unsigned char>(b));
    return sum;
}

uint16_t Short(std::string_view bytes, std::size_t at)
{
    return uint16_t(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

struct PuzRead {
    int width = 0, height = 0;
    std::string solution, player;
    std::vector<std::string> strings;  // title, author, copyright, the clues, notes
};

PuzRead ReadPuz(std::string_view file)
{
    FUZZ_CHECK(file.size() >= 0x34, ".puz is shorter than its header");
    FUZZ_CHECK(file.substr(0x02, 12) == std::string_view("ACROSS&DOWN\0", 12), ".puz has no file magic");
    FUZZ_CHECK(file.substr(0x18, 4) == std::string_view("1.3\0", 4), ".puz is not version 1.3");
    PuzRead read;
    read.width = static_cast<unsigned char>(file[0x2C]);
    read.height = static_cast<unsigned char>(file[0x2D]);
    const std::size_t cells = std::size_t(read.width * read.height), clues = Short(file, 0x2E);
    FUZZ_CHECK(Short(file, 0x30) == 1 && Short(file, 0x32) == 0, ".puz is not a plain puzzle, unscrambled");
    FUZZ_CHECK(file.size() >= 0x34 + 2 * cells, ".puz is cut in its grids");
    read.solution = std::string(file.substr(0x34, cells));
    read.player = std::string(file.substr(0x34 + cells, cells));
    std::size_t at = 0x34 + 2 * cells;
    while (read.strings.size() < 3 + clues + 1) {
        const std::size_t end = file.find('\0', at);
        FUZZ_CHECK(end != std::string_view::npos, ".puz has fewer strings than its clue count");
        read.strings.emplace_back(file.substr(at, end - at));
        at = end + 1;
    }
    FUZZ_CHECK(at == file.size(), ".puz has bytes after its notes");

    // The strings' part: title, author and copyright with their NUL when not
    // empty, every clue without it, the notes with it when not empty.
    const auto text = [&](uint16_t sum) {
        for (std::size_t i = 0; i < read.strings.size(); ++i) {
            const std::string &s = read.strings[i];
            const bool clue = i >= 3 && i < 3 + clues;
            if (clue)
                sum = Sum(s, sum);
            else if (!s.empty())
                sum = Sum(std::string_view(s.c_str(), s.size() + 1), sum);
        }
        return sum;
    };
    const uint16_t cib = Sum(file.substr(0x2C, 8));
    FUZZ_CHECK(Short(file, 0x0E) == cib, ".puz header checksum is wrong");
    FUZZ_CHECK(Short(file, 0x00) == text(Sum(read.player, Sum(read.solution, cib))), ".puz file checksum is wrong");
    const uint16_t parts[4] = {cib, Sum(read.solution), Sum(read.player), text(0)};
    for (std::size_t i = 0; i < 4; ++i) {
        FUZZ_CHECK(static_cast<unsigned char>(file[0x10 + i]) == ("ICHE"[i] ^ (parts[i] & 0xFF)),
                   ".puz masked low checksum " + std::to_string(i) + " is wrong");
        FUZZ_CHECK(static_cast<unsigned char>(file[0x14 + i]) == ("ATED"[i] ^ (parts[i] >> 8)),
                   ".puz masked high checksum " + std::to_string(i) + " is wrong");
    }
    return read;
}

// A text as .puz holds it, by the look-alikes the writer promises for the
// characters of Windows-1252 that Latin-1 lacks.
std::string AsLatin1(const std::vector<char32_t> &chars)
{
    std::string out;
    for (const char32_t c : chars) {
        if (IsControl(c))
            continue;
        if (c <= 0xFF) {
            out += char(c);
            continue;
        }
        switch (c) {
        case 0x20AC: out += "EUR"; break;
        case 0x2018:
        case 0x2019:
        case 0x201A: out += "'"; break;
        case 0x201C:
        case 0x201D:
        case 0x201E: out += "\""; break;
        case 0x2013:
        case 0x2014: out += "-"; break;
        case 0x2026: out += "..."; break;
        case 0x0152: out += "OE"; break;
        case 0x0153: out += "oe"; break;
        case 0x0160: out += "S"; break;
        case 0x0161: out += "s"; break;
        case 0x017D: out += "Z"; break;
        case 0x017E: out += "z"; break;
        case 0x0178: out += "Y"; break;
        case 0x0192: out += "f"; break;
        case 0x2020:
        case 0x2021: out += "+"; break;
        case 0x02C6: out += "^"; break;
        case 0x02DC: out += "~"; break;
        case 0x2030: out += "o/oo"; break;
        case 0x2039: out += "<"; break;
        case 0x203A: out += ">"; break;
        case 0x2022: out += "*"; break;
        case 0x2122: out += "TM"; break;
        default: out += "?";
        }
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view latin1)
{
    std::string out;
    for (const char b : latin1)
        out += EncodeUtf8(static_cast<unsigned char>(b));
    return out;
}

struct PuzText {
    std::string what;    // "The title", "Clue 3 Across"
    std::string before;  // UTF-8 as given
    std::string held;    // Latin-1, as the file holds it
    bool changes() const { return Latin1ToUtf8(held) != before; }
};

// How a solver reads the pattern: the runs of two or more letters, numbered
// in reading order, across before down at one cell.
struct Run {
    int col, row;
    bool across;
    int length, number;
};

std::vector<Run> SolverRuns(const PuzzleModel &model)
{
    std::vector<Run> runs;
    int number = 0;
    for (int r = 1; r <= model.rows; ++r)
        for (int c = 1; c <= model.cols; ++c) {
            bool numbered = false;
            for (const bool across : {true, false}) {
                const int dc = across ? 1 : 0, dr = across ? 0 : 1;
                if (!model.hasLetter(c, r) || model.hasLetter(c - dc, r - dr))
                    continue;
                int length = 0;
                while (model.hasLetter(c + dc * length, r + dr * length))
                    ++length;
                if (length < 2)
                    continue;
                if (!numbered)
                    ++number;
                numbered = true;
                runs.push_back({c, r, across, length, number});
            }
        }
    return runs;
}

// What in the grid .puz cannot hold as it is: "" when nothing.
std::string PuzCannotHold(const PuzzleModel &model, const std::vector<Run> &runs)
{
    for (const auto &[cell, letter] : model.letters)
        if (!((letter >= 'A' && letter <= 'Z') || (letter >= '0' && letter <= '9')))
            return "a cell that is not A-Z or 0-9";
    std::multiset<std::tuple<int, int, bool, int>> words, found;
    for (const ModelWord &word : model.words)
        words.insert({word.col, word.row, word.across, word.length});
    for (const Run &run : runs)
        found.insert({run.col, run.row, run.across, run.length});
    return words == found ? "" : "the pattern's runs are not the words";
}

}  // namespace

void CheckPuz(const Puzzle &p, const PuzzleModel &model, bool withAnswers, bool lossy)
{
    const ExportFile file = WritePuzFile(p, model.title, withAnswers, lossy);
    const std::vector<Run> runs = SolverRuns(model);
    const std::string cannot = PuzCannotHold(model, runs);
    if (!cannot.empty()) {
        FUZZ_CHECK(!file.refusal.empty() && file.bytes.empty(), ".puz written though it holds " + cannot);
        FUZZ_CHECK(file.refusal.find("(.puz text is Latin-1)") == std::string::npos,
                   ".puz named a text, not what it cannot hold: " + file.refusal);
        return;
    }

    // The texts in the file's order, with the word each clue belongs to.
    std::vector<PuzText> texts{{"The title", model.title, AsLatin1(DecodeUtf8Strictly(model.title).chars)}};
    std::vector<const ModelWord *> clueWords;
    for (const Run &run : runs)
        for (const ModelWord &word : model.words)
            if (word.col == run.col && word.row == run.row && word.across == run.across) {
                FUZZ_CHECK(word.number == run.number,
                           "word " + std::to_string(word.index) + " is numbered " + std::to_string(word.number)
                               + ", a solver numbers it " + std::to_string(run.number));
                const std::string utf8 = Cp1252BytesToUtf8(word.clue);
                texts.push_back({"Clue " + std::to_string(run.number) + (run.across ? " Across" : " Down"), utf8,
                                 AsLatin1(DecodeUtf8Strictly(utf8).chars)});
                clueWords.push_back(&word);
            }
    const PuzText *change = nullptr;
    for (const PuzText &text : texts)
        if (!change && text.changes())
            change = &text;
    const auto named = FirstPuzTextChange(p, model.title);
    FUZZ_CHECK(named.has_value() == (change != nullptr), "FirstPuzTextChange misses a change or names none");
    if (change)
        FUZZ_CHECK(named->what == change->what && named->before == change->before
                       && named->after == Latin1ToUtf8(change->held),
                   "FirstPuzTextChange names " + named->what + " becoming \"" + named->after + "\", not " + change->what
                       + " becoming \"" + Latin1ToUtf8(change->held) + "\"");
    if (change && !lossy) {
        const std::string expected = change->what + " \"" + change->before + "\" would become \""
            + Latin1ToUtf8(change->held) + "\" (.puz text is Latin-1)";
        FUZZ_CHECK(file.refusal == expected && file.bytes.empty(), ".puz not refused as " + expected);
        return;
    }
    FUZZ_CHECK(file.refusal.empty(), ".puz refused a puzzle it can hold: " + file.refusal);

    const PuzRead read = ReadPuz(file.bytes);
    FUZZ_CHECK(read.width == model.cols && read.height == model.rows, ".puz has another grid size");
    FUZZ_CHECK(read.strings.size() == 3 + clueWords.size() + 1, ".puz has another number of clues");
    for (int r = 1; r <= model.rows; ++r)
        for (int c = 1; c <= model.cols; ++c) {
            const std::size_t at = std::size_t((r - 1) * model.cols + (c - 1));
            const std::string where = " at column " + std::to_string(c) + ", row " + std::to_string(r);
            if (!model.hasLetter(c, r)) {
                FUZZ_CHECK(read.solution[at] == '.' && read.player[at] == '.', ".puz has no block" + where);
                continue;
            }
            FUZZ_CHECK(read.solution[at] == model.letters.at({c, r}), ".puz solution differs" + where);
            const char typed = model.answers.at({c, r});
            const bool kept = withAnswers && ((typed >= 'A' && typed <= 'Z') || (typed >= '0' && typed <= '9'));
            FUZZ_CHECK(read.player[at] == (kept ? typed : '-'), ".puz player's grid differs" + where);
        }
    FUZZ_CHECK(read.strings[0] == texts[0].held, ".puz title differs");
    FUZZ_CHECK(read.strings[1].empty() && read.strings[2].empty() && read.strings.back().empty(),
               ".puz has an author, copyright or notes");
    for (std::size_t i = 0; i < clueWords.size(); ++i)
        FUZZ_CHECK(read.strings[3 + i] == texts[1 + i].held, ".puz " + texts[1 + i].what + " differs");
}
