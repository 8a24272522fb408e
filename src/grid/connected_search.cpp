#include "grid/connected_search.h"

#include "grid/connected_canvas.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>

namespace {

// Scoring weights, found by measuring the word lists of bench/lists.
constexpr double CROSSING = 12.0;    // each crossing of a place beyond the first
constexpr double GROWTH = 0.6;       // each cell a place adds to the extent's area
constexpr double JITTER = 2.0;       // the largest random draw added to a place's score
constexpr double LENGTH = 1.0;       // each letter of a word: long words first, while there is room
constexpr double FEW_PLACES = 40.0;  // a word with at most FEW places left goes first
constexpr int FEW = 2;
constexpr double LEFT_OUT = 6.0;        // a word left out goes this much earlier in later fills
constexpr int FIRST_TRIES = 4;          // whole fills before the best is repaired instead
constexpr int PATIENCE = 100;           // repairs in a row that fail to leave out fewer words at one size
constexpr int OTHER_PATIENCE = 50;      // the same for the shorter side, once the longer one could not be cut
constexpr int PARTIAL_PATIENCE = 1000;  // the same while no layout holds every word
constexpr int RADIUS = 2;               // a repair takes out the words within RADIUS + (0..SPREAD-1) cells of a cell
constexpr int SPREAD = 3;
constexpr int64_t STEPS_PER_EFFORT = 4000000;
constexpr int LAY_STEPS = 12;  // the work of laying a word and settling it, as steps of the budget

// Cheap draws (splitmix64), seeded once from the random source so that the
// source decides the whole search.
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
    int below(int n) { return int(next() * n); }

private:
    uint64_t m_state;
};

// A layout in canvas places (col 0: left out), moved so that its extent
// starts at the origin.
struct State {
    std::vector<CanvasPlace> places;
    int placed = 0;
    int cols = 0, rows = 0;
    int crossings = 0;
    int area() const { return cols * rows; }

    // More words, then a smaller extent, then more crossings.
    bool beats(const State &other) const
    {
        if (placed != other.placed)
            return placed > other.placed;
        if (area() != other.area())
            return area() < other.area();
        return crossings > other.crossings;
    }
};

// A legal place of a word, with its crossings and its own random draw.
struct Candidate {
    CanvasPlace at;
    int crossings = 0;
    double jitter = 0;
};

class Search {
public:
    Search(const std::vector<std::string> &words, const ConnectedLimits &limits, const RandomSource &random)
        : m_words(words), m_full{limits.maxCols, limits.maxRows}, m_canvas(m_full), m_draws(random),
          m_pull(words.size(), 0.0), m_places(words.size()),
          m_budget(int64_t(std::clamp(limits.effort, 1, CONNECTED_EFFORT_MAX)) * STEPS_PER_EFFORT)
    {
        m_positions.resize(words.size());
        for (std::size_t i = 0; i < words.size(); ++i) {
            m_positions[i].fill(0);
            for (std::size_t k = 0; k < words[i].size(); ++k)
                m_positions[i][static_cast<unsigned char>(words[i][k])] |= 1u << k;
        }
    }

    ConnectedLayout run();

private:
    int count() const { return int(m_words.size()); }
    const std::string &word(int i) const { return m_words[std::size_t(i)]; }
    int64_t steps() const { return m_canvas.checks() + m_work; }
    bool spent() const { return steps() >= m_budget; }

    void findPlaces(int i);
    void updatePlaces(int i, int placed, CanvasPlace p);
    void fill(std::vector<CanvasPlace> &places);
    void untouch(std::vector<CanvasPlace> &places) const;
    void moveToOrigin(std::vector<CanvasPlace> &places) const;
    void lay(const std::vector<CanvasPlace> &places, CanvasLimit limit);
    State settle(std::vector<CanvasPlace> places) const;
    State refill(std::vector<CanvasPlace> places, CanvasLimit limit);
    std::vector<CanvasPlace> ruin(const State &state);
    State shave(const State &state, CanvasLimit limit);
    std::string reason(const std::string &w) const;

