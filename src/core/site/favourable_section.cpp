// The 喜用神 section of the chart and name-analysis pages: what the chart asks of a name
// (docs/favourable-elements.md has the method) and whether a given name supplies it.

#include <cstdio>

#include "core/app/favourable_condition.h"
#include "core/calendar/vocabulary.h"
#include "core/site/site_render.h"

namespace lumivane::site {
namespace {

std::string OneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

}  // namespace

std::string FavourableSection(const BirthChart& chart, std::optional<GivenNameCode> givenName) {
    const FavourableElements& f = chart.favourable;
    std::string html = "<h2>喜用神</h2>";
    if (!chart.dateKnown || !f.known) {
        return html + "<p>没有出生日期，不定喜用神。</p>\n";
    }
    html += "<p>日主" + ElementName(f.dayMaster) + "，" + std::string(StrengthName(f.strength)) +
            "（生扶一方占 " + OneDecimal(f.supportShare) + "%，与一半相差 " + OneDecimal(f.margin) +
            " 个百分点）" + (f.threePillars ? "，按年、月、日三柱" : "") + "。用神<b>" +
            ElementName(f.useful) + "</b>，喜用<b>" + Escape(ElementList(f.favourable)) +
            "</b>，忌<b>" + Escape(ElementList(f.unfavourable)) + "</b>。</p>\n<ol>";
    for (const std::string& step : f.reasoning) {
        html += "<li>" + Escape(step) + "</li>";
    }
    html += "</ol>\n";
    if (givenName) {
        const std::optional<ElementCondition> condition = FavourableCondition(chart);
        const ElementMask mask = GivenNameMeaningElements(*givenName);
        const std::string elements = ElementsText(mask);
        if (condition && MeetsElementCondition(*givenName, *condition)) {
            // Only the favourable elements the name holds: 长乐 (火) does not
            // bring 土 because the chart wants 土 and 火.
            html += "<p>名字的字义五行为" + elements + "，含喜用神中的" +
                    ElementsText(static_cast<ElementMask>(mask & condition->wanted)) +
                    "（喜用神为" + Escape(ElementList(f.favourable)) + "），不带忌神。</p>\n";
        } else if (condition && (mask & condition->unwanted) != 0) {
            const auto wanted = static_cast<ElementMask>(mask & condition->wanted);
            const std::string unwanted =
                ElementsText(static_cast<ElementMask>(mask & condition->unwanted));
            // A name can hold both (诗涵: 金 wanted, 水 not).
            html += "<p>名字的字义五行为" + elements +
                    (wanted != 0 ? "，含喜用神中的" + ElementsText(wanted) + "，也带有忌神" +
                                       unwanted + "。</p>\n"
                                 : "，带有忌神" + unwanted + "，不补喜用神。</p>\n");
        } else {
            html += "<p>名字的字义五行为" + elements + "，不含喜用神" +
                    Escape(ElementList(f.favourable)) + "。</p>\n";
        }
    }
    html += Note(
        "喜用神按扶抑法加权计算：月令 3 分，地支本气 1 分、其余藏干各 0.3 分，天干各 1 "
        "分；生扶占 45% 至 55% 为中和。这是简化的算法，仅供参考。");
    return html;
}

}  // namespace lumivane::site
