#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

#include "calendar_fixture.h"
#include "core/calendar/solar_term_corrections.h"
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
        {"立春 2000", 2000, 3, 35.858},
        {"小寒 2000", 2000, 1, 6.372},
        {"立春 2024", 2024, 3, 35.684},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(SolarTermDay(c.year, c.index), c.value, 0.001) << c.label;
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

TEST(SolarTerms, EveryCorrectionIsNeededAndLandsOnItsDay) {
    const auto published = PublishedTermDays();
    ASSERT_FALSE(SolarTermCorrections().empty());
    for (const SolarTermCorrection& correction : SolarTermCorrections()) {
        const int formula = Floor(SolarTermDayUncorrected(correction.Year, correction.TermIndex));
        const double corrected = SolarTermDay(correction.Year, correction.TermIndex);
        // Indices 0 and 25 name 冬至 of the year before and 小寒 of the year after.
        int want = 0;
        if (correction.TermIndex == 0) {
            want =
                published.at({correction.Year - 1, 24}) - DayOfYearOf(correction.Year - 1, 12, 31);
        } else if (correction.TermIndex == 25) {
            want = published.at({correction.Year + 1, 1}) + DayOfYearOf(correction.Year, 12, 31);
        } else {
            want = published.at({correction.Year, correction.TermIndex});
        }
        EXPECT_NE(formula, want) << correction.Year << " " << correction.TermIndex;
        EXPECT_EQ(Floor(corrected), want) << correction.Year << " " << correction.TermIndex;
        // The instant stays as close as the published day allows.
        EXPECT_LT(
            std::abs(corrected - SolarTermDayUncorrected(correction.Year, correction.TermIndex)),
            0.01)
            << correction.Year << " " << correction.TermIndex;
    }
}

}  // namespace
}  // namespace lumivane
