#include "core/chart/birth_chart.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

const FixedClock kToday({2026, 12, 9, 10, 30, 0});

DateInputs Gregorian(int year, int month, int day, int hour) {
    char m[8], d[8];
    std::snprintf(m, sizeof m, "%02d", month);
    std::snprintf(d, sizeof d, "%02d", day);
    return {0, std::to_string(year), m, d, day - 1, hour < 0 ? 0 : hour + 1};
}

TEST(BirthChart, GregorianDateBeforeSpringGivesTheFullChart) {
    BirthFields fields;
    BirthChartResult r = ComputeBirthChart(Gregorian(2000, 1, 15, 12), "王", fields, kToday);
    ASSERT_TRUE(r.ok) << r.error;
    const BirthChart& c = r.chart;
    EXPECT_EQ(c.Label(83), "2000年");
    EXPECT_EQ(c.Label(84), "1月");
    EXPECT_EQ(c.Label(85), "15日");
    EXPECT_EQ(c.Label(86), "12时");
    EXPECT_EQ(c.Label(87), "庚辰");
    EXPECT_EQ(c.Label(88), "十二月");
    EXPECT_EQ(c.Label(89), "初九");
    EXPECT_EQ(c.Label(90), "午时");
    EXPECT_EQ(c.Label(91) + c.Label(92) + c.Label(93) + c.Label(94), "庚辰丁丑壬申丙午");
    EXPECT_EQ(c.Label(95), "金土");
    EXPECT_EQ(c.Label(107), "龙");
    EXPECT_EQ(c.Label(108), "摩羯座");
    EXPECT_EQ(c.season, "冬");
    // 壬 is 水: the day master of a winter birth.
    EXPECT_EQ(c.advice, "日主天干水，生于冬，必须有火相助，喜水多，但忌金多");
    EXPECT_EQ(c.familyOrigin, "[王]姓的起源");
    EXPECT_EQ(c.analysis, "性格分析");
    EXPECT_EQ(fields.BirthYear, 2000);
    EXPECT_EQ(fields.BirthHour, 12);
}

TEST(BirthChart, UnknownHourCountsAsNoon) {
    BirthFields fields;
    BirthChartResult unknown = ComputeBirthChart(Gregorian(2000, 1, 15, -1), "王", fields, kToday);
    ASSERT_TRUE(unknown.ok);
    EXPECT_EQ(fields.BirthHour, 12);
    EXPECT_EQ(unknown.chart.Label(86), "12时");
    BirthFields noon;
    BirthChartResult twelve = ComputeBirthChart(Gregorian(2000, 1, 15, 12), "王", noon, kToday);
    EXPECT_EQ(unknown.chart.Label(94), twelve.chart.Label(94));
}

TEST(BirthChart, HourTwentyThreeBelongsToTheNextDay) {
    BirthFields fields;
    BirthChartResult r = ComputeBirthChart(Gregorian(2023, 12, 31, 23), "王", fields, kToday);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.chart.Label(83) + r.chart.Label(84) + r.chart.Label(85) + r.chart.Label(86),
              "2023年12月31日23时");
    EXPECT_EQ(r.chart.Label(91) + r.chart.Label(92) + r.chart.Label(93) + r.chart.Label(94),
              "甲辰甲子甲子甲子");
    EXPECT_EQ(r.chart.Label(107), "兔");
}

TEST(BirthChart, LunarInputsResolveOrKeepThePreviousDate) {
    BirthFields fields;
    DateInputs lunar{1, "2023", "闰二月", "初一", 0, 13};
    BirthChartResult r = ComputeBirthChart(lunar, "李", fields, kToday);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.chart.Label(83) + r.chart.Label(84) + r.chart.Label(85), "2023年3月22日");
    EXPECT_EQ(r.chart.Label(88) + r.chart.Label(89), "闰二月初一");

    // 闰二月 of 2023 has 29 days: 三十 keeps the previous chart's date.
    DateInputs missing{1, "2023", "闰二月", "三十", 29, 13};
    BirthChartResult kept = ComputeBirthChart(missing, "李", fields, kToday);
    ASSERT_TRUE(kept.ok);
    EXPECT_EQ(kept.chart.Label(85), "22日");
}

TEST(BirthChart, UnknownDateUsesThePreviousOrTodaysDate) {
    BirthFields fields;
    DateInputs unknown{2, "", "", "", -1, 0};
    BirthChartResult r = ComputeBirthChart(unknown, "王", fields, kToday);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(fields.BirthYear, 2026);
    EXPECT_EQ(fields.BirthMonth, 12);
    EXPECT_EQ(fields.BirthDay, 9);
    EXPECT_EQ(fields.BirthHour, 12);
    (void)ComputeBirthChart(Gregorian(2001, 6, 1, 8), "王", fields, kToday);
    (void)ComputeBirthChart(unknown, "王", fields, kToday);
    EXPECT_EQ(fields.BirthYear, 2001);
    EXPECT_EQ(fields.BirthMonth, 6);
}

