#include "core/naming/remove_duplicate_codes.h"

#include <unordered_set>

namespace lumivane {

void RemoveDuplicateCodes(CandidateList& candidates) {
    std::unordered_set<GivenNameCode> seen;
    seen.reserve(candidates.codes.size() * 2);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < candidates.codes.size(); ++i) {
        if (seen.insert(candidates.codes[i]).second) {
            candidates.codes[kept++] = candidates.codes[i];
        }
    }
    candidates.codes.resize(kept);
}

}  // namespace lumivane
