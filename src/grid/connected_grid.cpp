#include "grid/connected_grid.h"

#include "document/puzzle_grid.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// The canvas is wide enough that a layout kept within GRIDMAX of its first
// word, and the neighbours of its cells, never leave it.
constexpr int SIDE = 2 * GRIDMAX + 8;
constexpr int ORIGIN = GRIDMAX + 2;  // column and row of the first word's first letter

constexpr uint8_t ACROSS = 1;
constexpr uint8_t DOWN = 2;

// Scoring weights, found by measuring forty everyday words at 24 x 24.
constexpr double CROSSING = 6.0;     // each crossing beyond the first
constexpr double GROWTH = 0.12;      // each cell the bounding box grows by
constexpr double FEW_PLACES = 30.0;  // a word with at most FEW places left goes first
constexpr int FEW = 2;
constexpr double LENGTH = 1.5;  // each letter: long words first, while there is room
constexpr double JITTER = 4.0;

// Cheap draws for a try (splitmix64), seeded from the random source so that
// the source decides every try.
class Draws {
public:
    explicit Draws(const RandomSource &random) : m_state(uint64_t(random() * 0x1.0p53)) {}
    double next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return double((z ^ (z >> 31)) >> 11) * 0x1.0p-53;
    }

private:
    uint64_t m_state;
};

struct Move {
    int col = 0;
    int row = 0;
    bool across = true;
    double score = 0;
};

class Canvas {
public:
    Canvas(int maxCols, int maxRows) : m_maxCols(maxCols), m_maxRows(maxRows)
    {
        m_letters.fill(0);
        m_dirs.fill(0);
    }

    // The number of crossings of word w at (c, r), or -1 when the place breaks
    // a rule or the size limit. firstCrossing receives the index of the first
    // letter w shares with the canvas.
    int crossings(const std::string &w, int c, int r, bool across, int &firstCrossing) const
    {
        const int len = int(w.size());
        const int dc = across ? 1 : 0, dr = across ? 0 : 1;
        const int endC = c + dc * (len - 1), endR = r + dr * (len - 1);
        if (m_placed > 0
            && (std::max(m_maxC, endC) - std::min(m_minC, c) >= m_maxCols
                || std::max(m_maxR, endR) - std::min(m_minR, r) >= m_maxRows))
            return -1;
        if (letter(c - dc, r - dr) || letter(endC + dc, endR + dr))
            return -1;
        const uint8_t dir = across ? ACROSS : DOWN;
        int count = 0;
        firstCrossing = -1;
        for (int k = 0; k < len; ++k) {
            const int x = c + dc * k, y = r + dr * k;
            const char here = letter(x, y);
            if (here == 0) {
                if (letter(x - dr, y - dc) || letter(x + dr, y + dc))
                    return -1;
            } else if (here != w[std::size_t(k)] || (m_dirs[index(x, y)] & dir)) {
                return -1;
            } else if (count++ == 0) {
                firstCrossing = k;
            }
        }
        return count;
    }

    // Cells the bounding box would gain.
    int growth(int len, int c, int r, bool across) const
    {
        const int endC = across ? c + len - 1 : c, endR = across ? r : r + len - 1;
        const int w = std::max(m_maxC, endC) - std::min(m_minC, c) + 1;
        const int h = std::max(m_maxR, endR) - std::min(m_minR, r) + 1;
        return w * h - (m_maxC - m_minC + 1) * (m_maxR - m_minR + 1);
    }

    void place(const std::string &w, int c, int r, bool across)
    {
        const int len = int(w.size());
        for (int k = 0; k < len; ++k) {
            const int x = across ? c + k : c, y = across ? r : r + k;
            const int i = index(x, y);
            if (m_letters[std::size_t(i)] == 0) {
                m_letters[std::size_t(i)] = w[std::size_t(k)];
                m_cellsOf[static_cast<unsigned char>(w[std::size_t(k)])].push_back(i);
            }
            m_dirs[std::size_t(i)] |= across ? ACROSS : DOWN;
        }
        const int endC = across ? c + len - 1 : c, endR = across ? r : r + len - 1;
        if (m_placed++ == 0) {
            m_minC = c, m_maxC = endC, m_minR = r, m_maxR = endR;
        } else {
            m_minC = std::min(m_minC, c), m_maxC = std::max(m_maxC, endC);
            m_minR = std::min(m_minR, r), m_maxR = std::max(m_maxR, endR);
        }
    }

    // Every legal crossing place of w: the number found, and the best by score.
    int bestMove(const std::string &w, Draws &draws, Move &best) const
    {
        int found = 0;
        for (int k = 0; k < int(w.size()); ++k) {
            for (const int cell : m_cellsOf[static_cast<unsigned char>(w[std::size_t(k)])]) {
                const uint8_t dirs = m_dirs[std::size_t(cell)];
                if (dirs == (ACROSS | DOWN))
                    continue;
                const bool across = dirs == DOWN;
                const int x = cell % SIDE, y = cell / SIDE;
                const int c = across ? x - k : x, r = across ? y : y - k;
                int first = 0;
                const int count = crossings(w, c, r, across, first);
                if (count < 1 || first != k)  // each place once, from its first crossing
                    continue;
                const double score =
                    CROSSING * (count - 1) - GROWTH * growth(int(w.size()), c, r, across) + JITTER * draws.next();
                if (found++ == 0 || score > best.score)
                    best = Move{c, r, across, score};
            }
        }
        return found;
    }

