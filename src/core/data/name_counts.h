#pragma once
// Bearers of name characters and of the most common given names by sex, and
// the population they are counted in (born 1930-2008). Generated from
// data/name-counts.tsv (see data/README.md).

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/data/name_corpora.h"

namespace lumivane {

struct NameCount {
    std::uint32_t Male = 0;
    std::uint32_t Female = 0;
    double Ppm1990s = 0;  // characters only: bearers per million births of 1990-1999
    double Ppm2000s = 0;  // and of 2000-2008
};

// People of a sex born 1930-2008.
[[nodiscard]] std::uint32_t PopulationOf(Sex sex);
// Bearers whose given name holds the character; none for a character the
// statistics lack. The sum over all characters counts every character slot.
[[nodiscard]] std::optional<NameCount> FindCharacterCount(std::string_view character);
// Bearers of the whole given name (one or two characters) where it is one of
// the statistics' most common names; none otherwise.
[[nodiscard]] std::optional<NameCount> FindGivenNameCount(std::string_view name);
// The sum of all characters' bearers of a sex: the character slots of that
// sex's given names.
[[nodiscard]] double CharacterSlotsOf(Sex sex);

}  // namespace lumivane
