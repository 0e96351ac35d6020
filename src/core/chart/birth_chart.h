#pragma once
// The birth chart of a naming request: from the date inputs of the main window
// to the resolved birth date and every text of the chart panel.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/pillars.h"
#include "core/chart/favourable.h"
#include "core/platform/clock.h"

namespace lumivane {

enum class CalendarType { Gregorian = 0, Lunar = 1, Unknown = 2 };  // 阳历, 农历, 未知日期

// What the date boxes show: item texts and indexes as the user picked them.
struct DateInputs {
    int calendarType = 0;  // cmb_CalendarType item index
    std::string yearText;  // cmb_Year text, "1949" .. "2039"
    std::string monthText;  // cmb_Month text: "01" .. "12", or "正月" … with "闰" for a leap month
    std::string dayText;  // cmb_Day text: "01" .. or "初一" …
    int dayIndex = 0;     // cmb_Day item index
    int hourIndex = 0;    // cmb_Hour item index: 0 "未知", k >= 1 the hour k - 1, -1 none
    int minuteIndex = 0;  // cmb_Minute item index: 0 "未知", k >= 1 the minute k - 1
    // The birthplace's east longitude in degrees: the day and hour pillars are then taken
    // in its true solar time. None: Beijing time.
    std::optional<double> longitude{};
};

// The longitudes a birthplace may have (China lies within 73°E to 135°E; the check only
// keeps out typing slips).
inline constexpr double kLowestLongitude = -180.0;
inline constexpr double kHighestLongitude = 180.0;

// The resolved birth date; zero until the first chart.
struct BirthFields {
    int BirthYear = 0;
    int BirthMonth = 0;
    int BirthDay = 0;
    int BirthHour = 0;     // 12 when the hour is "未知"
    int BirthMinute = -1;  // -1 when the minute is not given
    // Whether the last chart had a date and an hour (the fields above are filled either way,
    // as the online analysis has always been sent them).
    bool DateKnown = true;
    bool HourKnown = true;
};

// Value labels Label83 .. Label108 (index 0 is Label83) and the fourth line.
// The birth years the date lists offer, and so the years of a chart.
inline constexpr int kFirstBirthYear = 1949;
inline constexpr int kLastBirthYear = 2039;

inline constexpr int kChartValueLabelFirst = 83;
inline constexpr int kChartValueLabelCount = 26;

struct BirthChart {
    std::array<std::string, kChartValueLabelCount> values;  // Label83 … Label108
    std::string advice;                                     // Label13
    std::string familyOrigin;  // Label36: "[" + family name + "]姓的起源"
    std::string analysis;      // Label37: "性格分析"
    std::string season;        // 春 夏 秋 冬, of the month pillar
    // False for the hour "未知": the hour labels read 未知 and the hour pillar's labels
    // stay empty (the birth fields still carry the hour 12).
    bool hourKnown = true;
    // False for "未知日期": no pillars and no 喜用神 (the birth fields are still resolved).
    bool dateKnown = true;
    Pillars pillars;  // cycle indices; the hour's only when hourKnown
    // When a 节 falls within the birth hour and the minute is not given (or on the birth day
    // and the hour is unknown): the pillars before and after it. Empty otherwise.
    std::string termNote;
    // Between 立春 and 正月初一 the lunar year and the year pillar differ, and
    // so do their animals; the note says which the 属相 follows. Empty otherwise.
    std::string yearNote;
    // When the hour the day and hour pillars follow is 23 (子时 begins): they
    // take the next day while the dates stay. Empty otherwise.
    std::string hourNote;
    std::string timeUsed;   // "按北京时间 2024-02-04 16:40 排盘"
    std::string solarTime;  // "2024-05-01 06:13" with a birthplace and a known hour, else empty
    FavourableElements favourable;

    [[nodiscard]] const std::string& Label(int number) const {
        return values[static_cast<std::size_t>(number - kChartValueLabelFirst)];
    }
};

struct BirthChartResult {
    bool ok = false;
    std::string error;  // when the date cannot be resolved
    BirthChart chart;
};

// Resolves the inputs into fields (a lunar date that does not exist keeps the
// previous chart's date; out-of-range parts become today's) and builds the chart.
[[nodiscard]] BirthChartResult ComputeBirthChart(const DateInputs& inputs,
                                                 std::string_view familyNameText,
                                                 BirthFields& fields, const Clock& clock);

// The statement of a 节 within the birth hour or day: "16:27 交立春，…". dependsOn names
// what is missing ("分钟" or "时辰").
[[nodiscard]] std::string TermNote(const TermInSpan& term, std::string_view dependsOn = "分钟");

// The advice line for a day-master element and a season, e.g. "日主天干水，生于秋，…".
[[nodiscard]] std::string AdviceLine(std::string_view dayMaster, std::string_view season);
// The season of a month branch: 寅卯辰 春, 巳午未 夏, 申酉戌 秋, 亥子丑 冬; empty outside 0-11.
[[nodiscard]] std::string_view SeasonOfBranch(int branchIndex);

// Items of the date lists. Only days that exist are offered: the Gregorian day
// list follows the month and year, the lunar day list the month's length. The
// stored index of a day stays day - 1.
struct DateLists {
    std::vector<std::string> years, months, days;
    int yearIndex = -1, monthIndex = -1, dayIndex = -1;
};

[[nodiscard]] std::vector<std::string> HourItems();  // "未知", "00:00 - 00:59" …
[[nodiscard]] std::vector<std::string> YearItems();  // "1949" … "2039"
[[nodiscard]] std::vector<std::string> MonthItems(CalendarType type, int year);
[[nodiscard]] std::vector<std::string> DayItems(CalendarType type, int year, int monthIndex);

// cmb_CalendarTypeChange: the lists and selections for a calendar type
// (today's date for 阳历, today's year with the first month and day for 农历).
// For 未知日期 the current lists are kept (pass them in).
[[nodiscard]] DateLists CalendarTypeChange(CalendarType type, const DateLists& current,
                                           const Clock& clock);
// cmb_YearClick: month list of the picked year, first month and day selected.
[[nodiscard]] DateLists YearClick(CalendarType type, const DateLists& current, int yearIndex);
// A month pick: the day list of that month, keeping the day where it exists.
[[nodiscard]] DateLists MonthClick(CalendarType type, const DateLists& current, int monthIndex);

}  // namespace lumivane