    const std::vector<std::string> &m_words;
    const CanvasLimit m_full;
    ConnectedCanvas m_canvas;
    Draws m_draws;
    std::vector<double> m_pull;                          // how much earlier than its length says a word goes
    std::vector<std::array<uint32_t, 256>> m_positions;  // for each word and letter, the positions holding it
    std::vector<std::vector<Candidate>> m_places;        // the legal places of each word not yet placed
    std::vector<int> m_newCells;                         // the cells the last word placed wrote first
    std::vector<CanvasPlace> m_crossingNew;              // places already known that cross them
    // The word across and down through each cell, for untouch(); all -1 between calls.
    mutable std::vector<int16_t> m_owner =
        std::vector<int16_t>(std::size_t(ConnectedCanvas::SIDE * ConnectedCanvas::SIDE * 2), -1);
    const int64_t m_budget;
    int64_t m_work = 0;  // places scored or looked at again, words laid: with the canvas's checks, the work
};

// Every legal place of word i on the canvas.
void Search::findPlaces(int i)
{
    const std::string &w = word(i);
    std::vector<Candidate> &found = m_places[std::size_t(i)];
    found.clear();
    for (int k = 0; k < int(w.size()); ++k) {
        for (const int cell : m_canvas.open(w[std::size_t(k)])) {
            const bool across = m_canvas.crossesAcross(cell);
            const CanvasPlace at{ConnectedCanvas::colOf(cell) - (across ? k : 0),
                                 ConnectedCanvas::rowOf(cell) - (across ? 0 : k), across};
            int first = 0;
            const int count = m_canvas.crossings(w, at, first);
            if (count > 0 && first == k)  // each place once, from its first crossing
                found.push_back({at, count, JITTER * m_draws.next()});
        }
    }
}

// The places of word i after word `placed` went in: those near it checked
// again, and those crossing its new letters added.
void Search::updatePlaces(int i, int placed, CanvasPlace p)
{
    const std::string &w = word(i);
    const int len = int(w.size());
    const int plen = int(word(placed).size());
    const int pc2 = p.colAt(plen - 1), pr2 = p.rowAt(plen - 1);
    std::vector<Candidate> &found = m_places[std::size_t(i)];
    m_work += int64_t(found.size());
    m_crossingNew.clear();
    std::size_t kept = 0;
    for (std::size_t j = 0; j < found.size(); ++j) {
        Candidate c = found[j];
        const int c2 = c.at.colAt(len - 1), r2 = c.at.rowAt(len - 1);
        // The place with its neighbours and the cells before and after it, against the new word.
        if (c.at.col - 1 <= pc2 && c2 + 1 >= p.col && c.at.row - 1 <= pr2 && r2 + 1 >= p.row) {
            int first = 0;
            c.crossings = m_canvas.crossings(w, c.at, first);
            if (c.crossings < 1)
                continue;
            if (c.at.across != p.across)
                m_crossingNew.push_back(c.at);
        }
        found[kept++] = c;
    }
    found.resize(kept);
    for (const int cell : m_newCells) {
        for (uint32_t ks = m_positions[std::size_t(i)][static_cast<unsigned char>(m_canvas.letterAt(cell))]; ks;
             ks &= ks - 1) {
            const int k = std::countr_zero(ks);
            const bool across = !p.across;
            const CanvasPlace at{ConnectedCanvas::colOf(cell) - (across ? k : 0),
                                 ConnectedCanvas::rowOf(cell) - (across ? 0 : k), across};
            if (std::any_of(m_crossingNew.begin(), m_crossingNew.end(), [&](const CanvasPlace &q) {
                    return q.col == at.col && q.row == at.row && q.across == at.across;
                }))
                continue;
            int first = 0;
            const int count = m_canvas.crossings(w, at, first);
            if (count > 0)
                found.push_back({at, count, JITTER * m_draws.next()});
        }
    }
}

