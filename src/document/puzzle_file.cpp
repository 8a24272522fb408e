#include "document/puzzle_file.h"

#include "document/int16_bytes.h"
#include "document/puzzle_grid.h"

namespace {

constexpr std::string_view ACROSS_BYTES = "Acro";
constexpr std::string_view DOWN_BYTES = "Down";

template <std::size_t N>
void PutText(std::string &out, const FixedText<N> &text)
{
    out.append(text.bytes().data(), N);
}

// Reads forward through the file bytes; every read is checked against the end.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    bool has(std::size_t count) const { return m_bytes.size() - m_pos >= count; }
    // has(2) must hold.
    int16_t readInt()
    {
        const int16_t value = Int16At(m_bytes, m_pos);
        m_pos += 2;
        return value;
    }
    // has(count) must hold.
    std::string_view readText(std::size_t count)
    {
        const std::string_view text = m_bytes.substr(m_pos, count);
        m_pos += count;
        return text;
    }
    template <std::size_t N>
    void readText(FixedText<N> &text)
    {
        text.assign(readText(N));
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

const std::string PAST_END = "Input past end of file";

std::string Range(const std::string &what, int value, int low, int high)
{
    return what + " " + std::to_string(value) + " is outside " + std::to_string(low) + ".." + std::to_string(high);
}

// One record as read; a direction that is neither "Acro" nor "Down" is
// held aside, as the fault it is, until the record is checked.
struct Record {
    WordEntry entry;
    bool knownDirection = true;
};

Record ReadRecord(ByteReader &in)
{
    Record record;
    WordEntry &e = record.entry;
    in.readText(e.word);
    in.readText(e.pword);
    e.lw = in.readInt();
    e.stat = in.readInt();
    const std::optional<Direction> dr = DirectionFromBytes(in.readText(4));
    record.knownDirection = dr.has_value();
    e.dr = dr.value_or(Direction::Across);
    e.nbr = in.readInt();
    e.gc = in.readInt();
    e.gr = in.readInt();
    e.pwok = in.readInt();
    in.readText(e.clue);
    return record;
}

// The fault of one record taken alone, if any.
std::optional<std::string> RecordFault(const Record &record, int gcols, int grows)
{
    const WordEntry &e = record.entry;
    if (e.lw < 1 || e.lw > WORDLEN)
        return Range("length", e.lw, 1, WORDLEN);
    if (std::size_t(e.lw) != e.word.trimmed().size())
        return "length " + std::to_string(e.lw) + " differs from its word";
    // The grid takes a word's letters from its first character on.
    if (e.word[0] == ' ')
        return std::string("word does not start in its first character");
    // "#" marks an empty cell in both grids: a word or an answer holding it
    // would turn its own cell into an empty one.
    if (e.word.trimmed().find(CELL_EMPTY) != std::string::npos || e.pword.str().find(CELL_EMPTY) != std::string::npos)
        return std::string("holds the empty-cell mark #");
    if (!record.knownDirection)
        return std::string("direction is not Acro or Down");
    if (e.stat < STAT_NONE || e.stat > STAT_UNPLACED)
        return Range("status", e.stat, STAT_NONE, STAT_UNPLACED);
    // The picture draws right and wrong answers in two passes by this flag;
    // any other value would leave the word out of the picture.
    if (e.pwok != 0 && e.pwok != 1)
        return Range("answer flag", e.pwok, 0, 1);
    if (e.placed()) {
        const bool inside = e.gc >= 1 && e.gr >= 1 && e.cellCol(e.lw) <= gcols && e.cellRow(e.lw) <= grows;
        if (!inside)
            return std::string("lies outside the grid");
    }
    return std::nullopt;
}

// The fault of the placed words together: a cell two words give different letters.
std::optional<std::string> CrossingFault(const std::vector<WordEntry> &words)
{
    Grid<char> letters{CELL_EMPTY};
    Grid<int16_t> owner{0};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const WordEntry &e = words[i];
        if (!e.placed())
            continue;
        for (int k = 1; k <= e.lw; ++k) {
            const int c = e.cellCol(k), r = e.cellRow(k);
            const char letter = e.word[std::size_t(k - 1)];
            if (owner(c, r) != 0 && letters(c, r) != letter)
                return "Word " + std::to_string(i + 1) + " disagrees with word " + std::to_string(owner(c, r))
                    + " where they cross";
            letters(c, r) = letter;
            owner(c, r) = int16_t(i + 1);
        }
    }
    return std::nullopt;
}

// Two records of the same word: the list holds each word once, and Update
// could never change the later one's clue.
std::optional<std::string> RepeatFault(const std::vector<WordEntry> &words)
{
    for (std::size_t i = 0; i < words.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (words[i].word.trimmed() == words[j].word.trimmed())
                return "Word " + std::to_string(i + 1) + " repeats word " + std::to_string(j + 1);
    return std::nullopt;
}

PuzzleFileRead Failure(std::string text)
{
    return {PuzzleFileStatus::Failed, std::move(text), {}};
}

}  // namespace

std::string_view DirectionBytes(Direction dr)
{
    return dr == Direction::Across ? ACROSS_BYTES : DOWN_BYTES;
}

std::optional<Direction> DirectionFromBytes(std::string_view bytes)
{
    if (bytes == ACROSS_BYTES)
        return Direction::Across;
    if (bytes == DOWN_BYTES)
        return Direction::Down;
    return std::nullopt;
}

std::string WritePuzzleFile(const Puzzle &p)
{
    std::string out;
    out.reserve(std::size_t(PUZZLE_HEADER_SIZE + PUZZLE_RECORD_SIZE * std::max<int>(p.nwords, 0)));
    out += PUZZLE_MAGIC;
    out += PUZZLE_VERSION;
    for (const int16_t value :
         {p.nwords, p.gcols, p.grows, p.gboxidx, int16_t(1), int16_t(0), int16_t(0), int16_t(0), int16_t(0)})
        AppendInt16(out, value);
    for (int i = 1; i <= p.nwords; ++i) {
        const WordEntry &e = p.Words[i];
        PutText(out, e.word);
        PutText(out, e.pword);
        AppendInt16(out, e.lw);
        AppendInt16(out, e.stat);
        out += DirectionBytes(e.dr);
        AppendInt16(out, e.nbr);
        AppendInt16(out, e.gc);
        AppendInt16(out, e.gr);
        AppendInt16(out, e.pwok);
        PutText(out, e.clue);
    }
    return out;
}

PuzzleFileRead ReadPuzzleFile(std::string_view bytes)
{
    const PuzzleFileRead notGridly{PuzzleFileStatus::NotGridly, {}, {}};
    ByteReader in(bytes);
    // A file too short to hold the magic is not one of ours; one with the
    // magic that ends early is a damaged puzzle file.
    if (!in.has(PUZZLE_MAGIC.size()) || in.readText(PUZZLE_MAGIC.size()) != PUZZLE_MAGIC)
        return notGridly;
    if (!in.has(PUZZLE_VERSION.size()))
        return Failure(PAST_END);
    if (in.readText(PUZZLE_VERSION.size()) != PUZZLE_VERSION)
        return notGridly;

    if (!in.has(2))
        return Failure(PAST_END);
    PuzzleFileContents file;
    file.nwords = in.readInt();
    if (file.nwords < 0 || file.nwords > MAXWORDS)
        return Failure(Range("Word count", file.nwords, 0, MAXWORDS));
    if (!in.has(8 * 2))  // gcols, grows, gboxidx, the value 1, four zeros
        return Failure(PAST_END);
    file.gcols = in.readInt();
    file.grows = in.readInt();
    file.gboxidx = in.readInt();
    in.readText(5 * 2);
    if (file.gcols < GRIDMIN || file.gcols > GRIDMAX)
        return Failure(Range("Grid columns", file.gcols, GRIDMIN, GRIDMAX));
    if (file.grows < GRIDMIN || file.grows > GRIDMAX)
        return Failure(Range("Grid rows", file.grows, GRIDMIN, GRIDMAX));
    if (file.gboxidx < 0 || file.gboxidx >= int(GRID_BOX_COLOURS.size()))
        return Failure(Range("Grid colour", file.gboxidx, 0, int(GRID_BOX_COLOURS.size()) - 1));

    if (!in.has(std::size_t(PUZZLE_RECORD_SIZE) * std::size_t(file.nwords)))
        return Failure(PAST_END);
    for (int i = 1; i <= file.nwords; ++i) {
        const Record record = ReadRecord(in);
        if (const auto fault = RecordFault(record, file.gcols, file.grows))
            return Failure("Word " + std::to_string(i) + ": " + *fault);
        file.words.push_back(record.entry);
    }
    if (const auto fault = RepeatFault(file.words))
        return Failure(*fault);
    if (const auto fault = CrossingFault(file.words))
        return Failure(*fault);
    return {PuzzleFileStatus::Ok, {}, std::move(file)};
}

void ApplyPuzzleFile(Puzzle &p, const PuzzleFileContents &contents)
{
    p.nwords = contents.nwords;
    p.gcols = p.gcolsmin = contents.gcols;
    p.grows = p.growsmin = contents.grows;
    for (int i = 1; i <= contents.nwords; ++i)
        p.Words[i] = contents.words[std::size_t(i - 1)];
    p.curw = 0;
    LoadGrid(p);
    GenGridNbrs(p);
    p.changed = false;
}
