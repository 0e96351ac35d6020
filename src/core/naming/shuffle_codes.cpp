#include "core/naming/shuffle_codes.h"

#include <algorithm>
#include <utility>

namespace lumivane {

void ShuffleCodes(RandomSource& random, std::vector<GivenNameCode>& codes, long bound, long count) {
    long a = std::min({bound, count, static_cast<long>(codes.size())});
    if (a < 2) {
        return;
    }
    // Fisher-Yates over the positions that take part.
    for (long i = a - 1; i > 0; --i) {
        auto j = static_cast<long>(random.Draw(static_cast<std::uint32_t>(i + 1)));
        std::swap(codes[static_cast<std::size_t>(i)], codes[static_cast<std::size_t>(j)]);
    }
}

}  // namespace lumivane
