#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "calendar_fixture.h"
#include "core/calendar/solar_terms.h"

namespace lumivane {
namespace {

int Floor(double x) {
    return static_cast<int>(std::floor(x));
}

// Published day of the year of every term, keyed by (year, index 1-24).
std::map<std::pair<int, int>, int> PublishedTermDays() {
    std::map<std::pair<int, int>, int> days;
    for (const auto& term : testing::Fixture().Terms) {
        days[{term.Date.Year, term.TermIndex}] =
            DayOfYearOf(term.Date.Year, term.Date.Month, term.Date.Day);
    }
    return days;
}

TEST(SolarTerms, SpotValues) {
    struct Case {
        const char* label;
        int year, index;
        double value;
    } const cases[] = {
        // 2000-02-04 20:40, 2000-03-20 15:35, 2024-02-04 16:27 (published, Beijing time).
        {"立春 2000", 2000, 3, 35 + (20 * 60 + 40) / 1440.0},
        {"春分 2000", 2000, 6, 80 + (15 * 60 + 35) / 1440.0},
        {"立春 2024", 2024, 3, 35 + (16 * 60 + 27) / 1440.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(SolarTermDay(c.year, c.index), c.value, 1.0 / 1440) << c.label;
    }
}

TEST(SolarTerms, EveryTermDayOf1900To2100MatchesThePublishedCalendar) {
    const auto published = PublishedTermDays();
    ASSERT_EQ(published.size(), 201u * 24 + 4);  // with 1899-12 and 2101-01
    for (int year = 1900; year <= 2100; ++year) {
        for (int index = 1; index <= 24; ++index) {
            const auto found = published.find({year, index});
            ASSERT_NE(found, published.end()) << year << " " << index;
            EXPECT_EQ(Floor(SolarTermDay(year, index)), found->second) << year << " " << index;
        }
    }
}

TEST(SolarTerms, NeighbouringYearIndicesMatchToo) {
    const auto published = PublishedTermDays();
    for (int year = 1900; year <= 2100; ++year) {
        // Index 0 is 冬至 of the year before, counted back from 1 January (day 0 = 31 December).
        const int daysBefore = DayOfYearOf(year - 1, 12, 31);
        EXPECT_EQ(Floor(SolarTermDay(year, 0)), published.at({year - 1, 24}) - daysBefore) << year;
        // Index 25 is 小寒 of the year after, counted on past 31 December.
        EXPECT_EQ(Floor(SolarTermDay(year, 25)),
                  published.at({year + 1, 1}) + DayOfYearOf(year, 12, 31))
            << year;
    }
}

// Every term moment of 1900-2100 against the independent computation of lunar-javascript
// (寿星 method, full VSOP87 terms): within two minutes, the same day.
TEST(SolarTerms, EveryMomentOf1900To2100IsWithinTwoMinutesOfTheReference) {
    const auto& moments = testing::Fixture().Moments;
    ASSERT_EQ(moments.size(), 201u * 24);
    double worst = 0;
    for (const testing::FixtureMoment& m : moments) {
        const double reference = DayNumber(m.Date.Year, m.Date.Month, m.Date.Day) * 1440.0 +
                                 m.Hour * 60 + m.Minute + m.Second / 60.0;
        const double computed =
            (SolarTermDay(m.Date.Year, m.TermIndex) + DayNumber(m.Date.Year, 1, 0)) * 1440.0;
        const double gap = std::abs(computed - reference);
        worst = std::max(worst, gap);
        EXPECT_LT(gap, 2.0) << m.Date.Year << " " << SolarTermNames[m.TermIndex];
        const TermMoment rounded = SolarTermMoment(m.Date.Year, m.TermIndex);
        EXPECT_EQ(WesternDate(rounded.Year, rounded.Month, rounded.Day), m.Date)
            << m.Date.Year << " " << SolarTermNames[m.TermIndex];
    }
    RecordProperty("WorstGapMinutes", std::to_string(worst));
}

// Published moments (Hong Kong Observatory and Purple Mountain Observatory almanacs, to the
// minute, Beijing time).
TEST(SolarTerms, MomentSpotValues) {
    struct Case {
        const char* label;
        int year, index;
        TermMoment moment;
    } const cases[] = {
        {"立春 2024", 2024, 3, {2024, 2, 4, 16, 27}},
        {"冬至 2023, asked from 2024", 2024, 0, {2023, 12, 22, 11, 27}},
        {"小寒 2025, asked from 2024", 2024, 25, {2025, 1, 5, 10, 33}},
        {"春分 2000", 2000, 6, {2000, 3, 20, 15, 35}},
    };
    for (const Case& c : cases) {
        const TermMoment got = SolarTermMoment(c.year, c.index);
        EXPECT_EQ(WesternDate(got.Year, got.Month, got.Day),
                  WesternDate(c.moment.Year, c.moment.Month, c.moment.Day))
            << c.label;
        EXPECT_LE(std::abs((got.Hour * 60 + got.Minute) - (c.moment.Hour * 60 + c.moment.Minute)),
                  1)
            << c.label;
    }
}

}  // namespace
}  // namespace lumivane
