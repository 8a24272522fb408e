#include "grid/search.h"

#include <bitset>

namespace {

// The grid seen along one direction: a line is a row (across) or a column
// (down), a position is the place along that line. Beside means the two
// neighbouring lines at the same position.
class Lines {
public:
    Lines(const Puzzle &p, Direction dr) : m_p(p), m_across(dr == Direction::Across)
    {
        // A one-letter word reads both ways, so it takes its cell in both.
        for (int i = 1; i <= p.nwords; ++i) {
            const WordEntry &entry = p.Words[i];
            const bool inGrid = entry.stat == STAT_PLACED || entry.stat == STAT_UNCROSSED;
            if (!inGrid || (entry.lw != 1 && entry.across() != m_across))
                continue;
            for (int k = 1; k <= entry.lw; ++k)
                if (Grid<char>::inside(entry.cellCol(k), entry.cellRow(k)))
                    m_taken[std::size_t(entry.cellCol(k))][std::size_t(entry.cellRow(k))] = true;
        }
    }

    int count() const { return m_across ? m_p.grows : m_p.gcols; }
    int length() const { return m_across ? m_p.gcols : m_p.grows; }

    // 1 <= line, pos <= GRIDMAX
    char cell(int line, int pos) const { return m_across ? m_p.CWGrid(pos, line) : m_p.CWGrid(line, pos); }

    // A letter inside the grid in use; anything outside it counts as empty.
    bool letter(int line, int pos) const
    {
        return line >= 1 && line <= count() && pos >= 1 && pos <= length() && cell(line, pos) != CELL_EMPTY;
    }
    bool letterBeside(int line, int pos) const { return letter(line - 1, pos) || letter(line + 1, pos); }
    // A placed word of this direction already runs through the cell.
    bool taken(int line, int pos) const
    {
        return m_across ? m_taken[std::size_t(pos)][std::size_t(line)] : m_taken[std::size_t(line)][std::size_t(pos)];
    }
    // The cells just ahead of the first and just behind the last of lw cells.
    bool letterBeforeOrAfter(int line, int first, int lw) const
    {
        return letter(line, first - 1) || letter(line, first + lw);
    }

    Found at(int line, int pos) const
    {
        return m_across ? Found{int16_t(pos), int16_t(line)} : Found{int16_t(line), int16_t(pos)};
    }

private:
    const Puzzle &m_p;
    bool m_across;
    std::array<std::bitset<GRIDMAX + 1>, GRIDMAX + 1> m_taken{};  // [column][row]
};

// At least one letter of wrd agrees with the grid, none clashes, no agreeing
// letter belongs to a word of the same direction (a word hidden inside
// another), and (unless relaxed) no empty cell of the word has a letter beside
// it and the cells before and after are empty. A one-letter word crosses
// nothing: it would share its cell with a word of its own direction.
bool Crosses(const Lines &lines, const std::string &wrd, int lw, int line, int first, bool relaxed)
{
    int agreeing = 0;
    for (int k = 1; k <= lw; ++k) {
        const int pos = first + k - 1;
        const char cell = lines.cell(line, pos);
        if (std::size_t(k) <= wrd.size() && cell == wrd[std::size_t(k - 1)]) {
            if (lw == 1 || lines.taken(line, pos))
                return false;
            ++agreeing;
        } else if (cell != CELL_EMPTY || (!relaxed && lines.letterBeside(line, pos)))
            return false;
    }
    return agreeing >= 1 && (relaxed || !lines.letterBeforeOrAfter(line, first, lw));
}

// All lw cells empty and (unless relaxed) nothing beside, before or after.
bool IsFree(const Lines &lines, int lw, int line, int first, bool relaxed)
{
    for (int pos = first; pos < first + lw; ++pos)
        if (lines.cell(line, pos) != CELL_EMPTY || (!relaxed && lines.letterBeside(line, pos)))
            return false;
    return relaxed || !lines.letterBeforeOrAfter(line, first, lw);
}

// SearchCWGrid at (line, first) of lines, which a search builds once.
Found Search(const Lines &lines, bool relaxed, const std::string &wrd, int lw, int line, int first, bool mtcLetter,
             bool mtcEmpty)
{
    const int last = first + lw - 1;
    if (lw < 1 || line < 1 || line > GRIDMAX || first < 1 || last > GRIDMAX)
        return {};
    bool legal = mtcLetter && Crosses(lines, wrd, lw, line, first, relaxed);
    if (!legal && mtcEmpty && last <= lines.length())
        legal = IsFree(lines, lw, line, first, relaxed);
    return legal ? lines.at(line, first) : Found{};
}

}  // namespace

Found SearchCWGrid(const Puzzle &p, const std::string &wrd, int lw, Direction dr, int c, int r, bool mtcLetter,
                   bool mtcEmpty, bool dragging)
{
    const bool across = dr == Direction::Across;
    return Search(Lines(p, dr), dragging, wrd, lw, across ? r : c, across ? c : r, mtcLetter, mtcEmpty);
}

Found MatchLetters(const Puzzle &p, const std::string &w, Direction dr)
{
    const Lines lines(p, dr);
    const int lw = int(w.size());
    for (int first = 1; first <= lines.length() - lw + 1; ++first) {
        for (int line = 1; line <= lines.count(); ++line) {
            const Found found = Search(lines, false, w, lw, line, first, true, false);
            if (found.found())
                return found;
        }
    }
    return {};
}

// Each line is walked with a run counter. A run's first cell is refused when
// the cell before it, or the cell lw further along, holds a letter; a letter
// beside any empty cell drops the run in progress, however long it had grown.
// A run counts only when a letter or the end of the line closes it.
Found GetEmpty(const Puzzle &p, int lw, Direction dr)
{
    const Lines lines(p, dr);
    for (int line = 1; line <= lines.count(); ++line) {
        int run = 0;
        int start = 0;
        for (int pos = 1; pos <= lines.length(); ++pos) {
            if (lines.letter(line, pos)) {
                if (run >= lw)
                    return lines.at(line, start);
                run = 0;
                continue;
            }
            if (++run == 1) {
                start = pos;
                if (lines.letterBeforeOrAfter(line, pos, lw))
                    run = 0;
            }
            if (lines.letterBeside(line, pos))
                run = 0;
        }
        if (run >= lw)
            return lines.at(line, start);
    }
    return {};
}
