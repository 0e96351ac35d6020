// Name corpora and position tables: code packing, sizes, orders and the rows
// the data makes telling.

#include "core/data/name_corpora.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace lumivane {
namespace {

std::uint32_t Index(const char* text) {
    const std::uint32_t index = FindCharacter(text);
    EXPECT_LT(index, DictionarySize) << text;
    return index;
}

GivenNameCode CodeOf(const char* first, const char* second) {
    return MakeGivenNameCode(Index(first), Index(second));
}

std::string NameOf(GivenNameCode code) {
    return std::string(CharacterText(FirstIndexOf(code))) +
           std::string(CharacterText(SecondIndexOf(code)));
}

TEST(GivenNameCode, PacksFirstHighAndSecondLow) {
    EXPECT_EQ(CodeOf("建", "华"), 0x00030000u);
    EXPECT_EQ(FirstIndexOf(0x00030000u), 3u);
    EXPECT_EQ(SecondIndexOf(0x00030000u), 0u);  // 0 is a real second character
    EXPECT_EQ(CodeOf("婷", "婷"), 0x00700070u);
    EXPECT_EQ(MakeGivenNameCode(0, kNoSecondCharacter), 0x0000FFFFu);
    EXPECT_TRUE(Character(SecondIndexOf(0x0000FFFFu)).Text.empty());
    EXPECT_EQ(CodeOf("生", "坤"), 0x00010080u);
    const struct {
        const char* first;
        const char* second;
        GivenNameCode code;
    } designed[] = {{"建", "军", 0x00030006u}, {"建", "国", 0x00030009u}, {"志", "强", 0x000A0012u},
                    {"志", "刚", 0x000A0028u}, {"海", "燕", 0x0007001Fu}, {"丽", "萍", 0x000E002Du},
                    {"丽", "娟", 0x000E002Eu}, {"红", "梅", 0x000D002Cu}};
    for (const auto& name : designed) {
        EXPECT_EQ(CodeOf(name.first, name.second), name.code) << name.first << name.second;
    }
}

TEST(WorkingSet, SexItemSelectsItsOwnData) {
    EXPECT_EQ(SexOfItemIndex(0), Sex::Male);
    EXPECT_EQ(SexOfItemIndex(1), Sex::Female);
    EXPECT_EQ(SexOfItemIndex(-1), Sex::Female);
    const WorkingSet male = SelectWorkingSet(SexOfItemIndex(0));
    const WorkingSet female = SelectWorkingSet(SexOfItemIndex(1));
    EXPECT_EQ(male.sex, Sex::Male);
    EXPECT_EQ(female.sex, Sex::Female);
    EXPECT_NE(male.FirstPosition.data(), female.FirstPosition.data());
    EXPECT_NE(male.SecondPosition.data(), female.SecondPosition.data());
    EXPECT_NE(male.Corpus.data(), female.Corpus.data());
    EXPECT_NE(male.FirstPosition.data(), male.SecondPosition.data());
    EXPECT_EQ(male.Corpus.size(), NameCorpusSize(Sex::Male));
    EXPECT_EQ(female.Corpus.size(), NameCorpusSize(Sex::Female));
    EXPECT_EQ(male.Bounds, (RankBounds{100, 200, 300, 400}));
    EXPECT_EQ(female.Bounds, (RankBounds{100, 200, 300, 400}));
    EXPECT_EQ(TierQuotas, (std::array<std::uint32_t, 4>{400, 300, 150, 50}));
}

class PositionTables : public ::testing::TestWithParam<std::pair<Sex, bool>> {
protected:
    std::span<const PositionEntry> Table() const {
        const WorkingSet set = SelectWorkingSet(GetParam().first);
        return GetParam().second ? set.FirstPosition : set.SecondPosition;
    }
};

TEST_P(PositionTables, RankEveryCharacterOnceByDescendingCount) {
    auto table = Table();
    ASSERT_EQ(table.size(), DictionarySize + 1);
    EXPECT_EQ(table[DictionarySize].CharIndex, 0u);
    EXPECT_EQ(table[DictionarySize].Count, 0u);
    std::vector<bool> seen(DictionarySize, false);
    for (std::uint32_t rank = 0; rank < DictionarySize; ++rank) {
        const PositionEntry& entry = table[rank];
        ASSERT_LT(entry.CharIndex, DictionarySize) << rank;
        ASSERT_FALSE(seen[entry.CharIndex]) << rank;
        seen[entry.CharIndex] = true;
        if (rank > 0) {
            ASSERT_GE(table[rank - 1].Count, entry.Count) << rank;
            if (entry.Count == 0 && table[rank - 1].Count == 0) {
                // Never-seen characters follow in dictionary order.
                ASSERT_LT(table[rank - 1].CharIndex, entry.CharIndex) << rank;
            }
        }
    }
}

TEST_P(PositionTables, CountsAreScaledToTheSameLargestValue) {
    const WorkingSet set = SelectWorkingSet(GetParam().first);
    const std::uint32_t largest = std::max(set.FirstPosition[0].Count, set.SecondPosition[0].Count);
    EXPECT_EQ(largest, 116041u);
    auto table = Table();
    const auto nonZero = std::count_if(table.begin(), table.end() - 1,
                                       [](const PositionEntry& e) { return e.Count > 0; });
    const auto above100 = std::count_if(table.begin(), table.end() - 1,
                                        [](const PositionEntry& e) { return e.Count > 100; });
    // Counts come from the real statistics of some two thousand name characters.
    EXPECT_GT(nonZero, 2000);
    EXPECT_LT(nonZero, 3000);
    EXPECT_GT(above100, 500);
    EXPECT_LT(above100, nonZero);
}

INSTANTIATE_TEST_SUITE_P(AllFour, PositionTables,
                         ::testing::Values(std::pair{Sex::Male, true}, std::pair{Sex::Male, false},
                                           std::pair{Sex::Female, true},
                                           std::pair{Sex::Female, false}));

std::set<std::string> TopFive(std::span<const PositionEntry> table) {
    std::set<std::string> top;
    for (std::uint32_t rank = 0; rank < 5; ++rank) {
        top.insert(std::string(CharacterText(table[rank].CharIndex)));
    }
    return top;
}

TEST(PositionTables, TopRanksOfTheNameStatistics) {
    const WorkingSet male = SelectWorkingSet(Sex::Male);
    const WorkingSet female = SelectWorkingSet(Sex::Female);
    EXPECT_EQ(TopFive(male.FirstPosition), (std::set<std::string>{"建", "志", "文", "国", "海"}));
    auto maleSecond = TopFive(male.SecondPosition);
    for (const char* text : {"华", "军", "明", "平"}) {
        EXPECT_TRUE(maleSecond.count(text)) << text;
    }
    auto femaleFirst = TopFive(female.FirstPosition);
    for (const char* text : {"丽", "小"}) {
        EXPECT_TRUE(femaleFirst.count(text)) << text;
    }
    auto femaleSecond = TopFive(female.SecondPosition);
    for (const char* text : {"华", "英", "梅"}) {
        EXPECT_TRUE(femaleSecond.count(text)) << text;
    }
    // A boy's name character stands far below where a girl's does.
    auto rankOf = [](std::span<const PositionEntry> table, const char* text) {
        const std::uint32_t index = FindCharacter(text);
        return std::find_if(table.begin(), table.end(),
                            [&](const PositionEntry& e) { return e.CharIndex == index; }) -
               table.begin();
    };
    EXPECT_LT(rankOf(male.FirstPosition, "建"), rankOf(female.FirstPosition, "建"));
    EXPECT_LT(rankOf(female.SecondPosition, "娟"), rankOf(male.SecondPosition, "娟"));
}

TEST(NameCorpora, HoldOnlyDistinctRealTwoCharacterNames) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const WorkingSet set = SelectWorkingSet(sex);
        ASSERT_EQ(set.Corpus.size(), NameCorpusSize(sex));
        EXPECT_GT(NameCorpusSize(sex), 10000u);
        EXPECT_LE(NameCorpusSize(sex), 50000u);
        std::set<GivenNameCode> seen;
        for (GivenNameCode code : set.Corpus) {
            ASSERT_NE(SecondIndexOf(code), kNoSecondCharacter);
            ASSERT_LT(FirstIndexOf(code), DictionarySize) << code;
            ASSERT_LT(SecondIndexOf(code), DictionarySize) << code;
            ASSERT_TRUE(seen.insert(code).second) << NameOf(code);
        }
    }
}

