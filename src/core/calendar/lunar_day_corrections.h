#pragma once
// Spans of Western dates whose lunar day the new-moon formula gets wrong, with the
// change that gives the published calendar's day.

#include <span>

#include "core/calendar/western_calendar.h"

namespace lumivane {

struct LunarDayCorrection {
    WesternDate From;  // first day of the span, inclusive
    WesternDate To;    // last day of the span, inclusive
    int Days;          // added to the lunar day; 31 becomes 1 and 0 becomes 30
};

[[nodiscard]] std::span<const LunarDayCorrection> LunarDayCorrections();

// The correction of the date, 0 when none applies.
[[nodiscard]] int LunarDayCorrectionOf(int year, int month, int day);

}  // namespace lumivane
