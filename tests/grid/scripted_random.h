// Random draws written down by a test and handed out in order, so that a
// generation run is fully known. Past the end of the script the source goes
// on with evenly spread values, so that the run still ends, and usedUp()
// stays false: the generator asked for more draws than the test expected.
#pragma once

#include "grid/random_source.h"

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<double> draws) : m_draws(std::move(draws)) {}

    // Draws from this object, which must outlive the returned source.
    RandomSource source() { return [this] { return next(); }; }
    // Every scripted draw taken, and not one more.
    bool usedUp() const { return m_next == m_draws.size(); }

private:
    double next()
    {
        if (m_next < m_draws.size())
            return m_draws[m_next++];
        const double beyond = double(m_next++ - m_draws.size());
        return std::fmod(beyond * 0.6180339887498949, 1.0);
    }

    std::vector<double> m_draws;
    std::size_t m_next = 0;
};

// The draw that Int(n * R + 1) turns into k, 1 <= k <= n: an index among n
// words, or a start column or row among n free places.
inline double Pick(int k, int n)
{
    return (k - 0.5) / n;
}

// A draw whose value does not matter (a place with no room to choose from).
inline constexpr double ANY_DRAW = 0.5;
