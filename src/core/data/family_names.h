#pragma once
// The family names of the national statistics with their bearers, most
// borne first. Generated from data/family-names.tsv (see data/README.md).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumivane {

struct FamilyNameStatistic {
    std::string_view Text;      // UTF-8, one or two characters
    std::uint32_t Bearers = 0;  // people born 1930-2008 who bear it
    std::uint32_t Rank = 0;     // 1 for the most borne
};

[[nodiscard]] std::size_t FamilyNameCount();
// Rank 1 .. FamilyNameCount(); none outside.
[[nodiscard]] std::optional<FamilyNameStatistic> FamilyNameOfRank(std::uint32_t rank);
// The statistic of a family name, none when the statistics do not list it.
[[nodiscard]] std::optional<FamilyNameStatistic> FindFamilyName(std::string_view text);

}  // namespace lumivane
