#include <gtest/gtest.h>

#include <string>

#include "calendar_fixture.h"
#include "core/calendar/pillars.h"
#include "core/calendar/solar_longitude.h"
#include "core/calendar/solar_terms.h"
#include "core/calendar/vocabulary.h"

namespace lumivane {
namespace {

std::string Names(const Pillars& p) {
    return GanZhiName(p.Year) + " " + GanZhiName(p.Month) + " " + GanZhiName(p.Day) + " " +
           GanZhiName(p.Hour);
}

TEST(Pillars, YearGanZhiIsTheCycleOfTheYearNumber) {
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

// Around 1 January, 立春 and 正月初一: the year pillar and the zodiac change on the day of
// 立春 of the published calendar (lunar-javascript 1.7.7, getYearInGanZhiByLiChun), never
// on 1 January or at the lunar new year.
TEST(Pillars, YearPillarChangesOnTheDayOfLiChun) {
    struct Case {
        const char* label;
        int year, month, day;
        const char* pillar;
        const char* zodiac;
    } const cases[] = {
        {"first supported day", 1900, 1, 1, "己亥", "猪"},
        {"1949-01-01", 1949, 1, 1, "戊子", "鼠"},
        {"正月初一 of 1949, before 立春", 1949, 1, 29, "戊子", "鼠"},
        {"1949 after 立春", 1949, 2, 4, "己丑", "牛"},
        {"1984-12-31", 1984, 12, 31, "甲子", "鼠"},
        {"eve of 立春 1985", 1985, 2, 3, "甲子", "鼠"},
        {"立春 1985", 1985, 2, 4, "乙丑", "牛"},
        {"2000-01-01", 2000, 1, 1, "己卯", "兔"},
        {"2000-01-15", 2000, 1, 15, "己卯", "兔"},
        {"eve of 立春 2000", 2000, 2, 3, "己卯", "兔"},
        {"立春 2000, still 己卯 in the lunar calendar", 2000, 2, 4, "庚辰", "龙"},
        {"正月初一 2000", 2000, 2, 5, "庚辰", "龙"},
        {"eve of 立春 2024", 2024, 2, 3, "癸卯", "兔"},
        {"立春 2024, the term at 16:27", 2024, 2, 4, "甲辰", "龙"},
        {"除夕 2024", 2024, 2, 9, "甲辰", "龙"},
        {"正月初一 2024", 2024, 2, 10, "甲辰", "龙"},
        {"eve of 立春 2083", 2083, 2, 2, "壬寅", "虎"},
        {"立春 2083 on 02-03, at 23:58", 2083, 2, 3, "癸卯", "兔"},
        {"last supported day", 2100, 12, 31, "庚申", "猴"},
    };
    for (const Case& c : cases) {
        const int pillar = YearPillarOf(c.year, c.month, c.day);
        EXPECT_EQ(GanZhiName(pillar), c.pillar) << c.label;
        EXPECT_EQ(ZodiacName(ZodiacOfYearPillar(pillar)), c.zodiac) << c.label;
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
        {"小暑 2016 on 07-07, at 00:03", 2016, 7, 7, "乙未"},
        {"the day before it", 2016, 7, 6, "甲午"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GanZhiName(MonthGanZhi(c.year, c.month, c.day)), c.name) << c.label;
    }
}

TEST(Pillars, SolarMonthAndYearPillarOfEveryDayOf1900To2100FollowThePublishedTerms) {
    const auto& terms = testing::Fixture().Terms;
    std::size_t next = 0;
    int month = 0;  // solar month from the last 节 term seen
    int pillarYear = 0;
    for (int n = DayNumber(1899, 12, 1); n <= DayNumber(2100, 12, 31); ++n) {
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
        if (date.Year < 1900) {
            continue;
        }
        const SolarMonth got = SolarMonthOf(date.Year, date.Month, date.Day);
        ASSERT_EQ(got.Month, month) << date.Year << "-" << date.Month << "-" << date.Day;
        ASSERT_EQ(got.Year, pillarYear) << date.Year << "-" << date.Month << "-" << date.Day;
        ASSERT_EQ(YearPillarOf(date.Year, date.Month, date.Day), YearGanZhi(pillarYear))
            << date.Year << "-" << date.Month << "-" << date.Day;
    }
}

TEST(Pillars, MonthBranchFollowsTheSolarMonth) {
    for (int n = DayNumber(1900, 1, 1); n <= DayNumber(2100, 12, 31); n += 7) {
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

// The four pillars of the published calendar (lunar-javascript 1.7.7, with the 子 hour
// from 23:00 counted with the next day), the year and month changing at the moment of
// their term (立春 2024: 02-04 16:27).
TEST(Pillars, FourPillars) {
    struct Case {
        const char* label;
        int year, month, day, hour, minute;
        const char* names;
    } const cases[] = {
        {"2000-01-15 noon", 2000, 1, 15, 12, 0, "己卯 丁丑 壬申 丙午"},
        {"23 moves to the next day", 2000, 1, 1, 23, 0, "己卯 丙子 己未 甲子"},
        {"23 on New Year's Eve stays in the year of 癸卯", 2023, 12, 31, 23, 0,
         "癸卯 甲子 甲子 甲子"},
        {"0 on New Year's Day", 2024, 1, 1, 0, 0, "癸卯 甲子 甲子 甲子"},
        {"noon on the eve of 立春", 2024, 2, 3, 12, 0, "癸卯 乙丑 丁酉 丙午"},
        {"23 on the eve of 立春: the next day's 子 hour, still before the term", 2024, 2, 3, 23, 0,
         "癸卯 乙丑 戊戌 壬子"},
        {"0 on 立春 day, before the term", 2024, 2, 4, 0, 0, "癸卯 乙丑 戊戌 壬子"},
        {"15:00 on 立春 day, before the term", 2024, 2, 4, 15, 0, "癸卯 乙丑 戊戌 庚申"},
        {"16:26 on 立春 day, the minute before", 2024, 2, 4, 16, 26, "癸卯 乙丑 戊戌 庚申"},
        {"16:27 on 立春 day, the term's minute", 2024, 2, 4, 16, 27, "甲辰 丙寅 戊戌 庚申"},
        {"16:40 on 立春 day, after the term", 2024, 2, 4, 16, 40, "甲辰 丙寅 戊戌 庚申"},
        {"23 at the end of February", 2024, 2, 29, 23, 0, "甲辰 丙寅 甲子 甲子"},
        {"a day past the month's end at noon", 2023, 2, 30, 12, 0, "癸卯 甲寅 己未 庚午"},
        {"23 on the last supported day", 2100, 12, 31, 23, 0, "庚申 戊子 戊申 壬子"},
    };
    for (const Case& c : cases) {
        const auto pillars = FourPillars(c.year, c.month, c.day, c.hour, c.minute);
        ASSERT_TRUE(pillars.has_value()) << c.label;
        EXPECT_EQ(Names(*pillars), c.names) << c.label;
    }
}

// Ten minutes either side of every 节 of 1949-2050: the year and month pillars of the
// reference (lunar-javascript's pillars at the exact moment).
TEST(Pillars, YearAndMonthPillarsChangeAtTheMomentOfEveryJieOf1949To2050) {
    const auto& births = testing::Fixture().Births;
    ASSERT_EQ(births.size(), 102u * 12 * 2);
    for (const testing::FixtureBirth& b : births) {
        const auto pillars = FourPillars(b.Date.Year, b.Date.Month, b.Date.Day, b.Hour, b.Minute);
        ASSERT_TRUE(pillars.has_value());
        EXPECT_EQ(GanZhiName(pillars->Year), b.YearPillar)
            << b.Date.Year << "-" << b.Date.Month << "-" << b.Date.Day << " " << b.Hour << ":"
            << b.Minute;
        EXPECT_EQ(GanZhiName(pillars->Month), b.MonthPillar)
            << b.Date.Year << "-" << b.Date.Month << "-" << b.Date.Day << " " << b.Hour << ":"
            << b.Minute;
    }
}

TEST(Pillars, TermWithinASpanNamesBothPillars) {
    struct Case {
        const char* label;
        BirthClock first, last;
        int termIndex;
        const char* before;
        const char* after;
    } const cases[] = {
        {"the hour of 立春 2024",
         {2024, 2, 4, 16, 0},
         {2024, 2, 4, 16, 59},
         3,
         "癸卯 乙丑",
         "甲辰 丙寅"},
        {"the day of 小寒 2025",
         {2025, 1, 5, 0, 0},
         {2025, 1, 5, 23, 59},
         1,
         "甲辰 丙子",
         "甲辰 丁丑"},
        {"the hour before 立春 2024", {2024, 2, 4, 15, 0}, {2024, 2, 4, 15, 59}, -1, "", ""},
    };
    for (const Case& c : cases) {
        const TermInSpan term = TermWithin(c.first, c.last);
        EXPECT_EQ(term.TermIndex, c.termIndex) << c.label;
        if (term.TermIndex < 0) {
            continue;
        }
        EXPECT_EQ(GanZhiName(term.YearBefore) + " " + GanZhiName(term.MonthBefore), c.before)
            << c.label;
        EXPECT_EQ(GanZhiName(term.YearAfter) + " " + GanZhiName(term.MonthAfter), c.after)
            << c.label;
    }
    const TermInSpan liChun = TermWithin({2024, 2, 4, 16, 0}, {2024, 2, 4, 16, 59});
    EXPECT_EQ(liChun.Hour * 60 + liChun.Minute, 16 * 60 + 27);
}

// Meeus, Astronomical Algorithms, example 28.b: 1992-10-13 0h, E = +13m 42.7s (his
// rigorous value; the series used here is good to a few seconds).
TEST(Pillars, TrueSolarTimeIsLongitudeOffsetPlusTheEquationOfTime) {
    EXPECT_NEAR(EquationOfTimeMinutes(2448908.5), 13 + 42.7 / 60, 0.1);
    struct Case {
        const char* label;
        BirthClock beijing;
        double longitude;
        BirthClock solar;
    } const cases[] = {
        // 120°E: only the equation of time, about +14 minutes in early November.
        {"120°E on 3 November", {2024, 11, 3, 12, 0}, 120.0, {2024, 11, 3, 12, 16}},
        // 87.6°E (Ürümqi): 130 minutes behind, and about -14 minutes in mid-February; the
        // date goes back across midnight.
        {"87.6°E after midnight", {2024, 2, 12, 1, 0}, 87.6, {2024, 2, 11, 22, 36}},
        // 126.6°E (Harbin) in mid-April, E about 0.
        {"126.6°E in April", {2024, 4, 15, 8, 0}, 126.6, {2024, 4, 15, 8, 26}},
    };
    for (const Case& c : cases) {
        const BirthClock got = TrueSolarTime(c.beijing, c.longitude);
        EXPECT_EQ(got.Year * 10000 + got.Month * 100 + got.Day,
                  c.solar.Year * 10000 + c.solar.Month * 100 + c.solar.Day)
            << c.label;
        EXPECT_NEAR(got.Hour * 60 + got.Minute, c.solar.Hour * 60 + c.solar.Minute, 1) << c.label;
    }
    // The day and hour pillars follow the solar clock, the year and month Beijing time.
    const BirthClock beijing{2024, 2, 12, 1, 0};
    const auto pillars = FourPillarsAt(beijing, TrueSolarTime(beijing, 87.6));
    ASSERT_TRUE(pillars.has_value());
    EXPECT_EQ(Names(*pillars), "甲辰 丙寅 乙巳 丁亥");
}

TEST(Pillars, HourTwentyThreeOnAnImpossibleDateIsAnError) {
    struct Case {
        int year, month, day;
    } const cases[] = {{2023, 2, 30}, {2023, 4, 31}, {2023, 2, 29}, {2023, 13, 1},
                       {2023, 0, 1},  {2023, 1, 0},  {0, 1, 1},     {1900, 2, 29}};
    for (const Case& c : cases) {
        EXPECT_FALSE(FourPillars(c.year, c.month, c.day, 23, 0).has_value())
            << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_STREQ(kDateEncodeError, "Invalid argument to date encode");
    EXPECT_TRUE(FourPillars(2024, 2, 29, 23, 0).has_value()) << "a real leap day";
}

}  // namespace
}  // namespace lumivane
