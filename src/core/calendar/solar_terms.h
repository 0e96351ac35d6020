#pragma once
// The 24 solar terms. A term index n names a term relative to the Western year Y:
// 0 is 冬至 of December of Y - 1, 1 小寒 of January of Y, 3 立春, ... 24 冬至 of Y,
// 25 小寒 of January of Y + 1. The odd indices begin the solar months.

#include <array>
#include <string_view>

namespace lumivane {

// Names by term index 0-25.
inline constexpr std::array<std::string_view, 26> SolarTermNames = {
    "冬至", "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒"};

// The day of the year of the term (1 = 1 January; Floor gives the day, the fraction the
// time of day, China Standard Time), mended by the term-day corrections.
[[nodiscard]] double SolarTermDay(int year, int termIndex);

// The formula alone, without the corrections.
[[nodiscard]] double SolarTermDayUncorrected(int year, int termIndex);

}  // namespace lumivane
