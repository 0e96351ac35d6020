// Solar terms of the mainland Chinese calendar, Beijing time (UTC+8), as the Purple
// Mountain Observatory publishes them: term n of year Y is the moment the sun's apparent
// longitude reaches 270° + 15°·n (solar_longitude.cpp, after Meeus). The mean formula
// gives the first guess and stands in outside 1900-2100.

#include "core/calendar/solar_terms.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/calendar/solar_longitude.h"
#include "core/calendar/western_calendar.h"

namespace lumivane {
namespace {

// Day numbers (western_calendar.h) and Julian Days at local midnight differ by this.
constexpr double kJulianDayOfDayNumberZero = 1721424.5;
constexpr double kBeijingOffsetDays = 8.0 / 24.0;

bool IsAstronomical(int year) {
    return year >= kFirstAstronomicalTermYear && year <= kLastAstronomicalTermYear;
}

// Terms that fall within seconds of midnight, closer than the computation can tell, held
// at the last minute of the day the Purple Mountain Observatory publishes for them
// (1923 雨水 on 02-19, 1979 大寒 on 01-20; both about 23:59:50).
struct MidnightTerm {
    int year;
    int termIndex;  // 1-24
};
constexpr MidnightTerm kMidnightTerms[] = {{1923, 4}, {1979, 2}};

double ComputedDayCount(int year, int termIndex) {
    const double mean = MeanSolarTermDay(year, termIndex) + DayNumber(year, 1, 0);
    if (!IsAstronomical(year)) {
        return mean;
    }
    const double guessUt = mean + kJulianDayOfDayNumberZero - kBeijingOffsetDays;
    const double target = std::fmod(270.0 + 15.0 * termIndex, 360.0);
    double count =
        MomentOfSolarLongitude(target, guessUt) - kJulianDayOfDayNumberZero + kBeijingOffsetDays;
    // Indices 0 and 25 name the terms of the neighbouring years.
    const int ownYear = termIndex == 0 ? year - 1 : termIndex == 25 ? year + 1 : year;
    const int ownIndex = termIndex == 0 ? 24 : termIndex == 25 ? 1 : termIndex;
    for (const MidnightTerm& term : kMidnightTerms) {
        if (term.year == ownYear && term.termIndex == ownIndex) {
            const double midnight = std::round(count);
            count = std::min(count, midnight - 0.6 / 1440);  // 23:59, to the minute
        }
    }
    return count;
}

// Beijing time of the term as a day number with the time of day as fraction. The year's
// terms are computed when first asked (a few microseconds each) and kept per thread for
// the last few years asked, as the pillars of a month ask the same terms again and again.
double TermDayCount(int year, int termIndex) {
    if (termIndex < 0 || termIndex > 25) {
        return ComputedDayCount(year, termIndex);
    }
    struct YearTerms {
        int year = 0;
        std::array<double, 26> counts{};
        std::array<bool, 26> known{};
    };
    thread_local std::array<YearTerms, 4> cache;
    thread_local std::size_t next = 0;
    YearTerms* slot = nullptr;
    for (YearTerms& entry : cache) {
        if (entry.year == year && year != 0) {
            slot = &entry;
        }
    }
    if (slot == nullptr) {
        slot = &cache[next];
        next = (next + 1) % cache.size();
        *slot = YearTerms{};
        slot->year = year;
    }
    const auto index = static_cast<std::size_t>(termIndex);
    if (!slot->known[index]) {
        slot->counts[index] = ComputedDayCount(year, termIndex);
        slot->known[index] = true;
    }
    return slot->counts[index];
}

}  // namespace

double MeanSolarTermDay(int year, int termIndex) {
    const double y = year <= 0 ? year + 1 : year;
    const double n = termIndex;
    double j = (365.2423112 - 6.4e-14 * (y - 100) * (y - 100) - 3.047e-8 * (y - 100)) * y +
               15.218427 * n + 1721050.71301;
    const double theta = 3e-4 * y - 0.372781384 - 0.2617913325 * n;
    j += (1.945 * std::sin(theta) - 0.01206 * std::sin(2 * theta)) * (1.048994 - 2.583e-5 * y);
    j += -0.0018 * std::sin(2.313908653 * y - 0.439822951 - 3.0443 * n);
    return j - DayNumber(static_cast<int>(y), 1, 0) - 1721425;
}

double SolarTermDay(int year, int termIndex) {
    return TermDayCount(year, termIndex) - DayNumber(year, 1, 0);
}

long long MinuteStamp(int year, int month, int day, int hour, int minute) {
    return static_cast<long long>(DayNumber(year, month, day)) * 1440 + hour * 60 + minute;
}

long long SolarTermMinuteStamp(int year, int termIndex) {
    return std::llround(TermDayCount(year, termIndex) * 1440.0);
}

TermMoment SolarTermMoment(int year, int termIndex) {
    const long long stamp = SolarTermMinuteStamp(year, termIndex);
    const long long dayNumber = stamp / 1440;
    const int minuteOfDay = static_cast<int>(stamp % 1440);
    const std::optional<WesternDate> date = DateOfDayNumber(static_cast<int>(dayNumber));
    if (!date) {
        return {};
    }
    return {date->Year, date->Month, date->Day, minuteOfDay / 60, minuteOfDay % 60};
}

}  // namespace lumivane
