#include "cli/date_options.h"

#include <cstdio>

#include "core/calendar/lunar_conversion.h"
#include "core/calendar/vocabulary.h"
#include "core/calendar/western_calendar.h"

namespace lumivane::cli {
namespace {

constexpr int kFirstYear = 1949;
constexpr int kLastYear = 2039;

bool ParseDate(const std::string& text, int& year, int& month, int& day) {
    auto dash1 = text.find('-');
    auto dash2 = dash1 == std::string::npos ? std::string::npos : text.find('-', dash1 + 1);
    if (dash2 == std::string::npos) {
        return false;
    }
    auto y = ParseInteger(text.substr(0, dash1), -9999, 9999);
    auto m = ParseInteger(text.substr(dash1 + 1, dash2 - dash1 - 1), 1, 12);
    auto d = ParseInteger(text.substr(dash2 + 1), 1, 31);
    if (!y || !m || !d) {
        return false;
    }
    year = static_cast<int>(*y);
    month = static_cast<int>(*m);
    day = static_cast<int>(*d);
    return true;
}

std::string TwoDigits(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

}  // namespace

std::optional<DateInputs> DateInputsFromOptions(const Arguments& arguments, std::string& error) {
    DateInputs inputs;
    std::string hour = arguments.Value("--hour").value_or("unknown");
    if (hour == "unknown") {
        inputs.hourIndex = 0;
    } else if (auto h = ParseInteger(hour, 0, 23)) {
        inputs.hourIndex = static_cast<int>(*h) + 1;
    } else {
        error = "--hour must be 0 to 23 or unknown, not \"" + hour + "\"";
        return std::nullopt;
    }

    auto date = arguments.Value("--date");
    std::string calendar = arguments.Value("--calendar").value_or(date ? "solar" : "unknown");
    if (calendar == "unknown") {
        inputs.calendarType = static_cast<int>(CalendarType::Unknown);
        if (date || arguments.Has("--leap")) {
            error = "--date and --leap need --calendar solar or lunar";
            return std::nullopt;
        }
        return inputs;
    }
    if (calendar != "solar" && calendar != "lunar") {
        error = "--calendar must be solar, lunar or unknown, not \"" + calendar + "\"";
        return std::nullopt;
    }
    if (!date) {
        error = "--calendar " + calendar + " needs --date YYYY-MM-DD";
        return std::nullopt;
    }
    int year = 0, month = 0, day = 0;
    if (!ParseDate(*date, year, month, day)) {
        error = "--date must be YYYY-MM-DD, not \"" + *date + "\"";
        return std::nullopt;
    }
    if (year < kFirstYear || year > kLastYear) {
        error = "the birth year must lie between 1949 and 2039";
        return std::nullopt;
    }
    inputs.yearText = std::to_string(year);
    inputs.dayIndex = day - 1;
    if (calendar == "solar") {
        if (arguments.Has("--leap")) {
            error = "--leap applies to lunar dates only";
            return std::nullopt;
        }
        if (day > MonthLength(year, month)) {
            error = *date + " does not exist";
            return std::nullopt;
        }
        inputs.calendarType = static_cast<int>(CalendarType::Gregorian);
        inputs.monthText = TwoDigits(month);
        inputs.dayText = TwoDigits(day);
        return inputs;
    }
    bool leap = arguments.Has("--leap");
    if (day > 30 || !LunarToSolar(year, month, day, leap)) {
        error = "the lunar date " + std::to_string(year) + (leap ? " leap month " : " month ") +
                std::to_string(month) + " day " + std::to_string(day) + " does not exist";
        return std::nullopt;
    }
    inputs.calendarType = static_cast<int>(CalendarType::Lunar);
    inputs.monthText = (leap ? std::string(LeapMonthMark) : std::string()) +
                       std::string(LunarMonthNames[static_cast<std::size_t>(month - 1)]);
    inputs.dayText = LunarDayName(day);
    return inputs;
}

}  // namespace lumivane::cli
