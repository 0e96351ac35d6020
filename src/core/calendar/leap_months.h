#pragma once
// The leap months of the lunar calendar, one table character per Western year
// from -849 to 2100, and the running count of leap months that the month
// numbering subtracts from the count of lunations.

#include <array>
#include <cstdint>
#include <string_view>

namespace lumivane {

inline constexpr int kFirstCalendarYear = -849;
inline constexpr int kLastCalendarYear = 2100;

// 2950 characters, year Y at position Y + 849 (year 0 has a slot of its own).
// '0' no leap month, '1'-'9' and 'a'-'c' the month (1-12) the leap month follows.
extern const std::string_view LeapMonthTable;
// 2949 entries, years -849 to -1 and 1 to 2100 (no year 0).
extern const std::array<std::int32_t, 2949> LeapMonthTotals;

// 0 (none, also outside the table) or the month number 1-12 after which the leap month falls.
[[nodiscard]] int LeapMonthOf(int year);
// The LeapMonthTotals entry of the year; year 0 reads the entry of year -1.
// Years outside the table read the nearest end.
[[nodiscard]] int LeapMonthTotal(int year);

}  // namespace lumivane
