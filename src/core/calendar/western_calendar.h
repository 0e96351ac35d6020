#pragma once
// Western day counting: the Julian calendar up to 1582-10-04, the Gregorian
// calendar from 1582-10-15 on, and a signed day number that runs through the
// reform without a gap (0001-01-01 of the proleptic Gregorian calendar is 1).

#include <optional>

namespace lumivane {

struct WesternDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;

    friend bool operator==(const WesternDate&, const WesternDate&) = default;
};

inline constexpr int kJulianCalendar = 1;
inline constexpr int kGregorianCalendar = 2;

// kJulianCalendar, kGregorianCalendar, or 0 for the ten days dropped in 1582.
[[nodiscard]] int CalendarKindOf(int year, int month, int day);
[[nodiscard]] bool IsCalendarLeapYear(int year);
// Days in the month; 0 for a month number outside 1-12.
[[nodiscard]] int MonthLength(int year, int month);
// 1 = 1 January. The day is not checked against the month: 02-30 counts on into March.
[[nodiscard]] int DayOfYearOf(int year, int month, int day);
// 0 for a date that does not exist (1582-10-05 to 1582-10-14).
[[nodiscard]] int DayNumber(int year, int month, int day);
// Fails for a negative day number.
[[nodiscard]] std::optional<WesternDate> DateOfDayNumber(int dayNumber);
// -1, 0 or 1: year, then month, then day.
[[nodiscard]] int CompareDates(const WesternDate& a, const WesternDate& b);

}  // namespace lumivane
