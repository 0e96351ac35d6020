#include "calendar_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

namespace lumivane::testing {
namespace {

std::vector<std::string> DataLines(const std::string& name) {
    std::ifstream file(std::string(LUMIVANE_CALENDAR_FIXTURES) + "/" + name);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
        }
    }
    return lines;
}

bool ParseDate(const std::string& text, WesternDate& date) {
    char dash1 = 0;
    char dash2 = 0;
    std::istringstream in(text);
    in >> date.Year >> dash1 >> date.Month >> dash2 >> date.Day;
    return !in.fail() && dash1 == '-' && dash2 == '-';
}

CalendarFixture Load() {
    CalendarFixture fixture;
    for (const std::string& line : DataLines("lunar_months.txt")) {
        std::istringstream in(line);
        std::string date;
        int leap = 0;
        FixtureMonth month{};
        WesternDate start;
        in >> date >> month.LunarYear >> month.Month >> leap;
        if (in.fail() || !ParseDate(date, start)) {
            ADD_FAILURE() << "bad fixture line: " << line;
            continue;
        }
        month.StartDayNumber = DayNumber(start.Year, start.Month, start.Day);
        month.IsLeap = leap == 1;
        fixture.Months.push_back(month);
    }
    for (const std::string& line : DataLines("solar_terms.txt")) {
        std::istringstream in(line);
        std::string date;
        FixtureTerm term{};
        in >> date >> term.TermIndex;
        if (in.fail() || !ParseDate(date, term.Date)) {
            ADD_FAILURE() << "bad fixture line: " << line;
            continue;
        }
        fixture.Terms.push_back(term);
    }
    for (const std::string& line : DataLines("solar_term_moments.txt")) {
        std::istringstream in(line);
        std::string date;
        char colon1 = 0;
        char colon2 = 0;
        FixtureMoment moment{};
        in >> date >> moment.Hour >> colon1 >> moment.Minute >> colon2 >> moment.Second >>
            moment.TermIndex;
        if (in.fail() || colon1 != ':' || colon2 != ':' || !ParseDate(date, moment.Date)) {
            ADD_FAILURE() << "bad fixture line: " << line;
            continue;
        }
        fixture.Moments.push_back(moment);
    }
    for (const std::string& line : DataLines("term_births.txt")) {
        std::istringstream in(line);
        std::string date;
        char colon = 0;
        FixtureBirth birth{};
        in >> date >> birth.Hour >> colon >> birth.Minute >> birth.YearPillar >> birth.MonthPillar;
        if (in.fail() || colon != ':' || !ParseDate(date, birth.Date)) {
            ADD_FAILURE() << "bad fixture line: " << line;
            continue;
        }
        fixture.Births.push_back(birth);
    }
    return fixture;
}

}  // namespace

const CalendarFixture& Fixture() {
    static const CalendarFixture fixture = Load();
    EXPECT_GT(fixture.Months.size(), 1200u) << "lunar_months.txt missing or short";
    EXPECT_GT(fixture.Terms.size(), 2400u) << "solar_terms.txt missing or short";
    EXPECT_EQ(fixture.Moments.size(), 201u * 24) << "solar_term_moments.txt missing or short";
    EXPECT_EQ(fixture.Births.size(), 102u * 12 * 2) << "term_births.txt missing or short";
    return fixture;
}

LunarDate PublishedLunarDate(int dayNumber) {
    const auto& months = Fixture().Months;
    auto next =
        std::upper_bound(months.begin(), months.end(), dayNumber,
                         [](int n, const FixtureMonth& month) { return n < month.StartDayNumber; });
    if (next == months.begin()) {
        ADD_FAILURE() << "day number " << dayNumber << " before the fixture";
        return {};
    }
    const FixtureMonth& month = *std::prev(next);
    return {month.LunarYear, month.Month, dayNumber - month.StartDayNumber + 1, month.IsLeap};
}

}  // namespace lumivane::testing
