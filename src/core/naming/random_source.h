#pragma once
// The one random source of a naming session. It is seeded once (from the
// system's entropy, or from a given seed for reproducible runs) and never
// reseeded, so draws are independent and a seed repeats a whole session.

#include <cstdint>
#include <random>

namespace lumivane {

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : m_engine(seed) {}
    [[nodiscard]] static RandomSource FromEntropy();

    // A uniform integer in 0 .. k - 1; 0 when k is 0.
    [[nodiscard]] std::uint32_t Draw(std::uint32_t k);
    // The same for a bound beyond 32 bits (weights summed over many entries).
    [[nodiscard]] std::uint64_t Draw64(std::uint64_t k);

private:
    std::mt19937_64 m_engine;
};

}  // namespace lumivane