TEST(NameCorpora, BeginWithTheMostCommonNames) {
    const auto male = SelectWorkingSet(Sex::Male).Corpus;
    const auto female = SelectWorkingSet(Sex::Female).Corpus;
    std::set<std::string> maleTop;
    for (std::size_t k = 0; k < 6; ++k) {
        maleTop.insert(NameOf(male[k]));
    }
    for (const char* name : {"建华", "建军", "建国", "志强", "志刚"}) {
        EXPECT_TRUE(maleTop.count(name)) << name;
    }
    auto position = [](std::span<const GivenNameCode> corpus, GivenNameCode code) {
        return std::find(corpus.begin(), corpus.end(), code) - corpus.begin();
    };
    for (GivenNameCode code : {0x0007001Fu, 0x000E002Du, 0x000E002Eu, 0x00700070u, 0x000D002Cu}) {
        EXPECT_LT(position(female, code), 50) << NameOf(code);
        EXPECT_EQ(position(male, code), static_cast<std::ptrdiff_t>(male.size())) << NameOf(code);
    }
    EXPECT_EQ(position(female, CodeOf("建", "国")), static_cast<std::ptrdiff_t>(female.size()));
}

TEST(NameCorpora, ShareCommonNamesOfBothSexes) {
    const auto male = SelectWorkingSet(Sex::Male).Corpus;
    const auto female = SelectWorkingSet(Sex::Female).Corpus;
    std::set<GivenNameCode> maleCodes(male.begin(), male.end());
    const auto shared = std::count_if(female.begin(), female.end(),
                                      [&](GivenNameCode c) { return maleCodes.count(c) > 0; });
    EXPECT_GT(shared, 0);
    EXPECT_LT(static_cast<std::size_t>(shared), female.size());
}

}  // namespace
}  // namespace lumivane
