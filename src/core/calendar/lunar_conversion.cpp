// Western <-> Chinese lunar dates.
//
// Authority: the published calendar of the mainland (Purple Mountain Observatory):
// a lunar month begins on the day, China Standard Time, of a new moon; month numbers
// follow the leap months of leap_months.cpp. New moons come from a mean-lunation
// formula with the main periodic terms of the sun's and the moon's anomalies and the
// moon's argument of latitude; lunar_day_corrections.cpp mends the days where it
// misses the published new moon.

#include "core/calendar/lunar_conversion.h"

#include <algorithm>
#include <cmath>

#include "core/calendar/leap_months.h"
#include "core/calendar/lunar_day_corrections.h"

namespace lumivane {
namespace {

constexpr double kRho = 57.29577951308232;  // degrees per radian
constexpr double kPi = 3.1415926535897932385;
constexpr double kMeanLunation = 29.530588;
constexpr int kEpochDayNumber = -310443;  // -849-01-21
constexpr int kFirstV = -1;
constexpr int kLastV = 13;

double Frac(double x) {
    return x - std::trunc(x);
}

// Round half to even (the default floating-point rounding mode).
long long RoundEven(double x) {
    return static_cast<long long>(std::nearbyint(x));
}

// The per-year terms of the new-moon series for the lunations after the first one of
// the Western year.
struct NewMoonSeries {
    double Ms;    // mean anomaly of the sun
    double Mm;    // mean anomaly of the moon
    double Fm;    // argument of latitude of the moon
    double Base;  // fraction of a day, with the 8 hours of UTC+8
    double S;
    double B;

    explicit NewMoonSeries(int year) {
        const double t = (year - 1899.5) / 100;
        const double k = std::floor(12.3685 * (year - 1900));
        const auto angle = [&](double a, double b, double c, double d) {
            return 2 * kPi * Frac(d * k) + c - b * t * t - a * t * t * t;
        };
        const double f0 = angle(1.55e-7, 0.0002172, 0.75933, 0);
        Ms = angle(3.47e-6 / kRho, 3.33e-5 / kRho, 359.2242 / kRho, 0.08084821133);
        Mm = angle(-1.236e-5 / kRho, -0.0107306 / kRho, 306.0253 / kRho, 0.07171366128);
        Fm = angle(2.39e-6 / kRho, 0.0016528 / kRho, 21.2964 / kRho, 0.08519585128);
        Base = f0 + 0.53058868 * k - 0.000837 * t + 8.0 / 24 + 0.5;
        S = 0.1734 - 0.000393 * t;
        B = 29 * k + 693595;
    }