    int minCol() const { return m_minC; }
    int minRow() const { return m_minR; }
    int cols() const { return m_maxC - m_minC + 1; }
    int rows() const { return m_maxR - m_minR + 1; }

private:
    static int index(int c, int r) { return r * SIDE + c; }
    char letter(int c, int r) const { return m_letters[std::size_t(index(c, r))]; }

    int m_maxCols, m_maxRows;
    std::array<char, SIDE * SIDE> m_letters;
    std::array<uint8_t, SIDE * SIDE> m_dirs;      // ACROSS and DOWN: the directions of the words through a cell
    std::array<std::vector<int>, 256> m_cellsOf;  // the cells holding each letter
    int m_placed = 0;
    int m_minC = 0, m_maxC = 0, m_minR = 0, m_maxR = 0;
};

// One try; the places in canvas coordinates, or empty when a word is stranded.
std::vector<Move> Try(const std::vector<std::string> &words, int maxCols, Canvas &canvas, Draws &draws)
{
    const int n = int(words.size());
    std::vector<Move> moves(words.size());
    std::vector<int> left;
    for (int i = 0; i < n; ++i)
        left.push_back(i);

    // The first word: one of the three longest, across if it fits so.
    std::stable_sort(left.begin(), left.end(),
                     [&](int a, int b) { return words[std::size_t(a)].size() > words[std::size_t(b)].size(); });
    const auto pick = std::size_t(draws.next() * std::min(n, 3));
    const int first = left[pick];
    left.erase(left.begin() + std::ptrdiff_t(pick));
    const bool across = int(words[std::size_t(first)].size()) <= maxCols;
    moves[std::size_t(first)] = Move{ORIGIN, ORIGIN, across, 0};
    canvas.place(words[std::size_t(first)], ORIGIN, ORIGIN, across);

    while (!left.empty()) {
        int chosen = -1;
        double chosenPriority = 0;
        Move chosenMove;
        for (std::size_t j = 0; j < left.size(); ++j) {
            const std::string &w = words[std::size_t(left[j])];
            Move move;
            const int found = canvas.bestMove(w, draws, move);
            if (found == 0)
                continue;
            const double priority = move.score + LENGTH * double(w.size()) + (found <= FEW ? FEW_PLACES : 0);
            if (chosen < 0 || priority > chosenPriority) {
                chosen = int(j);
                chosenPriority = priority;
                chosenMove = move;
            }
        }
        if (chosen < 0)
            return {};
        const int w = left[std::size_t(chosen)];
        canvas.place(words[std::size_t(w)], chosenMove.col, chosenMove.row, chosenMove.across);
        moves[std::size_t(w)] = chosenMove;
        left.erase(left.begin() + chosen);
    }
    return moves;
}

}  // namespace

ConnectedLayout MakeConnectedLayout(const std::vector<std::string> &words, int maxCols, int maxRows,
                                    const RandomSource &random, int maxTries)
{
    ConnectedLayout layout;
    if (words.empty())
        return layout;
    for (layout.tries = 1; layout.tries <= maxTries; ++layout.tries) {
        Canvas canvas(maxCols, maxRows);
        Draws draws(random);
        const std::vector<Move> moves = Try(words, maxCols, canvas, draws);
        if (moves.empty())
            continue;
        for (const Move &move : moves)
            layout.places.push_back({move.col - canvas.minCol() + 1, move.row - canvas.minRow() + 1, move.across});
        layout.cols = canvas.cols();
        layout.rows = canvas.rows();
        return layout;
    }
    layout.tries = maxTries;
    return layout;
}

int ConnectedMaxCols(const Puzzle &p, Sizing sizing)
{
    return sizing == Sizing::Auto ? GRIDMAX : p.gcols;
}

int ConnectedMaxRows(const Puzzle &p, Sizing sizing)
{
    return sizing == Sizing::Auto ? GRIDMAX : p.grows;
}

std::string ConnectedRefusal(const Puzzle &p, Sizing sizing)
{
    const int longest = std::max(ConnectedMaxCols(p, sizing), ConnectedMaxRows(p, sizing));
    for (int i = 1; i <= p.nwords; ++i) {
        const std::string text = p.Words[i].word.trimmed();
        const std::string name = "Word " + std::to_string(i) + " \"" + text + "\"";
        if (p.nwords > 1 && text.size() == 1)
            return name + " has one letter, so it cannot cross another word";
        if (int(text.size()) > longest)
            return name + " is longer than the grid";
    }
    return {};
}

bool MakeConnectedGrid(Puzzle &p, const RandomSource &random, Sizing sizing)
{
    std::vector<std::string> words;
    for (int i = 1; i <= p.nwords; ++i)
        words.push_back(p.Words[i].word.trimmed());
    const ConnectedLayout layout =
        MakeConnectedLayout(words, ConnectedMaxCols(p, sizing), ConnectedMaxRows(p, sizing), random);
    if (layout.places.empty())
        return false;

    ResetWords(p);
    if (sizing == Sizing::Auto) {
        p.gcols = int16_t(std::max(GRIDMIN, layout.cols));
        p.grows = int16_t(std::max(GRIDMIN, layout.rows));
    }
    p.gcolsmin = p.gcols;
    p.growsmin = p.grows;
    for (int i = 1; i <= p.nwords; ++i) {
        const ConnectedPlace &at = layout.places[std::size_t(i - 1)];
        PutWordInGrid(p, i, at.col, at.row, at.across ? Direction::Across : Direction::Down);
    }
    GenGridNbrs(p);
    p.changed = true;
    return true;
}
