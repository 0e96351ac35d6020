// The calendar pages of the built-in site: the birth chart, the 24 solar
// terms of a year and a month of the almanac. Every fact comes from the
// calendar and chart modules, as the main window's chart panel does.

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/calendar/lunar_conversion.h"
#include "core/calendar/pillars.h"
#include "core/calendar/solar_terms.h"
#include "core/calendar/vocabulary.h"
#include "core/calendar/western_calendar.h"
#include "core/chart/birth_chart.h"
#include "core/site/site_render.h"
#include "core/text/characters.h"

namespace lumivane::site {
namespace {

// The years of the date lists: a chart outside them is not a birth the
// program can take.
constexpr int kFirstChartYear = kFirstBirthYear;
constexpr int kLastChartYear = kLastBirthYear;
// The years whose terms and lunar months the calendar has been checked for.
constexpr int kFirstAlmanacYear = 1949;
constexpr int kLastAlmanacYear = 2050;

constexpr std::array<std::string_view, 7> kWeekdays = {"一", "二", "三", "四", "五", "六", "日"};

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string IsoDate(const WesternDate& date) {
    return std::to_string(date.Year) + "-" + TwoDigits(date.Month) + "-" + TwoDigits(date.Day);
}

// Monday 0 … Sunday 6: day number 1 (0001-01-01) was a Monday.
int WeekdayOf(int dayNumber) {
    return ((dayNumber - 1) % 7 + 7) % 7;
}

struct TermDate {
    std::string_view name;
    WesternDate date;
};

// The 24 terms that fall in the Western year, 小寒 first.
std::vector<TermDate> TermsOfYear(int year) {
    std::vector<TermDate> terms;
    const int first = DayNumber(year, 1, 1);
    for (int n = 1; n <= 24; ++n) {
        const int dayOfYear = static_cast<int>(SolarTermDay(year, n));
        if (auto date = DateOfDayNumber(first + dayOfYear - 1)) {
            terms.push_back({SolarTermNames[static_cast<std::size_t>(n)], *date});
        }
    }
    return terms;
}

std::string YearForm(std::string_view action, int year, std::string_view extra = {}) {
    return "<form method=\"get\" action=\"" + Escape(SiteLink(action)) +
           "\"><label>年份 <input name=\"year\" type=\"number\" min=\"" +
           std::to_string(kFirstAlmanacYear) + "\" max=\"" + std::to_string(kLastAlmanacYear) +
           "\" value=\"" + std::to_string(year) + "\"></label>" + std::string(extra) +
           "<button type=\"submit\">查看</button></form>\n";
}

std::string RangeNote() {
    return "可查 " + std::to_string(kFirstAlmanacYear) + " 至 " + std::to_string(kLastAlmanacYear) +
           " 年。";
}

std::string HourOptions(std::optional<int> hour) {
    std::string out =
        std::string("<option value=\"\"") + (hour ? "" : " selected") + ">未知</option>";
    for (int h = 0; h < 24; ++h) {
        out += "<option value=\"" + std::to_string(h) + "\"" + (hour == h ? " selected" : "") +
               ">" + TwoDigits(h) + ":00 - " + TwoDigits(h) + ":59</option>";
    }
    return out;
}

std::string ValueOr(std::optional<int> value) {
    return value ? std::to_string(*value) : std::string();
}

// The form posts to the page it is on: sm.asp keeps its sm number in a hidden field.
// The date is 公历 or 农历 (li=nong, with run=1 for a leap month); the minute (fen) is
// optional and matters only near a solar term.
struct ChartFormValues {
    std::optional<int> year, month, day, hour, minute;
    bool lunar = false;
    bool leap = false;
};

std::string ChartForm(int sm, const ChartFormValues& v) {
    const std::string action = sm == 0 ? "sm/paipan/pp_bazi.asp" : "sm/sm/sm.asp";
    const std::string hidden =
        sm == 0 ? std::string()
                : "<input type=\"hidden\" name=\"sm\" value=\"" + std::to_string(sm) + "\">";
    return "<form method=\"get\" action=\"" + Escape(SiteLink(action)) + "\">" + hidden +
           "<label><select name=\"li\"><option value=\"gong\"" + (v.lunar ? "" : " selected") +
           ">公历</option><option value=\"nong\"" + (v.lunar ? " selected" : "") +
           ">农历</option></select></label>" +
           "<label><input name=\"nian\" type=\"number\" min=\"" + std::to_string(kFirstChartYear) +
           "\" max=\"" + std::to_string(kLastChartYear) + "\" size=\"5\" value=\"" +
           ValueOr(v.year) +
           "\"> 年</label><label><input name=\"yue\" type=\"number\" min=\"1\" max=\"12\" "
           "size=\"3\" value=\"" +
           ValueOr(v.month) +
           "\"> 月</label><label><input name=\"run\" type=\"checkbox\" "
           "value=\"1\"" +
           (v.leap ? " checked" : "") +
           "> 闰月</label><label><input name=\"ri\" type=\"number\" min=\"1\" max=\"31\" "
           "size=\"3\" value=\"" +
           ValueOr(v.day) + "\"> 日</label><label>时辰 <select name=\"hh\">" + HourOptions(v.hour) +
           "</select></label><label><input name=\"fen\" type=\"number\" min=\"0\" "
           "max=\"59\" size=\"3\" value=\"" +
           ValueOr(v.minute) +
           "\"> 分（可不填）</label><button type=\"submit\">排盘</button></form>\n";
}

}  // namespace

std::optional<BirthChart> ChartOfBirth(int year, int month, int day, int hour, int minute) {
    if (year < kFirstChartYear || year > kLastChartYear || month < 1 || month > 12 || day < 1 ||
        day > MonthLength(year, month) || hour < -1 || hour > 23 || minute < -1 || minute > 59) {
        return std::nullopt;
    }
    DateInputs inputs;
    inputs.calendarType = static_cast<int>(CalendarType::Gregorian);
    inputs.yearText = std::to_string(year);
    inputs.monthText = TwoDigits(month);
    inputs.dayText = TwoDigits(day);
    inputs.dayIndex = day - 1;
    inputs.hourIndex = hour + 1;  // item 0 is 未知
    inputs.minuteIndex = minute + 1;
    BirthFields fields;
    const FixedClock clock({year, month, day, 12, 0, 0});
    BirthChartResult result = ComputeBirthChart(inputs, "", fields, clock);
    if (!result.ok) {
        return std::nullopt;
    }
    return result.chart;
}

std::string ChartTable(const BirthChart& chart) {
    const auto line = [&chart](std::string_view caption, int firstLabel) {
        return Row({Cell(std::string(caption), true), Cell(Escape(chart.Label(firstLabel))),
                    Cell(Escape(chart.Label(firstLabel + 1))),
                    Cell(Escape(chart.Label(firstLabel + 2))),
                    Cell(Escape(chart.Label(firstLabel + 3)))});
    };
    std::string html = "<table>" + Row({Cell("", true), Cell("年", true), Cell("月", true),
                                        Cell("日", true), Cell("时", true)});
    html += line("公历", 83) + line("农历", 87) + line("八字", 91) + line("五行", 95) +
            line("五行(藏干)", 99) + line("纳音", 103);
    html += "</table>\n<table>" + Row({Cell("属相", true), Cell(Escape(chart.Label(107))),
                                       Cell("星座", true), Cell(Escape(chart.Label(108)))});
    html += "</table>\n";
    if (!chart.yearNote.empty()) {
        html += Note(Escape(chart.yearNote));
    }

    // The count of each element over the eight characters of the pillars.
    std::string counts;
    for (int e = 0; e < 5; ++e) {
        const std::string name = ElementName(e);
        int count = 0;
        for (int label = 95; label <= 98; ++label) {
            for (const std::string& character : SplitCharacters(chart.Label(label))) {
                count += character == name ? 1 : 0;
            }
        }
        counts += Cell(name, true) + Cell(std::to_string(count));
    }
    html += "<p>八字五行个数：</p><table><tr>" + counts + "</tr></table>\n";
    if (!chart.advice.empty()) {
        html += "<p>建议：" + Escape(chart.advice) + "</p>\n";
        // The advice is the rule of thumb of the day master and the season; the
        // 喜用神 below weighs the whole chart, and the two can disagree.
        if (chart.dateKnown && chart.favourable.known) {
            html += Note(
                "“建议”是按日主和出生季节的通则，没有看整个八字；"
                "下面的“喜用神”按八字各柱的力量计算，两者不一致时以喜用神为准。");
        }
    }
    if (!chart.termNote.empty()) {
        html += MissingBox(chart.termNote);
    }
    if (!chart.timeUsed.empty()) {
        html += Note(chart.timeUsed + "。");
    }
    if (!chart.hourNote.empty()) {
        html += Note(Escape(chart.hourNote));
    }
    return html;
}

SitePage ChartPage(std::string_view title, const Query& query, int sm) {
    // The forms of the other pages send nian, yue, ri and hh, as the analysis address does.
    ChartFormValues v;
    v.year = query.Number("nian", -99999, 99999);
    v.month = query.Number("yue", -99, 99);
    v.day = query.Number("ri", -99, 99);
    v.hour = query.Number("hh", 0, 23);
    v.minute = query.Number("fen", 0, 59);
    v.lunar = query.Get("li").value_or("") == "nong";
    v.leap = v.lunar && query.Get("run").value_or("") == "1";
    std::string body;
    if (!v.year && !v.month && !v.day) {
        body =
            "<p>输入公历或农历出生日期和时辰，排出四柱八字。时辰不详可选“未知”；"
            "出生在节气交接的时辰里，再填上分钟。</p>\n" +
            ChartForm(sm, v);
        return BuiltInPage(std::string(title), body);
    }
    if (!v.year || !v.month || !v.day) {
        std::string missing;
        for (const auto& [value, name] :
             {std::pair{v.year, "年"}, std::pair{v.month, "月"}, std::pair{v.day, "日"}}) {
            if (!value) {
                missing += missing.empty() ? name : std::string("、") + name;
            }
        }
        body = MissingBox("排八字还需要出生的" + missing + "。") + ChartForm(sm, v);
        return BuiltInPage(std::string(title), body);
    }
    if (query.Get("fen") && !query.Get("fen")->empty() && !v.minute) {
        body = MissingBox("分钟须是 0 至 59 的数字。") + ChartForm(sm, v);
        return BuiltInPage(std::string(title), body);
    }
    int year = *v.year;
    int month = *v.month;
    int day = *v.day;
    if (v.lunar) {
        const std::optional<WesternDate> solar = year >= kFirstChartYear &&
                                                         year <= kLastChartYear && month >= 1 &&
                                                         month <= 12 && day >= 1 && day <= 30
                                                     ? LunarToSolar(year, month, day, v.leap)
                                                     : std::nullopt;
        if (!solar) {
            body = MissingBox("没有这个农历日期：" + std::to_string(year) + "年" +
                              (v.leap ? "闰" : "") + std::to_string(month) + "月" +
                              std::to_string(day) + "日。可排 " + std::to_string(kFirstChartYear) +
                              " 至 " + std::to_string(kLastChartYear) + " 年的日期。") +
                   ChartForm(sm, v);
            return BuiltInPage(std::string(title), body);
        }
        year = solar->Year;
        month = solar->Month;
        day = solar->Day;
    }
    std::optional<BirthChart> chart =
        ChartOfBirth(year, month, day, v.hour.value_or(-1), v.hour ? v.minute.value_or(-1) : -1);
    if (!chart) {
        body =
            MissingBox("没有这个日期：" + std::to_string(year) + "年" + std::to_string(month) +
                       "月" + std::to_string(day) + "日。可排 " + std::to_string(kFirstChartYear) +
                       " 至 " + std::to_string(kLastChartYear) + " 年的公历日期。") +
            ChartForm(sm, v);
        return BuiltInPage(std::string(title), body);
    }
    body = ChartForm(sm, v) + ChartTable(*chart) + FavourableSection(*chart, std::nullopt);
    return BuiltInPage(std::string(title), body);
}

SitePage SolarTermsPage(const Query& query, const Clock& clock) {
    const std::optional<int> asked = query.Number("year", kFirstAlmanacYear, kLastAlmanacYear);
    if (query.Get("year") && !asked) {
        return BuiltInPage("二十四节气", MissingBox("年份不在范围内。" + RangeNote()) +
                                             YearForm("sm/24jq.asp", clock.Now().year));
    }
    const int year = asked.value_or(clock.Now().year);
    if (year < kFirstAlmanacYear || year > kLastAlmanacYear) {
        return BuiltInPage("二十四节气", MissingBox("请选择年份。" + RangeNote()) +
                                             YearForm("sm/24jq.asp", kLastAlmanacYear));
    }
    std::string body = YearForm("sm/24jq.asp", year) + "<table>" +
                       Row({Cell("节气", true), Cell("日期", true), Cell("星期", true)});
    for (const TermDate& term : TermsOfYear(year)) {
        body +=
            Row({Cell(std::string(term.name)), Cell(IsoDate(term.date)),
                 Cell("星期" + std::string(kWeekdays[static_cast<std::size_t>(WeekdayOf(
                                   DayNumber(term.date.Year, term.date.Month, term.date.Day)))]))});
    }
    body += "</table>\n" + Note("日期按北京时间，由澜庭的天文历法算出，已与公布的农历核对。");
    return BuiltInPage(std::to_string(year) + "年二十四节气", body);
}

SitePage MonthCalendarPage(const Query& query, const Clock& clock) {
    const LocalDateTime today = clock.Now();
    const std::optional<int> askedYear = query.Number("year", kFirstAlmanacYear, kLastAlmanacYear);
    const std::optional<int> askedMonth = query.Number("month", 1, 12);
    int year = askedYear.value_or(today.year);
    int month = askedMonth.value_or(askedYear ? 1 : today.month);
    std::string body;
    const bool todayOutside = year < kFirstAlmanacYear || year > kLastAlmanacYear;
    if (!query.Get("year") && !query.Get("month") && todayOutside) {
        // Nothing was asked for, only today lies outside: no error and no
        // month nobody chose, but the range and the form to choose one.
        year = std::clamp(year, kFirstAlmanacYear, kLastAlmanacYear);
        body += Note("今天所在的 " + std::to_string(today.year) + " 年不在万年历的范围内。" +
                     RangeNote() + "请选择年份和月份。");
        std::string months;
        for (int m = 1; m <= 12; ++m) {
            months +=
                "<option value=\"" + std::to_string(m) + "\">" + std::to_string(m) + "月</option>";
        }
        body += YearForm("sm/yuce/wnl.asp", year,
                         "<label>月份 <select name=\"month\">" + months + "</select></label>");
        return BuiltInPage("万年历", body);
    }
    if ((query.Get("year") && !askedYear) || (query.Get("month") && !askedMonth) || todayOutside) {
        body += MissingBox("年份或月份不在范围内。" + RangeNote() + "月份为 1 至 12。");
        year = std::clamp(year, kFirstAlmanacYear, kLastAlmanacYear);
        month = askedMonth.value_or(1);
    }
    const auto monthLink = [](int y, int m, std::string_view caption) {
        if (y < kFirstAlmanacYear || y > kLastAlmanacYear) {
            return std::string();
        }
        return "<a href=\"" +
               Escape(SiteLink("sm/yuce/wnl.asp?year=" + std::to_string(y) +
                               "&month=" + std::to_string(m))) +
               "\">" + std::string(caption) + "</a> ";
    };
    std::string monthOptions;
    for (int m = 1; m <= 12; ++m) {
        monthOptions += "<option value=\"" + std::to_string(m) + "\"" +
                        (m == month ? " selected" : "") + ">" + std::to_string(m) + "月</option>";
    }
    body += YearForm("sm/yuce/wnl.asp", year,
                     "<label>月份 <select name=\"month\">" + monthOptions + "</select></label>");
    body += "<p>" + monthLink(month == 1 ? year - 1 : year, month == 1 ? 12 : month - 1, "‹ 上月") +
            monthLink(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, "下月 ›") +
            "</p>\n";

    std::vector<TermDate> terms = TermsOfYear(year);
    body += "<table class=\"month\"><tr>";
    for (std::string_view weekday : kWeekdays) {
        body += Cell(std::string(weekday), true);
    }
    body += "</tr>\n<tr>";
    const int first = DayNumber(year, month, 1);
    const int lead = WeekdayOf(first);
    for (int i = 0; i < lead; ++i) {
        body += "<td class=\"other\"></td>";
    }
    const int length = MonthLength(year, month);
    for (int day = 1; day <= length; ++day) {
        std::string cell = "<span class=\"day\">" + std::to_string(day) + "</span><br>";
        if (auto lunar = SolarToLunar(year, month, day)) {
            cell += lunar->Day == 1 ? LunarMonthName(lunar->Month, lunar->IsLeap)
                                    : LunarDayName(lunar->Day);
        }
        for (const TermDate& term : terms) {
            if (term.date == WesternDate{year, month, day}) {
                cell += " <span class=\"term\">" + std::string(term.name) + "</span>";
            }
        }
        cell += "<br>" + GanZhiName(DayGanZhi(year, month, day)) + "日";
        body += Cell(cell);
        if (WeekdayOf(first + day - 1) == 6 && day < length) {
            body += "</tr>\n<tr>";
        }
    }
    body += "</tr></table>\n" +
            Note("每格依次为公历日、农历日（初一写月名）、当天交节的节气和日柱干支。");
    return BuiltInPage(std::to_string(year) + "年" + std::to_string(month) + "月", body);
}

}  // namespace lumivane::site