    // Floor of the day number of the v-th new moon.
    [[nodiscard]] int Day(int v) const {
        const double a = Ms + 0.507984293 * v;
        const double c = Mm + 6.73377553 * v;
        const double g = Fm + 6.818486628 * v;
        const double e = S * std::sin(a) + (1.53058868 * v + Base) - 0.4068 * std::sin(c) +
                         0.0021 * std::sin(2 * a) + 0.0161 * std::sin(2 * c) +
                         0.0104 * std::sin(2 * g) - 0.0074 * std::sin(a - c) -
                         0.0051 * std::sin(a + c);
        return static_cast<int>(std::floor(28 * v + B + e));
    }
};

int ApplyLunarDayCorrection(int lunarDay, int year, int month, int day) {
    const int change = LunarDayCorrectionOf(year, month, day);
    if (change == 0) {
        return lunarDay;
    }
    int corrected = lunarDay + change;
    if (corrected == 31) {
        corrected = 1;
    } else if (corrected == 0) {
        corrected = 30;
    }
    return corrected;
}

int UncorrectedLunarDay(int year, int dayNumber) {
    // The new moons are the last one on or before the date that lies at most 29 days
    // back. Successive new moons are more than 28 days apart, so their days rise
    // strictly with v: start from the mean-lunation estimate and step to the last v
    // whose new moon is not after the date, instead of trying all fifteen.
    const NewMoonSeries series(year);
    int v = static_cast<int>(std::floor((dayNumber - series.B - series.Base) / kMeanLunation));
    v = v < kFirstV ? kFirstV : (v > kLastV ? kLastV : v);
    int newMoon = series.Day(v);
    if (newMoon <= dayNumber) {
        while (v < kLastV) {
            const int next = series.Day(v + 1);
            if (next > dayNumber) {
                break;
            }
            ++v;
            newMoon = next;
        }
    } else {
        for (;;) {
            if (v == kFirstV) {
                return -1;
            }
            --v;
            newMoon = series.Day(v);
            if (newMoon <= dayNumber) {
                break;
            }
        }
    }
    const int elapsed = dayNumber - newMoon;  // >= 0
    return elapsed <= 29 ? elapsed + 1 : -1;
}

LunarMonth LunarMonthWithDay(int year, int month, int day, int lunarDay) {
    long long l =
        RoundEven((DayNumber(year, month, day) - kEpochDayNumber - lunarDay) / kMeanLunation) -
        LeapMonthTotal(year);
    // Offsets of the historical eras; for the years after 240 only the last applies.
    if (year <= 240) {
        l += 1;
    }
    if (year <= 237) {
        l -= 1;
    }
    if (year < 24) {
        l += 1;
    }
    if (year < 9) {
        l -= 1;
    }
    if (year <= -255) {
        l += 1;
    }
    if (year <= -256) {
        l += 2;
    }
    if (year <= -722) {
        l += 1;
    }
    l -= 3;
    int v = static_cast<int>(RoundEven(12 * Frac(static_cast<double>(l) / 12) + 1));

    const int leapBefore = LeapMonthOf(year - 1);
    const int leap = LeapMonthOf(year);
    if (leapBefore == v && month == 1 && day < lunarDay) {
        // A January date in the leap month that began in December.
        return {v, true};
    }
    if (leap == v) {
        if (month >= 3 || leap == 12) {
            return {v, true};
        }
        return {v + 1, false};
    }
    if (leap > v || (month < v && leap > 0)) {
        ++v;
    }
    return {static_cast<int>(RoundEven(12 * Frac((v - 1) / 12.0) + 1)), false};
}

struct LunarMonthDay {
    LunarMonth Month;
    int Day;
};

LunarMonthDay LunarMonthDayOf(int year, int month, int day) {
    const int lunarDay = LunarDayOf(year, month, day);
    return {LunarMonthWithDay(year, month, day, lunarDay), lunarDay};
}

}  // namespace

int CompareLunarDates(const LunarDate& a, const LunarDate& b) {
    if (a.Year != b.Year) {
        return a.Year < b.Year ? -1 : 1;
    }
    if (a.Month != b.Month) {
        return a.Month < b.Month ? -1 : 1;
    }
    if (a.IsLeap != b.IsLeap) {
        return a.IsLeap ? 1 : -1;
    }
    if (a.Day != b.Day) {
        return a.Day < b.Day ? -1 : 1;
    }
    return 0;
}

bool IsSupportedDate(const WesternDate& date) {
    return date.Month >= 1 && date.Month <= 12 && date.Day >= 1 &&
           date.Day <= MonthLength(date.Year, date.Month) &&
           CompareDates(date, kFirstSupportedDate) >= 0 &&
           CompareDates(date, kLastSupportedDate) <= 0;
}

int NewMoonDayNumber(int year, int v) {
    return NewMoonSeries(year).Day(v);
}

int LunarDayOfUncorrected(int year, int month, int day) {
    return UncorrectedLunarDay(year, DayNumber(year, month, day));
}

int LunarDayOf(int year, int month, int day) {
    return ApplyLunarDayCorrection(LunarDayOfUncorrected(year, month, day), year, month, day);
}

LunarMonth LunarMonthOf(int year, int month, int day) {
    return LunarMonthDayOf(year, month, day).Month;
}

std::optional<LunarDate> SolarToLunar(int year, int month, int day) {
    // A day past the month's end counts on into the next month; a month or day
    // beyond any month would count past the tables and overflow the day number.
    if (year < kFirstCalendarYear || year > kLastCalendarYear || month < 1 || month > 12 ||
        day < 1 || day > 31) {
        return std::nullopt;
    }
    const LunarMonthDay found = LunarMonthDayOf(year, month, day);
    LunarDate result{year, found.Month.Month, found.Day, found.Month.IsLeap};
    // Before 正月初一 of the year the date belongs to the lunar year before: that is a
    // January or February date still in the eleventh or twelfth month (正月初一 falls
    // between 21 January and 20 February), found without the search for 正月初一.
    if (month <= 2 && result.Month >= 11) {
        result.Year = year - 1;
    }
    return result;
}

std::optional<WesternDate> LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool isLeap) {
    // A lunar year spans two Western years; outside the tables there is nothing
    // to find, and the day numbers of far years would overflow.
    if (lunarYear < kFirstCalendarYear - 1 || lunarYear > kLastCalendarYear) {
        return std::nullopt;
    }
    if (isLeap && LeapMonthOf(lunarYear) != lunarMonth) {
        return std::nullopt;
    }
    const LunarDate wanted{lunarYear, lunarMonth, lunarDay, isLeap};
    int lo = DayNumber(std::max(lunarYear, kFirstCalendarYear), 1, 1);
    int hi = DayNumber(std::min(lunarYear + 1, kLastCalendarYear), 12, 31);
    int trackedYear = lunarYear;
    enum class Direction { None, Forward, Backward } direction = Direction::None;
    int previousMonth = 0;
    bool roundUp = false;
    int steps = 0;
    // Bisection over day numbers; the lunar year is tracked by the month numbers
    // wrapping as the probes move, since a probe sees only month, day and leap flag.
    while (hi > lo) {
        if (++steps > 100) {
            return std::nullopt;
        }
        const int mid = (lo + hi) / 2 + (roundUp ? 1 : 0);
        if (hi - lo == 1) {
            roundUp = true;
        }
        const std::optional<WesternDate> date = DateOfDayNumber(mid);
        if (!date) {
            return std::nullopt;
        }
        const LunarMonthDay probe = LunarMonthDayOf(date->Year, date->Month, date->Day);
        if (direction == Direction::Forward && probe.Month.Month < previousMonth) {
            ++trackedYear;
        } else if (direction == Direction::Backward && probe.Month.Month > previousMonth) {
            --trackedYear;
        }
        const int c = CompareLunarDates(
            {trackedYear, probe.Month.Month, probe.Day, probe.Month.IsLeap}, wanted);
        if (c == 0) {
            return date;
        }
        if (c < 0) {
            lo = mid;
            direction = Direction::Forward;
        } else {
            hi = mid;
            direction = Direction::Backward;
        }
        previousMonth = probe.Month.Month;
    }
    return std::nullopt;
}

}  // namespace lumivane
