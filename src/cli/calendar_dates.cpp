#include "cli/calendar_dates.h"

#include "cli/arguments.h"
#include "core/calendar/leap_months.h"
#include "core/calendar/lunar_conversion.h"
#include "core/calendar/vocabulary.h"

namespace lumivane::cli {
namespace {

std::string TwoDigits(int value) {
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

// The lunar dates of the first and last supported days.
LunarDate FirstSupportedLunarDate() {
    return *SolarToLunar(kFirstSupportedDate.Year, kFirstSupportedDate.Month,
                         kFirstSupportedDate.Day);
}

LunarDate LastSupportedLunarDate() {
    return *SolarToLunar(kLastSupportedDate.Year, kLastSupportedDate.Month, kLastSupportedDate.Day);
}

}  // namespace

std::string DateText(const WesternDate& date) {
    return std::to_string(date.Year) + "-" + TwoDigits(date.Month) + "-" + TwoDigits(date.Day);
}

std::string SupportedRangeText() {
    return DateText(kFirstSupportedDate) + " 至 " + DateText(kLastSupportedDate);
}

std::optional<WesternDate> ParseDateForm(const std::string& text, std::string& error) {
    // A leading minus belongs to the year, not to the separators.
    const std::size_t first = text.find('-', 1);
    const std::size_t second = first == std::string::npos ? first : text.find('-', first + 1);
    const auto year = second == std::string::npos
                          ? std::nullopt
                          : ParseInteger(text.substr(0, first), -99999, 99999);
    const auto month = second == std::string::npos
                           ? std::nullopt
                           : ParseInteger(text.substr(first + 1, second - first - 1), 1, 12);
    const auto day =
        second == std::string::npos ? std::nullopt : ParseInteger(text.substr(second + 1), 1, 31);
    if (!year || !month || !day) {
        error = "“" + text + "”不是 YYYY-MM-DD 格式的日期";
        return std::nullopt;
    }
    return WesternDate{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)};
}

std::optional<WesternDate> ParseExistingDate(const std::string& text, std::string& error) {
    const auto form = ParseDateForm(text, error);
    if (!form) {
        return std::nullopt;
    }
    const WesternDate date = *form;
    const int length = MonthLength(date.Year, date.Month);
    if (date.Day > length || date.Year == 0 ||
        CalendarKindOf(date.Year, date.Month, date.Day) == 0) {
        error = "日期 " + text + " 不存在";
        if (date.Day > length && date.Year != 0) {
            error += "：" + std::to_string(date.Year) + "年" + std::to_string(date.Month) +
                     "月只有 " + std::to_string(length) + " 天";
        }
        return std::nullopt;
    }
    return date;
}

std::optional<WesternDate> ParseSupportedDate(const std::string& text, std::string& error) {
    const auto date = ParseExistingDate(text, error);
    if (date && !IsSupportedDate(*date)) {
        error = "日期 " + DateText(*date) + " 超出支持的范围（公历 " + SupportedRangeText() + "）";
        return std::nullopt;
    }
    return date;
}

std::string LunarDateText(const LunarDate& date) {
    return std::to_string(date.Year) + "年" + LunarMonthName(date.Month, date.IsLeap) +
           LunarDayName(date.Day);
}

std::optional<WesternDate> SupportedLunarToSolar(const LunarDate& date, std::string& error) {
    const LunarDate first = FirstSupportedLunarDate();
    const LunarDate last = LastSupportedLunarDate();
    if (CompareLunarDates(date, first) < 0 || CompareLunarDates(date, last) > 0) {
        error = "农历 " + LunarDateText(date) + " 超出支持的范围（农历 " + LunarDateText(first) +
                " 至 " + LunarDateText(last) + "，即公历 " + SupportedRangeText() + "）";
        return std::nullopt;
    }
    const int leapMonth = LeapMonthOf(date.Year);
    if (date.IsLeap && leapMonth != date.Month) {
        error = "农历 " + LunarDateText(date) + " 不存在：" + std::to_string(date.Year) + "年" +
                (leapMonth == 0 ? std::string("没有闰月")
                                : "的闰月是" + LunarMonthName(leapMonth, true));
        return std::nullopt;
    }
    const auto western = LunarToSolar(date.Year, date.Month, date.Day, date.IsLeap);
    if (!western) {
        // Within the range only the 30th of a short month fails.
        error = "农历 " + LunarDateText(date) + " 不存在：" + std::to_string(date.Year) + "年" +
                LunarMonthName(date.Month, date.IsLeap) + "只有 29 天";
        return std::nullopt;
    }
    return western;
}

}  // namespace lumivane::cli
