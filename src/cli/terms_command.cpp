// lumivane-cli terms YEAR: the days of the 24 solar terms of a Gregorian year as JSON.

#include <cmath>
#include <ostream>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/calendar/lunar_conversion.h"
#include "core/calendar/solar_terms.h"
#include "core/calendar/western_calendar.h"

namespace lumivane::cli {
namespace {

constexpr const char* kCommand = "terms";

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

int RunTerms(const std::vector<std::string>& args, CommandIo& io) {
    std::string error;
    const auto parsed = ParseArguments(args, ArgumentSpec{{}, {}, 1, 1}, error);
    if (!parsed) {
        return BadInput(io, kCommand, error + "（用法：lumivane-cli terms YEAR）");
    }
    const auto year =
        ParseInteger(parsed->positional[0], kFirstSupportedDate.Year, kLastSupportedDate.Year);
    if (!year) {
        return BadInput(io, kCommand,
                        "年份须是 " + std::to_string(kFirstSupportedDate.Year) + " 至 " +
                            std::to_string(kLastSupportedDate.Year) +
                            " 的数字（支持的范围），不是“" + parsed->positional[0] + "”");
    }
    const int y = static_cast<int>(*year);
    Json terms = Json::MakeArray();
    for (int index = 1; index <= 24; ++index) {
        const int dayOfYear = static_cast<int>(std::floor(SolarTermDay(y, index)));
        const auto date = DateOfDayNumber(DayNumber(y, 1, 0) + dayOfYear);
        if (!date) {
            io.err << "lumivane-cli terms: " << y << "年的第 " << index << " 个节气没有日期\n";
            return kExitFailure;
        }
        Json term = Json::MakeObject();
        term.Set("index", index)
            .Set("name", SolarTermNames[static_cast<std::size_t>(index)])
            .Set("date", std::to_string(date->Year) + "-" + TwoDigits(date->Month) + "-" +
                             TwoDigits(date->Day))
            .Set("dayOfYear", dayOfYear);
        terms.Push(std::move(term));
    }
    Json json = Json::MakeObject();
    json.Set("year", y).Set("terms", std::move(terms));
    io.out << json.Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
