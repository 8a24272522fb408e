#include "document/puz_file.h"

#include "document/int16_bytes.h"
#include "document/text_codec.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <tuple>
#include <utility>

namespace {

constexpr int HEADER_SIZE = 0x34;

bool PuzCell(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Plain look-alikes for the characters of Windows-1252 that Latin-1 lacks.
constexpr std::pair<char32_t, const char *> LOOK_ALIKES[] = {
    {0x20AC, "EUR"}, {0x201A, "'"},    {0x0192, "f"},  {0x201E, "\""}, {0x2026, "..."}, {0x2020, "+"}, {0x2021, "+"},
    {0x02C6, "^"},   {0x2030, "o/oo"}, {0x0160, "S"},  {0x2039, "<"},  {0x0152, "OE"},  {0x017D, "Z"}, {0x2018, "'"},
    {0x2019, "'"},   {0x201C, "\""},   {0x201D, "\""}, {0x2022, "*"},  {0x2013, "-"},   {0x2014, "-"}, {0x02DC, "~"},
    {0x2122, "TM"},  {0x0161, "s"},    {0x203A, ">"},  {0x0153, "oe"}, {0x017E, "z"},   {0x0178, "Y"},
};

std::string Latin1(std::string_view utf8)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = DecodeUtf8(utf8, pos);
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            continue;
        if (c <= 0xFF) {
            out += char(c);
            continue;
        }
        const auto alike = std::find_if(std::begin(LOOK_ALIKES), std::end(LOOK_ALIKES),
                                        [c](const auto &entry) { return entry.first == c; });
        out += alike == std::end(LOOK_ALIKES) ? "?" : alike->second;
    }
    return out;
}

// The .puz checksum of bytes, going on from sum: rotate right one bit, add the byte.
uint16_t Checksum(std::string_view bytes, uint16_t sum)
{
    for (const char b : bytes)
        sum = uint16_t(((sum & 1) ? (sum >> 1) + 0x8000 : sum >> 1) + static_cast<unsigned char>(b));
    return sum;
}

// The strings' part of the checksums: the title with its NUL when not
// empty, then every clue without its NUL (author, copyright and notes are empty).
uint16_t TextChecksum(const std::string &title, const std::vector<std::string> &clues, uint16_t sum)
{
    if (!title.empty())
        sum = Checksum(std::string_view(title.c_str(), title.size() + 1), sum);
    for (const std::string &clue : clues)
        sum = Checksum(clue, sum);
    return sum;
}

std::string At(int col, int row)
{
    return "column " + std::to_string(col) + ", row " + std::to_string(row);
}

// The run of letters through (col, row) in one direction: its first cell and its text.
std::tuple<int, int, std::string> RunThrough(const ExportGrid &grid, int col, int row, bool across)
{
    const int dc = across ? 1 : 0, dr = across ? 0 : 1;
    while (grid.hasLetter(col - dc, row - dr))
        col -= dc, row -= dr;
    std::string text;
    for (int c = col, r = row; grid.hasLetter(c, r); c += dc, r += dr)
        text += grid.letter(c, r);
    return {col, row, text};
}

std::string WordFault(const ExportGrid &grid, const ExportWord &word)
{
    if (word.length == 1)
        return WordName(word) + " has one letter; .puz has no one-letter words";
    for (int k = 1; k <= word.length; ++k) {
        const char c = word.text[std::size_t(k - 1)];
        if (!PuzCell(c))
            return WordName(word) + " holds " + (c == ' ' ? "a blank" : "\"" + Cp1252ToUtf8(std::string(1, c)) + "\"")
                + " at " + At(word.cellCol(k), word.cellRow(k)) + "; .puz cells hold only A-Z and 0-9";
    }
    const auto [col, row, run] = RunThrough(grid, word.col, word.row, word.across);
    if (int(run.size()) != word.length)
        return WordName(word) + " is part of the run \"" + Cp1252ToUtf8(run) + "\" " + (word.across ? "across" : "down")
            + " from " + At(col, row) + "; a .puz solver would take the run for one word";
    return {};
}

