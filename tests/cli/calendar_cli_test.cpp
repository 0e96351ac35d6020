// The calendar commands end to end.

#include <gtest/gtest.h>

#include <algorithm>

#include "cli_runner.h"

namespace lumivane::testing {
namespace {

std::size_t Lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CalendarCommands, LunarAndSolarConvertBothWays) {
    CliRun lunar = RunCli({"lunar", "2023-03-22"});
    ASSERT_EQ(lunar.exitCode, 0) << lunar.err;
    EXPECT_TRUE(Has(lunar.out, "\"monthName\": \"闰二月\""));
    EXPECT_TRUE(Has(lunar.out, "\"leap\": true"));

    CliRun solar = RunCli({"solar", "2023", "2", "1", "--leap"});
    ASSERT_EQ(solar.exitCode, 0) << solar.err;
    EXPECT_TRUE(Has(solar.out, "\"gregorian\": \"2023-03-22\""));
}

TEST(CalendarCommands, TheFirstAndLastSupportedDaysConvert) {
    struct Case {
        const char* label;
        std::vector<std::string> args;
        std::vector<const char*> parts;
    } const cases[] = {
        {"first day",
         {"lunar", "1900-01-01"},
         {"\"year\": 1899", "\"monthName\": \"十二月\"", "\"dayName\": \"初一\"",
          "\"yearName\": \"己亥\""}},
        {"last day",
         {"lunar", "2100-12-31"},
         {"\"year\": 2100", "\"monthName\": \"十二月\"", "\"dayName\": \"初一\"",
          "\"yearName\": \"庚申\""}},
        {"first lunar day", {"solar", "1899", "12", "1"}, {"\"gregorian\": \"1900-01-01\""}},
        {"正月初一 of the last year",
         {"solar", "2100", "1", "1"},
         {"\"gregorian\": \"2100-02-09\""}},
        {"last lunar day", {"solar", "2100", "12", "1"}, {"\"gregorian\": \"2100-12-31\""}},
        {"terms of the first year", {"terms", "1900"}, {"\"date\": \"1900-02-04\""}},
        {"corrected 立春 of 2083", {"terms", "2083"}, {"\"date\": \"2083-02-03\""}},
        {"23 on the last day", {"pillars", "2100-12-31", "23"}, {"\"name\": \"戊申\""}},
        {"corrected month of 1916", {"lunar", "1916-02-03"}, {"\"year\": 1916", "\"day\": 1,"}},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        ASSERT_EQ(run.exitCode, 0) << c.label << ": " << run.err;
        for (const char* part : c.parts) {
            EXPECT_TRUE(Has(run.out, part)) << c.label << ": " << part << " in " << run.out;
        }
    }
}

// Every command refuses a date outside the supported days or one that does not exist, with
// exit code 2, nothing on stdout and a message in Chinese that says why.
TEST(CalendarCommands, DatesOutsideTheRangeOrThatDoNotExistAreRefused) {
    const std::string range = "1900-01-01 至 2100-12-31";
    struct Case {
        const char* label;
        std::vector<std::string> args;
        std::string message;
    } const cases[] = {
        {"lunar before 1900", {"lunar", "1850-01-01"}, range},
        {"lunar after 2100", {"lunar", "2101-01-01"}, range},
        {"lunar on the day before the range", {"lunar", "1899-12-31"}, range},
        {"lunar span reaching before 1900",
         {"lunar", "--from", "1899-12-31", "--to", "1900-01-02"},
         range},
        {"lunar of 02-30", {"lunar", "2023-02-30"}, "2023年2月只有 28 天"},
        {"lunar of no date", {"lunar", "yesterday"}, "YYYY-MM-DD"},
        {"solar of a year before the range", {"solar", "1850", "1", "1"}, range},
        {"solar after the last day", {"solar", "2100", "12", "2"}, range},
        {"solar before the first day", {"solar", "1899", "11", "30"}, "1899年十二月初一"},
        {"solar of a short month", {"solar", "2023", "2", "30", "--leap"}, "只有 29 天"},
        {"solar of a leap month the year lacks", {"solar", "2024", "5", "1", "--leap"}, "没有闰月"},
        {"solar of the wrong leap month", {"solar", "2023", "3", "1", "--leap"}, "闰月是闰二月"},
        {"solar month 13", {"solar", "2023", "13", "1"}, "1 至 12"},
        {"pillars of 02-30 at noon", {"pillars", "2023-02-30", "12"}, "不存在"},
        {"pillars of 02-30 at 23", {"pillars", "2023-02-30", "23"}, "不存在"},
        {"pillars before 1900", {"pillars", "1899-12-31", "12"}, range},
        {"pillars hour 24", {"pillars", "2024-01-01", "24"}, "0 至 23"},
        {"terms before 1900", {"terms", "1899"}, "1900 至 2100"},
        {"terms after 2100", {"terms", "2101"}, "1900 至 2100"},
        {"chart before the date lists", {"chart", "--date", "1948-12-31"}, "1949 至 2039"},
        {"chart of 02-29 of 2023", {"chart", "--date", "2023-02-29"}, "不存在"},
        {"chart of a lunar day 30 of a short month",
         {"chart", "--calendar", "lunar", "--date", "2023-02-30", "--leap"},
         "只有 29 天"},
        {"chart of a lunar day 31",
         {"chart", "--calendar", "lunar", "--date", "2023-01-31"},
         "1 至 30"},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.label;
        EXPECT_TRUE(run.out.empty()) << c.label << ": " << run.out;
        EXPECT_TRUE(Has(run.err, c.message)) << c.label << ": " << run.err;
    }
}

TEST(CalendarCommands, RangesPrintOneLinePerDay) {
    CliRun run = RunCli({"lunar", "--from", "2024-02-01", "--to", "2024-03-31"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Lines(run.out), 60u);  // 29 + 31 days of a leap year
    // 2024-02-10 is 正月初一 of 甲辰; the day before is still 癸卯.
    EXPECT_TRUE(Has(run.out, "\"gregorian\":\"2024-02-10\",\"year\":2024,\"month\":1,\"day\":1"));
    EXPECT_TRUE(Has(run.out, "\"dayName\":\"初一\",\"yearName\":\"甲辰\""));
    EXPECT_TRUE(Has(run.out, "\"dayName\":\"三十\",\"yearName\":\"癸卯\""));
}

TEST(CalendarCommands, PillarsTakeTheYearFromLiChun) {
    struct Case {
        const char* label;
        std::vector<std::string> args;
        std::vector<const char*> parts;
    } const cases[] = {
        {"before the Spring Festival",
         {"pillars", "2000-01-15", "12"},
         {"\"lunarYear\": \"己卯\"", "\"name\": \"己卯\"", "\"zodiac\": \"兔\"",
          "\"naYin\": \"城头土\""}},
        {"23 on 31 December",
         {"pillars", "2023-12-31", "23"},
         {"\"lunarYear\": \"癸卯\"", "\"name\": \"癸卯\"", "\"name\": \"甲子\"",
          "\"zodiac\": \"兔\""}},
        {"立春 day before the term (16:27)",
         {"pillars", "2024-02-04", "15:00"},
         {"\"lunarYear\": \"癸卯\"", "\"name\": \"癸卯\"", "\"name\": \"乙丑\"",
          "\"zodiac\": \"兔\"", "\"minute\": 0"}},
        {"立春 day after the term, before the Spring Festival",
         {"pillars", "2024-02-04", "16:40"},
         {"\"lunarYear\": \"癸卯\"", "\"name\": \"甲辰\"", "\"name\": \"丙寅\"",
          "\"zodiac\": \"龙\"", "\"naYin\": \"覆灯火\""}},
        {"the hour of the term without the minute",
         {"pillars", "2024-02-04", "16"},
         {"\"dependsOnMinute\": \"16:27 交立春，年柱、月柱取决于出生的分钟：16:27 "
          "以前为癸卯年乙丑月，"
          "16:27 起为甲辰年丙寅月。\""}},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        ASSERT_EQ(run.exitCode, 0) << c.label << ": " << run.err;
        for (const char* part : c.parts) {
            EXPECT_TRUE(Has(run.out, part)) << c.label << ": " << part;
        }
    }
    CliRun terms = RunCli({"terms", "2024"});
    ASSERT_EQ(terms.exitCode, 0) << terms.err;
    EXPECT_TRUE(Has(terms.out, "立春"));
    EXPECT_TRUE(Has(terms.out, "2024-02-04"));
}

TEST(CalendarCommands, ChartOfAnUnknownHourHasNoHourPillar) {
    CliRun run = RunCli({"chart", "--date", "2000-01-15", "--family", "王"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* part : {"\"hour\": 12", "\"hourKnown\": false", "\"Label86\": \"未知\"",
                             "\"Label87\": \"己卯\"", "\"Label91\": \"己卯\"", "\"Label94\": \"\"",
                             "\"Label106\": \"\"", "\"zodiac\": \"兔\"", "\"season\": \"冬\""}) {
        EXPECT_TRUE(Has(run.out, part)) << part;
    }
    CliRun spring = RunCli({"chart", "--date", "2024-02-05", "--hour", "10"});
    ASSERT_EQ(spring.exitCode, 0) << spring.err;
    EXPECT_TRUE(Has(spring.out, "\"season\": \"春\""));
    EXPECT_TRUE(Has(spring.out, "\"hourKnown\": true"));
}

TEST(CalendarCommands, ChartToTheMinuteWithFavourableElementsAndSolarTime) {
    struct Case {
        const char* label;
        std::vector<std::string> args;
        std::vector<const char*> parts;
        std::vector<const char*> absent;
    } const cases[] = {
        {"before 立春 2024",
         {"chart", "--date", "2024-02-04", "--time", "15:00"},
         {"\"Label91\": \"癸卯\"", "\"Label92\": \"乙丑\"", "\"zodiac\": \"兔\"", "\"minute\": 0",
          "\"strength\": ", "\"reasoning\": ["},
         {"dependsOnTime"}},
        {"after 立春 2024",
         {"chart", "--date", "2024-02-04", "--time", "16:40"},
         {"\"Label91\": \"甲辰\"", "\"Label92\": \"丙寅\"", "\"zodiac\": \"龙\""},
         {"dependsOnTime"}},
        {"the hour of 立春 without the minute",
         {"chart", "--date", "2024-02-04", "--hour", "16"},
         {"\"dependsOnTime\": \"16:27 交立春"},
         {}},
        {"the day of 立春 without the hour",
         {"chart", "--date", "2024-02-04"},
         {"取决于出生的时辰", "\"threePillars\": true"},
         {}},
        {"a birthplace",
         {"chart", "--date", "2024-11-03", "--time", "12:00", "--longitude", "120"},
         {"\"solarTime\": \"2024-11-03 12:16\"", "真太阳时"},
         {}},
        {"no date: no chart",
         {"chart", "--calendar", "unknown"},
         {"\"dateKnown\": false", "\"Label91\": \"\""},
         {"\"favourable\"", "timeUsed"}},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        ASSERT_EQ(run.exitCode, 0) << c.label << ": " << run.err;
        for (const char* part : c.parts) {
            EXPECT_TRUE(Has(run.out, part)) << c.label << ": " << part;
        }
        for (const char* part : c.absent) {
            EXPECT_FALSE(Has(run.out, part)) << c.label << ": " << part;
        }
    }
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"chart", "--date", "2024-02-04", "--time", "25:00"},
          {"chart", "--date", "2024-02-04", "--time", "16"},
          {"chart", "--date", "2024-02-04", "--hour", "15", "--time", "16:40"},
          {"chart", "--date", "2024-02-04", "--longitude", "东经"},
          {"pillars", "2024-02-04", "16:60"}}) {
        CliRun run = RunCli(bad);
        EXPECT_NE(run.exitCode, 0) << bad.back();
        EXPECT_FALSE(run.err.empty()) << bad.back();
    }
}

TEST(CalendarCommands, NameWithFavourableKeepsOnlySupplyingNames) {
    CliRun run = RunCli({"name", "--family", "王", "--date", "2024-02-04", "--time", "16:40",
                         "--favourable", "--seed", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "\"suppliesFavourable\": true"));
    EXPECT_FALSE(Has(run.out, "\"suppliesFavourable\": false"));
    CliRun all = RunCli(
        {"name", "--family", "王", "--date", "2024-02-04", "--time", "16:40", "--seed", "3"});
    ASSERT_EQ(all.exitCode, 0) << all.err;
    EXPECT_TRUE(Has(all.out, "\"suppliesFavourable\": false"));
    CliRun noDate = RunCli({"name", "--family", "王", "--favourable"});
    EXPECT_NE(noDate.exitCode, 0);
    EXPECT_TRUE(Has(noDate.err, "喜用神"));
}

}  // namespace
}  // namespace lumivane::testing
