// The .ipuz read back with the strict JSON reader, after the ipuz crossword
// description: the grid's size, "block" where no letter is, the clue number
// in a word's first cell and the "empty" value in its other cells, the
// letters in the solution, the player's letters in "saved" when asked for,
// and every clue with its number, its cells and its text, which ipuz readers
// take as HTML.
#include "document/ipuz_file.h"
#include "fuzz_check.h"
#include "strict_json.h"
#include "writer_checks.h"

#include <set>
#include <tuple>

namespace {

std::string Where(int col, int row)
{
    return " at column " + std::to_string(col) + ", row " + std::to_string(row);
}

// Two cell values a reader may well take for one another: a number and a
// string of the same characters among them.
bool LooselyEqual(const JsonValue &a, const JsonValue &b)
{
    const bool scalar = a.kind == JsonValue::Kind::Number || a.kind == JsonValue::Kind::String;
    return scalar && (b.kind == JsonValue::Kind::Number || b.kind == JsonValue::Kind::String) && a.text == b.text;
}

// HTML text decoded: no raw "<" or ">" (markup to a reader), entities decoded.
std::string HtmlText(const JsonValue *value, const std::string &what)
{
    FUZZ_CHECK(value && value->isString(), what + " is not a string");
    FUZZ_CHECK(value->text.find_first_of("<>") == std::string::npos, what + " holds markup: " + value->text);
    const auto decoded = DecodeEntities(value->text);
    FUZZ_CHECK(decoded.has_value(), what + " holds an \"&\" that starts no entity: " + value->text);
    return *decoded;
}

// rows x cols cells of a grid member.
const JsonValue &GridCell(const JsonValue &grid, const PuzzleModel &model, int col, int row, const std::string &what)
{
    FUZZ_CHECK(grid.kind == JsonValue::Kind::Array && int(grid.items.size()) == model.rows,
               what + " does not have the grid's rows");
    const JsonValue &line = grid.items[std::size_t(row - 1)];
    FUZZ_CHECK(line.kind == JsonValue::Kind::Array && int(line.items.size()) == model.cols,
               what + " row " + std::to_string(row) + " does not have the grid's columns");
    return line.items[std::size_t(col - 1)];
}

}  // namespace

