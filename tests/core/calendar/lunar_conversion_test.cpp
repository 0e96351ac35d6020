#include <gtest/gtest.h>

#include <cmath>

#include "calendar_fixture.h"
#include "core/calendar/leap_months.h"
#include "core/calendar/lunar_conversion.h"
#include "core/calendar/lunar_day_corrections.h"

namespace lumivane {
namespace {

std::string Show(const LunarDate& d) {
    return std::to_string(d.Year) + "-" + (d.IsLeap ? "闰" : "") + std::to_string(d.Month) + "-" +
           std::to_string(d.Day);
}

TEST(LunarConversion, SpotValues) {
    struct Case {
        const char* label;
        WesternDate western;
        LunarDate lunar;
    } const cases[] = {
        {"2000-01-01", {2000, 1, 1}, {1999, 11, 25, false}},
        {"last day of 1999's year", {2000, 2, 4}, {1999, 12, 29, false}},
        {"new year 2000", {2000, 2, 5}, {2000, 1, 1, false}},
        {"eve of 2024", {2024, 2, 9}, {2023, 12, 30, false}},
        {"new year 2024", {2024, 2, 10}, {2024, 1, 1, false}},
        {"1949-01-01", {1949, 1, 1}, {1948, 12, 3, false}},
        {"1949-10-01", {1949, 10, 1}, {1949, 8, 10, false}},
        {"leap second month of 2023", {2023, 3, 22}, {2023, 2, 1, true}},
        {"leap eleventh month of 2033", {2033, 12, 22}, {2033, 11, 1, true}},
        {"leap 11 reaching into 2034", {2034, 1, 19}, {2033, 11, 29, true}},
        {"2018 new moon after midnight, day before", {2018, 11, 7}, {2018, 9, 30, false}},
        {"2018 new moon after midnight", {2018, 11, 8}, {2018, 10, 1, false}},
        {"2025-04-06", {2025, 4, 6}, {2025, 3, 9, false}},
        {"2025-04-07 is 三月初十", {2025, 4, 7}, {2025, 3, 10, false}},
        {"2025-04-27", {2025, 4, 27}, {2025, 3, 30, false}},
        {"2025-04-28 is 四月初一", {2025, 4, 28}, {2025, 4, 1, false}},
        {"2025-05-26", {2025, 5, 26}, {2025, 4, 29, false}},
        {"2025-05-27", {2025, 5, 27}, {2025, 5, 1, false}},
        {"leap sixth month of 2025", {2025, 7, 25}, {2025, 6, 1, true}},
        {"1924 correction", {1924, 3, 5}, {1924, 2, 1, false}},
        {"1914 correction", {1914, 11, 17}, {1914, 10, 1, false}},
        {"1916 new year one day before the formula's", {1916, 2, 3}, {1916, 1, 1, false}},
        {"eve of 1916", {1916, 2, 2}, {1915, 12, 29, false}},
        {"1920 correction", {1920, 11, 10}, {1920, 10, 1, false}},
        {"2057 correction", {2057, 9, 28}, {2057, 8, 30, false}},
        {"first day of the supported range", {1900, 1, 1}, {1899, 12, 1, false}},
        {"leap eighth month of 1900", {1900, 9, 24}, {1900, 8, 1, true}},
        {"last day of the supported range", {2100, 12, 31}, {2100, 12, 1, false}},
    };
    for (const Case& c : cases) {
        const auto lunar = SolarToLunar(c.western.Year, c.western.Month, c.western.Day);
        ASSERT_TRUE(lunar.has_value()) << c.label;
        EXPECT_EQ(*lunar, c.lunar) << c.label << ": got " << Show(*lunar);
    }
}

TEST(LunarConversion, LunarToSolarSpotValues) {
    struct Case {
        const char* label;
        LunarDate lunar;
        WesternDate western;
    } const cases[] = {
        {"end of the leap month of 2023", {2023, 2, 29, true}, {2023, 4, 19}},
        {"regular eleventh month of 2033", {2033, 11, 1, false}, {2033, 11, 22}},
        {"into 1950", {1949, 11, 13, false}, {1950, 1, 1}},
        {"into 2000", {1999, 11, 25, false}, {2000, 1, 1}},
        {"三月初十 of 2025", {2025, 3, 10, false}, {2025, 4, 7}},
        {"new year 2024", {2024, 1, 1, false}, {2024, 2, 10}},
    };
    for (const Case& c : cases) {
        const auto western = LunarToSolar(c.lunar.Year, c.lunar.Month, c.lunar.Day, c.lunar.IsLeap);
        ASSERT_TRUE(western.has_value()) << c.label;
        EXPECT_EQ(*western, c.western) << c.label;
    }
}

TEST(LunarConversion, FailurePaths) {
    EXPECT_FALSE(SolarToLunar(2101, 1, 1).has_value()) << "after the tables";
    EXPECT_FALSE(SolarToLunar(-850, 1, 1).has_value()) << "before the tables";
    EXPECT_TRUE(SolarToLunar(2100, 12, 31).has_value()) << "last year of the tables";
    EXPECT_TRUE(SolarToLunar(-849, 6, 1).has_value()) << "first year of the tables";
    EXPECT_FALSE(LunarToSolar(2024, 2, 1, true).has_value()) << "2024 has no leap month";
    EXPECT_FALSE(LunarToSolar(2023, 3, 1, true).has_value()) << "2023 leaps after month 2";
    EXPECT_FALSE(LunarToSolar(2023, 2, 30, true).has_value()) << "leap 2 of 2023 has 29 days";
    EXPECT_FALSE(LunarToSolar(2025, 4, 30, false).has_value()) << "四月 2025 has 29 days";
    EXPECT_FALSE(LunarToSolar(2023, 13, 1, false).has_value()) << "no month 13";
    EXPECT_FALSE(LunarToSolar(2023, 5, 31, false).has_value()) << "no day 31";
}

TEST(LunarConversion, SupportedDatesAreTheCheckedDaysThatExist) {
    struct Case {
        const char* label;
        WesternDate date;
        bool supported;
    } const cases[] = {
        {"day before the range", {1899, 12, 31}, false},
        {"first day", {1900, 1, 1}, true},
        {"1900 is no leap year", {1900, 2, 29}, false},
        {"leap day", {2024, 2, 29}, true},
        {"no 02-29 in 2023", {2023, 2, 29}, false},
        {"no 04-31", {2023, 4, 31}, false},
        {"no month 13", {2023, 13, 1}, false},
        {"no day 0", {2023, 1, 0}, false},
        {"last day", {2100, 12, 31}, true},
        {"day after the range", {2101, 1, 1}, false},
        {"a year of the placeholder leap months", {1850, 1, 1}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSupportedDate(c.date), c.supported) << c.label;
    }
}

TEST(LunarConversion, CompareLunarDates) {
    struct Case {
        const char* label;
        LunarDate a, b;
        int result;
    } const cases[] = {
        {"equal", {2023, 2, 5, true}, {2023, 2, 5, true}, 0},
        {"year", {2022, 12, 30, false}, {2023, 1, 1, false}, -1},
        {"month", {2023, 3, 1, false}, {2023, 2, 29, true}, 1},
        {"leap month later whatever the days", {2023, 2, 1, true}, {2023, 2, 30, false}, 1},
        {"days within a month", {2023, 2, 3, true}, {2023, 2, 4, true}, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareLunarDates(c.a, c.b), c.result) << c.label;
        EXPECT_EQ(CompareLunarDates(c.b, c.a), -c.result) << c.label << " (swapped)";
    }
}

TEST(LunarConversion, EveryDayOf1900To2100MatchesThePublishedCalendar) {
    for (int n = DayNumber(1900, 1, 1); n <= DayNumber(2100, 12, 31); ++n) {
        const WesternDate date = *DateOfDayNumber(n);
        const LunarDate want = testing::PublishedLunarDate(n);
        const auto got = SolarToLunar(date.Year, date.Month, date.Day);
        ASSERT_TRUE(got.has_value());
        ASSERT_EQ(*got, want) << date.Year << "-" << date.Month << "-" << date.Day << ": got "
                              << Show(*got) << ", published " << Show(want);
        ASSERT_EQ(LunarDayOf(date.Year, date.Month, date.Day), want.Day);
        ASSERT_EQ(LunarMonthOf(date.Year, date.Month, date.Day),
                  (LunarMonth{want.Month, want.IsLeap}));
    }
}

TEST(LunarConversion, EveryLunarDateOf1900To2099FailsExactlyWhenItDoesNotExistOrRoundTrips) {
    // Month lengths from the published calendar.
    const auto& months = testing::Fixture().Months;
    for (std::size_t i = 0; i + 1 < months.size(); ++i) {
        const auto& month = months[i];
        if (month.LunarYear < 1900 || month.LunarYear > 2099) {
            continue;
        }
        const int length = months[i + 1].StartDayNumber - month.StartDayNumber;
        for (int day = 1; day <= 30; ++day) {
            const auto western = LunarToSolar(month.LunarYear, month.Month, day, month.IsLeap);
            const LunarDate lunar{month.LunarYear, month.Month, day, month.IsLeap};
            if (day > length) {
                EXPECT_FALSE(western.has_value()) << Show(lunar) << " does not exist";
                continue;
            }
            ASSERT_TRUE(western.has_value()) << Show(lunar);
            EXPECT_EQ(DayNumber(western->Year, western->Month, western->Day),
                      month.StartDayNumber + day - 1)
                << Show(lunar);
            const auto back = SolarToLunar(western->Year, western->Month, western->Day);
            ASSERT_TRUE(back.has_value());
            EXPECT_EQ(*back, lunar) << Show(lunar);
        }
    }
    // A leap flag on a month that is not the year's leap month never converts.
    for (int year = 1900; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            if (month != LeapMonthOf(year)) {
                ASSERT_FALSE(LunarToSolar(year, month, 1, true).has_value())
                    << year << " " << month;
            }
        }
    }
}

TEST(LunarConversion, LunarYearIsTheYearOfTheFirstMonthBefore) {
    // The lunar year rule agrees with a search for 正月初一 of the Western year.
    for (int year = 1900; year <= 2100; ++year) {
        const auto newYear = LunarToSolar(year, 1, 1, false);
        ASSERT_TRUE(newYear.has_value()) << year;
        EXPECT_EQ(SolarToLunar(year, newYear->Month, newYear->Day)->Year, year);
        const WesternDate before =
            *DateOfDayNumber(DayNumber(year, newYear->Month, newYear->Day) - 1);
        if (before.Year == year) {
            EXPECT_EQ(SolarToLunar(before.Year, before.Month, before.Day)->Year, year - 1) << year;
        }
    }
}

TEST(LunarConversion, NewMoonSearchAgreesWithTryingEveryLunation) {
    for (int n = DayNumber(1900, 1, 1); n <= DayNumber(2100, 12, 31); n += 3) {
        const WesternDate date = *DateOfDayNumber(n);
        int want = -1;
        for (int v = -1; v <= 13; ++v) {
            const int elapsed = n - NewMoonDayNumber(date.Year, v);
            if (elapsed >= 0 && elapsed <= 29) {
                want = elapsed + 1;
            }
        }
        ASSERT_EQ(LunarDayOfUncorrected(date.Year, date.Month, date.Day), want)
            << date.Year << "-" << date.Month << "-" << date.Day;
    }
}

TEST(LunarConversion, EveryCorrectionSpanIsNeeded) {
    ASSERT_FALSE(LunarDayCorrections().empty());
    for (const LunarDayCorrection& correction : LunarDayCorrections()) {
        const int from =
            DayNumber(correction.From.Year, correction.From.Month, correction.From.Day);
        const int to = DayNumber(correction.To.Year, correction.To.Month, correction.To.Day);
        ASSERT_LE(from, to);
        for (int n = from; n <= to; ++n) {
            const WesternDate d = *DateOfDayNumber(n);
            const int raw = LunarDayOfUncorrected(d.Year, d.Month, d.Day);
            const int fixed = LunarDayOf(d.Year, d.Month, d.Day);
            EXPECT_NE(raw, fixed) << d.Year << "-" << d.Month << "-" << d.Day;
            EXPECT_EQ(fixed, raw + correction.Days == 31  ? 1
                             : raw + correction.Days == 0 ? 30
                                                          : raw + correction.Days);
        }
        // The formula is right on the days around a span.
        for (int n : {from - 1, to + 1}) {
            const WesternDate d = *DateOfDayNumber(n);
            EXPECT_EQ(LunarDayOf(d.Year, d.Month, d.Day),
                      LunarDayOfUncorrected(d.Year, d.Month, d.Day));
        }
    }
}

}  // namespace
}  // namespace lumivane
