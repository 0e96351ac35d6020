#pragma once
// Term days where the solar-term formula disagrees with the published calendar.

#include <span>

namespace lumivane {

struct SolarTermCorrection {
    int Year;       // the Western year of the term
    int TermIndex;  // 1 (小寒) to 24 (冬至) within that year
    int Days;       // the published day less the formula's day (+1 or -1)
};

[[nodiscard]] std::span<const SolarTermCorrection> SolarTermCorrections();

// The correction of the term (year, index) in days, 0 when none applies; the indices 0
// and 25 name the terms of the neighbouring years.
[[nodiscard]] int SolarTermDayCorrection(int year, int termIndex);

}  // namespace lumivane
