#include <gtest/gtest.h>

#include "core/calendar/western_calendar.h"

namespace lumivane {
namespace {

TEST(WesternCalendar, CalendarKindAroundTheReform) {
    struct Case {
        const char* label;
        int year, month, day;
        int kind;
    } const cases[] = {
        {"ancient", -849, 1, 21, kJulianCalendar},
        {"before the reform year", 1581, 12, 31, kJulianCalendar},
        {"September of 1582", 1582, 9, 30, kJulianCalendar},
        {"last Julian day", 1582, 10, 4, kJulianCalendar},
        {"first dropped day", 1582, 10, 5, 0},
        {"last dropped day", 1582, 10, 14, 0},
        {"first Gregorian day", 1582, 10, 15, kGregorianCalendar},
        {"November of 1582", 1582, 11, 1, kGregorianCalendar},
        {"modern", 2000, 1, 1, kGregorianCalendar},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarKindOf(c.year, c.month, c.day), c.kind) << c.label;
    }
}

TEST(WesternCalendar, LeapYearsOfBothRules) {
    struct Case {
        int year;
        bool leap;
    } const cases[] = {
        {2000, true},  {1900, false}, {2024, true}, {2023, false}, {1600, true},
        {1700, false}, {1500, true},  {1200, true}, {4, true},     {1, false},
        {0, true},     {-1, true},    {-5, true},   {-4, false},   {-2, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsCalendarLeapYear(c.year), c.leap) << c.year;
    }
}

TEST(WesternCalendar, MonthLengths) {
    struct Case {
        int year, month, length;
    } const cases[] = {
        {2023, 1, 31}, {2023, 2, 28},  {2024, 2, 29},  {1900, 2, 28}, {2023, 4, 30}, {2023, 6, 30},
        {2023, 9, 30}, {2023, 11, 30}, {2023, 12, 31}, {2023, 0, 0},  {2023, 13, 0}, {2023, -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MonthLength(c.year, c.month), c.length) << c.year << "-" << c.month;
    }
}

TEST(WesternCalendar, DayOfYearRunsOnPastTheMonthEnd) {
    EXPECT_EQ(DayOfYearOf(2023, 1, 1), 1);
    EXPECT_EQ(DayOfYearOf(2023, 12, 31), 365);
    EXPECT_EQ(DayOfYearOf(2024, 12, 31), 366);
    EXPECT_EQ(DayOfYearOf(2023, 2, 30), DayOfYearOf(2023, 3, 2));
}

TEST(WesternCalendar, DayNumberSpotValues) {
    struct Case {
        const char* label;
        int year, month, day;
        int dayNumber;
    } const cases[] = {
        {"2000-01-01", 2000, 1, 1, 730120},
        {"Julian 0001-01-03 is the first day of the count", 1, 1, 3, 1},
        {"Julian 0001-01-01", 1, 1, 1, -1},
        {"last Julian day", 1582, 10, 4, 577735},
        {"first Gregorian day", 1582, 10, 15, 577736},
        {"dropped day", 1582, 10, 10, 0},
        {"epoch of the lunations", -849, 1, 21, -310443},
        {"last day of 1999 by day 0", 2000, 1, 0, 730119},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayNumber(c.year, c.month, c.day), c.dayNumber) << c.label;
    }
}

TEST(WesternCalendar, DateOfDayNumberInvertsEveryDayOf1900To2100) {
    int expected = DayNumber(1900, 1, 1);
    for (int year = 1900; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= MonthLength(year, month); ++day) {
                const int n = DayNumber(year, month, day);
                ASSERT_EQ(n, expected) << year << "-" << month << "-" << day;
                const auto date = DateOfDayNumber(n);
                ASSERT_TRUE(date.has_value()) << n;
                ASSERT_EQ(*date, (WesternDate{year, month, day})) << n;
                ++expected;
            }
        }
    }
}

TEST(WesternCalendar, DateOfDayNumberAtTheReformAndTheStart) {
    EXPECT_EQ(DateOfDayNumber(577736), (WesternDate{1582, 10, 15}));
    EXPECT_EQ(DateOfDayNumber(DayNumber(1582, 12, 31)), (WesternDate{1582, 12, 31}));
    EXPECT_EQ(DateOfDayNumber(DayNumber(1600, 2, 29)), (WesternDate{1600, 2, 29}));
    EXPECT_EQ(DateOfDayNumber(0), (WesternDate{1, 1, 2})) << "day 0 is not a failure";
    EXPECT_FALSE(DateOfDayNumber(-1).has_value());
    EXPECT_FALSE(DateOfDayNumber(-310443).has_value());
}

TEST(WesternCalendar, CompareDates) {
    struct Case {
        const char* label;
        WesternDate a, b;
        int result;
    } const cases[] = {
        {"equal", {2023, 3, 22}, {2023, 3, 22}, 0},
        {"year decides", {2022, 12, 31}, {2023, 1, 1}, -1},
        {"month decides", {2023, 4, 1}, {2023, 3, 31}, 1},
        {"day decides", {2023, 3, 21}, {2023, 3, 22}, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareDates(c.a, c.b), c.result) << c.label;
        EXPECT_EQ(CompareDates(c.b, c.a), -c.result) << c.label << " (swapped)";
    }
}

}  // namespace
}  // namespace lumivane
