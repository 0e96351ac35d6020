// Lunar-day corrections.
//
// The new-moon formula of lunar_conversion.cpp is good to a few hours; a new moon
// close to midnight, China Standard Time, can land on the neighbouring day, which
// shifts every day of that lunar month. Each span below is such a month with the
// change that gives the day of the mainland's published calendar (Purple Mountain
// Observatory). Every day of 1900-2100 was checked against an independent
// astronomical computation (the lunar-javascript package, see
// tests/core/calendar/fixtures).

#include "core/calendar/lunar_day_corrections.h"

#include <array>

namespace lumivane {
namespace {

constexpr std::array<LunarDayCorrection, 6> kCorrections = {{
    // Published: 十月初一 on 1914-11-17 (the formula: 11-18).
    {{1914, 11, 17}, {1914, 12, 16}, +1},
    // Published: 正月初一 of 1916 on 02-03 (the formula: 02-04).
    {{1916, 2, 3}, {1916, 3, 3}, +1},
    // Published: 十月初一 on 1920-11-10 (the formula: 11-11).
    {{1920, 11, 10}, {1920, 12, 9}, +1},
    // New moon of 1924-03-05 (published: 二月初一 on 03-05).
    {{1924, 3, 5}, {1924, 4, 3}, +1},
    // New moon of 2018-11-08 at 00:02 (published: 十月初一 on 11-08).
    {{2018, 11, 7}, {2018, 12, 6}, -1},
    // Published: 九月初一 of 2057 on 09-29 (the formula: 09-28).
    {{2057, 9, 28}, {2057, 10, 27}, -1},
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
