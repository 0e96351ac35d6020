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
// The solar month of a day as almanacs list it: the day on which a 节 falls counts wholly
// with the new month (and 立春 day with the new year), whatever the term's hour.
[[nodiscard]] SolarMonth SolarMonthOf(int year, int month, int day);

// The solar month at a Beijing time to the minute: it changes at the moment of the 节
// (rounded to the minute; a birth in the term's own minute counts with the new month).
// A birth's year and month pillars follow this one.
[[nodiscard]] SolarMonth SolarMonthAt(int year, int month, int day, int hour, int minute);

// The year pillar of a day as almanacs list it (SolarMonthOf), never changing on 1 January
// or at the lunar new year.
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

// The four pillars of a birth at a Beijing time (hour 0-23, minute 0-59). The year and
// month pillars are those at the moment (SolarMonthAt): they change at the moment of 立春
// and of each 节. At hour 23 the day and hour pillars are those of the following day at
// hour 0 (the 子 hour begins the day); that needs a real calendar date (proleptic
// Gregorian, year 1-9999): otherwise the result is none, to be reported with
// kDateEncodeError. With any other hour a day past the month's end counts on.
[[nodiscard]] std::optional<Pillars> FourPillars(std::uint16_t year, std::uint16_t month,
                                                 std::uint16_t day, std::uint16_t hour,
                                                 std::uint16_t minute);

// The day and hour pillars from one clock (true solar time, when the birthplace is known)
// and the year and month pillars from Beijing time, which the terms' moments are given in.
struct BirthClock {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;
};
[[nodiscard]] std::optional<Pillars> FourPillarsAt(const BirthClock& beijing,
                                                   const BirthClock& dayAndHour);

// Beijing time (UTC+8, the meridian 120°E) turned into the true solar time of a place at
// the given east longitude: four minutes a degree, plus the equation of time. The date
// moves with the time across midnight. Longitudes outside -180..180 are not refused here.
[[nodiscard]] BirthClock TrueSolarTime(const BirthClock& beijing, double eastLongitude);

// The year and month pillars at the two ends of a span of Beijing time (first and last
// minute, inclusive): when they differ, a 节 falls within the span and the pillars depend
// on the time within it.
struct TermInSpan {
    int TermIndex = -1;  // 1-23 (odd), relative to Year; -1 when no 节 falls in the span
    int Year = 0;
    int Hour = 0, Minute = 0;                                            // the moment, Beijing time
    int YearBefore = 0, MonthBefore = 0, YearAfter = 0, MonthAfter = 0;  // cycle indices
};
[[nodiscard]] TermInSpan TermWithin(const BirthClock& first, const BirthClock& last);

}  // namespace lumivane
