#include "core/naming/element_condition.h"

#include <algorithm>

namespace lumivane {

ElementMask GivenNameMeaningElements(GivenNameCode code) {
    const std::uint32_t first = code >> 16;
    const std::uint32_t second = code & 0xFFFF;
    ElementMask mask = MeaningElementsOf(first);
    if (second != 0xFFFF) {
        mask = static_cast<ElementMask>(mask | MeaningElementsOf(second));
    }
    return mask;
}

bool MeetsElementCondition(GivenNameCode code, const ElementCondition& condition) {
    const ElementMask mask = GivenNameMeaningElements(code);
    return (mask & condition.wanted) != 0 && (mask & condition.unwanted) == 0;
}

void KeepCodesMeeting(std::vector<GivenNameCode>& codes, const ElementCondition& condition) {
    std::erase_if(codes, [&condition](GivenNameCode code) {
        return !MeetsElementCondition(code, condition);
    });
}

}  // namespace lumivane
