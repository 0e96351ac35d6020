#include <gtest/gtest.h>

#include <string>

#include "calendar_fixture.h"
#include "core/calendar/pillars.h"
#include "core/calendar/vocabulary.h"

namespace lumivane {
namespace {

std::string Names(const Pillars& p) {
    return GanZhiName(p.Year) + " " + GanZhiName(p.Month) + " " + GanZhiName(p.Day) + " " +
           GanZhiName(p.Hour);
}

TEST(Pillars, YearPillarFollowsTheWesternYear) {
    struct Case {
        int year;
        const char* name;
    } const cases[] = {{1984, "甲子"}, {2000, "庚辰"}, {2023, "癸卯"},
                       {2024, "甲辰"}, {1949, "己丑"}, {4, "甲子"},
                       {1, "辛酉"},    {0, "辛酉"},    {-1, "庚申"}};
    for (const Case& c : cases) {
        EXPECT_EQ(GanZhiName(YearGanZhi(c.year)), c.name) << c.year;
    }
}

TEST(Pillars, MonthPillarSpotValues) {
    struct Case {
        const char* label;
        int year, month, day;
        const char* name;
    } const cases[] = {
        {"before 小寒 2000", 2000, 1, 1, "丙子"},
        {"day before 立春 2000", 2000, 2, 3, "丁丑"},
        {"立春 2000", 2000, 2, 4, "戊寅"},
        {"2000-01-15, counted from 己卯", 2000, 1, 15, "丁丑"},
        {"before 小寒 2024", 2024, 1, 5, "甲子"},
        {"小寒 2024", 2024, 1, 6, "乙丑"},
        {"小寒 2025 on 5 January", 2025, 1, 5, "丁丑"},
        {"corrected 小暑 2016 on 07-07", 2016, 7, 7, "乙未"},
        {"the day before it", 2016, 7, 6, "甲午"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GanZhiName(MonthGanZhi(c.year, c.month, c.day)), c.name) << c.label;
    }
}

TEST(Pillars, SolarMonthOfEveryDayOf1948To2050FollowsThePublishedTerms) {
    const auto& terms = testing::Fixture().Terms;
    std::size_t next = 0;
    int month = 0;  // solar month from the last 节 term seen
    int pillarYear = 0;
    for (int n = DayNumber(1947, 12, 1); n <= DayNumber(2050, 12, 31); ++n) {
        const WesternDate date = *DateOfDayNumber(n);
        while (next < terms.size() && DayNumber(terms[next].Date.Year, terms[next].Date.Month,
                                                terms[next].Date.Day) <= n) {
            const int index = terms[next].TermIndex;
            if (index % 2 == 1) {
                month = index == 1 ? 12 : (index - 1) / 2;
                pillarYear = index == 1 ? terms[next].Date.Year - 1 : terms[next].Date.Year;
            }
            ++next;
        }
        if (date.Year < 1948) {
            continue;
        }
        const SolarMonth got = SolarMonthOf(date.Year, date.Month, date.Day);
        ASSERT_EQ(got.Month, month) << date.Year << "-" << date.Month << "-" << date.Day;
        ASSERT_EQ(got.Year, pillarYear) << date.Year << "-" << date.Month << "-" << date.Day;
    }
}

TEST(Pillars, MonthBranchFollowsTheSolarMonth) {
    for (int n = DayNumber(1948, 1, 1); n <= DayNumber(2050, 12, 31); n += 7) {
        const WesternDate d = *DateOfDayNumber(n);
        const SolarMonth solar = SolarMonthOf(d.Year, d.Month, d.Day);
        const auto parts = SplitGanZhi(MonthGanZhi(d.Year, d.Month, d.Day));
        ASSERT_TRUE(parts.has_value());
        ASSERT_EQ(parts->Branch, (solar.Month + 1) % 12);
    }
}

TEST(Pillars, DayPillar) {
    struct Case {
        int year, month, day;
        const char* name;
    } const cases[] = {{2000, 1, 1, "戊午"}, {1949, 10, 1, "甲子"}, {2024, 2, 10, "甲辰"}};
    for (const Case& c : cases) {
        EXPECT_EQ(GanZhiName(DayGanZhi(c.year, c.month, c.day)), c.name)
            << c.year << "-" << c.month << "-" << c.day;
    }
    // The day count and the day number agree on every existing date of 1-2100.
    for (int n = 1; n <= DayNumber(2100, 12, 31); n += 11) {
        const WesternDate d = *DateOfDayNumber(n);
        if (DayNumber(d.Year, d.Month, d.Day) != n) {
            continue;  // a day the Julian-era walk names differently
        }
        ASSERT_EQ(DayGanZhi(d.Year, d.Month, d.Day), (n + 14) % 60)
            << d.Year << "-" << d.Month << "-" << d.Day;
    }
    for (int n = DayNumber(1900, 1, 1); n <= DayNumber(2100, 12, 31); ++n) {
        const WesternDate d = *DateOfDayNumber(n);
        ASSERT_EQ(DayGanZhi(d.Year, d.Month, d.Day), (n + 14) % 60);
    }
}

TEST(Pillars, HourPillar) {
    struct Case {
        int hour;
        const char* name;
    } const cases[] = {{0, "壬子"},  {1, "癸丑"},  {2, "癸丑"}, {12, "戊午"},
                       {22, "癸亥"}, {23, "甲子"}, {24, "壬子"}};
    for (const Case& c : cases) {
        EXPECT_EQ(GanZhiName(HourGanZhi(2000, 1, 1, c.hour)), c.name) << c.hour;
    }
}

TEST(Pillars, FourPillars) {
    struct Case {
        const char* label;
        int year, month, day, hour;
        const char* names;
    } const cases[] = {
        {"2000-01-15 noon", 2000, 1, 15, 12, "庚辰 丁丑 壬申 丙午"},
        {"23 moves to the next day", 2000, 1, 1, 23, "庚辰 丙子 己未 甲子"},
        {"23 on New Year's Eve", 2023, 12, 31, 23, "甲辰 甲子 甲子 甲子"},
        {"23 at the end of February", 2024, 2, 29, 23, "甲辰 丙寅 甲子 甲子"},
        {"a day past the month's end at noon", 2023, 2, 30, 12, "癸卯 甲寅 己未 庚午"},
    };
    for (const Case& c : cases) {
        const auto pillars = FourPillars(c.year, c.month, c.day, c.hour);
        ASSERT_TRUE(pillars.has_value()) << c.label;
        EXPECT_EQ(Names(*pillars), c.names) << c.label;
    }
}

TEST(Pillars, HourTwentyThreeOnAnImpossibleDateIsAnError) {
    struct Case {
        int year, month, day;
    } const cases[] = {{2023, 2, 30}, {2023, 4, 31}, {2023, 2, 29}, {2023, 13, 1},
                       {2023, 0, 1},  {2023, 1, 0},  {0, 1, 1},     {1900, 2, 29}};
    for (const Case& c : cases) {
        EXPECT_FALSE(FourPillars(c.year, c.month, c.day, 23).has_value())
            << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_STREQ(kDateEncodeError, "Invalid argument to date encode");
    EXPECT_TRUE(FourPillars(2024, 2, 29, 23).has_value()) << "a real leap day";
}

}  // namespace
}  // namespace lumivane
