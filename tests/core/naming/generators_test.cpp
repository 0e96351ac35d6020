#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <unordered_set>

#include "core/data/name_counts.h"
#include "core/naming/advanced_generator.h"
#include "core/naming/random_source.h"
#include "core/naming/readings.h"
#include "core/naming/remove_duplicate_codes.h"
#include "core/naming/shuffle_codes.h"
#include "core/naming/simple_generator.h"
#include "core/naming/single_generator.h"

namespace lumivane {
namespace {

NamingState SeededState(Sex sex, std::uint64_t seed = 20240501) {
    NamingState state{RandomSource(seed)};
    state.workingSet = SelectWorkingSet(sex);
    return state;
}

// A character's rate among the births of 2000-2008 over that of the 1990s,
// read here from the counts; 2 where the 1990s gave it to no one.
double MomentumOf(std::uint32_t index) {
    const std::optional<NameCount> count = FindCharacterCount(CharacterText(index));
    return count && count->Ppm[4] > 0 ? count->Ppm[5] / count->Ppm[4] : 2.0;
}

// Rank of every character in a position table.
std::map<std::uint32_t, std::uint32_t> RanksOf(std::span<const PositionEntry> table) {
    std::map<std::uint32_t, std::uint32_t> ranks;
    for (std::uint32_t r = 0; r < DictionarySize; ++r) {
        ranks.emplace(table[r].CharIndex, r);
    }
    return ranks;
}

std::size_t FrequentCount(std::span<const PositionEntry> table) {
    return static_cast<std::size_t>(std::count_if(
        table.begin(), table.begin() + DictionarySize,
        [](const PositionEntry& e) { return e.Count > kSingleCharacterMinimumCount; }));
}

TEST(RandomSource, DrawsStayInRangeAndRepeatForTheSameSeed) {
    RandomSource a(7), b(7), c(8);
    EXPECT_EQ(a.Draw(0), 0u);
    bool differs = false;
    for (int k = 0; k < 1000; ++k) {
        std::uint32_t x = a.Draw(10);
        EXPECT_LT(x, 10u);
        EXPECT_EQ(x, b.Draw(10));
        differs = differs || x != c.Draw(10);
    }
    EXPECT_TRUE(differs);
}

TEST(ShuffleCodes, MovesOnlyThePositionsBelowTheBound) {
    RandomSource random(1);
    std::vector<GivenNameCode> codes(2538);
    for (std::size_t i = 0; i < codes.size(); ++i)
        codes[i] = static_cast<GivenNameCode>(i);
    ShuffleCodes(random, codes, 1999, static_cast<long>(codes.size()));
    for (std::size_t i = 1999; i < codes.size(); ++i) {
        ASSERT_EQ(codes[i], i) << "position " << i << " must keep its code";
    }
    std::vector<GivenNameCode> head(codes.begin(), codes.begin() + 1999);
    std::sort(head.begin(), head.end());
    for (std::size_t i = 0; i < head.size(); ++i)
        ASSERT_EQ(head[i], i);
    EXPECT_FALSE(std::is_sorted(codes.begin(), codes.begin() + 1999));
}

TEST(ShuffleCodes, DegenerateBoundsChangeNothing) {
    RandomSource random(2);
    std::vector<GivenNameCode> codes{5, 6, 7};
    ShuffleCodes(random, codes, -1, 3);
    EXPECT_EQ(codes, (std::vector<GivenNameCode>{5, 6, 7}));
    ShuffleCodes(random, codes, 100, 0);
    EXPECT_EQ(codes, (std::vector<GivenNameCode>{5, 6, 7}));
    // bound = count - 1 keeps the last code in place.
    for (int k = 0; k < 50; ++k) {
        ShuffleCodes(random, codes, 2, 3);
        EXPECT_EQ(codes[2], 7u);
    }
}

TEST(ShuffleCodes, EveryOrderIsEquallyLikely) {
    // Clock reseeding or a naive swap loop would skew these counts.
    RandomSource random(3);
    std::map<std::vector<GivenNameCode>, int> seen;
    const int trials = 60000;
    for (int t = 0; t < trials; ++t) {
        std::vector<GivenNameCode> codes{1, 2, 3};
        ShuffleCodes(random, codes, 3, 3);
        ++seen[codes];
    }
    ASSERT_EQ(seen.size(), 6u);
    for (const auto& [order, count] : seen) {
        EXPECT_NEAR(count, trials / 6, trials / 6 * 0.05);
    }
}

TEST(RemoveDuplicateCodes, KeepsFirstOccurrencesInOrder) {
    CandidateList empty;
    RemoveDuplicateCodes(empty);
    EXPECT_EQ(empty.count(), 0u);

    CandidateList same;
    same.codes.assign(2000, 0x00030000);
    RemoveDuplicateCodes(same);
    EXPECT_EQ(same.codes, (std::vector<GivenNameCode>{0x00030000}));

    RandomSource random(4);
    CandidateList list;
    for (int k = 0; k < 3000; ++k)
        list.codes.push_back(random.Draw(500));
    std::vector<GivenNameCode> expected;
    for (GivenNameCode c : list.codes) {
        if (std::find(expected.begin(), expected.end(), c) == expected.end())
            expected.push_back(c);
    }
    RemoveDuplicateCodes(list);
    EXPECT_EQ(list.codes, expected);
}

// Whether a pair passes what the readers taught, read from the tables: its
// characters' fits reach the bar and neither falls below the floor (a
// character the table lacks never passes), each one's panel share reaches the
// panel's bar (one the panel never judged does), and the readers did not
// refuse the pair.
bool PassesTheReaders(const PairFitTable& fits, GivenNameCode code) {
    const auto entryOf = [](std::span<const PairFitEntry> table, std::uint32_t index) {
        const auto found = std::find_if(table.begin(), table.end(), [&](const PairFitEntry& e) {
            return e.CharIndex == index;
        });
        return found == table.end() ? std::optional<PairFitEntry>() : *found;
    };
    const std::optional<PairFitEntry> first = entryOf(fits.First, FirstIndexOf(code));
    const std::optional<PairFitEntry> second = entryOf(fits.Second, SecondIndexOf(code));
    if (!first || !second || first->Thousandths + second->Thousandths < fits.Bar ||
        std::min(first->Thousandths, second->Thousandths) < fits.PartFloor) {
        return false;
    }
    return first->Panel >= fits.PanelBar && second->Panel >= fits.PanelBar &&
           std::find(fits.Refused.begin(), fits.Refused.end(), code) == fits.Refused.end();
}

TEST(SimpleGeneration, CorpusDrawsBeyondTheRecentListsLeaveOutWhatTheReadersRefused) {
    const auto fallen = [](std::uint32_t index) {
        const std::optional<NameCount> count = FindCharacterCount(CharacterText(index));
        return count && count->Ppm[5] < count->Ppm[3];
    };
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const PairFitTable fits = PairFitsOf(sex);
        // Boys' names go through every rule of the free pairs; girls' only
        // through the pairs readers heard as ill or mostly found odd.
        const auto refused = [&](GivenNameCode code) {
            return fallen(FirstIndexOf(code)) || fallen(SecondIndexOf(code)) ||
                   !PassesTheReaders(fits, code);
        };
        const auto heard = [&](GivenNameCode code) {
            return std::find(fits.Refused.begin(), fits.Refused.end(), code) != fits.Refused.end();
        };
        NamingState state = SeededState(sex, 3);
        const auto& corpus = state.workingSet.Corpus;
        const std::size_t listed = state.workingSet.ListedNames;
        ASSERT_GT(listed, 0u);
        const std::set<GivenNameCode> text(corpus.begin() + static_cast<std::ptrdiff_t>(listed),
                                           corpus.end());
        // The older national names and those found in text hold many such
        // names (文辉, 志涛, 家明, 世祥), and some heard as ill (富豪; 雅迪, 佳薇).
        ASSERT_GT(std::count_if(text.begin(), text.end(), refused), 100);
        ASSERT_GT(std::count_if(text.begin(), text.end(), heard), 0);
        AddCorpusNames(state, 2000);
        int fromText = 0;
        int refusedFromText = 0;
        for (GivenNameCode code : state.candidates.codes) {
            if (text.count(code)) {
                ++fromText;
                refusedFromText += refused(code) ? 1 : 0;
                EXPECT_FALSE(heard(code))
                    << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
            }
        }
        EXPECT_GT(fromText, 100);
        if (sex == Sex::Male) {
            EXPECT_EQ(refusedFromText, 0);
        } else {
            EXPECT_GT(refusedFromText, 0) << "girls' corpus names meet only the heard pairs";
        }
    }
}

TEST(SimpleGeneration, CorpusNamesWhoseCharactersHadPeakedAreNotDrawn) {
    const auto peaked = [](GivenNameCode code) {
        return MomentumOf(FirstIndexOf(code)) * MomentumOf(SecondIndexOf(code)) < 1.2 * 1.2;
    };
    const std::map<Sex, std::vector<const char*>> listed = {{Sex::Male, {"世杰", "志鹏"}},
                                                            {Sex::Female, {"文慧", "文静"}}};
    for (const auto& [sex, names] : listed) {
        NamingState state = SeededState(sex, 5);
        const auto& corpus = state.workingSet.Corpus;
        const auto recent =
            corpus.begin() + static_cast<std::ptrdiff_t>(state.workingSet.ListedNames);
        for (const char* name : names) {
            const std::string text(name);
            const GivenNameCode code =
                MakeGivenNameCode(FindCharacter(text.substr(0, 3)), FindCharacter(text.substr(3)));
            EXPECT_NE(std::find(corpus.begin(), recent, code), recent)
                << name << " is a listed name";
            EXPECT_TRUE(peaked(code)) << name;
        }
        AddCorpusNames(state, 2000);
        ASSERT_GT(state.candidates.codes.size(), 100u);
        for (GivenNameCode code : state.candidates.codes) {
            EXPECT_FALSE(peaked(code))
                << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
        }
    }
}

TEST(SimpleGeneration, ReadingsHeardAfterAFamilyNameAreLeftOutForThatFamilyOnly) {
    const auto readingOf = [](GivenNameCode code) {
        return ReadingOf(FirstIndexOf(code), ReadingRole::Given) + " " +
               ReadingOf(SecondIndexOf(code), ReadingRole::Given);
    };
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const PairFitTable fits = PairFitsOf(sex);
        std::set<std::string> heard;
        for (const HeardSound& sound : fits.Sounds) {
            if (sound.Family == "李") {
                heard.insert(std::string(sound.Reading));
            }
        }
        // Readers heard the livestream seller 李佳琦 in many jiā qí pairs.
        ASSERT_TRUE(heard.count("jiā qí")) << "the table holds the heard readings";
        std::map<std::string, int> held;
        for (const char* family : {"李", "王"}) {
            NamingState state = SeededState(sex, 11);
            state.familyName = MakeFamilyName(family);
            AddFrequentPairs(state, 20000);
            const std::size_t pairs = state.candidates.count();
            AddCorpusNames(state, 20000);
            const auto& corpus = state.workingSet.Corpus;
            const auto recent =
                corpus.begin() + static_cast<std::ptrdiff_t>(state.workingSet.ListedNames);
            for (std::size_t k = 0; k < state.candidates.count(); ++k) {
                const GivenNameCode code = state.candidates.codes[k];
                const bool listed = k >= pairs && std::find(corpus.begin(), recent, code) != recent;
                held[family] += heard.count(readingOf(code)) && !listed ? 1 : 0;
            }
        }
        EXPECT_EQ(held["李"], 0);
        // Another family name keeps those pairs (王佳琪, 王嘉淇).
        EXPECT_GT(held["王"], 0);
    }
}

