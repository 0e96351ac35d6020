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

// The years whose terms are computed from the sun's position; outside them the mean
// formula (MeanSolarTermDay) stands in.
inline constexpr int kFirstAstronomicalTermYear = 1900;
inline constexpr int kLastAstronomicalTermYear = 2100;

// The day of the year of the term (1 = 1 January; Floor gives the day, the fraction the
// time of day, Beijing time, UTC+8).
[[nodiscard]] double SolarTermDay(int year, int termIndex);

// The mean-motion formula with two periodic terms: good to some minutes, used before 1900
// and after 2100.
[[nodiscard]] double MeanSolarTermDay(int year, int termIndex);

// A term's moment, Beijing time, to the minute (rounded to the nearest).
struct TermMoment {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
};
[[nodiscard]] TermMoment SolarTermMoment(int year, int termIndex);

// Minutes counted from the start of day number 0: a Beijing time as one number, to compare
// with a term's moment.
[[nodiscard]] long long MinuteStamp(int year, int month, int day, int hour, int minute);
[[nodiscard]] long long SolarTermMinuteStamp(int year, int termIndex);

}  // namespace lumivane
