#pragma once
// The reference fixture of the mainland calendar (see fixtures/): lunar month starts
// and solar-term days, read once.

#include <string>
#include <vector>

#include "core/calendar/lunar_date.h"
#include "core/calendar/western_calendar.h"

namespace lumivane::testing {

struct FixtureMonth {
    int StartDayNumber;  // day 1 of the month
    int LunarYear;
    int Month;
    bool IsLeap;
};

struct FixtureTerm {
    WesternDate Date;
    int TermIndex;  // 1 (小寒) ... 24 (冬至) within Date.Year
};

struct FixtureMoment {
    WesternDate Date;
    int Hour, Minute, Second;  // Beijing time
    int TermIndex;             // 1 (小寒) ... 24 (冬至) within Date.Year
};

// A birth ten minutes before or after a 节, with the year and month pillars at its moment.
struct FixtureBirth {
    WesternDate Date;
    int Hour, Minute;
    std::string YearPillar, MonthPillar;
};

struct CalendarFixture {
    std::vector<FixtureMonth> Months;    // in date order
    std::vector<FixtureTerm> Terms;      // in date order
    std::vector<FixtureMoment> Moments;  // 1900-2100, in date order
    std::vector<FixtureBirth> Births;    // 1949-2050
};

// Fails the calling test (and returns an empty fixture) when the files cannot be read.
const CalendarFixture& Fixture();

// The published lunar date of a day number covered by the fixture.
LunarDate PublishedLunarDate(int dayNumber);

}  // namespace lumivane::testing