TEST(SimpleGeneration, CorpusNamesAroundFrequentPairs) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        NamingState state = SeededState(sex);
        AddCorpusNames(state, 50);
        AddFrequentPairs(state, 1900);
        AddCorpusNames(state, 50);
        ASSERT_EQ(state.candidates.count(), 2000u);

        std::unordered_set<GivenNameCode> corpus(state.workingSet.Corpus.begin(),
                                                 state.workingSet.Corpus.end());
        auto firstRanks = RanksOf(state.workingSet.FirstPosition);
        auto secondRanks = RanksOf(state.workingSet.SecondPosition);
        const auto& codes = state.candidates.codes;
        for (std::size_t i = 0; i < 2000; ++i) {
            if (i < 50 || i >= 1950) {
                EXPECT_TRUE(corpus.count(codes[i])) << i;
                EXPECT_NE(codes[i], state.workingSet.Corpus.back())
                    << "the last name is never drawn";
                continue;
            }
            std::uint32_t r1 = firstRanks.at(FirstIndexOf(codes[i]));
            std::uint32_t r2 = secondRanks.at(SecondIndexOf(codes[i]));
            ASSERT_LE(r1, 300u);
            ASSERT_LE(r2, 300u);
            ASSERT_FALSE(r1 > 200 && r2 > 200) << "both characters from ranks 201-300";
        }
    }
}

