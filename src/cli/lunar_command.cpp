// lumivane-cli lunar DATE | --from DATE --to DATE: Gregorian dates to lunar dates,
// one JSON object per date (one line each for a span).

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

constexpr const char* kCommand = "lunar";
constexpr const char* kUsage = "YYYY-MM-DD | --from YYYY-MM-DD --to YYYY-MM-DD";

// An existing Gregorian (or, before the 1582 reform, Julian) date within the calendar's
// years, written YYYY-MM-DD.
std::optional<WesternDate> ParseDate(const std::string& text, std::string& error) {
    const std::size_t first = text.find('-', 1);
    const std::size_t second = first == std::string::npos ? first : text.find('-', first + 1);
    if (second == std::string::npos) {
        error = "“" + text + "” is not a date of the form YYYY-MM-DD";
        return std::nullopt;
    }
    const auto year = ParseInteger(text.substr(0, first), -99999, 99999);
    const auto month = ParseInteger(text.substr(first + 1, second - first - 1), 1, 12);
    const auto day = ParseInteger(text.substr(second + 1), 1, 31);
    if (!year || !month || !day) {
        error = "“" + text + "” is not a date of the form YYYY-MM-DD";
        return std::nullopt;
    }
    const WesternDate date{static_cast<int>(*year), static_cast<int>(*month),
                           static_cast<int>(*day)};
    if (date.Year < kFirstCalendarYear || date.Year > kLastCalendarYear || date.Year == 0) {
        error = "the year of " + text + " is outside " + std::to_string(kFirstCalendarYear) +
                " to " + std::to_string(kLastCalendarYear);
        return std::nullopt;
    }
    if (date.Day > MonthLength(date.Year, date.Month) ||
        CalendarKindOf(date.Year, date.Month, date.Day) == 0) {
        error = text + " does not exist";
        return std::nullopt;
    }
    return date;
}

std::string DateText(const WesternDate& date) {
    std::string month = std::to_string(date.Month);
    std::string day = std::to_string(date.Day);
    return std::to_string(date.Year) + "-" + (month.size() < 2 ? "0" : "") + month + "-" +
           (day.size() < 2 ? "0" : "") + day;
}

Json LunarJson(const WesternDate& date, const LunarDate& lunar) {
    Json json = Json::MakeObject();
    json.Set("gregorian", DateText(date))
        .Set("year", lunar.Year)
        .Set("month", lunar.Month)
        .Set("day", lunar.Day)
        .Set("leap", lunar.IsLeap)
        .Set("monthName", lunar.Month >= 1 && lunar.Month <= 12
                              ? std::string(lunar.IsLeap ? LeapMonthMark : "") +
                                    std::string(LunarMonthNames[lunar.Month - 1])
                              : std::string())
        .Set("dayName", LunarDayName(lunar.Day));
    return json;
}

}  // namespace

int RunLunar(const std::vector<std::string>& args, CommandIo& io) {
    std::string error;
    const auto parsed = ParseArguments(args, ArgumentSpec{{"--from", "--to"}, {}, 0, 1}, error);
    if (!parsed) {
        return BadInput(io, kCommand, error + " (usage: lumivane-cli lunar " + kUsage + ")");
    }
    const bool span = parsed->Has("--from") || parsed->Has("--to");
    if (span == !parsed->positional.empty() ||
        (span && !(parsed->Has("--from") && parsed->Has("--to")))) {
        return BadInput(io, kCommand,
                        std::string("give one date or both --from and --to (usage: "
                                    "lumivane-cli lunar ") +
                            kUsage + ")");
    }
    if (!span) {
        const auto date = ParseDate(parsed->positional[0], error);
        if (!date) {
            return BadInput(io, kCommand, error);
        }
        const auto lunar = SolarToLunar(date->Year, date->Month, date->Day);
        if (!lunar) {
            return BadInput(io, kCommand, DateText(*date) + " is outside the calendar's years");
        }
        io.out << LunarJson(*date, *lunar).Dump(2) << '\n';
        return kExitOk;
    }
    const auto from = ParseDate(*parsed->Value("--from"), error);
    if (!from) {
        return BadInput(io, kCommand, "--from: " + error);
    }
    const auto to = ParseDate(*parsed->Value("--to"), error);
    if (!to) {
        return BadInput(io, kCommand, "--to: " + error);
    }
    if (CompareDates(*from, *to) > 0) {
        return BadInput(io, kCommand,
                        "--from " + DateText(*from) + " is after --to " + DateText(*to));
    }
    const int last = DayNumber(to->Year, to->Month, to->Day);
    for (int n = DayNumber(from->Year, from->Month, from->Day); n <= last; ++n) {
        const auto date = DateOfDayNumber(n);
        const auto lunar = date ? SolarToLunar(date->Year, date->Month, date->Day) : std::nullopt;
        if (!lunar) {
            io.err << "lumivane-cli lunar: day number " << n << " cannot be converted\n";
            return kExitFailure;
        }
        io.out << LunarJson(*date, *lunar).Dump() << '\n';
    }
    return kExitOk;
}

}  // namespace lumivane::cli
