#pragma once

// A small generator whose sequence is fixed by its seed on every compiler and library: the
// standard distributions are not, and the pictures and sounds must come out byte for byte the
// same everywhere.

#include <cstdint>

namespace glint::assets {

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : m_state(seed) {}

    // SplitMix64.
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // In [0, 1), from the top 53 bits.
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    double between(double low, double high) { return low + (high - low) * unit(); }

    // In [0, count); count > 0.
    int below(int count) { return static_cast<int>(next() % static_cast<std::uint64_t>(count)); }

    bool chance(double probability) { return unit() < probability; }

private:
    std::uint64_t m_state;
};

}  // namespace glint::assets
