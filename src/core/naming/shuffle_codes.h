#pragma once

#include <cstdint>
#include <vector>

#include "core/data/name_corpora.h"
#include "core/naming/random_source.h"

namespace lumivane {

// Shuffles positions 0 .. a - 1 of the codes uniformly, a = min(bound, count);
// positions from a on keep their order, and a negative a leaves everything.
// Passing bound = count - 1 keeps the last code in place.
void ShuffleCodes(RandomSource& random, std::vector<GivenNameCode>& codes, long bound, long count);

}  // namespace lumivane
