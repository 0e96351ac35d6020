#pragma once
// Western <-> Chinese lunar dates for the Western years -849 to 2100 (checked
// against the published mainland calendar for 1948-2050).

#include <optional>

#include "core/calendar/lunar_date.h"
#include "core/calendar/western_calendar.h"

namespace lumivane {

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
