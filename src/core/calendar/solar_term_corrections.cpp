// Term-day corrections, 1900-2100.
//
// Each entry is a term, as the formula is asked for it (year and index 0-25), that falls
// close to midnight, China Standard Time, where the
// formula of solar_terms.cpp lands on the neighbouring day. The published day is the
// one of the mainland calendar (Purple Mountain Observatory); every term day of
// 1900-2100 was checked against an independent astronomical computation (the
// lunar-javascript package, see tests/core/calendar/fixtures).

#include "core/calendar/solar_term_corrections.h"

#include <array>

namespace lumivane {
namespace {

// Formula result -> published day (day of the year), with the term's instant near midnight.
constexpr std::array<SolarTermCorrection, 19> kCorrections = {{
    {1911, 9, +1},   // 立夏 on 05-07, not 05-06 (formula: 126.9958)
    {1912, 19, +1},  // 寒露 on 10-09, not 10-08 (formula: 282.9967)
    {1923, 4, -1},   // 雨水 on 02-19, not 02-20 (formula: 51.0030)
    {1927, 17, +1},  // 白露 on 09-09, not 09-08 (formula: 251.9956)
    {1928, 12, +1},  // 夏至 on 06-22, not 06-21 (formula: 173.9991)
    {1979, 2, -1},   // 大寒 on 01-20, not 01-21 (formula: 21.0001)
    {2016, 13, +1},  // 小暑 on 07-07, not 07-06 (formula: 188.9913)
    {2020, 23, +1},  // 大雪 on 12-07, not 12-06 (formula: 341.9998)
    {2037, 18, +1},  // 秋分 on 09-23, not 09-22 (formula: 265.9993)
    {2040, 19, +1},  // 寒露 on 10-08, not 10-07 (formula: 281.9937)
    {2042, 14, +1},  // 大暑 on 07-23, not 07-22 (formula: 203.9964)
    {2051, 6, -1},   // 春分 on 03-20, not 03-21 (formula: 80.0050)
    {2059, 4, +1},   // 雨水 on 02-19, not 02-18 (formula: 49.9998)
    {2083, 3, -1},   // 立春 on 02-03, not 02-04 (formula: 35.0036)
    {2084, 6, -1},   // 春分 on 03-19, not 03-20 (formula: 80.0052)
    {2085, 1, -1},   // 小寒 on 01-04, not 01-05 (formula: 5.0046)
    {2097, 9, +1},   // 立夏 on 05-05, not 05-04 (formula: 124.9980)
    // 小寒 of 1982 counted from 1981 (index 25): 370.99999 there, 6.0001 from 1982 itself.
    {1981, 25, +1},
    // 小寒 of 2085 counted from 2084 (index 25), as the entry of 2085 itself.
    {2084, 25, -1},
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
