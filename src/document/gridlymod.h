// The one puzzle of the program: the word list, the grid arrays derived from
// it, and the flags that go with it. Plain data, no behaviour beyond
// bounds-checked access; the grid, play, file and command code reads and writes
// it in place.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

constexpr int MAXWORDS = 40;  // capacity of Words
constexpr int WORDLEN = 24;   // characters of a word and of an answer
constexpr int CLUELEN = 40;   // characters of a stored clue
constexpr int GRIDMAX = 24;   // storage size of each grid dimension
constexpr int GRIDMIN = 15;   // smallest selectable column or row count

// Fixed-width text field: N single-byte (Windows-1252) characters, left-aligned
// and padded with blanks. This is also its byte layout in a puzzle file.
template <std::size_t N>
class FixedText {
public:
    FixedText() { m_chars.fill(' '); }
    explicit FixedText(std::string_view text) { assign(text); }

    // Cut to N characters, pad with blanks.
    void assign(std::string_view text)
    {
        m_chars.fill(' ');
        text.copy(m_chars.data(), std::min(text.size(), N));
    }
    void clear() { m_chars.fill(' '); }

    std::string str() const { return std::string(m_chars.data(), N); }
    // Without leading and trailing blanks (blanks only, as the program compares words).
    std::string trimmed() const
    {
        std::size_t first = 0, last = N;
        while (first < N && m_chars[first] == ' ')
            ++first;
        while (last > first && m_chars[last - 1] == ' ')
            --last;
        return std::string(m_chars.data() + first, last - first);
    }

    // 0 <= i < N
    char operator[](std::size_t i) const { return m_chars.at(i); }
    char &operator[](std::size_t i) { return m_chars.at(i); }

    const std::array<char, N> &bytes() const { return m_chars; }
    std::array<char, N> &bytes() { return m_chars; }
    static constexpr std::size_t size() { return N; }

    bool operator==(const FixedText &) const = default;

private:
    std::array<char, N> m_chars;
};

// Placement status of a word.
enum : int16_t {
    STAT_NONE = 0,       // not in the grid (after New or a reset of the grid)
    STAT_PLACED = 1,     // in the grid
    STAT_UNPLACED = 2,   // not placed: new, removed, or left out by generation
    STAT_UNCROSSED = 3,  // placed without a crossing; only while generation runs
};

// The way a word reads: across, left to right, or down, top to bottom.
enum class Direction : int16_t { Across, Down };

// One word of the word list; fields in puzzle-file order.
struct WordEntry {
    FixedText<WORDLEN> word;   // upper case, blank-padded
    FixedText<WORDLEN> pword;  // the player's answer
    int16_t lw = 0;            // length of the trimmed word, inner blanks included
    int16_t stat = STAT_NONE;
    Direction dr = Direction::Across;
    int16_t nbr = 0;   // clue number; meaningful while stat == STAT_PLACED
    int16_t gc = 0;    // column of the first letter, 1-based
    int16_t gr = 0;    // row of the first letter, 1-based
    int16_t pwok = 0;  // 1 when pword equals word
    FixedText<CLUELEN> clue;

    bool placed() const { return stat == STAT_PLACED; }
    bool across() const { return dr == Direction::Across; }
    // The k-th cell of the word, 1 <= k <= lw.
    int cellCol(int k) const { return across() ? gc + k - 1 : gc; }
    int cellRow(int k) const { return across() ? gr : gr + k - 1; }

    bool operator==(const WordEntry &) const = default;
};

// Indices 1..N, bounds-checked on every access (an index outside throws).
template <class T, int N>
class OneBased {
public:
    T &operator[](int i) { return m_items.at(index(i)); }
    const T &operator[](int i) const { return m_items.at(index(i)); }
    static constexpr int size() { return N; }
    bool operator==(const OneBased &) const = default;

private:
    static std::size_t index(int i)
    {
        if (i < 1 || i > N)
            throw std::out_of_range("index outside 1.." + std::to_string(N));
        return std::size_t(i - 1);
    }
    std::array<T, N> m_items{};
};

// GRIDMAX x GRIDMAX cells addressed (column, row), both from 1, bounds-checked.
template <class T>
class Grid {
public:
    explicit Grid(T empty) { fill(empty); }
    T &operator()(int col, int row) { return m_cells[col][row]; }
    const T &operator()(int col, int row) const { return m_cells[col][row]; }
    void fill(T value)
    {
        for (int c = 1; c <= GRIDMAX; ++c)
            for (int r = 1; r <= GRIDMAX; ++r)
                m_cells[c][r] = value;
    }
    static bool inside(int col, int row) { return col >= 1 && col <= GRIDMAX && row >= 1 && row <= GRIDMAX; }
    bool operator==(const Grid &) const = default;

private:
    OneBased<OneBased<T, GRIDMAX>, GRIDMAX> m_cells;
};

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};

// Background colours of the six grid colour boxes, by box index.
inline constexpr std::array<Rgb, 6> GRID_BOX_COLOURS{{
    {255, 255, 255},  // white
    {224, 224, 224},  // light grey
    {128, 128, 128},  // grey, the colour at start
    {0, 128, 128},    // teal
    {0, 0, 0},        // black
    {64, 64, 64},     // dark grey
}};

// Design mode builds the puzzle; play mode solves it.
enum class RunMode { Design, Play };

// Who opens a puzzle file: the Open command, which asks first and reports
// failures, or start-up, which opens the file it was given without a word.
enum class OpenSource { Program, Configuration };

inline constexpr char CELL_EMPTY = '#';     // no letter, in CWGrid and Pgrid
inline constexpr char CELL_UNFILLED = ' ';  // a word cell of Pgrid the player has not filled

struct Puzzle {
    // The word list, entries 1..nwords in use.
    OneBased<WordEntry, MAXWORDS> Words;
    int16_t nwords = 0;
    int16_t curw = 0;  // current word, 0 = none

    // Derived from Words by LoadGrid; never stored.
    Grid<char> CWGrid{CELL_EMPTY};  // solution letters
    Grid<int16_t> CWIdx{0};         // word written last through the cell
    Grid<char> Pgrid{CELL_EMPTY};   // player's letters

    int16_t gcols = GRIDMAX;  // grid in use: gcols x grows, 15..24
    int16_t grows = GRIDMAX;
    int16_t gcolsmin = GRIDMAX;  // smallest size that holds every placed word
    int16_t growsmin = GRIDMAX;
    int16_t nplaced = 0;
    int16_t ncorrect = 0;
    int16_t gboxidx = 2;  // grid colour box 0..5
    Rgb gridclr{128, 128, 128};

    // Not saved in the puzzle file. The mode, the file's names and the
    // window's own switches belong to the document and the window.
    bool gridwrd = true;    // grid words shown
    bool gridwrdsv = true;  // gridwrd as it was when play mode began
    bool changed = false;

    bool complete() const { return nwords > 0 && nplaced == nwords; }
};
