// The four pillars of the Chinese almanac. The month pillar changes at the solar term that
// begins the solar month (节, the moments of the mainland calendar, Beijing time); the year
// pillar changes at 立春, and the month stem counts from it. A birth's pillars change at
// the term's moment (to the minute); the almanac of days lists the whole day of the term
// with the new month.

#include "core/calendar/pillars.h"

#include <cmath>

#include "core/calendar/solar_longitude.h"
#include "core/calendar/solar_terms.h"
#include "core/calendar/vocabulary.h"
#include "core/calendar/western_calendar.h"

namespace lumivane {
namespace {

int PositiveMod(int value, int modulus) {
    const int r = value % modulus;
    return r < 0 ? r + modulus : r;
}

int TermDay(int year, int termIndex) {
    return static_cast<int>(std::floor(SolarTermDay(year, termIndex)));
}

bool IsGregorianLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int GregorianMonthLength(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsGregorianLeapYear(year) ? 29 : kLengths[month - 1];
}

}  // namespace

int YearGanZhi(int year) {
    return PositiveMod(year > 0 ? year - 4 : year - 3, 60);
}

SolarMonth SolarMonthOf(int year, int month, int day) {
    const int dayOfYear = DayOfYearOf(year, month, day);
    if (dayOfYear < TermDay(year, 3)) {
        return {year - 1, dayOfYear < TermDay(year, 1) ? 11 : 12};
    }
    int count = 0;
    for (int term = 3; term <= 23; term += 2) {
        if (TermDay(year, term) > dayOfYear) {
            break;
        }
        ++count;
    }
    return {year, count};
}

namespace {

// Whether the term's moment has come by the stamp. The mean formula is within minutes of
// the moment, so a stamp more than a day away from it is decided without the astronomy,
// which is asked only for the term next to the birth.
bool TermReached(int year, int termIndex, long long stamp) {
    const double mean = (MeanSolarTermDay(year, termIndex) + DayNumber(year, 1, 0)) * 1440.0;
    const double distance = static_cast<double>(stamp) - mean;
    if (distance > 1440.0) {
        return true;
    }
    if (distance < -1440.0) {
        return false;
    }
    return stamp >= SolarTermMinuteStamp(year, termIndex);
}

}  // namespace

SolarMonth SolarMonthAt(int year, int month, int day, int hour, int minute) {
    const long long stamp = MinuteStamp(year, month, day, hour, minute);
    if (!TermReached(year, 3, stamp)) {
        return {year - 1, TermReached(year, 1, stamp) ? 12 : 11};
    }
    int count = 0;
    for (int term = 3; term <= 23; term += 2) {
        if (!TermReached(year, term, stamp)) {
            break;
        }
        ++count;
    }
    return {year, count};
}

int YearPillarOf(int year, int month, int day) {
    return YearGanZhi(SolarMonthOf(year, month, day).Year);
}

namespace {

int MonthPillarOf(const SolarMonth& solarMonth) {
    const int yearStem = YearGanZhi(solarMonth.Year) % 10;
    // 甲己 years start the months at 丙寅, 乙庚 at 戊寅, 丙辛 at 庚寅, 丁壬 at 壬寅, 戊癸 at 甲寅.
    static constexpr int kFirstStem[5] = {2, 4, 6, 8, 0};
    int stem = kFirstStem[yearStem % 5] + (solarMonth.Month - 1) % 10;
    if (stem >= 10) {
        stem -= 10;
    }
    return GanZhiOf(stem, (solarMonth.Month + 1) % 12);
}

}  // namespace

int MonthGanZhi(int year, int month, int day) {
    return MonthPillarOf(SolarMonthOf(year, month, day));
}

int DayGanZhi(int year, int month, int day) {
    long long count = 0;
    if (year >= 1) {
        int gap = 0;
        if (CalendarKindOf(year, month, day) == kGregorianCalendar) {
            gap = year <= 1700 ? 10 : 10 + (year - 1701) / 100 + 1 - (year - 1601) / 400;
        }
        count = 365LL * (year - 1) + DayOfYearOf(year, month, day) + (year - 1) / 4 - gap;
    } else {
        count = 365LL * year + DayOfYearOf(year, month, day) - (3 - year) / 4;
    }
    const long long r = (count + 12) % 60;
    return static_cast<int>(r < 0 ? r + 60 : r);
}

int HourGanZhi(int year, int month, int day, int hour) {
    // DayGanZhi is always within 0-59.
    const std::optional<StemBranch> dayPillar = SplitGanZhi(DayGanZhi(year, month, day));
    int stem = dayPillar->Stem;
    const int h = hour % 24;
    int branch = 0;
    if (h == 23) {
        stem = (stem + 1) % 10;  // the 子 hour that begins the next day
    } else {
        branch = (h + 1) / 2;
    }
    if (stem >= 5) {
        stem -= 5;
    }
    return GanZhiOf((2 * stem + branch) % 10, branch);
}

std::optional<Pillars> FourPillars(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                                   std::uint16_t hour, std::uint16_t minute) {
    const BirthClock clock{year, month, day, hour, minute};
    return FourPillarsAt(clock, clock);
}

std::optional<Pillars> FourPillarsAt(const BirthClock& beijing, const BirthClock& dayAndHour) {
    int y = dayAndHour.Year;
    int m = dayAndHour.Month;
    int d = dayAndHour.Day;
    int h = dayAndHour.Hour;
    if (h == 23) {
        if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > GregorianMonthLength(y, m)) {
            return std::nullopt;
        }
        h = 0;
        if (++d > GregorianMonthLength(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    const SolarMonth solarMonth =
        SolarMonthAt(beijing.Year, beijing.Month, beijing.Day, beijing.Hour, beijing.Minute);
    return Pillars{YearGanZhi(solarMonth.Year), MonthPillarOf(solarMonth), DayGanZhi(y, m, d),
                   HourGanZhi(y, m, d, h)};
}

BirthClock TrueSolarTime(const BirthClock& beijing, double eastLongitude) {
    const long long stamp =
        MinuteStamp(beijing.Year, beijing.Month, beijing.Day, beijing.Hour, beijing.Minute);
    // Day numbers start at 0001-01-01 = 1; Julian Day 1721424.5 is its eve's midnight.
    const double julianDayUt = static_cast<double>(stamp) / 1440.0 + 1721424.5 - 8.0 / 24.0;
    const double offset = (eastLongitude - 120.0) * 4.0 + EquationOfTimeMinutes(julianDayUt);
    const long long solar = stamp + std::llround(offset);
    const std::optional<WesternDate> date = DateOfDayNumber(static_cast<int>(solar / 1440));
    if (!date) {
        return beijing;
    }
    const int minuteOfDay = static_cast<int>(solar % 1440);
    return {date->Year, date->Month, date->Day, minuteOfDay / 60, minuteOfDay % 60};
}

TermInSpan TermWithin(const BirthClock& first, const BirthClock& last) {
    const SolarMonth before =
        SolarMonthAt(first.Year, first.Month, first.Day, first.Hour, first.Minute);
    const SolarMonth after = SolarMonthAt(last.Year, last.Month, last.Day, last.Hour, last.Minute);
    TermInSpan result;
    if (before.Year == after.Year && before.Month == after.Month) {
        return result;
    }
    // The solar month that begins: 1 寅 (立春, index 3) ... 11 子 (大雪, 23), 12 丑 (小寒, 1).
    result.TermIndex = after.Month == 12 ? 1 : 2 * after.Month + 1;
    result.Year = after.Month == 12 ? after.Year + 1 : after.Year;
    const TermMoment moment = SolarTermMoment(result.Year, result.TermIndex);
    result.Hour = moment.Hour;
    result.Minute = moment.Minute;
    result.YearBefore = YearGanZhi(before.Year);
    result.MonthBefore = MonthPillarOf(before);
    result.YearAfter = YearGanZhi(after.Year);
    result.MonthAfter = MonthPillarOf(after);
    return result;
}

}  // namespace lumivane
