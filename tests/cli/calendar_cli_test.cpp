// The calendar commands end to end.

#include <gtest/gtest.h>

#include <algorithm>

#include "cli_runner.h"

namespace lumivane::testing {
namespace {

std::size_t Lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CalendarCommands, LunarAndSolarConvertBothWays) {
    CliRun lunar = RunCli({"lunar", "2023-03-22"});
    ASSERT_EQ(lunar.exitCode, 0) << lunar.err;
    EXPECT_NE(lunar.out.find("\"monthName\": \"闰二月\""), std::string::npos);
    EXPECT_NE(lunar.out.find("\"leap\": true"), std::string::npos);

    CliRun solar = RunCli({"solar", "2023", "2", "1", "--leap"});
    ASSERT_EQ(solar.exitCode, 0) << solar.err;
    EXPECT_NE(solar.out.find("\"gregorian\": \"2023-03-22\""), std::string::npos);

    // 闰二月 of 2023 has 29 days, and 2024 has no leap month at all.
    for (const std::vector<std::string>& missing :
         {std::vector<std::string>{"solar", "2023", "2", "30", "--leap"},
          {"solar", "2024", "5", "1", "--leap"},
          {"solar", "2023", "13", "1"},
          {"lunar", "2023-02-30"},
          {"lunar", "yesterday"}}) {
        CliRun run = RunCli(missing);
        EXPECT_EQ(run.exitCode, 2) << missing[1];
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(CalendarCommands, RangesPrintOneLinePerDay) {
    CliRun run = RunCli({"lunar", "--from", "2024-02-01", "--to", "2024-03-31"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Lines(run.out), 60u);  // 29 + 31 days of a leap year
    // 2024-02-10 is 正月初一.
    EXPECT_NE(run.out.find("\"gregorian\":\"2024-02-10\",\"year\":2024,\"month\":1,\"day\":1"),
              std::string::npos);
}

TEST(CalendarCommands, PillarsAndTerms) {
    CliRun pillars = RunCli({"pillars", "2023-12-31", "23"});
    ASSERT_EQ(pillars.exitCode, 0) << pillars.err;
    for (const char* name : {"\"name\": \"甲辰\"", "\"name\": \"甲子\""}) {
        EXPECT_NE(pillars.out.find(name), std::string::npos) << name;
    }
    CliRun terms = RunCli({"terms", "2024"});
    ASSERT_EQ(terms.exitCode, 0) << terms.err;
    EXPECT_NE(terms.out.find("立春"), std::string::npos);
    EXPECT_NE(terms.out.find("2024-02-04"), std::string::npos);
    EXPECT_EQ(RunCli({"pillars", "2023-02-30", "23"}).exitCode, 2);
}

}  // namespace
}  // namespace lumivane::testing
