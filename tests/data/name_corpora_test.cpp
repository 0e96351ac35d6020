// Name corpora and position tables: code packing, sizes, orders and the rows
// the data makes telling.

#include "core/data/name_corpora.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <set>
#include <span>
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

TEST_P(PositionTables, RankOfferedThenHeldBackThenUncountedCharacters) {
    auto table = Table();
    ASSERT_EQ(table.size(), DictionarySize + 1);
    EXPECT_EQ(table[DictionarySize].CharIndex, 0u);
    EXPECT_EQ(table[DictionarySize].Count, 0u);
    std::vector<bool> seen(DictionarySize, false);
    // Three runs: the offered characters by descending count, the characters
    // held back from this sex by descending count, the characters counting 0
    // in dictionary order.
    int run = 0;
    for (std::uint32_t rank = 0; rank < DictionarySize; ++rank) {
        const PositionEntry& entry = table[rank];
        ASSERT_LT(entry.CharIndex, DictionarySize) << rank;
        ASSERT_FALSE(seen[entry.CharIndex]) << rank;
        seen[entry.CharIndex] = true;
        if (rank == 0) {
            continue;
        }
        const PositionEntry& before = table[rank - 1];
        if (entry.Count == 0) {
            if (before.Count == 0) {
                ASSERT_LT(before.CharIndex, entry.CharIndex) << rank;
            }
            run = 2;
        } else if (entry.Count > before.Count) {
            ASSERT_EQ(run, 0) << "a fourth run at rank " << rank;
            run = 1;
        } else {
            ASSERT_LT(run, 2) << "a count after the zero run at rank " << rank;
        }
    }
    EXPECT_EQ(run, 2);
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
    // Counts come from the real statistics of some two thousand name characters;
    // some 300 to 450 offered ones count above 100 (the held-back ones are capped).
    EXPECT_GT(nonZero, 1500);
    EXPECT_LT(nonZero, 3000);
    EXPECT_GT(above100, 250);
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

std::uint32_t RankOf(std::span<const PositionEntry> table, const char* text) {
    const std::uint32_t index = FindCharacter(text);
    return static_cast<std::uint32_t>(
        std::find_if(table.begin(), table.end(),
                     [&](const PositionEntry& e) { return e.CharIndex == index; }) -
        table.begin());
}

// The ranks the simple generator draws from.
constexpr std::uint32_t kDrawnRanks = 301;

TEST(PositionTables, TopRanksDescribeNamesGivenToday) {
    const WorkingSet male = SelectWorkingSet(Sex::Male);
    const WorkingSet female = SelectWorkingSet(Sex::Female);
    const struct {
        const char* label;
        std::span<const PositionEntry> table;
        std::vector<const char*> top;
    } cases[] = {
        {"male first", male.FirstPosition, {"文", "佳", "子", "宇", "浩"}},
        {"male second", male.SecondPosition, {"豪", "宇", "杰", "龙", "轩"}},
        {"female first", female.FirstPosition, {"佳", "思", "梦", "雨", "文"}},
        {"female second", female.SecondPosition, {"婷", "怡", "慧", "欣", "琪"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TopFive(c.table), std::set<std::string>(c.top.begin(), c.top.end())) << c.label;
    }
    // Names of the 2000s rank high: 涵 萱 轩 梓 are drawn, the generation of
    // 秀 桂 建 国 is not.
    EXPECT_LT(RankOf(female.SecondPosition, "涵"), 20u);
    EXPECT_LT(RankOf(female.SecondPosition, "萱"), kDrawnRanks);
    EXPECT_LT(RankOf(male.SecondPosition, "轩"), 50u);
    EXPECT_LT(RankOf(male.FirstPosition, "梓"), 150u);
    // Nor the fading characters of the parents' generation (丽 燕 萍 玉 /
    // 勇 伟 强), though the lists of the 2000s still hold 佳丽, 玉婷 and 志强.
    for (const char* dated : {"秀", "桂", "淑", "英", "丽", "燕", "萍", "玉"}) {
        EXPECT_GT(RankOf(female.FirstPosition, dated), kDrawnRanks) << dated;
        EXPECT_GT(RankOf(female.SecondPosition, dated), kDrawnRanks) << dated;
    }
    for (const char* dated : {"建", "国", "军", "刚", "勇", "伟", "强"}) {
        EXPECT_GT(RankOf(male.FirstPosition, dated), kDrawnRanks) << dated;
        EXPECT_GT(RankOf(male.SecondPosition, dated), kDrawnRanks) << dated;
    }
}

// A character ranks in the place real names give it: doubled names (婷婷,
// 飞飞) do not count for both places, so 婷 and 雯 end a girl's name, 飞 and
// 乐 a boy's, and 梦 and 星 begin one.
TEST(PositionTables, CharactersRankWhereRealNamesPutThem) {
    const WorkingSet male = SelectWorkingSet(Sex::Male);
    const WorkingSet female = SelectWorkingSet(Sex::Female);
    for (const char* last : {"婷", "雯", "涵"}) {
        EXPECT_LT(RankOf(female.SecondPosition, last), 100u) << last;
        EXPECT_GT(RankOf(female.FirstPosition, last), kDrawnRanks) << last;
    }
    for (const char* last : {"飞", "乐", "轩"}) {
        EXPECT_LT(RankOf(male.SecondPosition, last), 100u) << last;
        EXPECT_GT(RankOf(male.FirstPosition, last), kDrawnRanks) << last;
    }
    EXPECT_GT(RankOf(female.SecondPosition, "梦"), kDrawnRanks);
    EXPECT_GT(RankOf(male.SecondPosition, "星"), kDrawnRanks);
    EXPECT_LT(RankOf(female.FirstPosition, "紫"), RankOf(female.SecondPosition, "紫"));
}

TEST(PositionTables, HoldBackTheOtherSexWordsIllMeaningSonPreferenceAndFamilyNames) {
    const WorkingSet male = SelectWorkingSet(Sex::Male);
    const WorkingSet female = SelectWorkingSet(Sex::Female);
    const struct {
        const char* label;
        const WorkingSet& set;
        std::vector<const char*> heldBack;
    } cases[] = {
        {"boys' characters for a girl", female, {"伟", "杰", "峰", "浩", "鹏", "强", "宇", "轩"}},
        {"girls' characters for a boy", male, {"婷", "娟", "怡", "欣", "静", "雪", "琪", "丽"}},
        {"son preference, girl", female, {"娣", "招", "引", "男", "弟", "带", "改", "根"}},
        {"son preference, boy", male, {"娣", "招", "引", "男", "弟", "带", "改", "根"}},
        {"family names, girl", female, {"王", "张", "李", "刘", "陈", "杨"}},
        {"family names, boy", male, {"王", "张", "李", "刘", "陈", "杨"}},
        {"word characters, girl", female, {"京", "纪", "路", "意", "音", "南"}},
        {"word characters, boy", male, {"京", "科", "基", "政", "治", "照"}},
        {"leaning male, for a girl", female, {"聪", "昭", "晖", "泓", "垚", "焱"}},
        {"leaning female, for a boy", male, {"钰", "冰", "瑜", "若", "榕"}},
        {"ill meaning, girl", female, {"淋", "郁", "妞", "咪", "鸽", "飘"}},
        {"ill meaning, boy", male, {"淋", "野", "浪", "旋", "豫"}},
    };
    for (const auto& c : cases) {
        for (const char* text : c.heldBack) {
            // Below every rank a generator draws from, and not counted above
            // 100 as the one-character list needs.
            for (auto table : {c.set.FirstPosition, c.set.SecondPosition}) {
                const std::uint32_t rank = RankOf(table, text);
                EXPECT_GT(rank, std::max(kDrawnRanks, c.set.Bounds.back()))
                    << c.label << " " << text;
                EXPECT_LE(table[rank].Count, 100u) << c.label << " " << text;
            }
        }
    }
    // A held-back character keeps a count, capped at 100 so that the
    // one-character list (counts above 100) does not offer it either.
    const PositionEntry& wei = female.FirstPosition[RankOf(female.FirstPosition, "伟")];
    EXPECT_EQ(wei.Count, 100u);
}

// Real names gather on the common pairs more than independent characters
// would, so the draw exponent calibrated on the national list lies above 1;
// a value far above would leave the list a few dozen names.
TEST(PositionTables, DrawExponentGathersOnCommonPairs) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const double exponent = SelectWorkingSet(sex).PairExponent;
        EXPECT_GT(exponent, 1.05);
        EXPECT_LT(exponent, 2.0);
    }
}

