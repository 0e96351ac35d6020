#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>

#include "core/app/naming_request.h"
#include "core/naming/readings.h"
#include "core/naming/verse_generator.h"
#include "core/text/characters.h"

namespace lumivane {
namespace {

constexpr std::array<VerseGroup, 6> kGroups = {VerseGroup::All,   VerseGroup::Shijing,
                                               VerseGroup::Chuci, VerseGroup::Tang,
                                               VerseGroup::Song,  VerseGroup::Lunyu};

NamingState PoetryList(Sex sex, std::uint64_t seed, VerseGroup group,
                       const FilterSet* filters = nullptr) {
    NamingState state{RandomSource(seed)};
    state.familyText = "王";
    state.familyName = MakeFamilyName("王");
    GenerateCandidates(state, 1, sex == Sex::Male ? 0 : 1, filters, NameSource::Poetry, group);
    return state;
}

// A character the statistics give clearly to the other sex (70 % of bearers).
bool OfTheOtherSex(std::uint32_t index, Sex sex) {
    const int gender = CharacterGenderIndex(index);
    return sex == Sex::Female ? gender >= 400 : gender <= -400;
}

// Over several seeds, every collection and both sexes: each row's line holds
// its two characters in order within one sentence and stands in the chosen
// collection; at most 2 % of a list carries a character of the other sex; no
// row is a name the readers refused as a free pair of its sex, though the
// verse names hold some (一豪, 梦依).
TEST(VerseGenerator, RowsCarryTheirLinesFromTheChosenCollection) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const std::span<const GivenNameCode> refused = PairFitsOf(sex).Refused;
        const auto isRefused = [&](GivenNameCode code) {
            return std::find(refused.begin(), refused.end(), code) != refused.end();
        };
        const std::span<const VerseName> names = VerseNames(sex);
        ASSERT_TRUE(std::any_of(names.begin(), names.end(),
                                [&](const VerseName& name) { return isRefused(name.code); }));
        for (VerseGroup group : kGroups) {
            for (std::uint64_t seed : {1u, 2u, 77u}) {
                const std::string label =
                    std::string(sex == Sex::Male ? "男 " : "女 ") +
                    std::string(
                        kVerseGroupItems[static_cast<std::size_t>(ItemOfVerseGroup(group))]) +
                    " seed " + std::to_string(seed);
                NamingState state = PoetryList(sex, seed, group);
                // A single collection gives a few names of either sex (论语 a girl's
                // two), all of them more than a hundred.
                ASSERT_GT(state.candidates.count(), group == VerseGroup::All ? 100u : 0u) << label;
                EXPECT_LE(state.candidates.count(), kCandidateLimit) << label;
                const std::vector<ResultRow> rows = FillResultList(state);
                std::size_t otherSex = 0;
                std::set<GivenNameCode> seen;
                for (const ResultRow& row : rows) {
                    ASSERT_TRUE(row.verse.has_value()) << label << " " << row.Caption();
                    const GivenNameCode code = row.Code();
                    EXPECT_TRUE(seen.insert(code).second) << label << " " << row.Caption();
                    const std::uint32_t a = FirstIndexOf(code);
                    const std::uint32_t b = SecondIndexOf(code);
                    EXPECT_TRUE(LineHoldsPair(row.verse->line, CharacterText(a), CharacterText(b)))
                        << label << " " << row.Caption() << " " << row.verse->line;
                    EXPECT_TRUE(StanzaInGroup(VerseStanzaAt(row.verse->stanza), group))
                        << label << " " << row.Caption();
                    otherSex += OfTheOtherSex(a, sex) || OfTheOtherSex(b, sex);
                    EXPECT_FALSE(isRefused(code)) << label << " " << row.Caption();
                }
                EXPECT_LE(otherSex * 50, rows.size()) << label;
            }
        }
    }
}

