#include <gtest/gtest.h>

#include <map>

#include "calendar_fixture.h"
#include "core/calendar/leap_months.h"

namespace lumivane {
namespace {

// The leap months of the published calendar, 1948-2050.
const std::map<int, int> kPublishedLeapMonths = {
    {1949, 7}, {1952, 5}, {1955, 3}, {1957, 8}, {1960, 6}, {1963, 4},  {1966, 3}, {1968, 7},
    {1971, 5}, {1974, 4}, {1976, 8}, {1979, 6}, {1982, 4}, {1984, 10}, {1987, 6}, {1990, 5},
    {1993, 3}, {1995, 8}, {1998, 5}, {2001, 4}, {2004, 2}, {2006, 7},  {2009, 5}, {2012, 4},
    {2014, 9}, {2017, 6}, {2020, 4}, {2023, 2}, {2025, 6}, {2028, 5},  {2031, 3}, {2033, 11},
    {2036, 6}, {2039, 5}, {2042, 2}, {2044, 7}, {2047, 5}, {2050, 3},
};

TEST(LeapMonths, TableShape) {
    EXPECT_EQ(LeapMonthTable.size(), 2950u);
    EXPECT_EQ(LeapMonthTotals.size(), 2949u);
    EXPECT_EQ(LeapMonthTable[0 + 849], '0') << "year 0";
}

TEST(LeapMonths, EveryYearOf1948To2050) {
    for (int year = 1948; year <= 2050; ++year) {
        const auto found = kPublishedLeapMonths.find(year);
        EXPECT_EQ(LeapMonthOf(year), found == kPublishedLeapMonths.end() ? 0 : found->second)
            << year;
    }
}

TEST(LeapMonths, AgreeWithTheFixture) {
    std::map<int, int> fromFixture;
    for (const auto& month : testing::Fixture().Months) {
        if (month.IsLeap) {
            fromFixture[month.LunarYear] = month.Month;
        }
    }
    for (int year = 1900; year <= 2100; ++year) {
        const auto found = fromFixture.find(year);
        EXPECT_EQ(LeapMonthOf(year), found == fromFixture.end() ? 0 : found->second) << year;
    }
}

TEST(LeapMonths, TotalsOfTheYearsInUse) {
    struct Case {
        int year, total;
    } const cases[] = {{1948, 1028}, {1949, 1029}, {2050, 1066}, {2100, 1084}};
    for (const Case& c : cases) {
        EXPECT_EQ(LeapMonthTotal(c.year), c.total) << c.year;
    }
}

TEST(LeapMonths, TotalsCountTheTable) {
    int running = 0;
    for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year) {
        if (LeapMonthTable[static_cast<std::size_t>(year + 849)] != '0') {
            ++running;
        }
        if (year == 0) {
            EXPECT_EQ(LeapMonthTotal(0), LeapMonthTotal(-1));
            continue;
        }
        const int eraBonus = year < 1200 ? 0 : (year > 1499 ? 300 : year - 1199);
        ASSERT_EQ(LeapMonthTotal(year), running + eraBonus) << year;
    }
}

TEST(LeapMonths, CharactersAndRange) {
    EXPECT_EQ(LeapMonthOf(1984), 10) << "'a'";
    EXPECT_EQ(LeapMonthOf(2033), 11) << "'b'";
    EXPECT_EQ(LeapMonthOf(kFirstCalendarYear - 1), 0);
    EXPECT_EQ(LeapMonthOf(kLastCalendarYear + 1), 0);
    for (char c : LeapMonthTable) {
        EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'a' && c <= 'c')) << c;
    }
}

}  // namespace
}  // namespace lumivane