TEST(PairFits, CoverTheDrawnRanksOfEachPlace) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const PairFitTable fits = PairFitsOf(sex);
        const WorkingSet ws = SelectWorkingSet(sex);
        const auto sameRanks = [](std::span<const PairFitEntry> fit,
                                  std::span<const PositionEntry> table) {
            ASSERT_EQ(fit.size(), 301u);
            for (std::size_t r = 0; r < fit.size(); ++r) {
                EXPECT_EQ(fit[r].CharIndex, table[r].CharIndex) << r;
            }
        };
        sameRanks(fits.First, ws.FirstPosition);
        sameRanks(fits.Second, ws.SecondPosition);
    }
}

// A drawn character's fit in its place; the test fails when the table lacks it.
std::int32_t FitOf(std::span<const PairFitEntry> table, const char* text) {
    const std::uint32_t index = Index(text);
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const PairFitEntry& e) { return e.CharIndex == index; });
    EXPECT_NE(found, table.end()) << text;
    return found == table.end() ? 0 : found->Thousandths;
}

TEST(PairFits, TellTheNamesOfTodayFromDatedAndAwkwardPairs) {
    const struct {
        Sex sex;
        const char* first;
        const char* second;
        bool proposed;
    } kCases[] = {
        // Names of the national lists of the 2000s.
        {Sex::Male, "浩", "宇", true},
        {Sex::Male, "宇", "轩", true},
        {Sex::Male, "家", "豪", true},
        {Sex::Male, "俊", "杰", true},
        {Sex::Female, "欣", "怡", true},
        {Sex::Female, "雨", "欣", true},
        {Sex::Female, "思", "雨", true},
        {Sex::Female, "子", "涵", true},
        // The parents' generation, a rustic ending, 思 ending a boy's name;
        // a girl's name of cleaning products (可洁) or of cold (晨冰).
        {Sex::Male, "世", "祥", false},
        {Sex::Male, "博", "旺", false},
        {Sex::Male, "恩", "思", false},
        {Sex::Male, "宇", "思", false},
        {Sex::Female, "可", "洁", false},
        {Sex::Female, "晨", "冰", false},
    };
    for (const auto& c : kCases) {
        const PairFitTable fits = PairFitsOf(c.sex);
        EXPECT_EQ(FitOf(fits.First, c.first) + FitOf(fits.Second, c.second) >= fits.Bar, c.proposed)
            << c.first << c.second;
    }
}