TEST(SimpleGeneration, PairsFollowTheCountsOfTheirPositions) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        NamingState state = SeededState(sex, 7);
        constexpr int kDraws = 40000;
        AddFrequentPairs(state, kDraws);
        ASSERT_EQ(state.candidates.count(), static_cast<std::size_t>(kDraws));

        const auto& first = state.workingSet.FirstPosition;
        const auto& second = state.workingSet.SecondPosition;
        const auto countOf = [](std::span<const PositionEntry> table, std::uint32_t index) {
            return static_cast<double>(
                std::find_if(table.begin(), table.end(), [&](const PositionEntry& e) {
                    return e.CharIndex == index;
                })->Count);
        };
        // Rate of the births of 2000-2008 against that of the 1980s.
        const auto fallen = [](std::uint32_t index) {
            const std::optional<NameCount> count = FindCharacterCount(CharacterText(index));
            return count && count->Ppm[5] < count->Ppm[3];
        };
        // The characters together gained at least a fifth from the births
        // of the 1990s to those of 2000-2008.
        const auto peaked = [](std::uint32_t x, std::uint32_t y) {
            return std::sqrt(MomentumOf(x) * MomentumOf(y)) < 1.2;
        };
        // A girl's pair ends in a character that ends at least 45 % of the
        // names holding it.
        const auto seldomEnds = [&](std::uint32_t index) {
            const double ends = countOf(second, index);
            const auto lead = std::find_if(first.begin(), first.end(), [&](const PositionEntry& e) {
                return e.CharIndex == index;
            });
            const double leads = lead == first.end() ? 0.0 : lead->Count;
            return sex == Sex::Female && ends < 0.45 * (ends + leads);
        };
        const double floor = 2e-3 * first[0].Count * second[0].Count;
        const double exponent = state.workingSet.PairExponent;
        const PairFitTable fits = PairFitsOf(sex);
        std::map<std::uint32_t, int> seen;
        for (GivenNameCode code : state.candidates.codes) {
            ++seen[FirstIndexOf(code)];
            // A pair never leans to the other sex on balance.
            const int balance = CharacterGenderIndex(FirstIndexOf(code)) +
                                CharacterGenderIndex(SecondIndexOf(code));
            EXPECT_TRUE(sex == Sex::Female ? balance <= 0 : balance >= 0)
                << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
            // Characters that read alike are never paired, nor is one doubled.
            EXPECT_NE(FirstIndexOf(code), SecondIndexOf(code)) << CharacterText(FirstIndexOf(code));
            EXPECT_NE(CharacterReading(FirstIndexOf(code)), CharacterReading(SecondIndexOf(code)))
                << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
            // Neither a pair of rare counts nor a character given less since
            // the 1980s.
            EXPECT_GE(countOf(first, FirstIndexOf(code)) * countOf(second, SecondIndexOf(code)),
                      floor)
                << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
            EXPECT_FALSE(fallen(FirstIndexOf(code)) || fallen(SecondIndexOf(code)))
                << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
            EXPECT_FALSE(seldomEnds(SecondIndexOf(code)))
                << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
            EXPECT_FALSE(peaked(FirstIndexOf(code), SecondIndexOf(code)))
                << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
            // A pair reaches the bar of its characters' fits and the panel's,
            // and the readers did not refuse it.
            EXPECT_TRUE(PassesTheReaders(fits, code))
                << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
        }
        // Both rules have pairs to refuse among the drawn ranks.
        const auto anyFallen = [&](std::span<const PositionEntry> table) {
            return std::any_of(table.begin(), table.begin() + 301,
                               [&](const PositionEntry& e) { return fallen(e.CharIndex); });
        };
        EXPECT_TRUE(anyFallen(first) && anyFallen(second));
        if (sex == Sex::Female) {
            EXPECT_TRUE(
                std::any_of(second.begin(), second.begin() + 301,
                            [&](const PositionEntry& e) { return seldomEnds(e.CharIndex); }));
        }
        EXPECT_LT(static_cast<double>(first[200].Count) * second[200].Count, floor);
        // The most given first character comes about as often as its share of
        // the weights of the pairs the rules of ranks, counts and fits keep
        // says, each pair weighing its counts raised to the exponent (the
        // rules of sound and sex shift shares by a little only).
        const auto weight = [&](const PositionEntry& e) {
            return std::pow(std::max<double>(e.Count, 1), exponent);
        };
        const auto kept = [&](std::size_t a, std::size_t b) {
            const std::uint32_t x = first[a].CharIndex;
            const std::uint32_t y = second[b].CharIndex;
            return !(a > 200 && b > 200) && !fallen(x) && !fallen(y) && !seldomEnds(y) &&
                   !peaked(x, y) && countOf(first, x) * countOf(second, y) >= floor &&
                   PassesTheReaders(fits, MakeGivenNameCode(x, y));
        };
        double total = 0;
        double topWeight = 0;
        for (std::size_t a = 0; a <= 300; ++a) {
            for (std::size_t b = 0; b <= 300; ++b) {
                const double w = kept(a, b) ? weight(first[a]) * weight(second[b]) : 0.0;
                total += w;
                topWeight += a == 0 ? w : 0.0;
            }
        }
        const PositionEntry& top = first[0];
        ASSERT_GT(topWeight, 0.0);
        const double expected = topWeight / total;
        const double observed = static_cast<double>(seen[top.CharIndex]) / kDraws;
        EXPECT_NEAR(observed, expected, expected * 0.15) << CharacterText(top.CharIndex);
        // A character of rank 300 is far rarer than the top one.
        EXPECT_LT(seen[first[300].CharIndex] * 20, seen[top.CharIndex]);
    }
}

