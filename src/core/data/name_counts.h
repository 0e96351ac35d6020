#pragma once
// Bearers of name characters and of the most common given names by sex, and
// the population they are counted in (born 1930-2008). Generated from
// data/name-counts.tsv (see data/README.md).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/data/name_corpora.h"

namespace lumivane {

// The birth cohorts of the statistics, oldest first.
inline constexpr std::array<std::string_view, 6> kCohorts = {"1930–1959", "1960–1969", "1970–1979",
                                                             "1980–1989", "1990–1999", "2000–2008"};

struct NameCount {
    std::uint32_t Male = 0;
    std::uint32_t Female = 0;
    // Characters only: bearers per million births of each cohort of kCohorts.
    std::array<double, kCohorts.size()> Ppm{};
};

// People of a sex born 1930-2008.
[[nodiscard]] std::uint32_t PopulationOf(Sex sex);
// Bearers whose given name holds the character; none for a character the
// statistics lack. The sum over all characters counts every character slot.
[[nodiscard]] std::optional<NameCount> FindCharacterCount(std::string_view character);
// Bearers of the whole given name (one or two characters) where it is one of
// the statistics' most common names; none otherwise.
[[nodiscard]] std::optional<NameCount> FindGivenNameCount(std::string_view name);
// Bearers of a whole given name that is not one of the most common of all
// cohorts but one of the 100 most common of a sex in some cohorts (思雨 among
// the girls born 2000-2008), summed over those cohorts only: a lower bound.
[[nodiscard]] std::optional<NameCount> FindDecadeNameCount(std::string_view name);
// The sum of all characters' bearers of a sex: the character slots of that
// sex's given names.
[[nodiscard]] double CharacterSlotsOf(Sex sex);

}  // namespace lumivane
