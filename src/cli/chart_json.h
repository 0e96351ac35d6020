#pragma once

#include "cli/json.h"
#include "core/chart/birth_chart.h"

namespace lumivane::cli {

// The chart with readable keys, and every panel label by its control name.
[[nodiscard]] Json ChartJson(const BirthChart& chart, const BirthFields& fields);
// 喜用神: "dayMaster", "strength", "margin", "useful", "favourable", "unfavourable", "reasoning".
[[nodiscard]] Json FavourableJson(const FavourableElements& favourable);

}  // namespace lumivane::cli
