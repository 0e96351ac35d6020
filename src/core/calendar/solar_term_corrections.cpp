// Term-day corrections, 1948-2050.
//
// Each entry is a term, as the formula is asked for it (year and index 0-25), that falls
// close to midnight, China Standard Time, where the
// formula of solar_terms.cpp lands on the neighbouring day. The published day is the
// one of the mainland calendar (Purple Mountain Observatory); every term day of
// 1948-2050 was checked against an independent astronomical computation (the
// lunar-javascript package, see tests/core/calendar/fixtures).

#include "core/calendar/solar_term_corrections.h"

#include <array>

namespace lumivane {
namespace {

// Formula result -> published day (day of the year), with the term's instant near midnight.
constexpr std::array<SolarTermCorrection, 7> kCorrections = {{
    {1979, 2, -1},   // 大寒 on 01-20, not 01-21 (formula: 21.0001)
    {2016, 13, +1},  // 小暑 on 07-07, not 07-06 (formula: 188.9913)
    {2020, 23, +1},  // 大雪 on 12-07, not 12-06 (formula: 341.9998)
    {2037, 18, +1},  // 秋分 on 09-23, not 09-22 (formula: 265.9993)
    {2040, 19, +1},  // 寒露 on 10-08, not 10-07 (formula: 281.9937)
    {2042, 14, +1},  // 大暑 on 07-23, not 07-22 (formula: 203.9964)
    // 小寒 of 1982 counted from 1981 (index 25): 370.99999 there, 6.0001 from 1982 itself.
    {1981, 25, +1},
}};

}  // namespace

std::span<const SolarTermCorrection> SolarTermCorrections() {
    return kCorrections;
}

int SolarTermDayCorrection(int year, int termIndex) {
    for (const SolarTermCorrection& correction : kCorrections) {
        if (correction.Year == year && correction.TermIndex == termIndex) {
            return correction.Days;
        }
    }
    return 0;
}

}  // namespace lumivane
