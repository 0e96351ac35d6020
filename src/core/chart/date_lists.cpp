// The date input lists of the main window. Only days that exist are offered, so
// a chart can never be asked for 02-30 or for 三十 of a month of 29 days.

#include <cstdio>

#include "core/calendar/leap_months.h"
#include "core/calendar/lunar_conversion.h"
#include "core/calendar/vocabulary.h"
#include "core/calendar/western_calendar.h"
#include "core/chart/birth_chart.h"

namespace lumivane {
namespace {

constexpr int kFirstListYear = kFirstBirthYear;
constexpr int kLastListYear = kLastBirthYear;

std::string TwoDigits(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

// Month number and leap flag of a lunar month item ("闰二月" -> 2, leap).
void LunarMonthOfItem(const std::string& item, int& month, bool& leap) {
    leap = item.find(LeapMonthMark) != std::string::npos;
    month = LunarMonthNumberOfName(item);
}

int YearOfIndex(int yearIndex) {
    return kFirstListYear + yearIndex;
}

int YearIndexOf(int year) {
    return year >= kFirstListYear && year <= kLastListYear ? year - kFirstListYear : -1;
}

int ClampIndex(int index, std::size_t size) {
    if (size == 0) {
        return -1;
    }
    if (index < 0) {
        return 0;
    }
    return index < static_cast<int>(size) ? index : static_cast<int>(size) - 1;
}

}  // namespace

std::vector<std::string> HourItems() {
    std::vector<std::string> items{"未知"};
    for (int h = 0; h < 24; ++h) {
        items.push_back(TwoDigits(h) + ":00 - " + TwoDigits(h) + ":59");
    }
    return items;
}

std::vector<std::string> YearItems() {
    std::vector<std::string> items;
    for (int y = kFirstListYear; y <= kLastListYear; ++y) {
        items.push_back(std::to_string(y));
    }
    return items;
}

std::vector<std::string> MonthItems(CalendarType type, int year) {
    std::vector<std::string> items;
    if (type == CalendarType::Lunar) {
        int leap = LeapMonthOf(year);
        for (int i = 1; i <= 12; ++i) {
            items.push_back(LunarMonthName(i, false));
            if (i == leap) {
                items.push_back(LunarMonthName(i, true));
            }
        }
    } else {
        for (int m = 1; m <= 12; ++m) {
            items.push_back(TwoDigits(m));
        }
    }
    return items;
}

std::vector<std::string> DayItems(CalendarType type, int year, int monthIndex) {
    std::vector<std::string> items;
    if (type == CalendarType::Lunar) {
        std::vector<std::string> months = MonthItems(type, year);
        int length = 30;
        if (monthIndex >= 0 && monthIndex < static_cast<int>(months.size())) {
            int month = 1;
            bool leap = false;
            LunarMonthOfItem(months[static_cast<std::size_t>(monthIndex)], month, leap);
            length = LunarToSolar(year, month, 30, leap).has_value() ? 30 : 29;
        }
        for (int d = 1; d <= length; ++d) {
            items.push_back(LunarDayName(d));
        }
    } else {
        int length = monthIndex >= 0 && monthIndex < 12 ? MonthLength(year, monthIndex + 1) : 31;
        for (int d = 1; d <= length; ++d) {
            items.push_back(TwoDigits(d));
        }
    }
    return items;
}

DateLists CalendarTypeChange(CalendarType type, const DateLists& current, const Clock& clock) {
    if (type == CalendarType::Unknown) {
        return current;
    }
    LocalDateTime today = clock.Now();
    DateLists lists;
    lists.years = YearItems();
    lists.yearIndex = YearIndexOf(today.year);
    int year = lists.yearIndex >= 0 ? today.year : kFirstListYear;
    if (type == CalendarType::Gregorian) {
        lists.months = MonthItems(type, year);
        lists.monthIndex = lists.yearIndex >= 0 ? today.month - 1 : 0;
        lists.days = DayItems(type, year, lists.monthIndex);
        lists.dayIndex = ClampIndex(lists.yearIndex >= 0 ? today.day - 1 : 0, lists.days.size());
        return lists;
    }
    return YearClick(type, lists, lists.yearIndex);
}

DateLists YearClick(CalendarType type, const DateLists& current, int yearIndex) {
    DateLists lists = current;
    lists.yearIndex = yearIndex;
    // Without a year (today after the last listed year) there is nothing to offer.
    int year = yearIndex >= 0 ? YearOfIndex(yearIndex) : kFirstListYear;
    lists.months = MonthItems(type, year);
    lists.monthIndex = 0;
    lists.days = DayItems(type, year, 0);
    lists.dayIndex = 0;
    return lists;
}

DateLists MonthClick(CalendarType type, const DateLists& current, int monthIndex) {
    DateLists lists = current;
    int year = current.yearIndex >= 0 ? YearOfIndex(current.yearIndex) : kFirstListYear;
    lists.monthIndex = ClampIndex(monthIndex, lists.months.size());
    lists.days = DayItems(type, year, lists.monthIndex);
    lists.dayIndex = current.dayIndex < 0 ? 0 : ClampIndex(current.dayIndex, lists.days.size());
    return lists;
}

}  // namespace lumivane
