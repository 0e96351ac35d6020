#pragma once
// Dates as the calendar commands read them, and the messages that refuse a date that does
// not exist or lies outside the days the calendar is checked for.

#include <optional>
#include <string>

#include "core/calendar/lunar_date.h"
#include "core/calendar/western_calendar.h"

namespace lumivane::cli {

// YYYY-MM-DD with a zero-padded month and day.
[[nodiscard]] std::string DateText(const WesternDate& date);
// "1900-01-01 至 2100-12-31".
[[nodiscard]] std::string SupportedRangeText();

// Numbers in the form YYYY-MM-DD, with a month 1-12 and a day 1-31, not checked further.
[[nodiscard]] std::optional<WesternDate> ParseDateForm(const std::string& text, std::string& error);
// A Gregorian date written YYYY-MM-DD that exists. The year may have any number of digits.
[[nodiscard]] std::optional<WesternDate> ParseExistingDate(const std::string& text,
                                                           std::string& error);
// The same, and within the supported range.
[[nodiscard]] std::optional<WesternDate> ParseSupportedDate(const std::string& text,
                                                            std::string& error);

// 2023年闰二月三十.
[[nodiscard]] std::string LunarDateText(const LunarDate& date);
// The Gregorian date of a lunar date within the supported range; otherwise none, with the
// reason: a leap month the year does not have, a day 30 of a month of 29 days, or a date
// outside the range.
[[nodiscard]] std::optional<WesternDate> SupportedLunarToSolar(const LunarDate& date,
                                                               std::string& error);

}  // namespace lumivane::cli
