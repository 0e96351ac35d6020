#include "core/naming/simple_generator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/data/character_dictionary.h"
#include "core/data/name_counts.h"
#include "core/naming/name_sound.h"
#include "core/naming/readings.h"

namespace lumivane {
namespace {

// Free pairs take their characters from the first 301 ranks of each position,
// never both from ranks 201-300.
constexpr std::size_t kPairRanks = 301;
constexpr std::size_t kStrongRanks = 201;
// A free pair whose counts in their positions multiply to less than this share
// of the product of the two first ranks' counts is not proposed: a common
// character beside a rare one, or two of middling use (紫苇, 筱圆, 晶谕), read
// as odd far more often than the common pairs.
constexpr double kPairCountFloor = 2e-3;

// Entries are drawn with the chance of their weight. Drawing evenly made the
// rare end of a list as likely as its top, and parents read most names built
// from rare name characters as odd (雪赛, 舒玛, 滔柯), so a name is proposed as
// often as its characters are given in their positions, gathered on the common
// pairs as real names are (the working set's exponent).
class WeightedDraw {
public:
    void Add(std::uint64_t weight) {
        m_totals.push_back((m_totals.empty() ? 0 : m_totals.back()) + weight);
    }
    // An entry index; every entry alike when all weights are 0.
    [[nodiscard]] std::size_t Draw(RandomSource& random) const {
        if (m_totals.empty()) {
            return 0;
        }
        if (m_totals.back() == 0) {
            return random.Draw(static_cast<std::uint32_t>(m_totals.size()));
        }
        const std::uint64_t target = random.Draw64(m_totals.back());
        return static_cast<std::size_t>(std::upper_bound(m_totals.begin(), m_totals.end(), target) -
                                        m_totals.begin());
    }

private:
    std::vector<std::uint64_t> m_totals;  // running sums of the weights
};

// Whole weights in proportion to the given ones, the largest 2^40 so that the
// running sums of any table stay far inside 64 bits; a positive weight keeps
// at least 1.
WeightedDraw DrawOf(const std::vector<double>& weights) {
    const double largest =
        weights.empty() ? 0.0 : *std::max_element(weights.begin(), weights.end());
    const double scale = largest > 0 ? 1099511627776.0 / largest : 0.0;
    WeightedDraw draw;
    for (double w : weights) {
        draw.Add(
            w > 0 ? std::max<std::uint64_t>(1, static_cast<std::uint64_t>(std::llround(w * scale)))
                  : 0);
    }
    return draw;
}

// A count of 0 weighs as 1 so that every rank keeps a chance.
WeightedDraw RankDraw(std::span<const PositionEntry> table, double exponent) {
    std::vector<double> weights;
    for (std::size_t r = 0; r < kPairRanks && r < table.size(); ++r) {
        weights.push_back(std::pow(std::max<double>(table[r].Count, 1.0), exponent));
    }
    return DrawOf(weights);
}

// Count of every character in one position table, by character index.
std::vector<std::uint32_t> CountsByCharacter(std::span<const PositionEntry> table) {
    std::vector<std::uint32_t> counts(DictionarySize + 1, 0);
    for (std::size_t r = 0; r < table.size() && r < DictionarySize; ++r) {
        counts[std::min<std::uint32_t>(table[r].CharIndex, DictionarySize)] = table[r].Count;
    }
    return counts;
}

// The usual syllable of a character: its reading, or the first of several.
std::string_view UsualSyllable(std::uint32_t index) {
    return FirstReadingOf(CharacterReading(index));
}

// Two characters read alike stammer (懿亦, 芯欣). A doubled character is a
// name form of its own that the corpus holds where it is real (婷婷, 丹丹);
// doubled at random it makes a pet name (博博, 慧慧).
bool ReadAlike(std::uint32_t first, std::uint32_t second) {
    return UsualSyllable(first) == UsualSyllable(second);
}

// Whether the children born 2000-2008 were given the character less often
// than those born in the 1980s. Such a character in a free pair dates the name
// to the parents' generation (兴飞, 富涛, 晓君, and beside a rising one too:
// 庆航, 源明, 宏龙, 天明).
bool GivenLessSinceEighties(std::uint32_t index) {
    constexpr std::size_t kEighties = 3;  // 1980-1989 in kCohorts
    constexpr std::size_t kLatest = kCohorts.size() - 1;
    const std::optional<NameCount> count = FindCharacterCount(CharacterText(index));
    return count && count->Ppm[kLatest] < count->Ppm[kEighties];
}

// How much a character gained from the births of the 1990s to those of
// 2000-2008: its rate then over its rate before. A character the statistics
// lack, or that the 1990s did not give, counts as rising.
double CharacterMomentum(std::uint32_t index) {
    constexpr std::size_t kNineties = 4;  // 1990-1999 in kCohorts
    constexpr std::size_t kLatest = kCohorts.size() - 1;
    constexpr double kRising = 2.0;
    const std::optional<NameCount> count = FindCharacterCount(CharacterText(index));
    return count && count->Ppm[kNineties] > 0 ? count->Ppm[kLatest] / count->Ppm[kNineties]
                                              : kRising;
}

// The same by rank of the drawn ranks of a table.
std::vector<double> MomentaOf(std::span<const PositionEntry> table) {
    std::vector<double> momenta;
    for (std::size_t r = 0; r < kPairRanks && r < table.size(); ++r) {
        momenta.push_back(CharacterMomentum(table[r].CharIndex));
    }
    return momenta;
}

// A name whose two characters together gained less than this (the geometric
// mean of their momenta) had peaked when the statistics end: readers of today
// took half of such corpus names for their parents' generation (文慧, 世杰,
// 文静, 晓婷), against 4 % of the readings of the other corpus names, and a
// fifth of such free pairs (世鹏, 文坤) against 5 % (data/README.md).
constexpr double kPeakedMomentum = 1.2;

bool Peaked(double firstMomentum, double secondMomentum) {
    return firstMomentum * secondMomentum < kPeakedMomentum * kPeakedMomentum;
}

// The same by rank of the drawn ranks of a table.
std::vector<bool> FallenSinceEighties(std::span<const PositionEntry> table) {
    std::vector<bool> fallen;
    for (std::size_t r = 0; r < kPairRanks && r < table.size(); ++r) {
        fallen.push_back(GivenLessSinceEighties(table[r].CharIndex));
    }
    return fallen;
}

// Each character's fit in its place of a name of the sex, in thousandths, by
// character index; a pair is proposed only when its two fits reach the bar.
// Free pairs read odd for many small reasons at once (a flat or dated
// character, one more common in other text than in names, a place it seldom
// takes); the readers' verdicts weigh them together (data/README.md). A
// character the table lacks weighs as the least of its place.
// The readers' panel refuses besides what the fit cannot see: a character in
// a place where its judged pairs read odd (梓 ending a boy's name, 鑫 shop-like)
// and a pair a reader heard as an ill word or a person (思乐, 诗铭) or that
// most of its readers found odd (柯杰, 世鹏). A character the panel never
// judged passes it. Readers judge a pair by its weaker character, so in a
// boy's pair a strong one does not carry one whose fit falls below the floor
// (尧豪, 邦杰).
struct PairFits {
    std::int32_t bar = 0;
    std::int32_t floor = 0;
    std::vector<std::int32_t> first;
    std::vector<std::int32_t> second;
    std::int32_t panelBar = 0;
    std::vector<std::int32_t> panelFirst;
    std::vector<std::int32_t> panelSecond;
    std::span<const GivenNameCode> refused;
    std::span<const HeardSound> sounds;

