#include "core/chart/birth_chart.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lumivane {
namespace {

const FixedClock kToday({2026, 12, 9, 10, 30, 0});

DateInputs Gregorian(int year, int month, int day, int hour) {
    char m[8], d[8];
    std::snprintf(m, sizeof m, "%02d", month);
    std::snprintf(d, sizeof d, "%02d", day);
    return {0, std::to_string(year), m, d, day - 1, hour < 0 ? 0 : hour + 1, 0, {}};
}

std::string Pillars(const BirthChart& c) {
    return c.Label(91) + " " + c.Label(92) + " " + c.Label(93) + " " + c.Label(94);
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
    EXPECT_EQ(c.Label(87), "己卯");
    EXPECT_EQ(c.Label(88), "十二月");
    EXPECT_EQ(c.Label(89), "初九");
    EXPECT_EQ(c.Label(90), "午时");
    EXPECT_EQ(Pillars(c), "己卯 丁丑 壬申 丙午");
    EXPECT_EQ(c.Label(95), "土木");
    EXPECT_EQ(c.Label(99), "土,木");
    EXPECT_EQ(c.Label(103) + c.Label(104) + c.Label(105) + c.Label(106),
              "城头土涧下水剑锋金天河水");
    EXPECT_EQ(c.Label(107), "兔");
    EXPECT_EQ(c.Label(108), "摩羯座");
    EXPECT_TRUE(c.hourKnown);
    EXPECT_EQ(c.season, "冬");
    // 壬 is 水: the day master of a winter birth.
    EXPECT_EQ(c.advice, "日主天干水，生于冬，必须有火相助，喜水多，但忌金多");
    EXPECT_EQ(c.familyOrigin, "[王]姓的起源");
    EXPECT_EQ(c.analysis, "性格分析");
    EXPECT_EQ(fields.BirthYear, 2000);
    EXPECT_EQ(fields.BirthHour, 12);
}

// The lunar row names the lunar year (from 正月初一), the year pillar and the zodiac
// change on the day of 立春, the season follows the month pillar. Values of the published
// calendar (lunar-javascript 1.7.7: lunar date, getYearInGanZhiByLiChun).
TEST(BirthChart, LunarYearYearPillarZodiacAndSeasonAroundTheirBoundaries) {
    struct Case {
        const char* label;
        int year, month, day, hour;
        const char* lunarRow;  // Label87 Label88 Label89 Label90
        const char* pillars;
        const char* zodiac;
        const char* season;
    } const cases[] = {
        {"1949-01-01", 1949, 1, 1, 12, "戊子 十二月 初三 午时", "戊子 甲子 辛卯 甲午", "鼠", "冬"},
        {"正月初一 1949 before 立春", 1949, 1, 29, 12, "己丑 正月 初一 午时", "戊子 乙丑 己未 庚午",
         "鼠", "冬"},
        {"2000-01-15", 2000, 1, 15, 12, "己卯 十二月 初九 午时", "己卯 丁丑 壬申 丙午", "兔", "冬"},
        // 立春 2000 fell at 20:40, 立春 2024 at 16:27 (Beijing time): the year and month
        // change at that moment, not on the whole day.
        {"立春 2000 day, before the term", 2000, 2, 4, 12, "己卯 十二月 廿九 午时",
         "己卯 丁丑 壬辰 丙午", "兔", "冬"},
        {"立春 2000 day, after the term", 2000, 2, 4, 21, "己卯 十二月 廿九 亥时",
         "庚辰 戊寅 壬辰 辛亥", "龙", "春"},
        {"正月初一 2000", 2000, 2, 5, 12, "庚辰 正月 初一 午时", "庚辰 戊寅 癸巳 戊午", "龙", "春"},
        {"eve of 立春 2024", 2024, 2, 3, 12, "癸卯 十二月 廿四 午时", "癸卯 乙丑 丁酉 丙午", "兔",
         "冬"},
        {"立春 2024 day, before the term", 2024, 2, 4, 12, "癸卯 十二月 廿五 午时",
         "癸卯 乙丑 戊戌 戊午", "兔", "冬"},
        {"立春 2024 day, after the term", 2024, 2, 4, 17, "癸卯 十二月 廿五 酉时",
         "甲辰 丙寅 戊戌 辛酉", "龙", "春"},
        {"除夕 2024", 2024, 2, 9, 12, "癸卯 十二月 三十 午时", "甲辰 丙寅 癸卯 戊午", "龙", "春"},
        {"正月初一 2024", 2024, 2, 10, 12, "甲辰 正月 初一 午时", "甲辰 丙寅 甲辰 庚午", "龙",
         "春"},
        {"23 on 31 December", 2023, 12, 31, 23, "癸卯 十一月 十九 子时", "癸卯 甲子 甲子 甲子",
         "兔", "冬"},
        {"23 on the eve of 立春: the next day's 子 hour, before the term", 2024, 2, 3, 23,
         "癸卯 十二月 廿四 子时", "癸卯 乙丑 戊戌 壬子", "兔", "冬"},
        {"立夏 2024", 2024, 5, 5, 8, "甲辰 三月 廿七 辰时", "甲辰 己巳 己巳 戊辰", "龙", "夏"},
        {"eve of 立秋 2024", 2024, 8, 6, 8, "甲辰 七月 初三 辰时", "甲辰 辛未 壬寅 甲辰", "龙",
         "夏"},
        {"立冬 2024", 2024, 11, 7, 8, "甲辰 十月 初七 辰时", "甲辰 乙亥 乙亥 庚辰", "龙", "冬"},
    };
    for (const Case& c : cases) {
        BirthFields fields;
        BirthChartResult r =
            ComputeBirthChart(Gregorian(c.year, c.month, c.day, c.hour), "王", fields, kToday);
        ASSERT_TRUE(r.ok) << c.label << ": " << r.error;
        const BirthChart& chart = r.chart;
        EXPECT_EQ(
            chart.Label(87) + " " + chart.Label(88) + " " + chart.Label(89) + " " + chart.Label(90),
            c.lunarRow)
            << c.label;
        EXPECT_EQ(Pillars(chart), c.pillars) << c.label;
        EXPECT_EQ(chart.Label(107), c.zodiac) << c.label;
        EXPECT_EQ(chart.season, c.season) << c.label;
        EXPECT_NE(chart.advice.find(std::string("，生于") + c.season + "，"), std::string::npos)
            << c.label;
        EXPECT_EQ(chart.Label(83) + chart.Label(84) + chart.Label(85) + chart.Label(86),
                  std::to_string(c.year) + "年" + std::to_string(c.month) + "月" +
                      std::to_string(c.day) + "日" + std::to_string(c.hour) + "时")
            << c.label << ": the 公历 row shows the date and hour as entered";
    }
}

// The notes under the chart: a birth from 23 o'clock takes the next day's
// pillars (by the true solar hour where a birthplace is given), and between
// 立春 and 正月初一 the lunar year and the year pillar name different animals.
TEST(BirthChart, NotesOfTheZiHourAndOfTheTwoNewYears) {
    struct Case {
        const char* label;
        int year, month, day, hour;
        std::optional<double> longitude;
        const char* hourNote;  // the start of it, "" for none
        const char* yearNote;  // a part of it, "" for none
    } const cases[] = {
        {"23 in Beijing time", 2023, 12, 31, 23, std::nullopt, "23 时起是子时", ""},
        {"23 by the clock, 21 by the sun in Urumqi", 2023, 12, 31, 23, 87.6, "", ""},
        {"22 by the clock, 23 by the sun at 130°E", 2023, 12, 31, 22, 130.0,
         "按真太阳时，23 时起是子时", ""},
        {"22 in Beijing time", 2023, 12, 31, 22, std::nullopt, "", ""},
        {"除夕 2024, after 立春", 2024, 2, 9, 12, std::nullopt, "", "农历年是癸卯"},
        {"立春 2024 day, before the term", 2024, 2, 4, 12, std::nullopt, "", ""},
        {"正月初一 2024", 2024, 2, 10, 12, std::nullopt, "", ""},
    };
    for (const Case& c : cases) {
        DateInputs inputs = Gregorian(c.year, c.month, c.day, c.hour);
        inputs.longitude = c.longitude;
        BirthFields fields;
        const BirthChartResult r = ComputeBirthChart(inputs, "王", fields, kToday);
        ASSERT_TRUE(r.ok) << c.label << ": " << r.error;
        EXPECT_EQ(r.chart.hourNote.substr(0, std::string(c.hourNote).size()), c.hourNote)
            << c.label << ": " << r.chart.hourNote;
        EXPECT_EQ(r.chart.hourNote.empty(), std::string(c.hourNote).empty()) << c.label;
        EXPECT_EQ(r.chart.yearNote.empty(), std::string(c.yearNote).empty()) << c.label;
        EXPECT_NE(r.chart.yearNote.find(c.yearNote), std::string::npos) << c.label;
    }
}

TEST(BirthChart, UnknownHourShowsNoHourPillar) {
    BirthFields fields;
    BirthChartResult unknown = ComputeBirthChart(Gregorian(2000, 1, 15, -1), "王", fields, kToday);
    ASSERT_TRUE(unknown.ok);
    const BirthChart& c = unknown.chart;
    EXPECT_FALSE(c.hourKnown);
    EXPECT_EQ(fields.BirthHour, 12) << "what the online analysis sends";
    EXPECT_EQ(c.Label(86), "未知");
    EXPECT_EQ(c.Label(90), "未知");
    for (int label : {94, 98, 102, 106}) {
        EXPECT_EQ(c.Label(label), "") << "Label" << label;
    }
    BirthFields noon;
    BirthChartResult twelve = ComputeBirthChart(Gregorian(2000, 1, 15, 12), "王", noon, kToday);
    ASSERT_TRUE(twelve.ok);
    // Everything else is the chart of the day: the advice reads only the day stem and season.
    for (int label :
         {83, 84, 85, 87, 88, 89, 91, 92, 93, 95, 96, 97, 99, 100, 101, 103, 104, 105, 107, 108}) {
        EXPECT_EQ(c.Label(label), twelve.chart.Label(label)) << "Label" << label;
    }
    EXPECT_EQ(c.advice, twelve.chart.advice);
    EXPECT_EQ(c.Label(87) + c.Label(91) + c.Label(107), "己卯己卯兔");

    // No selection in the hour list is no known hour either.
    DateInputs none = Gregorian(2000, 1, 15, -1);
    none.hourIndex = -1;
    BirthChartResult unselected = ComputeBirthChart(none, "王", fields, kToday);
    ASSERT_TRUE(unselected.ok);
    EXPECT_FALSE(unselected.chart.hourKnown);
    EXPECT_EQ(unselected.chart.Label(86), "未知");
    EXPECT_EQ(unselected.chart.Label(94), "");
}

TEST(BirthChart, LunarInputsResolveOrKeepThePreviousDate) {
    BirthFields fields;
    DateInputs lunar{1, "2023", "闰二月", "初一", 0, 13, 0, {}};
    BirthChartResult r = ComputeBirthChart(lunar, "李", fields, kToday);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.chart.Label(83) + r.chart.Label(84) + r.chart.Label(85), "2023年3月22日");
    EXPECT_EQ(r.chart.Label(88) + r.chart.Label(89), "闰二月初一");