// The readers' panel refuses a character in the place where its judged pairs
// read odd and keeps the commonest characters of today; the pairs readers
// heard as ill, and those mostly found odd, are refused, held in ascending
// order for the generator's search.
TEST(PairFits, ThePanelRefusesWhereReadersMarkedAndKeepsTheCommonest) {
    const struct {
        Sex sex;
        bool first;
        const char* text;
        bool kept;
    } kCases[] = {
        {Sex::Male, false, "梓", false},    // 浩梓 文梓 佳梓: reversed
        {Sex::Male, false, "鑫", false},    // 锦鑫 圣鑫: a shop's name
        {Sex::Male, false, "祥", false},    // 天祥 家祥: dated
        {Sex::Male, true, "雨", false},     // 雨博 雨旭
        {Sex::Female, true, "洁", false},   // 可洁 洁婷
        {Sex::Female, false, "冰", false},  // 晨冰 雅冰
        {Sex::Male, true, "浩", true},     {Sex::Male, true, "宇", true},
        {Sex::Male, false, "轩", true},    {Sex::Male, false, "杰", true},
        {Sex::Female, true, "欣", true},   {Sex::Female, true, "子", true},
        {Sex::Female, false, "怡", true},  {Sex::Female, false, "涵", true},
    };
    for (const auto& c : kCases) {
        const PairFitTable fits = PairFitsOf(c.sex);
        const std::span<const PairFitEntry> place = c.first ? fits.First : fits.Second;
        const std::uint32_t index = Index(c.text);
        const auto found = std::find_if(place.begin(), place.end(), [&](const PairFitEntry& e) {
            return e.CharIndex == index;
        });
        ASSERT_NE(found, place.end()) << c.text;
        EXPECT_EQ(found->Panel >= fits.PanelBar, c.kept) << c.text;
    }
    const struct {
        Sex sex;
        const char* given;
    } kHeard[] = {{Sex::Male, "思乐"},   {Sex::Male, "诗铭"}, {Sex::Female, "洁楠"},
                  {Sex::Female, "心雯"}, {Sex::Male, "柯杰"}, {Sex::Male, "世鹏"}};
    for (const auto& h : kHeard) {
        const PairFitTable fits = PairFitsOf(h.sex);
        const std::string given = h.given;
        const GivenNameCode code =
            MakeGivenNameCode(Index(given.substr(0, 3).c_str()), Index(given.substr(3).c_str()));
        EXPECT_TRUE(std::binary_search(fits.Refused.begin(), fits.Refused.end(), code)) << h.given;
    }
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const PairFitTable fits = PairFitsOf(sex);
        EXPECT_TRUE(std::adjacent_find(fits.Refused.begin(), fits.Refused.end(),
                                       std::greater_equal<>()) == fits.Refused.end());
    }
}