    [[nodiscard]] bool Reach(std::uint32_t firstIndex, std::uint32_t secondIndex) const {
        const std::uint32_t a = std::min(firstIndex, DictionarySize);
        const std::uint32_t b = std::min(secondIndex, DictionarySize);
        return first[a] + second[b] >= bar && first[a] >= floor && second[b] >= floor &&
               panelFirst[a] >= panelBar && panelSecond[b] >= panelBar &&
               !Refused(firstIndex, secondIndex);
    }

    // A pair heard as ill or mostly found odd.
    [[nodiscard]] bool Refused(std::uint32_t firstIndex, std::uint32_t secondIndex) const {
        return std::binary_search(refused.begin(), refused.end(),
                                  MakeGivenNameCode(firstIndex, secondIndex));
    }
};

std::vector<std::int32_t> FitsByIndex(std::span<const PairFitEntry> fits) {
    std::int32_t least = fits.empty() ? 0 : fits.front().Thousandths;
    for (const PairFitEntry& fit : fits) {
        least = std::min(least, fit.Thousandths);
    }
    std::vector<std::int32_t> byIndex(DictionarySize + 1, least);
    for (const PairFitEntry& fit : fits) {
        byIndex[std::min(fit.CharIndex, DictionarySize)] = fit.Thousandths;
    }
    return byIndex;
}

std::vector<std::int32_t> PanelByIndex(std::span<const PairFitEntry> fits, std::int32_t bar) {
    std::vector<std::int32_t> byIndex(DictionarySize + 1, bar);
    for (const PairFitEntry& fit : fits) {
        byIndex[std::min(fit.CharIndex, DictionarySize)] = fit.Panel;
    }
    return byIndex;
}

PairFits PairFitsFor(Sex sex) {
    const PairFitTable table = PairFitsOf(sex);
    return PairFits{table.Bar,
                    table.PartFloor,
                    FitsByIndex(table.First),
                    FitsByIndex(table.Second),
                    table.PanelBar,
                    PanelByIndex(table.First, table.PanelBar),
                    PanelByIndex(table.Second, table.PanelBar),
                    table.Refused,
                    table.Sounds};
}

// A corpus name weighs as its first character's count in the first position
// times its second's in the second, raised to the working set's exponent. The
// last name is never drawn, as the draw bound has always been size - 1. A
// boy's name found in text is mostly an adult's, and a national name the
// lists of the 1990s and 2000s do not name is one of all ages: such a name is
// not drawn when a character was given less since the 1980s (readers marked
// half of them dated: 志涛, 家明, 振林, 文辉) or when its fits miss the bar
// (世祥, 恩思). A girl's such name is drawn unless a reader heard it as ill
// (雅迪 the scooter brand, 佳薇 the singer); the free pairs' other rules would
// refuse girls' names readers found good. No corpus name is drawn whose
// characters had peaked, not even one of the recent lists.
WeightedDraw CorpusDraw(const WorkingSet& ws, const PairFits& fits) {
    const std::vector<std::uint32_t> first = CountsByCharacter(ws.FirstPosition);
    const std::vector<std::uint32_t> second = CountsByCharacter(ws.SecondPosition);
    std::vector<double> weights;
    for (std::size_t k = 0; k + 1 < ws.Corpus.size(); ++k) {
        const GivenNameCode code = ws.Corpus[k];
        const double product =
            static_cast<double>(first[std::min(FirstIndexOf(code), DictionarySize)]) *
            second[std::min(SecondIndexOf(code), DictionarySize)];
        const bool beyondLists = k >= ws.ListedNames;
        const bool peaked =
            Peaked(CharacterMomentum(FirstIndexOf(code)), CharacterMomentum(SecondIndexOf(code)));
        const bool failsItsTier =
            beyondLists &&
            (ws.sex == Sex::Male ? GivenLessSinceEighties(FirstIndexOf(code)) ||
                                       GivenLessSinceEighties(SecondIndexOf(code)) ||
                                       !fits.Reach(FirstIndexOf(code), SecondIndexOf(code))
                                 : fits.Refused(FirstIndexOf(code), SecondIndexOf(code)));
        const bool refused = peaked || failsItsTier;
        weights.push_back(product > 0 && !refused ? std::pow(product, ws.PairExponent) : 0.0);
    }
    return DrawOf(weights);
}

// The least share of its names a character must end for it to end a girl's
// free pair. Readers mark a girl's name ending in a character that mostly
// leads names (婧紫, 萌雨, 心艺, 颖若) far more often than other endings; in
// boys' names the share told nothing.
double SecondShareFloorOf(Sex sex) {
    return sex == Sex::Female ? 0.45 : 0.0;
}

// Whether each drawn second character ends too few of the names that hold it.
std::vector<bool> SeldomEnds(const WorkingSet& ws) {
    const std::vector<std::uint32_t> first = CountsByCharacter(ws.FirstPosition);
    const double floor = SecondShareFloorOf(ws.sex);
    std::vector<bool> seldom;
    for (std::size_t r = 0; r < kPairRanks && r < ws.SecondPosition.size(); ++r) {
        const double ends = ws.SecondPosition[r].Count;
        const double leads = first[std::min(ws.SecondPosition[r].CharIndex, DictionarySize)];
        seldom.push_back(ends + leads > 0 && ends < floor * (ends + leads));
    }
    return seldom;
}

struct SimpleDraws {
    WeightedDraw corpus;
    WeightedDraw first;
    WeightedDraw second;
    std::vector<bool> firstFallen;
    std::vector<bool> secondFallen;
    std::vector<bool> secondSeldomEnds;
    std::vector<double> firstMomenta;
    std::vector<double> secondMomenta;
    PairFits fits;
};

SimpleDraws MakeDraws(const WorkingSet& ws) {
    PairFits fits = PairFitsFor(ws.sex);
    WeightedDraw corpus = CorpusDraw(ws, fits);
    return {std::move(corpus),
            RankDraw(ws.FirstPosition, ws.PairExponent),
            RankDraw(ws.SecondPosition, ws.PairExponent),
            FallenSinceEighties(ws.FirstPosition),
            FallenSinceEighties(ws.SecondPosition),
            SeldomEnds(ws),
            MomentaOf(ws.FirstPosition),
            MomentaOf(ws.SecondPosition),
            std::move(fits)};
}

bool SameTables(const WorkingSet& a, const WorkingSet& b) {
    return a.FirstPosition.data() == b.FirstPosition.data() &&
           a.SecondPosition.data() == b.SecondPosition.data() &&
           a.Corpus.data() == b.Corpus.data() && a.Corpus.size() == b.Corpus.size() &&
           a.PairExponent == b.PairExponent;
}

// The draws depend on the working set's tables alone, so those of the two
// built-in sets are made once, at the first request of that sex; another set
// is drawn from afresh into `own`.
const SimpleDraws& DrawsOf(const WorkingSet& ws, std::optional<SimpleDraws>& own) {
    if (SameTables(ws, SelectWorkingSet(ws.sex))) {
        if (ws.sex == Sex::Male) {
            static const SimpleDraws male = MakeDraws(SelectWorkingSet(Sex::Male));
            return male;
        }
        static const SimpleDraws female = MakeDraws(SelectWorkingSet(Sex::Female));
        return female;
    }
    own = MakeDraws(ws);
    return *own;
}

}  // namespace

std::span<const HeardSound> HeardSoundsAfter(std::span<const HeardSound> sounds,
                                             const FamilyName& family) {
    const std::string text = family.firstText + family.secondText;
    const auto ofFamily = std::equal_range(
        sounds.begin(), sounds.end(), HeardSound{text, {}},
        [](const HeardSound& a, const HeardSound& b) { return a.Family < b.Family; });
    return {ofFamily.first, ofFamily.second};
}

bool ReadingHeard(std::span<const HeardSound> heardAfterFamily, std::uint32_t first,
                  std::uint32_t second) {
    if (heardAfterFamily.empty()) {
        return false;
    }
    const std::string reading =
        ReadingOf(first, ReadingRole::Given) + " " + ReadingOf(second, ReadingRole::Given);
    return std::any_of(heardAfterFamily.begin(), heardAfterFamily.end(),
                       [&](const HeardSound& sound) { return sound.Reading == reading; });
}

bool PairLeansToOtherSex(std::uint32_t first, std::uint32_t second, Sex sex) {
    const int balance = CharacterGenderIndex(first) + CharacterGenderIndex(second);
    return sex == Sex::Female ? balance > 0 : balance < 0;
}

void AddCorpusNames(NamingState& state, int n) {
    const WorkingSet& ws = state.workingSet;
    if (ws.Corpus.empty()) {
        return;
    }
    std::optional<SimpleDraws> own;
    const SimpleDraws& draws = DrawsOf(ws, own);
    const WeightedDraw& draw = draws.corpus;
    const std::span<const HeardSound> heard = HeardSoundsAfter(draws.fits.sounds, state.familyName);
    // A name holding a character to avoid is drawn again; the bound keeps a
    // list of avoided characters that every name holds from looping forever.
    // So is a name beyond the recent lists whose reading readers heard as ill
    // after this family name; the names of the recent lists stay.
    for (long k = 0, attempts = 0; k < n && attempts < 100L * n; ++attempts) {
        if (state.candidates.count() >= kCandidateLimit) {
            return;
        }
        const std::size_t drawn = draw.Draw(state.random);
        const GivenNameCode code = ws.Corpus[drawn];
        if (state.avoid.HoldsAny(code) ||
            (drawn >= ws.ListedNames &&
             ReadingHeard(heard, FirstIndexOf(code), SecondIndexOf(code)))) {
            continue;
        }
        state.candidates.codes.push_back(code);
        ++k;
    }
}

void AddFrequentPairs(NamingState& state, int n) {
    const WorkingSet& ws = state.workingSet;
    std::optional<SimpleDraws> own;
    const SimpleDraws& draws = DrawsOf(ws, own);
    const WeightedDraw& first = draws.first;
    const WeightedDraw& second = draws.second;
    const double floor = ws.FirstPosition.empty() || ws.SecondPosition.empty()
                             ? 0.0
                             : kPairCountFloor * static_cast<double>(ws.FirstPosition[0].Count) *
                                   static_cast<double>(ws.SecondPosition[0].Count);
    const std::span<const HeardSound> heard = HeardSoundsAfter(draws.fits.sounds, state.familyName);
    enum class Verdict { Take, Redraw, Drop };
    const auto judge = [&](std::size_t a, std::size_t b) {
        const std::uint32_t firstIndex = ws.FirstPosition[a].CharIndex;
        const std::uint32_t secondIndex = ws.SecondPosition[b].CharIndex;
        // A free pair that is an ordinary word (天然, 文明) or that makes the
        // full name sound like a well-known person or a word is not proposed;
        // the corpora's names are real names and stay.
        const double product = static_cast<double>(ws.FirstPosition[a].Count) *
                               static_cast<double>(ws.SecondPosition[b].Count);
        if ((a >= kStrongRanks && b >= kStrongRanks) || product < floor || draws.firstFallen[a] ||
            draws.secondFallen[b] || draws.secondSeldomEnds[b] ||
            Peaked(draws.firstMomenta[a], draws.secondMomenta[b]) ||
            state.avoid.Holds(firstIndex) || state.avoid.Holds(secondIndex) ||
            ReadAlike(firstIndex, secondIndex) ||
            PairLeansToOtherSex(firstIndex, secondIndex, ws.sex) ||
            !draws.fits.Reach(firstIndex, secondIndex) ||
            ReadingHeard(heard, firstIndex, secondIndex)) {
            return Verdict::Redraw;
        }
        const std::vector<SoundAlike> alikes =
            SoundAlikesOf(state.familyName, firstIndex, secondIndex);
        if (alikes.empty()) {
            return Verdict::Take;
        }
        const bool illOrBrand = std::all_of(
            alikes.begin(), alikes.end(),
            [](const SoundAlike& alike) { return alike.Kind == "贬义" || alike.Kind == "品牌"; });
        return illOrBrand ? Verdict::Drop : Verdict::Redraw;
    };
    const auto take = [&](std::size_t a, std::size_t b) {
        state.candidates.codes.push_back(
            MakeGivenNameCode(ws.FirstPosition[a].CharIndex, ws.SecondPosition[b].CharIndex));
    };
    // Refused draws are rare with real tables; the bound keeps a degenerate
    // table (every pair reading alike) from looping forever.
    long dropped = 0;
    for (long k = 0, attempts = 0; k < n && attempts < 100L * n; ++attempts) {
        const std::size_t a = first.Draw(state.random);
        const std::size_t b = second.Draw(state.random);
        const Verdict verdict = judge(a, b);
        if (verdict == Verdict::Redraw) {
            continue;
        }
        ++k;
        if (verdict == Verdict::Take) {
            take(a, b);
        } else {
            ++dropped;
        }
    }
    // A pair heard as a word of ill meaning or a brand is replaced from a
    // source of its own, seeded from the session's without drawing from it:
    // the session's draws, and so the rest of a list of a given seed, stay as
    // they are when those word lists grow.
    if (dropped == 0) {
        return;
    }
    RandomSource look = state.random;
    RandomSource spare(look.Draw64(std::numeric_limits<std::uint64_t>::max()));
    for (long attempts = 0; dropped > 0 && attempts < 100L * n; ++attempts) {
        const std::size_t a = first.Draw(spare);
        const std::size_t b = second.Draw(spare);
        if (judge(a, b) == Verdict::Take) {
            take(a, b);
            --dropped;
        }
    }
}

}  // namespace lumivane
