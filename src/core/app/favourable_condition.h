#pragma once
// The chart's favourable elements as the plain element condition naming takes.

#include <optional>

#include "core/chart/birth_chart.h"
#include "core/naming/element_condition.h"

namespace lumivane {

[[nodiscard]] inline std::optional<ElementCondition> FavourableCondition(const BirthChart& chart) {
    if (!chart.dateKnown || !chart.favourable.known) {
        return std::nullopt;
    }
    return ElementCondition{static_cast<ElementMask>(ElementMaskOf(chart.favourable.favourable)),
                            static_cast<ElementMask>(ElementMaskOf(chart.favourable.unfavourable))};
}

}  // namespace lumivane