TEST(BirthChart, ADayPastTheMonthsEndIsRefused) {
    BirthFields fields;
    BirthChartResult r = ComputeBirthChart(Gregorian(2023, 2, 30, 23), "王", fields, kToday);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("2023年2月没有30日"), std::string::npos);
    EXPECT_FALSE(ComputeBirthChart(Gregorian(2023, 4, 31, 5), "王", fields, kToday).ok);
    EXPECT_TRUE(ComputeBirthChart(Gregorian(2024, 2, 29, 5), "王", fields, kToday).ok);
}

TEST(AdviceLine, EveryElementAndSeasonHasALine) {
    EXPECT_EQ(AdviceLine("水", "秋"), "日主天干水，生于秋，必须有金相助，忌土、金、水多，喜木、火");
    EXPECT_EQ(AdviceLine("木", "夏"), "日主天干木，生于夏，必须有水相助，忌土太多，也忌木太多");
    for (const char* element : {"金", "木", "水", "火", "土"}) {
        for (int month = 1; month <= 12; ++month) {
            EXPECT_FALSE(AdviceLine(element, SeasonOfMonth(month)).empty()) << element << month;
        }
    }
    EXPECT_EQ(SeasonOfMonth(10), "秋");
    EXPECT_EQ(SeasonOfMonth(7), "夏");
    EXPECT_EQ(SeasonOfMonth(2), "冬");
    EXPECT_EQ(SeasonOfMonth(3), "春");
}

TEST(DateLists, HoursYearsAndLunarMonthsWithTheLeapMonth) {
    auto hours = HourItems();
    ASSERT_EQ(hours.size(), 25u);
    EXPECT_EQ(hours[0], "未知");
    EXPECT_EQ(hours[1], "00:00 - 00:59");
    EXPECT_EQ(hours[24], "23:00 - 23:59");
    auto years = YearItems();
    ASSERT_EQ(years.size(), 91u);
    EXPECT_EQ(years.front(), "1949");
    EXPECT_EQ(years.back(), "2039");

    auto months2033 = MonthItems(CalendarType::Lunar, 2033);
    ASSERT_EQ(months2033.size(), 13u);
    EXPECT_EQ(months2033[10], "十一月");
    EXPECT_EQ(months2033[11], "闰十一月");
    EXPECT_EQ(MonthItems(CalendarType::Lunar, 2024).size(), 12u);
    EXPECT_EQ(MonthItems(CalendarType::Gregorian, 2024).front(), "01");
}

TEST(DateLists, OnlyDaysThatExistAreOffered) {
    EXPECT_EQ(DayItems(CalendarType::Gregorian, 2023, 1).size(), 28u);
    EXPECT_EQ(DayItems(CalendarType::Gregorian, 2024, 1).size(), 29u);
    EXPECT_EQ(DayItems(CalendarType::Gregorian, 2024, 3).size(), 30u);
    EXPECT_EQ(DayItems(CalendarType::Gregorian, 2024, 0).back(), "31");
    // 2023: 二月 30 days, 闰二月 29 days.
    EXPECT_EQ(DayItems(CalendarType::Lunar, 2023, 1).size(), 30u);
    auto leap = DayItems(CalendarType::Lunar, 2023, 2);
    ASSERT_EQ(leap.size(), 29u);
    EXPECT_EQ(leap.front(), "初一");
    EXPECT_EQ(leap.back(), "廿九");
}

TEST(DateLists, CalendarTypeYearAndMonthChanges) {
    DateLists gregorian = CalendarTypeChange(CalendarType::Gregorian, {}, kToday);
    EXPECT_EQ(gregorian.years[static_cast<std::size_t>(gregorian.yearIndex)], "2026");
    EXPECT_EQ(gregorian.months[static_cast<std::size_t>(gregorian.monthIndex)], "12");
    EXPECT_EQ(gregorian.days[static_cast<std::size_t>(gregorian.dayIndex)], "09");

    DateLists lunar = CalendarTypeChange(CalendarType::Lunar, gregorian, kToday);
    EXPECT_EQ(lunar.yearIndex, 2026 - 1949);
    EXPECT_EQ(lunar.monthIndex, 0);
    EXPECT_EQ(lunar.dayIndex, 0);
    EXPECT_EQ(lunar.days.front(), "初一");

    DateLists unknown = CalendarTypeChange(CalendarType::Unknown, lunar, kToday);
    EXPECT_EQ(unknown.months, lunar.months);
    EXPECT_EQ(unknown.yearIndex, lunar.yearIndex);

    DateLists picked = YearClick(CalendarType::Lunar, lunar, 2033 - 1949);
    EXPECT_EQ(picked.months.size(), 13u);
    EXPECT_EQ(picked.monthIndex, 0);
    EXPECT_EQ(picked.dayIndex, 0);

    DateLists march = gregorian;
    march.dayIndex = 30;  // 31st
    DateLists february = MonthClick(CalendarType::Gregorian, march, 1);
    EXPECT_EQ(february.days.size(), 28u);
    EXPECT_EQ(february.dayIndex, 27);
    DateLists back = MonthClick(CalendarType::Gregorian, february, 0);
    EXPECT_EQ(back.dayIndex, 27);
}

}  // namespace
}  // namespace lumivane