// A verse name whose reading readers heard as ill after the family name (李
// jiā qí, 李佳琦) is left out for that family name.
TEST(VerseGenerator, ReadingsHeardAfterTheFamilyNameAreLeftOut) {
    const FamilyName li = MakeFamilyName("李");
    int heardNames = 0;
    for (Sex sex : {Sex::Male, Sex::Female}) {
        std::set<std::string> sounds;
        for (const HeardSound& sound : PairFitsOf(sex).Sounds) {
            if (sound.Family == "李") {
                sounds.insert(std::string(sound.Reading));
            }
        }
        const auto heard = [&](GivenNameCode code) {
            return sounds.count(ReadingOf(FirstIndexOf(code), ReadingRole::Given) + " " +
                                ReadingOf(SecondIndexOf(code), ReadingRole::Given)) > 0;
        };
        for (const VerseName& name : VerseNames(sex)) {
            heardNames += heard(name.code) ? 1 : 0;
        }
        for (std::uint64_t seed : {1u, 2u, 3u}) {
            NamingState state{RandomSource(seed)};
            state.familyText = "李";
            state.familyName = li;
            GenerateCandidates(state, 1, sex == Sex::Male ? 0 : 1, nullptr, NameSource::Poetry,
                               VerseGroup::All);
            ASSERT_GT(state.candidates.count(), 100u);
            for (GivenNameCode code : state.candidates.codes) {
                EXPECT_FALSE(heard(code))
                    << CharacterText(FirstIndexOf(code)) << CharacterText(SecondIndexOf(code));
            }
        }
    }
    EXPECT_GT(heardNames, 0) << "the verse names hold some (嘉奇, 世明)";
}

TEST(VerseGenerator, KnownCollectionsFirstAndASeedRepeatsTheList) {
    NamingState one = PoetryList(Sex::Female, 5, VerseGroup::All);
    NamingState again = PoetryList(Sex::Female, 5, VerseGroup::All);
    NamingState other = PoetryList(Sex::Female, 6, VerseGroup::All);
    EXPECT_EQ(one.candidates.codes, again.candidates.codes);
    EXPECT_NE(one.candidates.codes, other.candidates.codes);
    bool large = false;
    for (GivenNameCode code : one.candidates.codes) {
        const VerseStanza stanza = VerseStanzaAt(VerseOfName(Sex::Female, code)->stanza);
        const bool fromLarge = stanza.collection == "全唐诗" || stanza.collection == "全宋词";
        EXPECT_TRUE(fromLarge || !large) << "a known collection after 全唐诗 or 全宋词";
        large = large || fromLarge;
    }
    EXPECT_TRUE(large);
}

TEST(VerseGenerator, AdvancedFiltersApply) {
    FilterSet filters;
    filters.chk1_1 = true;
    filters.edt1_1 = "思";
    NamingState state = PoetryList(Sex::Female, 3, VerseGroup::All, &filters);
    ASSERT_GT(state.candidates.count(), 5u);
    for (GivenNameCode code : state.candidates.codes) {
        EXPECT_EQ(CharacterText(FirstIndexOf(code)), "思");
    }
    filters.edt1_1 = "龘";
    EXPECT_EQ(PoetryList(Sex::Female, 3, VerseGroup::All, &filters).candidates.count(), 0u);
}

TEST(VerseGenerator, RequestAndSimpleListLines) {
    NamingState state{RandomSource(9)};
    NamingInputs inputs;
    inputs.familyNameText = "王";
    inputs.sexIndex = 1;
    inputs.nameLengthIndex = 0;  // a poetry list has two characters whatever the length says
    inputs.source = NameSource::Poetry;
    inputs.verseGroup = VerseGroup::Shijing;
    NamingResult result = RunNamingRequest(state, inputs, {});
    ASSERT_EQ(result.outcome, NamingOutcome::Filled);
    ASSERT_FALSE(result.rows.empty());
    const ResultRow& row = result.rows.front();
    EXPECT_EQ(CharacterCount(row.Caption()), 3u);
    const std::string verse = ShortVerseTextOf(row);
    EXPECT_NE(verse.find("——《诗经·"), std::string::npos) << verse;
    const std::string memo = RebuildNameMemo(result.rows, result.rows.size());
    EXPECT_EQ(memo.substr(0, row.Caption().size() + 2 + verse.size() + 2),
              row.Caption() + "  " + verse + "\r\n");
    // The next common request carries no verse.
    inputs.source = NameSource::Common;
    inputs.nameLengthIndex = 1;
    result = RunNamingRequest(state, inputs, {});
    ASSERT_EQ(result.outcome, NamingOutcome::Filled);
    EXPECT_FALSE(result.rows.front().verse.has_value());
}

}  // namespace
}  // namespace lumivane
