// lumivane-cli solar YEAR MONTH DAY [--leap]: a lunar date to its Gregorian date as JSON.

#include <ostream>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/calendar/leap_months.h"
#include "core/calendar/lunar_conversion.h"
#include "core/calendar/vocabulary.h"

namespace lumivane::cli {
namespace {

constexpr const char* kCommand = "solar";
constexpr const char* kUsage = "(usage: lumivane-cli solar YEAR MONTH DAY [--leap])";

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

int RunSolar(const std::vector<std::string>& args, CommandIo& io) {
    std::string error;
    const auto parsed = ParseArguments(args, ArgumentSpec{{}, {"--leap"}, 3, 3}, error);
    if (!parsed) {
        return BadInput(io, kCommand, error + " " + kUsage);
    }
    // The lunar conversion searches the Western years YEAR and YEAR + 1.
    const auto year =
        ParseInteger(parsed->positional[0], kFirstCalendarYear, kLastCalendarYear - 1);
    if (!year || *year == 0) {
        return BadInput(io, kCommand,
                        "the lunar year must be a number from " +
                            std::to_string(kFirstCalendarYear) + " to " +
                            std::to_string(kLastCalendarYear - 1) + ", not 0 " + kUsage);
    }
    const auto month = ParseInteger(parsed->positional[1], 1, 12);
    if (!month) {
        return BadInput(io, kCommand, "the lunar month must be a number from 1 to 12");
    }
    const auto day = ParseInteger(parsed->positional[2], 1, 30);
    if (!day) {
        return BadInput(io, kCommand, "the lunar day must be a number from 1 to 30");
    }
    const bool leap = parsed->Has("--leap");
    const int y = static_cast<int>(*year);
    const int m = static_cast<int>(*month);
    const int d = static_cast<int>(*day);
    const std::string name = std::to_string(y) + " " + (leap ? std::string(LeapMonthMark) : "") +
                             std::string(LunarMonthNames[m - 1]) + LunarDayName(d);
    if (leap && LeapMonthOf(y) != m) {
        const int leapMonth = LeapMonthOf(y);
        return BadInput(
            io, kCommand,
            name + " does not exist: " +
                (leapMonth == 0 ? "the lunar year " + std::to_string(y) + " has no leap month"
                                : "the leap month of " + std::to_string(y) + " follows month " +
                                      std::to_string(leapMonth)));
    }
    const auto western = LunarToSolar(y, m, d, leap);
    if (!western) {
        return BadInput(io, kCommand, name + " does not exist: the month is shorter");
    }
    Json json = Json::MakeObject();
    json.Set("lunarYear", y)
        .Set("lunarMonth", m)
        .Set("lunarDay", d)
        .Set("leap", leap)
        .Set("lunarName", std::string(leap ? LeapMonthMark : "") +
                              std::string(LunarMonthNames[m - 1]) + LunarDayName(d))
        .Set("gregorian", std::to_string(western->Year) + "-" + TwoDigits(western->Month) + "-" +
                              TwoDigits(western->Day))
        .Set("year", western->Year)
        .Set("month", western->Month)
        .Set("day", western->Day);
    io.out << json.Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