// Places words not yet placed, one at a time, while any has a place; on an
// empty canvas one of the three that pull hardest goes first, across when it
// fits so.
void Search::fill(std::vector<CanvasPlace> &places)
{
    std::vector<int> left;
    for (int i = 0; i < count(); ++i)
        if (places[std::size_t(i)].col == 0)
            left.push_back(i);
    const auto pull = [&](int i) { return LENGTH * double(word(i).size()) + m_pull[std::size_t(i)]; };
    if (m_canvas.placed() == 0 && !left.empty()) {
        std::stable_sort(left.begin(), left.end(), [&](int a, int b) { return pull(a) > pull(b); });
        const auto pick = std::size_t(m_draws.below(std::min(int(left.size()), 3)));
        const int first = left[pick];
        left.erase(left.begin() + std::ptrdiff_t(pick));
        places[std::size_t(first)] = {ConnectedCanvas::ORIGIN, ConnectedCanvas::ORIGIN,
                                      int(word(first).size()) <= m_canvas.limit().cols};
        m_canvas.place(word(first), places[std::size_t(first)]);
    }
    for (const int i : left)
        findPlaces(i);
    while (!left.empty()) {
        const int area = m_canvas.area();
        int chosen = -1;
        double chosenPriority = 0;
        CanvasPlace chosenPlace;
        for (std::size_t j = 0; j < left.size(); ++j) {
            const int i = left[j];
            const int len = int(word(i).size());
            std::vector<Candidate> &found = m_places[std::size_t(i)];
            // A place past the limit stays so: the extent only grows while words go in.
            std::erase_if(found, [&](const Candidate &c) { return !m_canvas.withinLimit(len, c.at); });
            if (found.empty())
                continue;
            double best = 0;
            const Candidate *bestPlace = nullptr;
            m_work += int64_t(found.size());
            for (const Candidate &c : found) {
                const double score =
                    CROSSING * (c.crossings - 1) - GROWTH * (m_canvas.areaWith(len, c.at) - area) + c.jitter;
                if (!bestPlace || score > best)
                    best = score, bestPlace = &c;
            }
            const double priority = best + pull(i) + (found.size() <= std::size_t(FEW) ? FEW_PLACES : 0);
            if (chosen < 0 || priority > chosenPriority) {
                chosen = int(j);
                chosenPriority = priority;
                chosenPlace = bestPlace->at;
            }
        }
        if (chosen < 0)
            break;
        const int placed = left[std::size_t(chosen)];
        const std::string &w = word(placed);
        m_newCells.clear();
        for (int k = 0; k < int(w.size()); ++k) {
            const int cell = ConnectedCanvas::cellAt(chosenPlace.colAt(k), chosenPlace.rowAt(k));
            if (m_canvas.letterAt(cell) == 0)
                m_newCells.push_back(cell);
        }
        m_canvas.place(w, chosenPlace);
        places[std::size_t(placed)] = chosenPlace;
        left.erase(left.begin() + chosen);
        for (const int i : left)
            updatePlaces(i, placed, chosenPlace);
    }
}

