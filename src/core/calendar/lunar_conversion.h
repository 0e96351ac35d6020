#pragma once
// Western <-> Chinese lunar dates for the Western years -849 to 2100, checked against
// the published mainland calendar for every day from 1900-01-01 to 2100-12-31.

#include <optional>

#include "core/calendar/lunar_date.h"
#include "core/calendar/western_calendar.h"

namespace lumivane {

// The days whose lunar dates, solar terms and pillars agree with the published calendar.
// The tables reach back to -849 only to keep the month numbering: the leap months before
// 1900 are a placeholder, and what they give for those years is no historical calendar.
inline constexpr WesternDate kFirstSupportedDate{1900, 1, 1};
inline constexpr WesternDate kLastSupportedDate{2100, 12, 31};
// The date exists and lies within the supported days.
[[nodiscard]] bool IsSupportedDate(const WesternDate& date);

struct LunarMonth {
    int Month = 0;  // 1-12
    bool IsLeap = false;

    friend bool operator==(const LunarMonth&, const LunarMonth&) = default;
};

// Day number of the v-th mean-corrected new moon after the first lunation of the
// Western year (v from -1 to 13), before any correction.
[[nodiscard]] int NewMoonDayNumber(int year, int v);

// Lunar day 1-30 of the Western date (-1 when no new moon qualifies), mended by the
// lunar-day corrections.
[[nodiscard]] int LunarDayOf(int year, int month, int day);
// The same without the corrections.
[[nodiscard]] int LunarDayOfUncorrected(int year, int month, int day);

[[nodiscard]] LunarMonth LunarMonthOf(int year, int month, int day);

// Fails for a year outside -849 to 2100, a month outside 1-12 and a day outside
// 1-31 (a day past the month's end counts on into the next month).
[[nodiscard]] std::optional<LunarDate> SolarToLunar(int year, int month, int day);

// Fails when a leap month is asked for a month that is not the year's leap month, when
// the lunar date does not exist (day 30 of a month of 29 days), and for a date outside
// the Western years of the tables.
[[nodiscard]] std::optional<WesternDate> LunarToSolar(int lunarYear, int lunarMonth, int lunarDay,
                                                      bool isLeap);

}  // namespace lumivane
