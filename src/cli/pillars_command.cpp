// lumivane-cli pillars YYYY-MM-DD HH[:MM]: the four pillars of a birth date and time
// (Beijing time) with their names, elements (with and without hidden stems) and NaYin,
// the zodiac animal and the star sign, as the birth chart shows them. Without the minute
// the pillars are those of the hour's middle, and a 节 within the hour is reported.

#include <ostream>
#include <string>

#include "cli/arguments.h"
#include "cli/calendar_dates.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/calendar/lunar_conversion.h"
#include "core/calendar/pillars.h"
#include "core/calendar/vocabulary.h"
#include "core/chart/birth_chart.h"

namespace lumivane::cli {
namespace {

constexpr const char* kCommand = "pillars";
constexpr const char* kUsage = "（用法：lumivane-cli pillars YYYY-MM-DD HH[:MM]）";

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
        return BadInput(io, kCommand, error + kUsage);
    }
    const auto date = ParseSupportedDate(parsed->positional[0], error);
    if (!date) {
        return BadInput(io, kCommand, error);
    }
    const std::string& timeText = parsed->positional[1];
    const std::size_t colon = timeText.find(':');
    const auto hour = ParseInteger(timeText.substr(0, colon), 0, 23);
    const auto minute = colon == std::string::npos
                            ? std::optional<long long>()
                            : ParseInteger(timeText.substr(colon + 1), 0, 59);
    if (!hour || (colon != std::string::npos && !minute)) {
        return BadInput(
            io, kCommand,
            "时间须是 0 至 23 的小时，或“时:分”（分 0 至 59），不是“" + timeText + "”" + kUsage);
    }
    // Every supported date has a following day, so the hour 23 always finds one.
    const int h = static_cast<int>(*hour);
    const BirthClock clock{date->Year, date->Month, date->Day, h,
                           minute ? static_cast<int>(*minute) : 30};
    const Pillars pillars = *FourPillarsAt(clock, clock);
    const std::optional<StemBranch> hourParts = SplitGanZhi(pillars.Hour);
    Json json = Json::MakeObject();
    json.Set("date", DateText(*date)).Set("hour", h);
    if (minute) {
        json.Set("minute", static_cast<int>(*minute));
    } else {
        const TermInSpan term = TermWithin({date->Year, date->Month, date->Day, h, 0},
                                           {date->Year, date->Month, date->Day, h, 59});
        if (term.TermIndex >= 0) {
            json.Set("dependsOnMinute", TermNote(term));
        }
    }
    // The lunar date of the civil day, also at the hour 23, and its lunar year, which
    // changes at 正月初一 and not with the year pillar at 立春.
    const LunarDate lunar = *SolarToLunar(date->Year, date->Month, date->Day);
    json.Set("lunarYear", GanZhiName(YearGanZhi(lunar.Year)))
        .Set("lunarMonth", LunarMonthName(lunar.Month, lunar.IsLeap))
        .Set("lunarDay", LunarDayName(lunar.Day));
    json.Set("hourName", hourParts ? std::string(BranchNames[hourParts->Branch]) + "时" : "")
        .Set("year", PillarJson(pillars.Year))
        .Set("month", PillarJson(pillars.Month))
        .Set("day", PillarJson(pillars.Day))
        .Set("hourPillar", PillarJson(pillars.Hour))
        .Set("zodiac", ZodiacName(ZodiacOfYearPillar(pillars.Year)))
        .Set("starSign", StarSignName(StarSignOf(date->Month, date->Day)) + "座");
    io.out << json.Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