TEST(SimpleGeneration, CorpusDrawsStopAtTheLimit) {
    NamingState state = SeededState(Sex::Male);
    state.candidates.codes.assign(1990, 1);
    AddCorpusNames(state, 50);
    EXPECT_EQ(state.candidates.count(), kCandidateLimit);
}

TEST(SingleCharacterGeneration, TakesFrequentCharactersOfBothPositions) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        NamingState state = SeededState(sex);
        AddSingleCharacters(state, nullptr);
        const WorkingSet& ws = state.workingSet;
        std::size_t first = FrequentCount(ws.FirstPosition);
        ASSERT_EQ(state.candidates.count(), first + FrequentCount(ws.SecondPosition));
        for (std::size_t i = 0; i < state.candidates.count(); ++i) {
            GivenNameCode code = state.candidates.codes[i];
            ASSERT_EQ(SecondIndexOf(code), kNoSecondCharacter);
        }
        // Table order: first-position characters in rank order, then second-position.
        EXPECT_EQ(FirstIndexOf(state.candidates.codes[0]), ws.FirstPosition[0].CharIndex);
        EXPECT_EQ(FirstIndexOf(state.candidates.codes[first]), ws.SecondPosition[0].CharIndex);
    }
}

TEST(SingleCharacterGeneration, CommonCharactersComeFirst) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        NamingState state = SeededState(sex, 11);
        AddSingleCharacters(state, nullptr);
        std::vector<GivenNameCode> before = state.candidates.codes;
        OrderSingleCharactersByUse(state);
        std::vector<GivenNameCode> after = state.candidates.codes;
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before) << "the same codes, only reordered";

        // The ten most given first characters stand, on average, far earlier
        // than the ten least given characters the list holds.
        const auto& codes = state.candidates.codes;
        auto meanPosition = [&](std::size_t fromRank, std::size_t toRank) {
            double sum = 0;
            for (std::size_t r = fromRank; r < toRank; ++r) {
                const GivenNameCode code = MakeGivenNameCode(
                    state.workingSet.FirstPosition[r].CharIndex, kNoSecondCharacter);
                sum += static_cast<double>(std::find(codes.begin(), codes.end(), code) -
                                           codes.begin());
            }
            return sum / static_cast<double>(toRank - fromRank);
        };
        const std::size_t frequent = FrequentCount(state.workingSet.FirstPosition);
        EXPECT_LT(meanPosition(0, 10) * 4, meanPosition(frequent - 10, frequent));
    }
}

