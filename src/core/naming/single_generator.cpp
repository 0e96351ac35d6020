#include "core/naming/single_generator.h"

namespace lumivane {
namespace {

void AppendFrequent(std::vector<std::uint32_t>& list, std::span<const PositionEntry> table,
                    const FilterTests* filters) {
    for (std::uint32_t r = 0; r < DictionarySize && r < table.size(); ++r) {
        const PositionEntry& entry = table[r];
        if (filters != nullptr && !filters->PassesFilter(entry.CharIndex, 1)) {
            continue;
        }
        if (entry.Count > kSingleCharacterMinimumCount) {
            list.push_back(entry.CharIndex);
        }
    }
}

}  // namespace

void AddSingleCharacters(NamingState& state, const FilterTests* filters) {
    std::vector<std::uint32_t> list;
    list.reserve(2 * static_cast<std::size_t>(DictionarySize));
    AppendFrequent(list, state.workingSet.FirstPosition, filters);
    // A one-character given name stands in the first place, so the second
    // table is filtered by the first-character conditions too.
    AppendFrequent(list, state.workingSet.SecondPosition, filters);
    if (filters != nullptr && filters->Filters().chk1_1) {
        list.assign(1, FindCharacter(filters->Filters().edt1_1));
    }
    for (std::uint32_t index : list) {
        state.candidates.codes.push_back(MakeGivenNameCode(index, kNoSecondCharacter));
    }
}

}  // namespace lumivane
