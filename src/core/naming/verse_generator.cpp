#include "core/naming/verse_generator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/naming/advanced_generator.h"

namespace lumivane {
namespace {

// 全唐诗 and 全宋词: collections no parent knows as a whole.
bool FromLargeCollection(const VerseStanza& stanza) {
    return stanza.collection == "全唐诗" || stanza.collection == "全宋词";
}

std::vector<double> LogCounts(std::span<const PositionEntry> table) {
    std::vector<double> counts(DictionarySize + 1, 0.0);
    for (const PositionEntry& entry : table) {
        if (entry.CharIndex < DictionarySize) {
            counts[entry.CharIndex] = std::log(std::max<double>(entry.Count, 1.0));
        }
    }
    return counts;
}

// A uniform number in (0, 1).
double Uniform(RandomSource& random) {
    constexpr std::uint64_t kSteps = std::uint64_t{1} << 53;
    return (static_cast<double>(random.Draw64(kSteps)) + 0.5) / static_cast<double>(kSteps);
}

}  // namespace

bool StanzaInGroup(const VerseStanza& stanza, VerseGroup group) {
    return group == VerseGroup::All || stanza.group == group;
}

void AddVerseNames(NamingState& state, VerseGroup group, const FilterTests* filters) {
    const WorkingSet& ws = state.workingSet;
    const std::vector<double> first = LogCounts(ws.FirstPosition);
    const std::vector<double> second = LogCounts(ws.SecondPosition);
    struct Keyed {
        bool large;
        double key;
        GivenNameCode code;
    };
    std::vector<Keyed> kept;
    for (const VerseName& name : VerseNames(ws.sex)) {
        const VerseStanza stanza = VerseStanzaAt(name.stanza);
        if (!StanzaInGroup(stanza, group)) {
            continue;
        }
        const std::uint32_t a = FirstIndexOf(name.code);
        const std::uint32_t b = SecondIndexOf(name.code);
        if (filters != nullptr && !(filters->PassesFilter(a, 1) && filters->PassesFilter(b, 2) &&
                                    filters->PassesFilter(name.code, 3) &&
                                    MatchesFixedCharacters(filters->Filters(), a, b))) {
            continue;
        }
        // Weighted random order (Efraimidis and Spirakis) in logarithms: the
        // smallest log(E) - log(weight), E exponential, comes first, and the
        // chance to come first is in proportion to the weight.
        const double logWeight = ws.PairExponent * (first[std::min(a, DictionarySize)] +
                                                    second[std::min(b, DictionarySize)]);
        const double key = std::log(-std::log(Uniform(state.random))) - logWeight;
        kept.push_back({FromLargeCollection(stanza), key, name.code});
    }
    std::stable_sort(kept.begin(), kept.end(), [](const Keyed& x, const Keyed& y) {
        return x.large != y.large ? !x.large : x.key < y.key;
    });
    for (const Keyed& k : kept) {
        if (state.candidates.count() >= kCandidateLimit) {
            return;
        }
        state.candidates.codes.push_back(k.code);
    }
}

}  // namespace lumivane
