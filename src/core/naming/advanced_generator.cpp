#include "core/naming/advanced_generator.h"

#include <algorithm>

#include "core/naming/shuffle_codes.h"
#include "core/naming/simple_generator.h"

namespace lumivane {

bool MatchesFixedCharacters(const FilterSet& filters, std::uint32_t first, std::uint32_t second) {
    bool result = true;
    if (filters.chk1_1) {
        result = CharacterText(first) == filters.edt1_1;
    }
    if (filters.chk1_2) {
        result = result && CharacterText(second) == filters.edt1_2;
    }
    return result;
}

void AddFilteredCorpusNames(NamingState& state, const FilterTests& filters, int bound) {
    std::vector<GivenNameCode> kept;
    for (GivenNameCode code : state.workingSet.Corpus) {
        std::uint32_t first = FirstIndexOf(code);
        std::uint32_t second = SecondIndexOf(code);
        if (!state.avoid.HoldsAny(code) && filters.PassesFilter(first, 1) &&
            filters.PassesFilter(second, 2) && filters.PassesFilter(code, 3) &&
            MatchesFixedCharacters(filters.Filters(), first, second)) {
            kept.push_back(code);
        }
    }
    auto count = static_cast<long>(kept.size());
    ShuffleCodes(state.random, kept, count - 1, count);
    auto take = std::min(static_cast<std::size_t>(std::max(bound + 1, 0)), kept.size());
    state.candidates.codes.insert(state.candidates.codes.end(), kept.begin(),
                                  kept.begin() + static_cast<long>(take));
}

void AddTieredPairs(NamingState& state, const FilterTests& filters) {
    const FilterSet& f = filters.Filters();
    const WorkingSet& ws = state.workingSet;
    std::vector<std::uint32_t> l1, l2;
    l1.reserve(DictionarySize);
    l2.reserve(DictionarySize);
    long x[5] = {0, 0, 0, 0, 0};
    long y[5] = {0, 0, 0, 0, 0};
    for (std::uint32_t i = 0; i < DictionarySize; ++i) {
        if (!f.chk1_1 && i < ws.FirstPosition.size() &&
            !state.avoid.Holds(ws.FirstPosition[i].CharIndex) &&
            filters.PassesFilter(ws.FirstPosition[i].CharIndex, 1)) {
            l1.push_back(ws.FirstPosition[i].CharIndex);
        }
        if (!f.chk1_2 && i < ws.SecondPosition.size() &&
            !state.avoid.Holds(ws.SecondPosition[i].CharIndex) &&
            filters.PassesFilter(ws.SecondPosition[i].CharIndex, 2)) {
            l2.push_back(ws.SecondPosition[i].CharIndex);
        }
        for (int k = 0; k < 4; ++k) {
            if (i == ws.Bounds[static_cast<std::size_t>(k)]) {
                x[k + 1] = static_cast<long>(l1.size()) - 1;
                y[k + 1] = static_cast<long>(l2.size()) - 1;
            }
        }
    }
    if (f.chk1_1) {
        l1.assign(1, FindCharacter(f.edt1_1));
    }
    if (f.chk1_2) {
        l2.assign(1, FindCharacter(f.edt1_2));
    }
    const long last1 = static_cast<long>(l1.size()) - 1;
    const long last2 = static_cast<long>(l2.size()) - 1;
    for (int k = 0; k < 4; ++k) {
        // A bound reached while at most one character was accepted moves to the
        // end of the list, so sparse filters still use every accepted character.
        if (x[k + 1] == 0 || x[k + 1] == -1) {
            x[k + 1] = last1;
        }
        if (y[k + 1] == 0 || y[k + 1] == -1) {
            y[k + 1] = last2;
        }
        AddTierPairs(state, filters, l1, l2, x[k], y[k], x[k + 1], y[k + 1],
                     TierQuotas[static_cast<std::size_t>(k)]);
    }
}

void AddTierPairs(NamingState& state, const FilterTests& filters,
                  const std::vector<std::uint32_t>& l1, const std::vector<std::uint32_t>& l2,
                  long lo1, long lo2, long hi1, long hi2, std::uint32_t quota) {
    auto& pool = state.pairPool;
    pool.clear();
    // Pairs the program makes up keep to the sex on balance; a character the
    // user fixed is their choice, whatever its partners.
    const FilterSet& f = filters.Filters();
    const bool keepBalance = !f.chk1_1 && !f.chk1_2;
    auto pass = [&](long aLow, long aHigh, long bLow, long bHigh) {
        aLow = std::max(aLow, 0L);
        bLow = std::max(bLow, 0L);
        aHigh = std::min(aHigh, static_cast<long>(l1.size()) - 1);
        bHigh = std::min(bHigh, static_cast<long>(l2.size()) - 1);
        for (long a = aLow; a <= aHigh; ++a) {
            for (long b = bLow; b <= bHigh; ++b) {
                GivenNameCode pair = MakeGivenNameCode(l1[static_cast<std::size_t>(a)],
                                                       l2[static_cast<std::size_t>(b)]);
                // A fixed character may itself be one to avoid.
                if (pool.size() < kPairPoolCapacity && !state.avoid.HoldsAny(pair) &&
                    filters.PassesFilter(pair, 3) &&
                    !(keepBalance && PairLeansToOtherSex(FirstIndexOf(pair), SecondIndexOf(pair),
                                                         state.workingSet.sex))) {
                    pool.push_back(pair);
                }
            }
        }
    };
    pass(lo1, hi1, lo2, hi2);
    pass(0, lo1 - 1, lo2, hi2);
    pass(lo1, hi1, 0, lo2 - 1);
    auto poolCount = static_cast<long>(pool.size());
    ShuffleCodes(state.random, pool, static_cast<long>(kPairPoolCapacity) - 1, poolCount);
    std::uint32_t m = std::min<std::uint32_t>(quota, static_cast<std::uint32_t>(pool.size()));
    const bool withReplacement = 3 * static_cast<std::uint64_t>(quota) < pool.size();
    for (std::uint32_t j = 0; j < m; ++j) {
        std::uint32_t position =
            withReplacement ? state.random.Draw(static_cast<std::uint32_t>(pool.size())) : j;
        state.candidates.codes.push_back(pool[position]);
    }
}

}  // namespace lumivane