// The placed words with those that touch another taken out. Words taken out
// of a layout can leave two others touching where the word both crossed ran
// (one across over the first letter of one across below it): of two such
// words the shorter goes, until none touch.
void Search::untouch(std::vector<CanvasPlace> &places) const
{
    constexpr int SIDE = ConnectedCanvas::SIDE;
    std::vector<int16_t> &owner = m_owner;
    for (bool again = true; again;) {
        again = false;
        const auto cells = [&](int i, auto visit) {
            const CanvasPlace &at = places[std::size_t(i)];
            for (int k = 0; k < int(word(i).size()); ++k)
                visit(at.colAt(k), at.rowAt(k), at.across ? 0 : 1);
        };
        for (int i = 0; i < count(); ++i) {
            if (places[std::size_t(i)].col != 0)
                cells(i, [&](int c, int r, int d) { owner[std::size_t((r * SIDE + c) * 2 + d)] = int16_t(i); });
        }
        const auto at = [&](int c, int r, int d) { return int(owner[std::size_t((r * SIDE + c) * 2 + d)]); };
        const auto letter = [&](int c, int r) { return at(c, r, 0) >= 0 || at(c, r, 1) >= 0; };
        int drop = -1;
        for (int i = 0; i < count() && drop < 0; ++i) {
            if (places[std::size_t(i)].col == 0)
                continue;
            cells(i, [&](int c, int r, int) {
                for (int d = 0; d < 2 && drop < 0; ++d) {
                    // The next cell across (d 0) or down (d 1) holds a letter of no word through both.
                    const int c2 = c + (d == 0 ? 1 : 0), r2 = r + (d == 0 ? 0 : 1);
                    if (!letter(c2, r2) || (at(c, r, d) >= 0 && at(c, r, d) == at(c2, r2, d)))
                        continue;
                    for (const int j : {at(c, r, 0), at(c, r, 1), at(c2, r2, 0), at(c2, r2, 1)}) {
                        if (j >= 0 && (drop < 0 || word(j).size() < word(drop).size()))
                            drop = j;
                    }
                }
            });
        }
        for (int i = 0; i < count(); ++i) {
            if (places[std::size_t(i)].col != 0)
                cells(i, [&](int c, int r, int d) { owner[std::size_t((r * SIDE + c) * 2 + d)] = -1; });
        }
        if (drop >= 0) {
            places[std::size_t(drop)] = {};
            again = true;
        }
    }
}

// The placed words moved so that their extent starts at the origin: within
// the limit, words placed next stay inside the canvas.
void Search::moveToOrigin(std::vector<CanvasPlace> &places) const
{
    int minC = ConnectedCanvas::SIDE, minR = ConnectedCanvas::SIDE;
    for (const CanvasPlace &at : places) {
        if (at.col != 0)
            minC = std::min(minC, at.col), minR = std::min(minR, at.row);
    }
    for (CanvasPlace &at : places) {
        if (at.col != 0)
            at.col += ConnectedCanvas::ORIGIN - minC, at.row += ConnectedCanvas::ORIGIN - minR;
    }
}

// The canvas holding the placed words, under a limit.
void Search::lay(const std::vector<CanvasPlace> &places, CanvasLimit limit)
{
    m_canvas.clear(limit, m_words, places);
    m_work += LAY_STEPS * count();
}

// The largest piece of the placed words, moved so that its extent starts at
// the origin, with its figures; the words of other pieces are left out.
State Search::settle(std::vector<CanvasPlace> places) const
{
    const int n = count();
    // Two placed words meet when they cross: one across and one down through one cell.
    std::vector<int> across, down;
    for (int i = 0; i < n; ++i) {
        const CanvasPlace &at = places[std::size_t(i)];
        if (at.col != 0)
            (at.across ? across : down).push_back(i);
    }
    // The down words by column, so that each across word looks only at the columns it spans.
    const auto col = [&](int i) { return places[std::size_t(i)].col; };
    std::sort(down.begin(), down.end(), [&](int a, int b) { return col(a) < col(b); });
    std::vector<std::pair<int, int>> meet;
    for (const int a : across) {
        const CanvasPlace &p = places[std::size_t(a)];
        const int lastCol = p.col + int(word(a).size()) - 1;
        auto b = std::lower_bound(down.begin(), down.end(), p.col, [&](int i, int c) { return col(i) < c; });
        for (; b != down.end() && col(*b) <= lastCol; ++b) {
            const CanvasPlace &q = places[std::size_t(*b)];
            if (p.row >= q.row && p.row < q.row + int(word(*b).size()))
                meet.emplace_back(a, *b);
        }
    }
    std::vector<int> piece(static_cast<std::size_t>(n));
    std::iota(piece.begin(), piece.end(), 0);
    const auto root = [&](int i) {
        while (piece[std::size_t(i)] != i)
            i = piece[std::size_t(i)] = piece[std::size_t(piece[std::size_t(i)])];
        return i;
    };
    for (const auto &[a, b] : meet)
        piece[std::size_t(root(a))] = root(b);
    std::vector<int> size(static_cast<std::size_t>(n), 0);
    int largest = -1;
    for (int i = 0; i < n; ++i) {
        if (places[std::size_t(i)].col == 0)
            continue;
        const int r = root(i);
        if (++size[std::size_t(r)] > (largest < 0 ? 0 : size[std::size_t(largest)]))
            largest = r;
    }

    State state;
    for (const auto &[a, b] : meet)
        state.crossings += root(a) == largest ? 1 : 0;
    int minC = ConnectedCanvas::SIDE, minR = ConnectedCanvas::SIDE, maxC = 0, maxR = 0;
    for (int i = 0; i < n; ++i) {
        CanvasPlace &at = places[std::size_t(i)];
        if (at.col == 0)
            continue;
        if (root(i) != largest) {
            at = {};
            continue;
        }
        const int len = int(word(i).size());
        ++state.placed;
        minC = std::min(minC, at.col), minR = std::min(minR, at.row);
        maxC = std::max(maxC, at.colAt(len - 1));
        maxR = std::max(maxR, at.rowAt(len - 1));
    }
    state.places = std::move(places);
    moveToOrigin(state.places);
    if (state.placed > 0)
        state.cols = maxC - minC + 1, state.rows = maxR - minR + 1;
    return state;
}

