// lumivane-cli pillars YYYY-MM-DD HOUR: the four pillars of a birth date and hour with
// their names, elements (with and without hidden stems) and NaYin, the zodiac animal
// and the star sign, as the birth chart shows them.

#include <ostream>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/calendar/lunar_conversion.h"
#include "core/calendar/pillars.h"
#include "core/calendar/vocabulary.h"

namespace lumivane::cli {
namespace {

constexpr const char* kCommand = "pillars";
constexpr const char* kUsage = "(usage: lumivane-cli pillars YYYY-MM-DD HOUR)";

// Like the chart's date lists, any day 1-31 is taken: past the month's end the day counts
// on into the next month, except at hour 23 (which needs the following calendar day).
std::optional<WesternDate> ParseBirthDate(const std::string& text) {
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string::npos ? first : text.find('-', first + 1);
    if (second == std::string::npos) {
        return std::nullopt;
    }
    const auto year = ParseInteger(text.substr(0, first), 1, 2100);
    const auto month = ParseInteger(text.substr(first + 1, second - first - 1), 1, 12);
    const auto day = ParseInteger(text.substr(second + 1), 1, 31);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    return WesternDate{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)};
}

Json PillarJson(int cycleIndex) {
    const std::optional<StemBranch> parts = SplitGanZhi(cycleIndex);
    Json json = Json::MakeObject();
    json.Set("index", cycleIndex)
        .Set("name", GanZhiName(cycleIndex))
        .Set("stem", parts ? std::string(StemNames[parts->Stem]) : std::string())
        .Set("branch", parts ? std::string(BranchNames[parts->Branch]) : std::string())
        .Set("elements", PillarElements(cycleIndex))
        .Set("elementsWithHidden", PillarElementsWithHidden(cycleIndex))
        .Set("naYin", NaYinName(cycleIndex));
    return json;
}

}  // namespace

int RunPillars(const std::vector<std::string>& args, CommandIo& io) {
    std::string error;
    const auto parsed = ParseArguments(args, ArgumentSpec{{}, {}, 2, 2}, error);
    if (!parsed) {
        return BadInput(io, kCommand, error + " " + kUsage);
    }
    const auto date = ParseBirthDate(parsed->positional[0]);
    if (!date) {
        return BadInput(io, kCommand,
                        "“" + parsed->positional[0] +
                            "” is not a date YYYY-MM-DD of the years 1 to 2100 with a day 1-31 " +
                            kUsage);
    }
    const auto hour = ParseInteger(parsed->positional[1], 0, 23);
    if (!hour) {
        return BadInput(io, kCommand,
                        "the hour must be a number from 0 to 23 " + std::string(kUsage));
    }
    const auto pillars =
        FourPillars(static_cast<std::uint16_t>(date->Year), static_cast<std::uint16_t>(date->Month),
                    static_cast<std::uint16_t>(date->Day), static_cast<std::uint16_t>(*hour));
    if (!pillars) {
        return BadInput(io, kCommand,
                        std::string(kDateEncodeError) + ": " + parsed->positional[0] +
                            " has no following day for the hour 23");
    }
    const std::optional<StemBranch> hourParts = SplitGanZhi(pillars->Hour);
    Json json = Json::MakeObject();
    json.Set("date", parsed->positional[0]).Set("hour", static_cast<int>(*hour));
    const auto lunar = SolarToLunar(date->Year, date->Month, date->Day);
    if (lunar && lunar->Month >= 1 && lunar->Month <= 12) {
        json.Set("lunarMonth", std::string(lunar->IsLeap ? LeapMonthMark : "") +
                                   std::string(LunarMonthNames[lunar->Month - 1]))
            .Set("lunarDay", LunarDayName(lunar->Day));
    }
    json.Set("hourName", hourParts ? std::string(BranchNames[hourParts->Branch]) + "时" : "")
        .Set("year", PillarJson(pillars->Year))
        .Set("month", PillarJson(pillars->Month))
        .Set("day", PillarJson(pillars->Day))
        .Set("hourPillar", PillarJson(pillars->Hour))
        .Set("zodiac", ZodiacName(ZodiacOfYear(date->Year)))
        .Set("starSign", StarSignName(StarSignOf(date->Month, date->Day)) + "座");
    io.out << json.Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