TEST(SingleCharacterGeneration, AdvancedRequestsFilterOrFixTheCharacter) {
    NamingState state = SeededState(Sex::Male);
    FilterSet filters;
    filters.chk2_1 = true;
    filters.chk2_15 = true;  // 土 by meaning
    FilterTests tests(filters);
    AddSingleCharacters(state, &tests);
    ASSERT_GT(state.candidates.count(), 0u);
    for (GivenNameCode code : state.candidates.codes) {
        ASSERT_EQ(MeaningElementsOf(FirstIndexOf(code)) & kEarth, kEarth);
    }

    NamingState fixed = SeededState(Sex::Male);
    FilterSet only;
    only.chk1_1 = true;
    only.edt1_1 = "坤";
    only.chk2_1 = true;  // ignored once the character is fixed
    FilterTests fixedTests(only);
    AddSingleCharacters(fixed, &fixedTests);
    EXPECT_EQ(fixed.candidates.codes,
              (std::vector<GivenNameCode>{MakeGivenNameCode(FindCharacter("坤"), 0xFFFF)}));
}

TEST(AdvancedGeneration, WithoutConditionsTakesCorpusNamesAndFourTiers) {
    NamingState state = SeededState(Sex::Male);
    FilterTests tests{FilterSet{}};
    AddFilteredCorpusNames(state, tests, 100);
    ASSERT_EQ(state.candidates.count(), 101u);
    std::unordered_set<GivenNameCode> corpus(state.workingSet.Corpus.begin(),
                                             state.workingSet.Corpus.end());
    for (GivenNameCode code : state.candidates.codes)
        ASSERT_TRUE(corpus.count(code));
    AddTieredPairs(state, tests);
    EXPECT_EQ(state.candidates.count(), 101u + 400 + 300 + 150 + 50);
    // The last tier pools the pairs of ranks up to 400 (70801 pairs with no
    // filter) but those that lean to the other sex.
    EXPECT_LT(state.pairPool.size(), 70801u);
    EXPECT_GT(state.pairPool.size(), 50000u);
    for (GivenNameCode code : state.pairPool)
        ASSERT_FALSE(PairLeansToOtherSex(FirstIndexOf(code), SecondIndexOf(code), Sex::Male))
            << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
    auto firstRanks = RanksOf(state.workingSet.FirstPosition);
    auto secondRanks = RanksOf(state.workingSet.SecondPosition);
    for (std::size_t i = 101; i < state.candidates.count(); ++i) {
        GivenNameCode code = state.candidates.codes[i];
        ASSERT_LE(firstRanks.at(FirstIndexOf(code)), 400u);
        ASSERT_LE(secondRanks.at(SecondIndexOf(code)), 400u);
    }
}