// The placed words (maybe in several pieces) with the others filled in
// under a limit; then only the largest piece stays, and the words that left
// are filled in once more.
State Search::refill(std::vector<CanvasPlace> places, CanvasLimit limit)
{
    untouch(places);
    moveToOrigin(places);
    lay(places, limit);
    fill(places);
    const int placed = m_canvas.placed();
    State state = settle(std::move(places));
    if (state.placed == placed)
        return state;
    lay(state.places, limit);
    fill(state.places);
    return settle(std::move(state.places));
}

// The places of a state with the words near a drawn cell taken out.
std::vector<CanvasPlace> Search::ruin(const State &state)
{
    std::vector<CanvasPlace> places = state.places;
    const int c0 = ConnectedCanvas::ORIGIN + m_draws.below(state.cols);
    const int r0 = ConnectedCanvas::ORIGIN + m_draws.below(state.rows);
    const int radius = RADIUS + m_draws.below(SPREAD);
    for (int i = 0; i < count(); ++i) {
        CanvasPlace &at = places[std::size_t(i)];
        if (at.col == 0)
            continue;
        const int len = int(word(i).size());
        const int endC = at.colAt(len - 1), endR = at.rowAt(len - 1);
        if (endC >= c0 - radius && at.col <= c0 + radius && endR >= r0 - radius && at.row <= r0 + radius)
            at = {};
    }
    return places;
}

// A complete state cut to a smaller limit: the words of the side, left or
// right (top or bottom), that loses fewer words go out.
State Search::shave(const State &state, CanvasLimit limit)
{
    const int cut = state.cols > limit.cols ? state.cols - limit.cols : state.rows - limit.rows;
    const bool columns = state.cols > limit.cols;
    std::vector<CanvasPlace> low = state.places, high = state.places;
    int lowOut = 0, highOut = 0;
    for (int i = 0; i < count(); ++i) {
        const CanvasPlace &at = state.places[std::size_t(i)];
        if (at.col == 0)
            continue;
        const int len = int(word(i).size());
        const int first = columns ? at.col : at.row;
        const int last = first + (at.across == columns ? len - 1 : 0);
        const int size = columns ? state.cols : state.rows;
        if (first < ConnectedCanvas::ORIGIN + cut)
            low[std::size_t(i)] = {}, ++lowOut;
        if (last >= ConnectedCanvas::ORIGIN + size - cut)
            high[std::size_t(i)] = {}, ++highOut;
    }
    const bool useLow = lowOut != highOut ? lowOut < highOut : m_draws.below(2) == 0;
    return refill(useLow ? low : high, limit);
}

