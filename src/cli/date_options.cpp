#include "cli/date_options.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "cli/calendar_dates.h"
#include "core/calendar/vocabulary.h"
#include "core/chart/birth_chart.h"

namespace lumivane::cli {
namespace {

constexpr int kFirstYear = kFirstBirthYear;
constexpr int kLastYear = kLastBirthYear;

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
        error = "--hour 须是 0 至 23 的数字或 unknown，不是“" + hour + "”";
        return std::nullopt;
    }
    if (auto time = arguments.Value("--time")) {
        const std::size_t colon = time->find(':');
        const auto h =
            colon == std::string::npos ? std::nullopt : ParseInteger(time->substr(0, colon), 0, 23);
        const auto m = colon == std::string::npos ? std::nullopt
                                                  : ParseInteger(time->substr(colon + 1), 0, 59);
        if (!h || !m) {
            error = "--time 须是“时:分”（0 至 23 时，0 至 59 分），不是“" + *time + "”";
            return std::nullopt;
        }
        if (arguments.Value("--hour") && inputs.hourIndex != static_cast<int>(*h) + 1) {
            error = "--hour 与 --time 的小时不一致";
            return std::nullopt;
        }
        inputs.hourIndex = static_cast<int>(*h) + 1;
        inputs.minuteIndex = static_cast<int>(*m) + 1;
    }

    if (auto longitude = arguments.Value("--longitude")) {
        char* end = nullptr;
        const double value = std::strtod(longitude->c_str(), &end);
        if (longitude->empty() || end != longitude->c_str() + longitude->size() ||
            !std::isfinite(value) || value < kLowestLongitude || value > kHighestLongitude) {
            error = "--longitude 须是 -180 至 180 之间的东经度数（如 113.26），不是“" + *longitude +
                    "”";
            return std::nullopt;
        }
        inputs.longitude = value;
    }

    auto date = arguments.Value("--date");
    std::string calendar = arguments.Value("--calendar").value_or(date ? "solar" : "unknown");
    if (calendar == "unknown") {
        inputs.calendarType = static_cast<int>(CalendarType::Unknown);
        if (date || arguments.Has("--leap")) {
            error = "--date 和 --leap 须与 --calendar solar 或 lunar 一起使用";
            return std::nullopt;
        }
        return inputs;
    }
    if (calendar != "solar" && calendar != "lunar") {
        error = "--calendar 须是 solar、lunar 或 unknown，不是“" + calendar + "”";
        return std::nullopt;
    }
    if (!date) {
        error = "--calendar " + calendar + " 须给出 --date YYYY-MM-DD";
        return std::nullopt;
    }
    // A lunar date is written in the same form, its month and day being lunar numbers.
    const bool lunar = calendar == "lunar";
    const auto d = lunar ? ParseDateForm(*date, error) : ParseExistingDate(*date, error);
    if (!d) {
        error = "--date：" + error;
        return std::nullopt;
    }
    const int year = d->Year;
    const int month = d->Month;
    const int day = d->Day;
    if (year < kFirstYear || year > kLastYear) {
        error = "出生年份须在 " + std::to_string(kFirstYear) + " 至 " + std::to_string(kLastYear) +
                " 之间（日期列表的年份），不是 " + std::to_string(year);
        return std::nullopt;
    }
    inputs.yearText = std::to_string(year);
    inputs.dayIndex = day - 1;
    if (!lunar) {
        if (arguments.Has("--leap")) {
            error = "--leap 只用于农历日期";
            return std::nullopt;
        }
        inputs.calendarType = static_cast<int>(CalendarType::Gregorian);
        inputs.monthText = TwoDigits(month);
        inputs.dayText = TwoDigits(day);
        return inputs;
    }
    bool leap = arguments.Has("--leap");
    if (day > 30) {
        error = "--date：农历日须是 1 至 30，不是 " + std::to_string(day);
        return std::nullopt;
    }
    if (!SupportedLunarToSolar({year, month, day, leap}, error)) {
        return std::nullopt;
    }
    inputs.calendarType = static_cast<int>(CalendarType::Lunar);
    inputs.monthText = LunarMonthName(month, leap);
    inputs.dayText = LunarDayName(day);
    return inputs;
}

}  // namespace lumivane::cli
