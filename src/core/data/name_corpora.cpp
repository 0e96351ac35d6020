// Corpora and position tables over the tables generated from data/corpus-*.txt
// and data/position-*.tsv.

#include "core/data/name_corpora.h"

#include <iterator>

#include "core/data/generated_types.h"

namespace lumivane {
namespace generated {
#include "core/data/name_tables.inc"
}  // namespace generated

namespace {

using namespace generated;

static_assert(std::size(kGeneratedMaleFirst) == DictionarySize + 1);
static_assert(std::size(kGeneratedMaleSecond) == DictionarySize + 1);
static_assert(std::size(kGeneratedFemaleFirst) == DictionarySize + 1);
static_assert(std::size(kGeneratedFemaleSecond) == DictionarySize + 1);
static_assert(std::size(kGeneratedMaleCorpus) <= 50000);
static_assert(std::size(kGeneratedFemaleCorpus) <= 50000);

constexpr RankBounds kMaleRankBounds{100, 200, 300, 400};
constexpr RankBounds kFemaleRankBounds{100, 200, 300, 400};

}  // namespace

std::uint32_t NameCorpusSize(Sex sex) {
    // Each corpus holds only real names, so the sizes differ by sex.
    return static_cast<std::uint32_t>(sex == Sex::Male ? std::size(kGeneratedMaleCorpus)
                                                       : std::size(kGeneratedFemaleCorpus));
}

PairFitTable PairFitsOf(Sex sex) {
    if (sex == Sex::Male) {
        return PairFitTable{kGeneratedMalePairFitBar, kGeneratedMalePanelBar,
                            kGeneratedMalePartFloor,  kGeneratedMaleFirstFit,
                            kGeneratedMaleSecondFit,  kGeneratedMaleRefused,
                            kGeneratedMaleHeardSounds};
    }
    return PairFitTable{kGeneratedFemalePairFitBar, kGeneratedFemalePanelBar,
                        kGeneratedFemalePartFloor,  kGeneratedFemaleFirstFit,
                        kGeneratedFemaleSecondFit,  kGeneratedFemaleRefused,
                        kGeneratedFemaleHeardSounds};
}

WorkingSet SelectWorkingSet(Sex sex) {
    WorkingSet set;
    set.sex = sex;
    if (sex == Sex::Male) {
        set.FirstPosition = kGeneratedMaleFirst;
        set.SecondPosition = kGeneratedMaleSecond;
        set.Corpus = kGeneratedMaleCorpus;
        set.ListedNames = kGeneratedMaleCorpusListed;
        set.Bounds = kMaleRankBounds;
        set.PairExponent = kGeneratedMalePairExponent;
    } else {
        set.FirstPosition = kGeneratedFemaleFirst;
        set.SecondPosition = kGeneratedFemaleSecond;
        set.Corpus = kGeneratedFemaleCorpus;
        set.ListedNames = kGeneratedFemaleCorpusListed;
        set.Bounds = kFemaleRankBounds;
        set.PairExponent = kGeneratedFemalePairExponent;
    }
    return set;
}

}  // namespace lumivane