std::string RunFault(const ExportGrid &grid)
{
    std::map<std::tuple<int, int, bool>, int> words;  // (col, row, across) -> length
    for (const ExportWord &word : grid.words)
        words[{word.col, word.row, word.across}] = word.length;
    for (int r = 1; r <= grid.rows; ++r)
        for (int c = 1; c <= grid.cols; ++c)
            for (const bool across : {true, false}) {
                const int dc = across ? 1 : 0, dr = across ? 0 : 1;
                if (!grid.hasLetter(c, r) || grid.hasLetter(c - dc, r - dr) || !grid.hasLetter(c + dc, r + dr))
                    continue;
                const std::string run = std::get<2>(RunThrough(grid, c, r, across));
                const auto word = words.find({c, r, across});
                if (word == words.end() || word->second != int(run.size()))
                    return "The letters \"" + Cp1252ToUtf8(run) + "\" " + (across ? "across" : "down") + " from "
                        + At(c, r) + " are not one of the words; a .puz solver would take them for one";
            }
    return {};
}

}  // namespace

std::optional<PuzTextChange> FirstPuzTextChange(const Puzzle &p, std::string_view title)
{
    const auto change = [](std::string what, std::string_view utf8) -> std::optional<PuzTextChange> {
        // Latin1 never gives 0x80..0x9F, the only bytes where Windows-1252 reads differently.
        std::string after = Cp1252ToUtf8(Latin1(utf8));
        if (after == utf8)
            return std::nullopt;
        return PuzTextChange{std::move(what), std::string(utf8), std::move(after)};
    };
    if (auto found = change("The title", title))
        return found;
    ExportGrid grid;
    ReadExportGrid(p, grid);
    for (const ExportWord &word : grid.words)
        if (auto found = change("Clue " + std::to_string(word.number) + (word.across ? " Across" : " Down"),
                                Cp1252ToUtf8(word.clue)))
            return found;
    return std::nullopt;
}

std::string PuzTextChangeText(const PuzTextChange &change)
{
    return change.what + " \"" + change.before + "\" would become \"" + change.after + "\" (.puz text is Latin-1)";
}

ExportFile WritePuzFile(const Puzzle &p, std::string_view title, bool withAnswers, bool lossy)
{
    ExportGrid grid;
    if (std::string refusal = ReadExportGrid(p, grid); !refusal.empty())
        return {{}, refusal};
    for (const ExportWord &word : ListOrder(grid))
        if (std::string fault = WordFault(grid, word); !fault.empty())
            return {{}, fault};
    if (std::string fault = RunFault(grid); !fault.empty())
        return {{}, fault};
    if (!lossy)
        if (const auto change = FirstPuzTextChange(p, title))
            return {{}, PuzTextChangeText(*change)};

    std::string solution, player;
    for (int r = 1; r <= grid.rows; ++r)
        for (int c = 1; c <= grid.cols; ++c) {
            const char answer = grid.answers[std::size_t(r - 1)][std::size_t(c - 1)];
            solution += grid.hasLetter(c, r) ? grid.letter(c, r) : '.';
            player += !grid.hasLetter(c, r) ? '.' : withAnswers && PuzCell(answer) ? answer : '-';
        }
    const std::string latin1Title = Latin1(title);
    std::vector<std::string> clues;
    for (const ExportWord &word : grid.words)
        clues.push_back(Latin1(Cp1252ToUtf8(word.clue)));

    std::string bytes(HEADER_SIZE, '\0');
    bytes.replace(0x02, 11, "ACROSS&DOWN");
    bytes.replace(0x18, 3, "1.3");
    bytes[0x2C] = char(grid.cols);
    bytes[0x2D] = char(grid.rows);
    PutInt16(bytes, 0x2E, uint16_t(clues.size()));
    PutInt16(bytes, 0x30, 1);  // a plain puzzle; 0x32 stays 0: not scrambled

    const uint16_t cib = Checksum(std::string_view(bytes).substr(0x2C, 8), 0);
    const uint16_t parts[4] = {cib, Checksum(solution, 0), Checksum(player, 0), TextChecksum(latin1Title, clues, 0)};
    PutInt16(bytes, 0x0E, cib);
    for (int i = 0; i < 4; ++i) {
        bytes[std::size_t(0x10 + i)] = char("ICHE"[i] ^ (parts[i] & 0xFF));
        bytes[std::size_t(0x14 + i)] = char("ATED"[i] ^ (parts[i] >> 8));
    }
    PutInt16(bytes, 0x00, TextChecksum(latin1Title, clues, Checksum(player, Checksum(solution, cib))));

    bytes += solution + player;
    for (const std::string &text : {latin1Title, std::string(), std::string()})
        bytes += text + '\0';
    for (const std::string &clue : clues)
        bytes += clue + '\0';
    bytes += '\0';  // the notes
    return {bytes, {}};
}
