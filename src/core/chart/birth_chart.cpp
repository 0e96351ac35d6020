// The birth chart: the resolved birth date, the lunar date, the four pillars
// with their elements and NaYin, zodiac, star sign and the advice line.

#include "core/chart/birth_chart.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/calendar/lunar_conversion.h"
#include "core/calendar/pillars.h"
#include "core/calendar/solar_terms.h"
#include "core/calendar/vocabulary.h"
#include "core/calendar/western_calendar.h"
#include "core/text/characters.h"

namespace lumivane {
namespace {

struct SeasonAdvice {
    std::string_view key;
    std::string_view advice;
};

// Favourable elements of a day master by season (日主天干 + 季节).
constexpr SeasonAdvice kSeasonAdviceTable[20] = {
    {"水秋", "必须有金相助，忌土、金、水多，喜木、火"},
    {"金冬", "必须有火、土相助，忌无火、土反而有金、水，忌木多而无火"},
    {"金春", "喜有土、火，最忌没有土、金"},
    {"金夏", "必须有水相助，忌木多"},
    {"金秋", "喜有木、火，忌土多"},
    {"土秋", "喜有火，有木，忌金、水多"},
    {"木秋", "必须有金相助，但忌金太多，须有土、火才好，但忌水多"},
    {"火秋", "喜有木，忌水、土多"},
    {"火春", "此时必为丙火或丁火，大都不错，但忌木多、土多"},
    {"土春", "喜有火、木，喜有金而少，忌金多、木多"},
    {"水春", "必须有土相助，若有火，金，但忌金多"},
    {"木春", "必须有火助，有水更好，但忌水太多，也忌土太多"},
    {"木冬", "必须有火相助，最好有土、水"},
    {"火冬", "必须有木相助，忌有水与金多，喜有土、水、木"},
    {"土冬", "喜有火，更喜有火又有金，喜有土、木"},
    {"水冬", "必须有火相助，喜水多，但忌金多"},
    {"水夏", "必须有金相助，忌木多"},
    {"火夏", "必须有水相助，最喜有金"},
    {"木夏", "必须有水相助，忌土太多，也忌木太多"},
    {"土夏", "喜有水、金，忌有木"},
};

// Whole-text decimal number, or the fallback ("01" reads as 1).
int NumberOr(std::string_view text, int fallback) {
    int value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && !text.empty() ? value
                                                                                  : fallback;
}

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

void ResolveBirthFields(const DateInputs& inputs, BirthFields& fields, const LocalDateTime& today) {
    fields.BirthHour = inputs.hourIndex - 1;
    fields.BirthMinute = inputs.minuteIndex - 1;
    switch (inputs.calendarType) {
        case 0:
            fields.BirthYear = NumberOr(inputs.yearText, 2009);
            fields.BirthMonth = NumberOr(inputs.monthText, 1);
            fields.BirthDay = NumberOr(inputs.dayText, 1);
            break;
        case 1: {
            bool leap = inputs.monthText.find(LeapMonthMark) != std::string::npos;
            int lunarDay = inputs.dayIndex + 1;
            int lunarMonth = LunarMonthNumberOfName(inputs.monthText);
            int lunarYear = NumberOr(inputs.yearText, 2009);
            // A lunar date that does not exist keeps the previous chart's date.
            if (auto solar = LunarToSolar(lunarYear, lunarMonth, lunarDay, leap)) {
                fields.BirthYear = solar->Year;
                fields.BirthMonth = solar->Month;
                fields.BirthDay = solar->Day;
            }
            break;
        }
        default:
            break;  // 未知日期: the previous chart's date, or today's before the first
    }
    if (fields.BirthYear < 1949 || fields.BirthYear > 2049) {
        fields.BirthYear = today.year;
    }
    if (fields.BirthMonth < 1 || fields.BirthMonth > 12) {
        fields.BirthMonth = today.month;
    }
    if (fields.BirthDay < 1 || fields.BirthDay > 31) {
        fields.BirthDay = today.day;
    }
    if (fields.BirthHour < 0 || fields.BirthHour > 24) {
        fields.BirthHour = 12;
    }
    if (fields.BirthMinute < 0 || fields.BirthMinute > 59 || inputs.hourIndex < 1) {
        fields.BirthMinute = -1;
    }
}

}  // namespace

std::string TermNote(const TermInSpan& term, std::string_view dependsOn) {
    if (term.TermIndex < 0) {
        return {};
    }
    const std::string at = std::to_string(term.Hour) + ":" + TwoDigits(term.Minute);
    const bool yearToo = term.YearBefore != term.YearAfter;
    const std::string what = yearToo ? "年柱、月柱" : "月柱";
    const auto pillars = [yearToo](int year, int month) {
        return (yearToo ? GanZhiName(year) + "年" : std::string()) + GanZhiName(month) + "月";
    };
    return at + " 交" + std::string(SolarTermNames[static_cast<std::size_t>(term.TermIndex)]) +
           "，" + what + "取决于出生的" + std::string(dependsOn) + "：" + at + " 以前为" +
           pillars(term.YearBefore, term.MonthBefore) + "，" + at + " 起为" +
           pillars(term.YearAfter, term.MonthAfter) + "。";
}

std::string_view SeasonOfBranch(int branchIndex) {
    // The month of 寅 begins at 立春: three month branches to a season, from spring on.
    static constexpr std::string_view kSeasons[4] = {"春", "夏", "秋", "冬"};
    if (branchIndex < 0 || branchIndex > 11) {
        return {};
    }
    return kSeasons[((branchIndex + 10) % 12) / 3];
}

std::string AdviceLine(std::string_view dayMaster, std::string_view season) {
    std::string key = std::string(dayMaster) + std::string(season);
    for (const SeasonAdvice& row : kSeasonAdviceTable) {
        if (row.key == key) {
            return "日主天干" + std::string(dayMaster) + "，生于" + std::string(season) + "，" +
                   std::string(row.advice);
        }
    }
    return {};
}

BirthChartResult ComputeBirthChart(const DateInputs& inputs, std::string_view familyNameText,
                                   BirthFields& fields, const Clock& clock) {
    BirthChartResult result;
    ResolveBirthFields(inputs, fields, clock.Now());

    // The date lists offer only real days; a date from elsewhere (a command
    // line, an old settings file) that does not exist is refused rather than
    // run on into the next month.
    if (fields.BirthDay > MonthLength(fields.BirthYear, fields.BirthMonth)) {
        result.error = std::to_string(fields.BirthYear) + "年" + std::to_string(fields.BirthMonth) +
                       "月没有" + std::to_string(fields.BirthDay) + "日，请重新选择出生日期。";
        return result;
    }
    BirthChart& chart = result.chart;
    // Item 0 of the hour list is 未知; no selection, or an index past the list that the
    // range check turned into 12, is no known hour either.
    chart.hourKnown = inputs.hourIndex >= 1 && inputs.hourIndex - 1 == fields.BirthHour;
    // Without a date there is nothing to chart: the panel stays empty and no 喜用神 is
    // given, though the fields are resolved for the online analysis as before.
    fields.DateKnown = inputs.calendarType != static_cast<int>(CalendarType::Unknown);
    fields.HourKnown = chart.hourKnown;
    if (!fields.DateKnown) {
        chart.dateKnown = false;
        chart.hourKnown = false;
        result.ok = true;
        return result;
    }
    // The pillars of a known hour without the minute are those of the hour's middle; the
    // note below tells when a term within the hour makes the minute matter.
    const bool minuteKnown = chart.hourKnown && fields.BirthMinute >= 0;
    const BirthClock beijing{fields.BirthYear, fields.BirthMonth, fields.BirthDay, fields.BirthHour,
                             minuteKnown ? fields.BirthMinute : (chart.hourKnown ? 30 : 0)};
    // With a birthplace the day and hour pillars follow its true solar time; the terms'
    // moments, and so the year and month pillars, stay in Beijing time.
    const bool solar = inputs.longitude.has_value() && chart.hourKnown;
    if (inputs.longitude &&
        (!std::isfinite(*inputs.longitude) || *inputs.longitude < kLowestLongitude ||
         *inputs.longitude > kHighestLongitude)) {
        result.error = "出生地经度须是 -180 至 180 之间的度数（如 113.26），或者不填。";
        return result;
    }
    const BirthClock dayAndHour = solar ? TrueSolarTime(beijing, *inputs.longitude) : beijing;
    auto lunar = SolarToLunar(fields.BirthYear, fields.BirthMonth, fields.BirthDay);
    auto pillars = FourPillarsAt(beijing, dayAndHour);
    if (!lunar || !pillars) {
        result.error = kDateEncodeError;
        return result;
    }
    chart.pillars = *pillars;
    // The pillars change day at 23 o'clock, the calendar at midnight; with a
    // birthplace it is the true solar hour that counts, not the clock's.
    if (chart.hourKnown && dayAndHour.Hour == 23) {
        chart.hourNote = std::string(solar ? "按真太阳时，" : "") +
                         "23 时起是子时：八字的日柱、时柱按次日排，公历、农历日期仍记当天。";
    }
    if (!minuteKnown) {
        const int firstHour = chart.hourKnown ? fields.BirthHour : 0;
        const int lastHour = chart.hourKnown ? fields.BirthHour : 23;
        const TermInSpan term =
            TermWithin({fields.BirthYear, fields.BirthMonth, fields.BirthDay, firstHour, 0},
                       {fields.BirthYear, fields.BirthMonth, fields.BirthDay, lastHour, 59});
        chart.termNote = TermNote(term, chart.hourKnown ? "分钟" : "时辰");
    }
    const std::string dateText = std::to_string(fields.BirthYear) + "-" +
                                 TwoDigits(fields.BirthMonth) + "-" + TwoDigits(fields.BirthDay);
    chart.timeUsed =
        "按北京时间 " + dateText +
        (!chart.hourKnown ? std::string("（时辰未知）")
         : minuteKnown    ? " " + TwoDigits(fields.BirthHour) + ":" + TwoDigits(fields.BirthMinute)
                          : " " + TwoDigits(fields.BirthHour) + " 时（未给分钟）") +
        " 排盘";
    if (solar) {
        char degrees[32];
        std::snprintf(degrees, sizeof degrees, "%.2f", *inputs.longitude);
        chart.solarTime = std::to_string(dayAndHour.Year) + "-" + TwoDigits(dayAndHour.Month) +
                          "-" + TwoDigits(dayAndHour.Day) + " " + TwoDigits(dayAndHour.Hour) + ":" +
                          TwoDigits(dayAndHour.Minute);
        chart.timeUsed = "日柱、时柱按出生地（东经 " + std::string(degrees) + "°）真太阳时 " +
                         chart.solarTime + " 排盘，年柱、月柱按北京时间" +
                         (minuteKnown ? std::string() : std::string("（未给分钟，按该时 30 分）"));
    }
    chart.favourable = AnalyseFavourable(chart.pillars, chart.hourKnown);
    auto set = [&chart](int label, std::string text) {
        chart.values[static_cast<std::size_t>(label - kChartValueLabelFirst)] = std::move(text);
    };
    const std::string unknownHour = "未知";
    set(83, std::to_string(fields.BirthYear) + "年");
    set(84, std::to_string(fields.BirthMonth) + "月");
    set(85, std::to_string(fields.BirthDay) + "日");
    set(86, chart.hourKnown ? std::to_string(fields.BirthHour) + "时" : unknownHour);
    // The lunar year changes at 正月初一, the year pillar at 立春: the lunar row names the
    // lunar year, so a date between the two shows different years in the two rows.
    set(87, GanZhiName(YearGanZhi(lunar->Year)));
    set(88, LunarMonthName(lunar->Month, lunar->IsLeap));
    set(89, LunarDayName(lunar->Day));
    const auto hour = SplitGanZhi(pillars->Hour);
    set(90, chart.hourKnown
                ? std::string(BranchNames[static_cast<std::size_t>(hour ? hour->Branch : 0)]) + "时"
                : unknownHour);
    const int cycles[4] = {pillars->Year, pillars->Month, pillars->Day, pillars->Hour};
    const int shownPillars = chart.hourKnown ? 4 : 3;
    for (int k = 0; k < shownPillars; ++k) {
        set(91 + k, GanZhiName(cycles[k]));
        set(95 + k, PillarElements(cycles[k]));
        set(99 + k, PillarElementsWithHidden(cycles[k]));
        set(103 + k, NaYinName(cycles[k]));
    }
    set(107, ZodiacName(ZodiacOfYearPillar(pillars->Year)));
    if (GanZhiName(YearGanZhi(lunar->Year)) != GanZhiName(pillars->Year)) {
        chart.yearNote = "农历年是" + GanZhiName(YearGanZhi(lunar->Year)) + "，按农历新年算属" +
                         ZodiacName(ZodiacOfYear(lunar->Year)) + "；八字的年柱以立春换年，是" +
                         GanZhiName(pillars->Year) + "，上面的属相按年柱算，属" +
                         ZodiacName(ZodiacOfYearPillar(pillars->Year)) + "。两种算法民间都有。";
    }
    set(108, StarSignName(StarSignOf(fields.BirthMonth, fields.BirthDay)) + "座");

    const auto month = SplitGanZhi(pillars->Month);
    chart.season = std::string(SeasonOfBranch(month ? month->Branch : -1));
    std::string dayMaster = CharacterAt(PillarElements(pillars->Day), 0);
    chart.advice = AdviceLine(dayMaster, chart.season);
    chart.familyOrigin = "[" + std::string(familyNameText) + "]姓的起源";
    chart.analysis = "性格分析";
    result.ok = true;
    return result;
}

}  // namespace lumivane