    // 闰二月 of 2023 has 29 days: 三十 keeps the previous chart's date.
    DateInputs missing{1, "2023", "闰二月", "三十", 29, 13, 0, {}};
    BirthChartResult kept = ComputeBirthChart(missing, "李", fields, kToday);
    ASSERT_TRUE(kept.ok);
    EXPECT_EQ(kept.chart.Label(85), "22日");
}

TEST(BirthChart, UnknownDateUsesThePreviousOrTodaysDate) {
    BirthFields fields;
    DateInputs unknown{2, "", "", "", -1, 0, 0, {}};
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
        for (int branch = 0; branch < 12; ++branch) {
            EXPECT_FALSE(AdviceLine(element, SeasonOfBranch(branch)).empty()) << element << branch;
        }
    }
}

TEST(AdviceLine, SeasonOfEveryMonthBranch) {
    // 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥
    const char* const seasons[12] = {"冬", "冬", "春", "春", "春", "夏",
                                     "夏", "夏", "秋", "秋", "秋", "冬"};
    for (int branch = 0; branch < 12; ++branch) {
        EXPECT_EQ(SeasonOfBranch(branch), seasons[branch]) << branch;
    }
    EXPECT_EQ(SeasonOfBranch(-1), "");
    EXPECT_EQ(SeasonOfBranch(12), "");
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
