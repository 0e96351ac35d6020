#include "core/naming/verse_generator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <vector>

#include "core/data/name_corpora.h"
#include "core/naming/advanced_generator.h"
#include "core/naming/name_sound.h"
#include "core/naming/simple_generator.h"

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

constexpr std::size_t kNeverDrawn = std::numeric_limits<std::size_t>::max();

// A uniform number in (0, 1).
double Uniform(RandomSource& random) {
    constexpr std::uint64_t kSteps = std::uint64_t{1} << 53;
    return (static_cast<double>(random.Draw64(kSteps)) + 0.5) / static_cast<double>(kSteps);
}

// Verse holds some characters far more often than names do (金 紫 月 丹 as
// colours and things) and others seldom (怡 婷 欣): weighted by the pair alone,
// a list of verse names held 金 in the second place five times as often as
// the simple list. The weights are scaled, in two rounds of iterative
// proportional fitting, so that each character's share of the draws in each
// place follows its position count raised to the exponent, as the simple list
// draws its characters.
template <typename Entry>
void BalanceToNameCounts(const std::vector<Entry>& entries, std::vector<double>& weights,
                         const std::vector<double>& logFirst, const std::vector<double>& logSecond,
                         double exponent) {
    std::vector<double> sums(DictionarySize + 1);
    for (int round = 0; round < 4; ++round) {
        const bool byFirst = round % 2 == 0;
        const std::vector<double>& logCounts = byFirst ? logFirst : logSecond;
        auto slot = [&](const Entry& e) {
            return std::min(byFirst ? FirstIndexOf(e.code) : SecondIndexOf(e.code), DictionarySize);
        };
        std::fill(sums.begin(), sums.end(), 0.0);
        for (std::size_t k = 0; k < entries.size(); ++k) {
            sums[slot(entries[k])] += weights[k];
        }
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const std::uint32_t c = slot(entries[k]);
            weights[k] *= std::exp(exponent * logCounts[c] - std::log(sums[c]));
        }
        // Keep the numbers in range: the draw needs only their proportions.
        const double top = *std::max_element(weights.begin(), weights.end());
        for (double& w : weights) {
            w /= top;
        }
    }
}

// A line does not make a name good that sounds like a word of ill meaning or a
// brand (思诗 死尸), as the simple list's free pairs do not.
bool HeardAsIllOrBrand(const FamilyName& family, std::uint32_t first, std::uint32_t second) {
    const std::vector<SoundAlike> alikes = SoundAlikesOf(family, first, second);
    return std::any_of(alikes.begin(), alikes.end(), [](const SoundAlike& alike) {
        return alike.Kind == "贬义" || alike.Kind == "品牌";
    });
}

}  // namespace

bool StanzaInGroup(const VerseStanza& stanza, VerseGroup group) {
    return group == VerseGroup::All || stanza.group == group;
}

void AddVerseNames(NamingState& state, VerseGroup group, const FilterTests* filters) {
    const WorkingSet& ws = state.workingSet;
    const std::vector<double> first = LogCounts(ws.FirstPosition);
    const std::vector<double> second = LogCounts(ws.SecondPosition);
    struct Entry {
        bool large;
        GivenNameCode code;
        std::size_t firstDraw;  // the draw that first took it; none: never drawn
    };
    std::vector<Entry> kept;
    std::vector<double> logWeights;
    // A name the readers refused as a free pair of the sex (heard as an ill
    // word or a person, or mostly found odd: 一豪 一毫, 梦依, 嘉圆), or whose
    // reading they heard as ill after the family name (李嘉奇 李佳琦), reads no
    // better for standing in a line.
    const PairFitTable fits = PairFitsOf(ws.sex);
    const std::span<const HeardSound> heard = HeardSoundsAfter(fits.Sounds, state.familyName);
    const auto refusedByTheReaders = [&](GivenNameCode code) {
        return std::binary_search(fits.Refused.begin(), fits.Refused.end(), code) ||
               ReadingHeard(heard, FirstIndexOf(code), SecondIndexOf(code));
    };
    for (const VerseName& name : VerseNames(ws.sex)) {
        const VerseStanza stanza = VerseStanzaAt(name.stanza);
        if (!StanzaInGroup(stanza, group)) {
            continue;
        }
        const std::uint32_t a = FirstIndexOf(name.code);
        const std::uint32_t b = SecondIndexOf(name.code);
        if (state.avoid.HoldsAny(name.code) || HeardAsIllOrBrand(state.familyName, a, b) ||
            refusedByTheReaders(name.code)) {
            continue;
        }
        if (filters != nullptr && !(filters->PassesFilter(a, 1) && filters->PassesFilter(b, 2) &&
                                    filters->PassesFilter(name.code, 3) &&
                                    MatchesFixedCharacters(filters->Filters(), a, b))) {
            continue;
        }
        kept.push_back({FromLargeCollection(stanza), name.code, kNeverDrawn});
        logWeights.push_back(ws.PairExponent * (first[std::min(a, DictionarySize)] +
                                                second[std::min(b, DictionarySize)]));
    }
    if (kept.empty()) {
        return;
    }
    // As the simple list does, the names are drawn with replacement as often
    // as the list is long, each with the chance of its weight, and a name
    // stands where it was first drawn: the list gathers on the pairs parents
    // give, not evenly on every pair verse happens to hold.
    const double largest = *std::max_element(logWeights.begin(), logWeights.end());
    std::vector<double> weights;
    for (double w : logWeights) {
        weights.push_back(std::exp(w - largest));
    }
    BalanceToNameCounts(kept, weights, first, second, ws.PairExponent);
    std::vector<double> totals;
    double total = 0;
    for (double w : weights) {
        total += w;
        totals.push_back(total);
    }
    for (std::size_t draw = 0; draw < kCandidateLimit; ++draw) {
        const double target = Uniform(state.random) * total;
        const auto k = static_cast<std::size_t>(
            std::upper_bound(totals.begin(), totals.end(), target) - totals.begin());
        Entry& entry = kept[std::min(k, kept.size() - 1)];
        entry.firstDraw = std::min(entry.firstDraw, draw);
    }
    // The names of the books and anthologies parents know come first.
    std::vector<const Entry*> drawn;
    for (const Entry& entry : kept) {
        if (entry.firstDraw != kNeverDrawn) {
            drawn.push_back(&entry);
        }
    }
    std::sort(drawn.begin(), drawn.end(), [](const Entry* x, const Entry* y) {
        return x->large != y->large ? !x->large : x->firstDraw < y->firstDraw;
    });
    for (const Entry* entry : drawn) {
        state.candidates.codes.push_back(entry->code);
    }
}

}  // namespace lumivane
