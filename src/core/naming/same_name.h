#pragma once
// How many people in China bear a full name: the family name's bearers times
// the given name's share of the people of that sex, with the basis of the
// estimate and the given name's trend, said in words.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data/name_corpora.h"
#include "core/naming/family_name.h"

namespace lumivane {

struct SameNameEstimate {
    double People = 0;  // estimated bearers born 1930-2008
    std::string Words;  // "全国约 21 万人同名（按 1930–2008 年出生人口估计）"
    std::string Basis;  // where the given name's share comes from
    std::string Trend;  // 上升, 平稳 or 下降; empty when the statistics lack a character
    std::string TrendWords;
    // From the second cohort on, 上升, 平稳 or 下降 against the cohort before;
    // empty when a character is missing from a cohort's statistics.
    std::vector<std::string> DecadeTrends;
    std::string DecadeWords;
};

// The family name's bearers come from the national family-name statistics,
// split by sex as the population is. The given name's share of a sex is its
// own count where it is one of the statistics' most common names; otherwise
// the position-free model: the share of two-character names times each
// character's share of all character slots (for one character, the share of
// one-character names times its slot share). Without a sex, both sexes add up.
// The given name is that of the records first and second (second beyond the
// dictionary for a one-character name).
[[nodiscard]] SameNameEstimate EstimateSameName(const FamilyName& family, std::uint32_t first,
                                                std::uint32_t second, std::optional<Sex> sex);

// The estimate in words: "极少，估计不足 10 人" below 10 people, whole people
// to two figures below 10,000, then in 万.
[[nodiscard]] std::string SameNameWords(double people);

}  // namespace lumivane
