// lumivane-cli solar YEAR MONTH DAY [--leap]: a lunar date to its Gregorian date as JSON.

#include <ostream>
#include <string>

#include "cli/arguments.h"
#include "cli/calendar_dates.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/calendar/vocabulary.h"

namespace lumivane::cli {
namespace {

constexpr const char* kCommand = "solar";
constexpr const char* kUsage = "（用法：lumivane-cli solar YEAR MONTH DAY [--leap]）";

}  // namespace

int RunSolar(const std::vector<std::string>& args, CommandIo& io) {
    std::string error;
    const auto parsed = ParseArguments(args, ArgumentSpec{{}, {"--leap"}, 3, 3}, error);
    if (!parsed) {
        return BadInput(io, kCommand, error + kUsage);
    }
    // Any year is read; the range is checked on the whole date, whose first and last
    // lunar months lie partly outside the supported Gregorian days.
    const auto year = ParseInteger(parsed->positional[0], -99999, 99999);
    if (!year) {
        return BadInput(io, kCommand,
                        "农历年份须是数字，不是“" + parsed->positional[0] + "”" + kUsage);
    }
    const auto month = ParseInteger(parsed->positional[1], 1, 12);
    if (!month) {
        return BadInput(
            io, kCommand,
            "农历月份须是 1 至 12 的数字，不是“" + parsed->positional[1] + "”" + kUsage);
    }
    const auto day = ParseInteger(parsed->positional[2], 1, 30);
    if (!day) {
        return BadInput(io, kCommand,
                        "农历日须是 1 至 30 的数字，不是“" + parsed->positional[2] + "”" + kUsage);
    }
    const LunarDate lunar{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day),
                          parsed->Has("--leap")};
    const auto western = SupportedLunarToSolar(lunar, error);
    if (!western) {
        return BadInput(io, kCommand, error);
    }
    Json json = Json::MakeObject();
    json.Set("lunarYear", lunar.Year)
        .Set("lunarMonth", lunar.Month)
        .Set("lunarDay", lunar.Day)
        .Set("leap", lunar.IsLeap)
        .Set("lunarName", LunarMonthName(lunar.Month, lunar.IsLeap) + LunarDayName(lunar.Day))
        .Set("gregorian", DateText(*western))
        .Set("year", western->Year)
        .Set("month", western->Month)
        .Set("day", western->Day);
    io.out << json.Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
