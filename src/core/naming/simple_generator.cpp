#include "core/naming/simple_generator.h"

namespace lumivane {
namespace {

// Draws are taken from the first 80000 pool positions: the tail of the third
// pass (ranks 201-300 as first character) is left out on purpose, so weaker
// first characters are a little rarer.
constexpr std::uint32_t kPairDrawRange = 80000;

void AppendPairs(NamingState& state, int firstLow, int firstHigh, int secondLow, int secondHigh) {
    const WorkingSet& ws = state.workingSet;
    for (int a = firstLow; a <= firstHigh; ++a) {
        for (int b = secondLow; b <= secondHigh; ++b) {
            state.pairPool.push_back(
                MakeGivenNameCode(ws.FirstPosition[static_cast<std::size_t>(a)].CharIndex,
                                  ws.SecondPosition[static_cast<std::size_t>(b)].CharIndex));
        }
    }
}

}  // namespace

void AddCorpusNames(NamingState& state, int n) {
    const auto& corpus = state.workingSet.Corpus;
    if (corpus.empty()) {
        return;
    }
    // The last corpus name is never drawn, as the draw bound is size - 1.
    auto range = static_cast<std::uint32_t>(corpus.size() - 1);
    for (int k = 0; k < n; ++k) {
        if (state.candidates.count() >= kCandidateLimit) {
            return;
        }
        state.candidates.codes.push_back(corpus[state.random.Draw(range)]);
    }
}

void AddFrequentPairs(NamingState& state, int n) {
    state.pairPool.clear();
    AppendPairs(state, 0, 200, 0, 200);
    AppendPairs(state, 0, 200, 201, 300);
    AppendPairs(state, 201, 300, 0, 200);
    for (int k = 0; k < n; ++k) {
        state.candidates.codes.push_back(state.pairPool[state.random.Draw(kPairDrawRange)]);
    }
}

}  // namespace lumivane
