#include "core/naming/random_source.h"

#include <chrono>

namespace lumivane {

RandomSource RandomSource::FromEntropy() {
    std::random_device device;
    std::uint64_t seed = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    // random_device may be deterministic on some platforms; mix in the clock.
    seed ^= static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return RandomSource(seed);
}

std::uint32_t RandomSource::Draw(std::uint32_t k) {
    return static_cast<std::uint32_t>(Draw64(k));
}

std::uint64_t RandomSource::Draw64(std::uint64_t k) {
    if (k == 0) {
        return 0;
    }
    // Rejection keeps every value equally likely (no modulo bias).
    const std::uint64_t limit = std::mt19937_64::max() - (std::mt19937_64::max() % k);
    std::uint64_t value;
    do {
        value = m_engine();
    } while (value >= limit);
    return value % k;
}

}  // namespace lumivane
