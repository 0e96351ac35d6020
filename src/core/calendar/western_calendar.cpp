// Western day counting. The Julian rule for years before 1 has no year 0 and
// makes -1, -5, -9 ... leap years (astronomical year n + 1).

#include "core/calendar/western_calendar.h"

namespace lumivane {

int CalendarKindOf(int year, int month, int day) {
    if (year < 1582 || (year == 1582 && month < 10) || (year == 1582 && month == 10 && day <= 4)) {
        return kJulianCalendar;
    }
    if (year == 1582 && month == 10 && day >= 5 && day <= 14) {
        return 0;
    }
    return kGregorianCalendar;
}

bool IsCalendarLeapYear(int year) {
    if (CalendarKindOf(year, 1, 1) == kGregorianCalendar) {
        return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    }
    if (year >= 0) {
        return year % 4 == 0;
    }
    return (year - 3) % 4 == 0;
}

int MonthLength(int year, int month) {
    switch (month) {
        case 2:
            return IsCalendarLeapYear(year) ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12:
            return 31;
        default:
            return 0;
    }
}

int DayOfYearOf(int year, int month, int day) {
    int total = day;
    for (int i = 1; i < month; ++i) {
        total += MonthLength(year, i);
    }
    return total;
}

int DayNumber(int year, int month, int day) {
    const int p = year - 1;
    switch (CalendarKindOf(year, month, day)) {
        case kJulianCalendar:
            return DayOfYearOf(year, month, day) + 365 * p + p / 4 - 2;
        case kGregorianCalendar:
            return DayOfYearOf(year, month, day) + 365 * p + p / 4 - p / 100 + p / 400;
        default:
            return 0;
    }
}

namespace {

constexpr int kDaysIn400Years = 146097;
constexpr int kDaysIn100Years = 36524;
constexpr int kDaysIn4Years = 1461;

}  // namespace

std::optional<WesternDate> DateOfDayNumber(int dayNumber) {
    if (dayNumber < 0) {
        return std::nullopt;
    }
    // Widened: the Julian shift may carry the largest day numbers past INT_MAX.
    long long n = dayNumber;
    if (n <= 577735) {
        // Dates on or before 1582-10-04: shift into the count that the year walk below expects.
        n = n + 2 - (n / 36500) + (n / 146000);
    }
    // Walk whole years of the Gregorian rule (every year, also before 1582): done with
    // 400-, 100- and 4-year blocks, the same walk in closed form. n stays >= 1 here.
    long long year = 1;
    if (n > 0) {                      // always: the shift above turns 0 into 2
        long long zeroBased = n - 1;  // [0, ...)
        long long blocks400 = zeroBased / kDaysIn400Years;
        zeroBased %= kDaysIn400Years;  // [0, 146096]
        long long blocks100 = zeroBased / kDaysIn100Years;
        if (blocks100 == 4) {
            blocks100 = 3;  // the last day of a leap 400th year
        }
        zeroBased -= blocks100 * kDaysIn100Years;  // [0, 36524]
        long long blocks4 = zeroBased / kDaysIn4Years;
        zeroBased %= kDaysIn4Years;  // [0, 1460]
        long long years1 = zeroBased / 365;
        if (years1 == 4) {
            years1 = 3;  // day 366 of a leap year
        }
        zeroBased -= years1 * 365;  // [0, 365]
        year = 1 + 400 * blocks400 + 100 * blocks100 + 4 * blocks4 + years1;
        n = zeroBased + 1;  // [1, 366]
    }
    // The month walk uses the calendar's own month lengths, as the day count does.
    const int y = static_cast<int>(year);
    int rest = static_cast<int>(n);
    for (int month = 1; month <= 12; ++month) {
        const int length = MonthLength(y, month);
        if (rest <= length) {
            return WesternDate{y, month, rest};
        }
        rest -= length;
    }
    // Not reached: every Gregorian leap year before 1582 is a Julian leap year too, so the
    // month lengths of a year always cover the days the year walk leaves.
    return WesternDate{y, 12, rest + MonthLength(y, 12)};
}

int CompareDates(const WesternDate& a, const WesternDate& b) {
    if (a.Year != b.Year) {
        return a.Year < b.Year ? -1 : 1;
    }
    if (a.Month != b.Month) {
        return a.Month < b.Month ? -1 : 1;
    }
    if (a.Day != b.Day) {
        return a.Day < b.Day ? -1 : 1;
    }
    return 0;
}

}  // namespace lumivane
