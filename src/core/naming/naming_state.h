#pragma once
// The records a naming session works on: the family name of the request, the
// candidate list, the working set, the pair pool and the random source. The
// main window owns one; tests construct their own.

#include <cstdint>
#include <string>
#include <vector>

#include "core/data/name_corpora.h"
#include "core/naming/avoid_characters.h"
#include "core/naming/family_name.h"
#include "core/naming/random_source.h"

namespace lumivane {

// Two-character paths never hold more than this many codes; the favourites
// view shows at most this many names.
inline constexpr std::size_t kCandidateLimit = 2000;
inline constexpr std::size_t kPairPoolCapacity = 250000;

struct CandidateList {
    std::vector<GivenNameCode> codes;        // in generation order
    std::vector<std::uint32_t> familyCodes;  // parallel to codes in the favourites view only
    [[nodiscard]] std::size_t count() const { return codes.size(); }
    void Clear() {
        codes.clear();
        familyCodes.clear();
    }
};

struct NamingState {
    explicit NamingState(RandomSource source) : random(source) {
        candidates.codes.reserve(2 * static_cast<std::size_t>(DictionarySize));
        pairPool.reserve(kPairPoolCapacity);
    }
    NamingState() : NamingState(RandomSource::FromEntropy()) {}

    FamilyName familyName;
    std::string familyText;  // the trimmed family-name input, all its characters
    CandidateList candidates;
    WorkingSet workingSet = SelectWorkingSet(Sex::Male);
    std::vector<GivenNameCode> pairPool;
    bool showingFavorites = false;
    // The candidates come from verse: their rows carry their lines.
    bool verseList = false;
    // No generator proposes a name holding one of these.
    AvoidCharacters avoid;
    RandomSource random;
};

}  // namespace lumivane
