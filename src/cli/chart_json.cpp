#include "cli/chart_json.h"

#include "core/calendar/vocabulary.h"

namespace lumivane::cli {
namespace {

Json FourLabels(const BirthChart& chart, int first) {
    Json list = Json::MakeArray();
    for (int k = 0; k < 4; ++k) {
        list.Push(chart.Label(first + k));
    }
    return list;
}

Json ElementArray(const std::vector<int>& elements) {
    Json list = Json::MakeArray();
    for (int e : elements) {
        list.Push(ElementName(e));
    }
    return list;
}

}  // namespace

Json FavourableJson(const FavourableElements& f) {
    Json reasoning = Json::MakeArray();
    for (const std::string& step : f.reasoning) {
        reasoning.Push(step);
    }
    Json json = Json::MakeObject();
    json.Set("dayMaster", ElementName(f.dayMaster))
        .Set("strength", std::string(StrengthName(f.strength)))
        .Set("margin", f.margin)
        .Set("supportShare", f.supportShare)
        .Set("threePillars", f.threePillars)
        .Set("useful", ElementArray({f.useful}))
        .Set("favourable", ElementArray(f.favourable))
        .Set("unfavourable", ElementArray(f.unfavourable))
        .Set("reasoning", std::move(reasoning));
    return json;
}

Json ChartJson(const BirthChart& chart, const BirthFields& fields) {
    Json birth = Json::MakeObject();
    birth.Set("year", fields.BirthYear)
        .Set("month", fields.BirthMonth)
        .Set("day", fields.BirthDay)
        .Set("hour", fields.BirthHour)  // 12 for the hour 未知, as the online analysis sends it
        .Set("hourKnown", chart.hourKnown)
        .Set("dateKnown", chart.dateKnown);
    if (fields.BirthMinute >= 0 && chart.hourKnown) {
        birth.Set("minute", fields.BirthMinute);
    }
    Json lunar = Json::MakeObject();
    lunar.Set("year", chart.Label(87))
        .Set("month", chart.Label(88))
        .Set("day", chart.Label(89))
        .Set("hour", chart.Label(90));
    Json labels = Json::MakeObject();
    for (int k = 0; k < kChartValueLabelCount; ++k) {
        int number = kChartValueLabelFirst + k;
        labels.Set("Label" + std::to_string(number), chart.Label(number));
    }
    labels.Set("Label13", chart.advice)
        .Set("Label36", chart.familyOrigin)
        .Set("Label37", chart.analysis);

    Json json = Json::MakeObject();
    json.Set("birth", std::move(birth))
        .Set("lunar", std::move(lunar))
        .Set("pillars", FourLabels(chart, 91))
        .Set("elements", FourLabels(chart, 95))
        .Set("elementsWithHidden", FourLabels(chart, 99))
        .Set("naYin", FourLabels(chart, 103))
        .Set("zodiac", chart.Label(107))
        .Set("starSign", chart.Label(108))
        .Set("season", chart.season)
        .Set("advice", chart.advice)
        .Set("labels", std::move(labels));
    if (chart.dateKnown) {
        json.Set("timeUsed", chart.timeUsed);
        if (!chart.solarTime.empty()) {
            json.Set("solarTime", chart.solarTime);
        }
        if (!chart.termNote.empty()) {
            json.Set("dependsOnTime", chart.termNote);
        }
    }
    if (chart.favourable.known) {
        json.Set("favourable", FavourableJson(chart.favourable));
    }
    return json;
}

}  // namespace lumivane::cli
