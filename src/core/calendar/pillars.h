#pragma once
// The four pillars (八字) of a Western date and hour: cycle indices of the year, the
// solar month, the day and the double hour.

#include <cstdint>
#include <optional>

namespace lumivane {

// The cycle of a year number: the 干支 of the lunar year whose 正月初一 falls in that
// Western year, and of the pillar year that begins at its 立春. Dates from 1 January to
// the eve of 立春 (or of 正月初一) still belong to the year before: use YearPillarOf for
// a date's year pillar and the lunar date's year for its lunar year.
[[nodiscard]] int YearGanZhi(int year);

struct SolarMonth {
    int Year = 0;   // the pillar year: the Western year, less one before 立春
    int Month = 0;  // 1 寅 (from 立春) ... 11 子 (from 大雪), 12 丑 (from 小寒)
};
[[nodiscard]] SolarMonth SolarMonthOf(int year, int month, int day);

// The year pillar of a date: it changes on the whole day on which 立春 falls, as the month
// pillar does, never on 1 January or at the lunar new year.
[[nodiscard]] int YearPillarOf(int year, int month, int day);

[[nodiscard]] int MonthGanZhi(int year, int month, int day);
[[nodiscard]] int DayGanZhi(int year, int month, int day);
// Hour 23 is the 子 hour of the following day's stem.
[[nodiscard]] int HourGanZhi(int year, int month, int day, int hour);

struct Pillars {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;

    friend bool operator==(const Pillars&, const Pillars&) = default;
};

// The error text of a date that cannot be moved to the following day.
inline constexpr const char* kDateEncodeError = "Invalid argument to date encode";

// At hour 23 the date moves to the following day at hour 0, and all four pillars are
// those of that day: on the eve of 立春 the year and month pillars change at 23:00. That
// needs a real calendar date (proleptic Gregorian, year 1-9999): otherwise the result is
// none, to be reported with kDateEncodeError. With any other hour a day past the month's
// end counts on. The year pillar changes at 立春 (YearPillarOf).
[[nodiscard]] std::optional<Pillars> FourPillars(std::uint16_t year, std::uint16_t month,
                                                 std::uint16_t day, std::uint16_t hour);

}  // namespace lumivane