TEST(AdvancedGeneration, AFixedCharacterKeepsEveryPartner) {
    // 强 fixed for a girl: the user's choice, so its partners are not held to
    // the girls' balance (强涵 leans male on balance and still comes).
    NamingState state = SeededState(Sex::Female);
    FilterSet filters;
    filters.chk1_1 = true;
    filters.edt1_1 = "强";
    FilterTests tests(filters);
    AddTieredPairs(state, tests);
    ASSERT_GT(state.candidates.count(), 0u);
    const auto leaning = std::count_if(
        state.candidates.codes.begin(), state.candidates.codes.end(), [](GivenNameCode code) {
            return PairLeansToOtherSex(FirstIndexOf(code), SecondIndexOf(code), Sex::Female);
        });
    EXPECT_GT(leaning, 0);
}

TEST(AdvancedGeneration, TwoFixedCharactersLeaveOneName) {
    NamingState state = SeededState(Sex::Male);
    FilterSet filters;
    filters.chk1_1 = true;
    filters.edt1_1 = "建";
    filters.chk1_2 = true;
    filters.edt1_2 = "华";
    FilterTests tests(filters);
    AddFilteredCorpusNames(state, tests, 100);
    AddTieredPairs(state, tests);
    const GivenNameCode jianhua = MakeGivenNameCode(FindCharacter("建"), FindCharacter("华"));
    ASSERT_FALSE(state.candidates.codes.empty());
    for (GivenNameCode code : state.candidates.codes)
        ASSERT_EQ(code, jianhua);
    RemoveDuplicateCodes(state.candidates);
    EXPECT_EQ(state.candidates.count(), 1u);
}

