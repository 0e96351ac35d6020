#pragma once
// Term days where the solar-term formula disagrees with the published calendar.

#include <span>

namespace lumivane {

struct SolarTermCorrection {
    int Year;       // the Western year of the term
    int TermIndex;  // 0-25, relative to Year as the formula is asked
    int Days;       // the published day less the formula's day (+1 or -1)
};

[[nodiscard]] std::span<const SolarTermCorrection> SolarTermCorrections();

// The correction of the term (year, index) in days, 0 when none applies. The formula is
// asked for the terms next to a year boundary under two indices (24 of one year, 0 of the
// next; 25 and 1), whose results can fall on different days: each is listed apart.
[[nodiscard]] int SolarTermDayCorrection(int year, int termIndex);

}  // namespace lumivane