// Why no place on the canvas takes w.
std::string Search::reason(const std::string &w) const
{
    if (std::none_of(w.begin(), w.end(), [&](char c) { return m_canvas.holds(c); }))
        return "no shared letter with the placed words";
    const int len = int(w.size());
    bool clash = false;
    for (int k = 0; k < len && !clash; ++k) {
        for (const int cell : m_canvas.open(w[std::size_t(k)])) {
            const bool across = m_canvas.crossesAcross(cell);
            const CanvasPlace at{ConnectedCanvas::colOf(cell) - (across ? k : 0),
                                 ConnectedCanvas::rowOf(cell) - (across ? 0 : k), across};
            clash = clash || m_canvas.fault(w, at) == PlaceFault::Clash;
        }
    }
    const std::string run = "no free run of " + std::to_string(len) + " cells";
    return clash ? run + " where its letters agree" : run;
}

ConnectedLayout Search::run()
{
    const int n = count();
    // Whole fills first, until one places every word; each word left out pulls harder in the next.
    State best;
    for (int t = 0; t < FIRST_TRIES && best.placed < n && (t == 0 || !spent()); ++t) {
        m_canvas.clear(m_full);
        std::vector<CanvasPlace> places(static_cast<std::size_t>(n));
        fill(places);
        State state = settle(std::move(places));
        for (int i = 0; i < n; ++i)
            m_pull[std::size_t(i)] += state.places[std::size_t(i)].col == 0 ? LEFT_OUT : 0;
        if (t == 0 || state.beats(best))
            best = std::move(state);
    }

    // Then repairs: the words near a drawn cell taken out and the words left out filled in again, kept
    // when no more words are left out than before. Once every word is in, the extent is cut by a column or
    // a row, the longer side first, and the repairs go on within the smaller size.
    State current = best;
    CanvasLimit limit = m_full;
    int stalled = 0;
    bool otherSide = false;  // the longer side could not be cut
    while (!spent() && n > 1) {
        if (current.placed == n) {
            if (best.placed < n || current.beats(best)) {
                best = current;
                otherSide = false;
            }
            const bool columns = (best.cols >= best.rows) != otherSide;
            limit = {best.cols - (columns ? 1 : 0), best.rows - (columns ? 0 : 1)};
            current = shave(best, limit);
            stalled = 0;
            continue;
        }
        State next = refill(ruin(current), limit);
        for (int i = 0; i < n; ++i)
            m_pull[std::size_t(i)] += next.places[std::size_t(i)].col == 0 ? LEFT_OUT : 0;
        stalled = next.placed > current.placed ? 0 : stalled + 1;
        if (next.placed >= current.placed)
            current = std::move(next);
        if (best.placed < n && current.beats(best))
            best = current;
        if (stalled >= (best.placed < n ? PARTIAL_PATIENCE : otherSide ? OTHER_PATIENCE : PATIENCE)) {
            if (best.placed < n || otherSide)
                break;
            otherSide = true;
            current = best;
        }
    }

    // The best layout again, on the whole limit, to name what keeps each word left out.
    lay(best.places, m_full);
    ConnectedLayout layout;
    layout.places.resize(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        const CanvasPlace at = best.places[std::size_t(i)];
        if (at.col == 0)
            layout.leftOut.push_back({i, reason(word(i))});
        else
            layout.places[std::size_t(i)] = {at.col - ConnectedCanvas::ORIGIN + 1, at.row - ConnectedCanvas::ORIGIN + 1,
                                             at.across};
    }
    layout.cols = best.cols;
    layout.rows = best.rows;
    return layout;
}

}  // namespace

ConnectedLayout MakeConnectedLayout(const std::vector<std::string> &words, const ConnectedLimits &limits,
                                    const RandomSource &random)
{
    if (words.empty())
        return {};
    return Search(words, limits, random).run();
}