TEST(AdvancedGeneration, ImpossibleConditionsYieldNothing) {
    NamingState state = SeededState(Sex::Female);
    FilterSet filters;
    filters.chk5_1 = true;
    filters.sedt5_11 = 7;
    filters.sedt5_12 = 6;  // lower bound above the upper
    FilterTests tests(filters);
    AddFilteredCorpusNames(state, tests, 100);
    AddTieredPairs(state, tests);
    EXPECT_EQ(state.candidates.count(), 0u);
}

TEST(AdvancedGeneration, EveryPairPassesEveryCondition) {
    NamingState state = SeededState(Sex::Female);
    FilterSet filters;
    filters.chk2_2 = true;
    filters.chk2_23 = true;  // second character 水 by meaning
    filters.chk5_3 = true;
    filters.strokeKind = StrokeKind::Kangxi;
    filters.sedt5_31 = 15;
    filters.sedt5_32 = 25;
    FilterTests tests(filters);
    AddFilteredCorpusNames(state, tests, 100);
    AddTieredPairs(state, tests);
    ASSERT_GT(state.candidates.count(), 0u);
    for (GivenNameCode code : state.candidates.codes) {
        ASSERT_NE(MeaningElementsOf(SecondIndexOf(code)) & kWater, 0);
        std::uint32_t strokes =
            KangxiStrokesOf(FirstIndexOf(code)) + KangxiStrokesOf(SecondIndexOf(code));
        ASSERT_GE(strokes, 15u);
        ASSERT_LE(strokes, 25u);
    }
}

TEST(MatchesFixedCharacters, ComparesTheTextsOfTheFixedRows) {
    FilterSet filters;
    const std::uint32_t jian = FindCharacter("建"), hua = FindCharacter("华");
    EXPECT_TRUE(MatchesFixedCharacters(filters, jian, hua));
    filters.chk1_1 = true;
    filters.edt1_1 = "建";
    EXPECT_TRUE(MatchesFixedCharacters(filters, jian, hua));
    EXPECT_FALSE(MatchesFixedCharacters(filters, hua, jian));
    filters.chk1_2 = true;
    filters.edt1_2 = "军";
    EXPECT_FALSE(MatchesFixedCharacters(filters, jian, hua));
}

}  // namespace
}  // namespace lumivane
