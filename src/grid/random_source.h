// Where the generator's random draws come from. The generator only asks for
// uniform values in [0, 1); tests pass a scripted source, the program passes
// its one ProgramRandom.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <random>

// Each call returns a uniform value R with 0 <= R < 1.
using RandomSource = std::function<double()>;

// The program's own source: seeded once from the clock and kept for the life
// of the program, so that every run, and every retry, draws a new sequence.
// Not copyable: a copy would repeat the same draws. Hand it on with source().
class ProgramRandom {
public:
    ProgramRandom() : m_engine(uint64_t(std::chrono::system_clock::now().time_since_epoch().count())) {}
    // A fixed seed repeats the same draws: for tests and benchmarks.
    explicit ProgramRandom(uint64_t seed) : m_engine(seed) {}
    ProgramRandom(const ProgramRandom &) = delete;
    ProgramRandom &operator=(const ProgramRandom &) = delete;

    // The top 53 bits as a fraction, so the value is never 1.
    double operator()() { return double(m_engine() >> 11) * 0x1.0p-53; }

    // Draws from this object, which must outlive the returned source.
    RandomSource source()
    {
        return [this] { return (*this)(); };
    }

private:
    std::mt19937_64 m_engine;
};
