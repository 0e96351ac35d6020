// Lunar-day corrections.
//
// The new-moon formula of lunar_conversion.cpp is good to a few hours; a new moon
// close to midnight, China Standard Time, can land on the neighbouring day, which
// shifts every day of that lunar month. Each span below is such a month with the
// change that gives the day of the mainland's published calendar (Purple Mountain
// Observatory). Every day of 1948-2050 was checked against an independent
// astronomical computation (the lunar-javascript package, see
// tests/core/calendar/fixtures).

#include "core/calendar/lunar_day_corrections.h"

#include <array>

namespace lumivane {
namespace {

constexpr std::array<LunarDayCorrection, 2> kCorrections = {{
    // New moon of 1924-03-05 (published: 二月初一 on 03-05).
    {{1924, 3, 5}, {1924, 4, 3}, +1},
    // New moon of 2018-11-08 at 00:02 (published: 十月初一 on 11-08).
    {{2018, 11, 7}, {2018, 12, 6}, -1},
}};

}  // namespace

std::span<const LunarDayCorrection> LunarDayCorrections() {
    return kCorrections;
}

int LunarDayCorrectionOf(int year, int month, int day) {
    const WesternDate date{year, month, day};
    for (const LunarDayCorrection& correction : kCorrections) {
        if (CompareDates(date, correction.From) >= 0 && CompareDates(date, correction.To) <= 0) {
            return correction.Days;
        }
    }
    return 0;
}

}  // namespace lumivane
