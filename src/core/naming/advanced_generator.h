#pragma once
// Advanced two-character generation: corpus names and tiered pairs of ranked
// characters that pass the filter conditions.

#include <cstdint>
#include <vector>

#include "core/naming/filter_set.h"
#include "core/naming/naming_state.h"

namespace lumivane {

// True unless a fixed first or second character is set and differs.
[[nodiscard]] bool MatchesFixedCharacters(const FilterSet& filters, std::uint32_t first,
                                          std::uint32_t second);

// Appends up to bound + 1 shuffled corpus names that pass every condition.
void AddFilteredCorpusNames(NamingState& state, const FilterTests& filters, int bound);

// Appends pairs drawn tier by tier (TierQuotas) from the accepted characters
// of the rank tiers of the working set (RankBounds).
void AddTieredPairs(NamingState& state, const FilterTests& filters);

// One tier: pairs with at least one character in positions lo..hi of its list
// and neither beyond, filtered by the whole-name test, then quota of them.
void AddTierPairs(NamingState& state, const FilterTests& filters,
                  const std::vector<std::uint32_t>& l1, const std::vector<std::uint32_t>& l2,
                  long lo1, long lo2, long hi1, long hi2, std::uint32_t quota);

}  // namespace lumivane
