// Solar terms of the mainland Chinese calendar (days in China Standard Time, UTC+8,
// as the Purple Mountain Observatory publishes them), from a mean-motion formula
// with two periodic terms.
//
// The formula is good to a few minutes; a term that falls within minutes of midnight
// can land on the neighbouring day. solar_term_corrections.cpp lists those terms of
// 1900-2100 with the published day.

#include "core/calendar/solar_terms.h"

#include <cmath>

#include "core/calendar/solar_term_corrections.h"
#include "core/calendar/western_calendar.h"

namespace lumivane {

double SolarTermDayUncorrected(int year, int termIndex) {
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
    const double computed = SolarTermDayUncorrected(year, termIndex);
    const int change = SolarTermDayCorrection(year, termIndex);
    if (change == 0) {
        return computed;
    }
    // The corrected terms lie within minutes of midnight: move the instant to the nearest
    // one of the published day, its first moment or its last.
    const double day = std::floor(computed) + change;
    return change > 0 ? day : std::nextafter(day + 1, day);
}

}  // namespace lumivane
