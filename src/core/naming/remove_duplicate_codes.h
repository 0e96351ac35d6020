#pragma once

#include "core/naming/naming_state.h"

namespace lumivane {

// Keeps each code once, in the order of its first occurrence.
void RemoveDuplicateCodes(CandidateList& candidates);

}  // namespace lumivane
