#pragma once
// A plain element condition on given names, as the birth chart's favourable elements
// (喜用神) hand it to naming: the meaning elements (字义五行) of the given-name characters
// must include a wanted element and no unwanted one. Naming knows nothing of the chart.

#include <vector>

#include "core/data/character_dictionary.h"
#include "core/data/name_corpora.h"

namespace lumivane {

struct ElementCondition {
    ElementMask wanted = 0;    // at least one of these
    ElementMask unwanted = 0;  // none of these
};

// The union of the meaning elements of the code's given-name characters.
[[nodiscard]] ElementMask GivenNameMeaningElements(GivenNameCode code);

[[nodiscard]] bool MeetsElementCondition(GivenNameCode code, const ElementCondition& condition);

// Keeps the codes that meet the condition, in their order.
void KeepCodesMeeting(std::vector<GivenNameCode>& codes, const ElementCondition& condition);

}  // namespace lumivane
