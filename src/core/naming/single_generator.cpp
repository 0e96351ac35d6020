#include "core/naming/single_generator.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace lumivane {
namespace {

void AppendFrequent(std::vector<std::uint32_t>& list, std::span<const PositionEntry> table,
                    const FilterTests* filters, const AvoidCharacters& avoid) {
    for (std::uint32_t r = 0; r < DictionarySize && r < table.size(); ++r) {
        const PositionEntry& entry = table[r];
        if (avoid.Holds(entry.CharIndex) ||
            (filters != nullptr && !filters->PassesFilter(entry.CharIndex, 1))) {
            continue;
        }
        if (entry.Count > kSingleCharacterMinimumCount) {
            list.push_back(entry.CharIndex);
        }
    }
}

// Count of every character in one position table, by character index.
void AddCounts(std::vector<double>& counts, std::span<const PositionEntry> table) {
    for (std::size_t r = 0; r < table.size() && r < DictionarySize; ++r) {
        counts[std::min<std::uint32_t>(table[r].CharIndex, DictionarySize)] += table[r].Count;
    }
}

}  // namespace

void AddSingleCharacters(NamingState& state, const FilterTests* filters) {
    std::vector<std::uint32_t> list;
    list.reserve(2 * static_cast<std::size_t>(DictionarySize));
    AppendFrequent(list, state.workingSet.FirstPosition, filters, state.avoid);
    // A one-character given name stands in the first place, so the second
    // table is filtered by the first-character conditions too.
    AppendFrequent(list, state.workingSet.SecondPosition, filters, state.avoid);
    if (filters != nullptr && filters->Filters().chk1_1) {
        list.assign(1, FindCharacter(filters->Filters().edt1_1));
        if (state.avoid.Holds(list.front())) {
            list.clear();
        }
    }
    for (std::uint32_t index : list) {
        state.candidates.codes.push_back(MakeGivenNameCode(index, kNoSecondCharacter));
    }
}

void OrderSingleCharactersByUse(NamingState& state) {
    std::vector<double> counts(DictionarySize + 1, 0.0);
    AddCounts(counts, state.workingSet.FirstPosition);
    AddCounts(counts, state.workingSet.SecondPosition);
    // Weighted order without replacement (Efraimidis and Spirakis): each code
    // gets the key log(u) / weight for a uniform u in (0, 1], and the codes
    // are taken by descending key.
    constexpr std::uint64_t kSteps = std::uint64_t{1} << 53;
    std::vector<std::pair<double, GivenNameCode>> keyed;
    keyed.reserve(state.candidates.codes.size());
    for (GivenNameCode code : state.candidates.codes) {
        const double u = static_cast<double>(state.random.Draw64(kSteps) + 1) / kSteps;
        const double weight = std::max(counts[std::min(FirstIndexOf(code), DictionarySize)], 1.0);
        keyed.emplace_back(std::log(u) / weight, code);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; k < keyed.size(); ++k) {
        state.candidates.codes[k] = keyed[k].second;
    }
}

}  // namespace lumivane
