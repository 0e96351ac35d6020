// lumivane-cli lunar DATE | --from DATE --to DATE: Gregorian dates to lunar dates,
// one JSON object per date (one line each for a span).

#include <ostream>
#include <string>

#include "cli/arguments.h"
#include "cli/calendar_dates.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/calendar/lunar_conversion.h"
#include "core/calendar/pillars.h"
#include "core/calendar/vocabulary.h"

namespace lumivane::cli {
namespace {

constexpr const char* kCommand = "lunar";
constexpr const char* kUsage = "YYYY-MM-DD | --from YYYY-MM-DD --to YYYY-MM-DD";

Json LunarJson(const WesternDate& date, const LunarDate& lunar) {
    Json json = Json::MakeObject();
    json.Set("gregorian", DateText(date))
        .Set("year", lunar.Year)
        .Set("month", lunar.Month)
        .Set("day", lunar.Day)
        .Set("leap", lunar.IsLeap)
        .Set("monthName", LunarMonthName(lunar.Month, lunar.IsLeap))
        .Set("dayName", LunarDayName(lunar.Day))
        .Set("yearName", GanZhiName(YearGanZhi(lunar.Year)));
    return json;
}

}  // namespace

int RunLunar(const std::vector<std::string>& args, CommandIo& io) {
    const std::string usage = std::string("（用法：lumivane-cli lunar ") + kUsage + "）";
    std::string error;
    const auto parsed = ParseArguments(args, ArgumentSpec{{"--from", "--to"}, {}, 0, 1}, error);
    if (!parsed) {
        return BadInput(io, kCommand, error + usage);
    }
    const bool span = parsed->Has("--from") || parsed->Has("--to");
    if (span == !parsed->positional.empty() ||
        (span && !(parsed->Has("--from") && parsed->Has("--to")))) {
        return BadInput(io, kCommand, "请给出一个日期，或同时给出 --from 和 --to" + usage);
    }
    if (!span) {
        const auto date = ParseSupportedDate(parsed->positional[0], error);
        if (!date) {
            return BadInput(io, kCommand, error);
        }
        io.out << LunarJson(*date, *SolarToLunar(date->Year, date->Month, date->Day)).Dump(2)
               << '\n';
        return kExitOk;
    }
    const auto from = ParseSupportedDate(*parsed->Value("--from"), error);
    if (!from) {
        return BadInput(io, kCommand, "--from：" + error);
    }
    const auto to = ParseSupportedDate(*parsed->Value("--to"), error);
    if (!to) {
        return BadInput(io, kCommand, "--to：" + error);
    }
    if (CompareDates(*from, *to) > 0) {
        return BadInput(io, kCommand, "--from " + DateText(*from) + " 晚于 --to " + DateText(*to));
    }
    const int last = DayNumber(to->Year, to->Month, to->Day);
    for (int n = DayNumber(from->Year, from->Month, from->Day); n <= last; ++n) {
        const auto date = DateOfDayNumber(n);
        const auto lunar = date ? SolarToLunar(date->Year, date->Month, date->Day) : std::nullopt;
        if (!lunar) {
            io.err << "lumivane-cli lunar: 第 " << n << " 日无法换算为农历\n";
            return kExitFailure;
        }
        io.out << LunarJson(*date, *lunar).Dump() << '\n';
    }
    return kExitOk;
}

}  // namespace lumivane::cli
