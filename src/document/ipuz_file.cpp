#include "document/ipuz_file.h"

#include "document/json_text.h"
#include "document/text_codec.h"

#include <map>
#include <set>
#include <utility>

namespace {

// ipuz readers take a clue or title as HTML; a letter of the grid is a plain value.
std::string Quoted(std::string_view utf8, bool asHtml = false)
{
    return JsonQuoted(utf8, asHtml ? JsonMarkup::HtmlEntities : JsonMarkup::Plain);
}

std::string Letter(char cp1252)
{
    return Quoted(Cp1252ToUtf8(std::string(1, cp1252)));
}

using Cell = std::pair<int, int>;

// A grid of JSON values, one row a line.
template <class CellText>
std::string Rows(const ExportGrid &grid, CellText cellText)
{
    std::string out = "[\n";
    for (int r = 1; r <= grid.rows; ++r) {
        out += "    [";
        for (int c = 1; c <= grid.cols; ++c)
            out += (c > 1 ? ", " : "") + cellText(c, r);
        out += r < grid.rows ? "],\n" : "]\n";
    }
    return out + "  ]";
}

std::string Clues(const ExportGrid &grid, bool across)
{
    std::string out = "[";
    const char *separator = "\n";
    for (const ExportWord &word : grid.words) {
        if (word.across != across)
            continue;
        out += separator + std::string("      {\"number\": ") + std::to_string(word.number)
            + ", \"clue\": " + Quoted(Cp1252ToUtf8(word.clue), true) + ", \"cells\": [";
        for (int k = 1; k <= word.length; ++k)
            out +=
                (k > 1 ? ", [" : "[") + std::to_string(word.cellCol(k)) + ", " + std::to_string(word.cellRow(k)) + "]";
        out += "]}";
        separator = ",\n";
    }
    return out + "\n    ]";
}

}  // namespace

ExportFile WriteIpuzFile(const Puzzle &p, std::string_view title, bool withAnswers)
{
    ExportGrid grid;
    if (std::string refusal = ReadExportGrid(p, grid); !refusal.empty())
        return {{}, refusal};

    // Pairs of neighbouring cells within one word: the cell on the left (above).
    std::set<Cell> joinedRight, joinedDown;
    std::map<Cell, int> numbers;
    for (const ExportWord &word : grid.words) {
        for (int k = 1; k < word.length; ++k)
            (word.across ? joinedRight : joinedDown).insert({word.cellCol(k), word.cellRow(k)});
        numbers[{word.col, word.row}] = word.number;
    }
    // The empty-cell value is none of the file's letters: 0 unless a cell
    // holds the digit 0, else "_", or "__" when a cell holds "_" too (a word
    // read from a file may hold any character, and a cell holds one).
    const auto holds = [&](char letter) {
        for (int r = 1; r <= grid.rows; ++r)
            if (grid.solution[std::size_t(r - 1)].find(letter) != std::string::npos
                || (withAnswers && grid.answers[std::size_t(r - 1)].find(letter) != std::string::npos))
                return true;
        return false;
    };
    const std::string empty = !holds('0') ? "0" : !holds('_') ? "\"_\"" : "\"__\"";

    const auto puzzleCell = [&](int c, int r) {
        if (!grid.hasLetter(c, r))
            return std::string("\"#\"");
        const auto number = numbers.find({c, r});
        const std::string value = number == numbers.end() ? empty : std::to_string(number->second);
        std::string bars;
        if (grid.hasLetter(c + 1, r) && !joinedRight.count({c, r}))
            bars += 'R';
        if (grid.hasLetter(c, r + 1) && !joinedDown.count({c, r}))
            bars += 'B';
        return bars.empty() ? value : "{\"cell\": " + value + ", \"style\": {\"barred\": \"" + bars + "\"}}";
    };
    const auto solutionCell = [&](int c, int r) {
        return grid.hasLetter(c, r) ? Letter(grid.letter(c, r)) : std::string("\"#\"");
    };
    const auto savedCell = [&](int c, int r) {
        const char answer = grid.answers[std::size_t(r - 1)][std::size_t(c - 1)];
        if (!grid.hasLetter(c, r))
            return std::string("\"#\"");
        return answer == CELL_UNFILLED || answer == CELL_EMPTY ? empty : Letter(answer);
    };

    std::string out = "{\n";
    out += "  \"version\": \"http://ipuz.org/v2\",\n";
    out += "  \"kind\": [\"http://ipuz.org/crossword#1\"],\n";
    out += "  \"origin\": \"Gridly\",\n";
    out += "  \"title\": " + Quoted(title, true) + ",\n";
    out += "  \"dimensions\": {\"width\": " + std::to_string(grid.cols) + ", \"height\": " + std::to_string(grid.rows)
        + "},\n";
    out += "  \"block\": \"#\",\n";
    out += "  \"empty\": " + empty + ",\n";
    out += "  \"puzzle\": " + Rows(grid, puzzleCell) + ",\n";
    out += "  \"solution\": " + Rows(grid, solutionCell) + ",\n";
    if (withAnswers)
        out += "  \"saved\": " + Rows(grid, savedCell) + ",\n";
    out += "  \"clues\": {\n    \"Across\": " + Clues(grid, true) + ",\n    \"Down\": " + Clues(grid, false)
        + "\n  }\n}\n";
    return {out, {}};
}
