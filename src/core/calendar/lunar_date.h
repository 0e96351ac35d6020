#pragma once
// A date of the Chinese lunar calendar.

namespace lumivane {

struct LunarDate {
    int Year = 0;         // named by the Western year in which its first month (正月) begins
    int Month = 0;        // 1-12
    int Day = 0;          // 1-30
    bool IsLeap = false;  // the intercalary month after the regular month of the same number

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// -1, 0 or 1: year, then month number; within one month number the leap month is the
// later one whatever the days, otherwise the days decide.
[[nodiscard]] int CompareLunarDates(const LunarDate& a, const LunarDate& b);

}  // namespace lumivane