void CheckIpuz(const Puzzle &p, const PuzzleModel &model, bool withAnswers)
{
    const ExportFile file = WriteIpuzFile(p, model.title, withAnswers);
    FUZZ_CHECK(file.refusal.empty(), ".ipuz refused a puzzle with every word in the grid: " + file.refusal);
    const JsonRead read = ReadStrictJson(file.bytes);
    FUZZ_CHECK(read.fault.empty(), ".ipuz is not JSON: " + read.fault);
    const JsonValue &ipuz = read.value;
    FUZZ_CHECK(ipuz.kind == JsonValue::Kind::Object, ".ipuz is not an object");

    const JsonValue *version = ipuz.member("version"), *kind = ipuz.member("kind");
    FUZZ_CHECK(version && version->text == "http://ipuz.org/v2", ".ipuz names no version 2");
    FUZZ_CHECK(kind && kind->items.size() == 1 && kind->items[0].text == "http://ipuz.org/crossword#1",
               ".ipuz is not a crossword");
    FUZZ_CHECK(HtmlText(ipuz.member("title"), "the .ipuz title") == EncodeUtf8(DecodeUtf8Strictly(model.title).chars),
               ".ipuz title reads back otherwise");
    const JsonValue *dimensions = ipuz.member("dimensions");
    int width = 0, height = 0;
    FUZZ_CHECK(dimensions && dimensions->member("width") && dimensions->member("width")->isInt(width)
                   && dimensions->member("height") && dimensions->member("height")->isInt(height) && width == model.cols
                   && height == model.rows,
               ".ipuz dimensions are not the grid's");

    const JsonValue *block = ipuz.member("block"), *empty = ipuz.member("empty");
    FUZZ_CHECK(block && block->isString() && empty && !LooselyEqual(*block, *empty),
               ".ipuz has no block and empty values apart");
    const JsonValue *puzzle = ipuz.member("puzzle"), *solution = ipuz.member("solution"), *saved = ipuz.member("saved");
    FUZZ_CHECK(puzzle && solution, ".ipuz has no puzzle or solution grid");
    FUZZ_CHECK(withAnswers == (saved != nullptr), ".ipuz holds answers when not asked, or none when asked");

    std::map<std::pair<int, int>, int> numbers;
    for (const ModelWord &word : model.words)
        numbers[{word.col, word.row}] = word.number;
    for (int r = 1; r <= model.rows; ++r)
        for (int c = 1; c <= model.cols; ++c) {
            const JsonValue &held = GridCell(*puzzle, model, c, r, "the puzzle grid");
            const JsonValue *value = held.kind == JsonValue::Kind::Object ? held.member("cell") : &held;
            FUZZ_CHECK(value, "a styled cell without its value" + Where(c, r));
            const JsonValue &letter = GridCell(*solution, model, c, r, "the solution");
            if (!model.hasLetter(c, r)) {
                FUZZ_CHECK(LooselyEqual(*value, *block) && LooselyEqual(letter, *block), "no block" + Where(c, r));
                if (saved)
                    FUZZ_CHECK(LooselyEqual(GridCell(*saved, model, c, r, "saved"), *block),
                               "no saved block" + Where(c, r));
                continue;
            }
            int number = 0;
            const auto start = numbers.find({c, r});
            if (start != numbers.end())
                FUZZ_CHECK(value->isInt(number) && number == start->second, "not the clue number" + Where(c, r));
            else
                FUZZ_CHECK(LooselyEqual(*value, *empty), "a letter cell not empty" + Where(c, r));
            const std::string expected = EncodeUtf8(Cp1252Char(static_cast<unsigned char>(model.letters.at({c, r}))));
            FUZZ_CHECK(letter.isString() && letter.text == expected && !LooselyEqual(letter, *empty)
                           && !LooselyEqual(letter, *block),
                       "the solution letter is not the word's" + Where(c, r));
            if (!saved)
                continue;
            const JsonValue &answer = GridCell(*saved, model, c, r, "saved");
            const char typed = model.answers.at({c, r});
            if (typed == CELL_UNFILLED || typed == CELL_EMPTY)
                FUZZ_CHECK(LooselyEqual(answer, *empty), "an unfilled cell is not saved empty" + Where(c, r));
            else
                FUZZ_CHECK(answer.isString() && answer.text == EncodeUtf8(Cp1252Char(static_cast<unsigned char>(typed)))
                               && !LooselyEqual(answer, *empty) && !LooselyEqual(answer, *block),
                           "the saved letter is not the player's" + Where(c, r));
        }

    // A reader that finds words by blocks and bars must find the words: two
    // touching letters are parted by a bar exactly when no word holds both.
    std::set<std::tuple<int, int, bool>> joined;  // a cell and the next one across (true) or down
    for (const ModelWord &word : model.words)
        for (int k = 0; k + 1 < word.length; ++k)
            joined.insert({word.cellCol(k), word.cellRow(k), word.across});
    const auto bars = [&](int col, int row) {
        const JsonValue &held = GridCell(*puzzle, model, col, row, "the puzzle grid");
        const JsonValue *style = held.kind == JsonValue::Kind::Object ? held.member("style") : nullptr;
        const JsonValue *barred = style ? style->member("barred") : nullptr;
        return barred && barred->isString() ? barred->text : std::string();
    };
    for (int r = 1; r <= model.rows; ++r)
        for (int c = 1; c <= model.cols; ++c)
            for (const bool across : {true, false}) {
                const int nc = across ? c + 1 : c, nr = across ? r : r + 1;
                if (!model.hasLetter(c, r) || !model.hasLetter(nc, nr))
                    continue;
                const bool barred = bars(c, r).find(across ? 'R' : 'B') != std::string::npos
                    || bars(nc, nr).find(across ? 'L' : 'T') != std::string::npos;
                FUZZ_CHECK(barred != (joined.count({c, r, across}) > 0),
                           std::string(barred ? "a bar inside a word" : "no bar between two words")
                               + (across ? " across" : " down") + Where(c, r));
            }

    const JsonValue *clues = ipuz.member("clues");
    FUZZ_CHECK(clues && clues->kind == JsonValue::Kind::Object, ".ipuz has no clues");
    for (const bool across : {true, false}) {
        const char *direction = across ? "Across" : "Down";
        const JsonValue *list = clues->member(direction);
        FUZZ_CHECK(list && list->kind == JsonValue::Kind::Array, std::string("no ") + direction + " clues");
        std::size_t n = 0;
        for (const ModelWord &word : model.clueOrder()) {
            if (word.across != across)
                continue;
            const std::string what = std::string(direction) + " clue " + std::to_string(n + 1);
            FUZZ_CHECK(n < list->items.size(), what + " is missing");
            const JsonValue &clue = list->items[n++];
            int number = 0;
            FUZZ_CHECK(clue.member("number") && clue.member("number")->isInt(number) && number == word.number,
                       what + " has another number");
            FUZZ_CHECK(HtmlText(clue.member("clue"), what) == Cp1252BytesToUtf8(word.clue),
                       what + " reads back otherwise");
            const JsonValue *cells = clue.member("cells");
            FUZZ_CHECK(cells && cells->items.size() == std::size_t(word.length), what + " has other cells");
            for (int k = 0; k < word.length; ++k) {
                const JsonValue &cell = cells->items[std::size_t(k)];
                int col = 0, row = 0;
                FUZZ_CHECK(cell.items.size() == 2 && cell.items[0].isInt(col) && cell.items[1].isInt(row)
                               && col == word.cellCol(k) && row == word.cellRow(k),
                           what + " names another cell " + std::to_string(k + 1));
            }
        }
        FUZZ_CHECK(n == list->items.size(), std::string("more ") + direction + " clues than words");
    }
}
