// The connected maker's working grid. A canvas larger than any layout, so
// that a layout grows in every direction from its first word, with the
// grid's rules for a new word: letters agree where words cross, no two words
// of one direction share a cell, the cells before and after the word are
// empty, and a cell the word does not share has no letter beside it. Every
// word after the first must cross one already there, so the words placed are
// always one piece. A limit bounds the extent of the words: its columns and
// its rows.
#pragma once

#include "document/gridlymod.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct CanvasPlace {
    int col = 0;  // first letter, in canvas columns and rows; col 0: not placed
    int row = 0;
    bool across = true;

    // The cell of the word's letter k, from 0: len - 1 gives its last.
    int colAt(int k) const { return across ? col + k : col; }
    int rowAt(int k) const { return across ? row : row + k; }
};

struct CanvasLimit {
    int cols = GRIDMAX;
    int rows = GRIDMAX;
};

// Why a place for a word is not legal, for telling the user.
enum class PlaceFault {
    None,    // legal
    NoRoom,  // past the limit, beside a letter it would not share, or along a word
    Clash,   // it has room but crosses a word at a letter it does not share
};

class ConnectedCanvas {
public:
    // The first word goes here. While the extent holds the origin, the limit
    // keeps every later word and its neighbours inside the canvas.
    static constexpr int SIDE = 2 * GRIDMAX + 8;
    static constexpr int ORIGIN = GRIDMAX + 2;

    explicit ConnectedCanvas(CanvasLimit limit = {});

    // Empties the canvas and sets the limit.
    void clear(CanvasLimit limit);
    // The same, then writes the words placed (col 0: not placed), which must
    // keep the rules together.
    void clear(CanvasLimit limit, const std::vector<std::string> &words, const std::vector<CanvasPlace> &places);

    // The number of crossings of w at a place, or -1 when the place breaks a
    // rule or the limit, or crosses nothing while words are placed. first
    // receives the index in w of its first crossing.
    int crossings(const std::string &w, CanvasPlace at, int &first) const;

    // What keeps w from a place that crosses a letter already there.
    PlaceFault fault(const std::string &w, CanvasPlace at) const;

    // Writes w at a place that crossings() found legal (or anywhere, for the
    // first word).
    void place(const std::string &w, CanvasPlace at);

    // The cells holding letter c that a word of the other direction could
    // still cross.
    const std::vector<int16_t> &open(char c) const { return m_open[static_cast<unsigned char>(c)]; }
    static int cellAt(int col, int row) { return row * SIDE + col; }
    char letterAt(int cell) const { return m_letters[std::size_t(cell)]; }
    static int colOf(int cell) { return cell % SIDE; }
    static int rowOf(int cell) { return cell / SIDE; }
    // The direction a word crossing an open cell takes.
    bool crossesAcross(int cell) const { return m_dirs[std::size_t(cell)] == DOWN; }

    // The extent's area after a word of len letters went at a place.
    int areaWith(int len, CanvasPlace at) const
    {
        const int endC = at.colAt(len - 1), endR = at.rowAt(len - 1);
        return (std::max(m_maxC, endC) - std::min(m_minC, at.col) + 1)
            * (std::max(m_maxR, endR) - std::min(m_minR, at.row) + 1);
    }

    // Whether any cell holds letter c.
    bool holds(char c) const { return m_count[static_cast<unsigned char>(c)] > 0; }
    // Whether a word of len letters at a place keeps within the limit.
    bool withinLimit(int len, CanvasPlace at) const
    {
        const int endC = at.colAt(len - 1), endR = at.rowAt(len - 1);
        const int cols = m_placed ? std::max(m_maxC, endC) - std::min(m_minC, at.col) + 1 : endC - at.col + 1;
        const int rows = m_placed ? std::max(m_maxR, endR) - std::min(m_minR, at.row) + 1 : endR - at.row + 1;
        return cols <= m_limit.cols && rows <= m_limit.rows;
    }

    int placed() const { return m_placed; }
    int cols() const { return m_placed ? m_maxC - m_minC + 1 : 0; }
    int rows() const { return m_placed ? m_maxR - m_minR + 1 : 0; }
    int area() const { return cols() * rows(); }
    const CanvasLimit &limit() const { return m_limit; }

    // Checks made by crossings(): the unit of the search's work budget.
    int64_t checks() const { return m_checks; }

private:
    static constexpr uint8_t ACROSS = 1;
    static constexpr uint8_t DOWN = 2;
    char letter(int c, int r) const { return m_letters[std::size_t(cellAt(c, r))]; }
    void write(const std::string &w, CanvasPlace at);  // the letters, without the open cells
    static bool inside(int len, CanvasPlace at)
    {
        // The word and the cells around it.
        const int endC = at.colAt(len - 1), endR = at.rowAt(len - 1);
        return at.col >= 1 && at.row >= 1 && endC <= SIDE - 2 && endR <= SIDE - 2;
    }

    CanvasLimit m_limit;
    std::array<char, SIDE * SIDE> m_letters;
    std::array<uint8_t, SIDE * SIDE> m_dirs;  // ACROSS and DOWN: the directions of the words through a cell
    std::array<std::vector<int16_t>, 256> m_open;
    std::array<int, 256> m_count;  // the cells holding each letter
    int m_placed = 0;
    int m_minC = 0, m_maxC = 0, m_minR = 0, m_maxR = 0;
    mutable int64_t m_checks = 0;
};

inline int ConnectedCanvas::crossings(const std::string &w, CanvasPlace at, int &first) const
{
    ++m_checks;
    const int len = int(w.size());
    if (m_placed == 0 || !withinLimit(len, at) || !inside(len, at))
        return -1;
    const int dc = at.across ? 1 : 0, dr = at.across ? 0 : 1;
    if (letter(at.col - dc, at.row - dr) || letter(at.col + dc * len, at.row + dr * len))
        return -1;
    const uint8_t dir = at.across ? ACROSS : DOWN;
    int count = 0;
    first = -1;
    for (int k = 0; k < len; ++k) {
        const int x = at.col + dc * k, y = at.row + dr * k;
        const char here = letter(x, y);
        if (here == 0) {
            if (letter(x - dr, y - dc) || letter(x + dr, y + dc))
                return -1;
        } else if (here != w[std::size_t(k)] || (m_dirs[std::size_t(cellAt(x, y))] & dir)) {
            return -1;
        } else if (count++ == 0) {
            first = k;
        }
    }
    return count > 0 ? count : -1;
}