// A boy's pair is judged by its weaker character: the floor refuses a weak one
// that a strong one would carry over the bar. Girls' pairs have no floor.
TEST(PairFits, TheBoysFloorRefusesAWeakCharacterAStrongOneWouldCarry) {
    const PairFitTable boys = PairFitsOf(Sex::Male);
    const PairFitTable girls = PairFitsOf(Sex::Female);
    EXPECT_EQ(girls.PartFloor, std::numeric_limits<std::int32_t>::min());
    ASSERT_LT(boys.PartFloor, 0);
    // 尧豪, 韬豪 and 杭豪 reach the bar on 豪 alone; readers marked them.
    for (const char* weak : {"尧", "韬", "杭"}) {
        EXPECT_GE(FitOf(boys.First, weak) + FitOf(boys.Second, "豪"), boys.Bar) << weak;
        EXPECT_LT(FitOf(boys.First, weak), boys.PartFloor) << weak;
    }
    for (const char* strong : {"浩", "宇", "子"}) {
        EXPECT_GE(FitOf(boys.First, strong), boys.PartFloor) << strong;
    }
}

TEST(NameCorpora, HoldOnlyDistinctRealTwoCharacterNames) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const WorkingSet set = SelectWorkingSet(sex);
        ASSERT_EQ(set.Corpus.size(), NameCorpusSize(sex));
        EXPECT_GT(NameCorpusSize(sex), 300u);
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

TEST(NameCorpora, BeginWithTheMostCommonNamesOfToday) {
    const auto male = SelectWorkingSet(Sex::Male).Corpus;
    const auto female = SelectWorkingSet(Sex::Female).Corpus;
    auto position = [](std::span<const GivenNameCode> corpus, GivenNameCode code) {
        return std::find(corpus.begin(), corpus.end(), code) - corpus.begin();
    };
    auto absent = [](std::span<const GivenNameCode> corpus) {
        return static_cast<std::ptrdiff_t>(corpus.size());
    };
    // The most common names of the national lists of the 1990s and 2000s.
    for (const auto& [first, second] : {std::pair{"俊", "杰"}, {"浩", "然"}, {"子", "豪"}}) {
        EXPECT_LT(position(male, CodeOf(first, second)), 20) << first << second;
        EXPECT_EQ(position(female, CodeOf(first, second)), absent(female)) << first << second;
    }
    for (const auto& [first, second] : {std::pair{"婷", "婷"}, {"欣", "怡"}, {"佳", "怡"}}) {
        EXPECT_LT(position(female, CodeOf(first, second)), 20) << first << second;
        EXPECT_EQ(position(male, CodeOf(first, second)), absent(male)) << first << second;
    }
    // The names of older generations are not offered to today's parents.
    EXPECT_EQ(position(male, CodeOf("建", "国")), absent(male));
    EXPECT_EQ(position(female, CodeOf("秀", "英")), absent(female));
    EXPECT_EQ(position(female, CodeOf("建", "国")), absent(female));
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
