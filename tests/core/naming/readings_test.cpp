// The reading chooser: family names read as family names, given-name
// characters as names take them, common readings before rare ones.

#include "core/naming/readings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/data/character_dictionary.h"
#include "core/data/family_names.h"
#include "core/data/name_counts.h"
#include "core/naming/same_name.h"
#include "core/naming/san_cai.h"

namespace lumivane {
namespace {

std::uint32_t Index(const char* text) {
    const std::uint32_t index = FindCharacter(text);
    EXPECT_LT(index, DictionarySize) << text;
    return index;
}

// Family-name readings as the 百家姓 and the general standard list's
// dictionary give them (现代汉语词典: 曾 zēng "姓", 单 shàn "姓", 解 xiè "姓",
// 区 ōu "姓", 仇 qiú "姓", 查 zhā "姓", 朴 piáo "姓", 盖 gě "姓").
TEST(Readings, FamilyNamesReadAsFamilyNames) {
    struct Case {
        const char* family;
        const char* reading;
    };
    const std::vector<Case> cases = {
        {"曾", "zēng"},     {"单", "shàn"},    {"解", "xiè"},         {"区", "ōu"},
        {"仇", "qiú"},      {"查", "zhā"},     {"朴", "piáo"},        {"盖", "gě"},
        {"尉迟", "yù chí"}, {"万俟", "mò qí"}, {"长孙", "zhǎng sūn"}, {"欧阳", "ōu yáng"},
        {"王", "wáng"},     {"李", "lǐ"},      {"乐", "yuè"},         {"华", "huà"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FamilyNameReadingOf(MakeFamilyName(c.family)), c.reading) << c.family;
    }
    // A compound family name's characters read as the whole does.
    const std::array<std::string, 2> moqi = FamilyCharacterReadings(MakeFamilyName("万俟"));
    EXPECT_EQ(moqi[0], "mò");
    EXPECT_EQ(moqi[1], "qí");
}

TEST(Readings, FullNamesReadAsNames) {
    struct Case {
        const char* family;
        const char* first;
        const char* second;  // "" for a one-character given name
        const char* pinyin;
    };
    const std::vector<Case> cases = {
        {"王", "晟", "", "wáng shèng"},      {"李", "偲", "", "lǐ sī"},
        {"曾", "乐", "", "zēng lè"},         {"单", "行", "", "shàn xíng"},
        {"王", "明", "华", "wáng míng huá"}, {"尉迟", "长", "乐", "yù chí cháng lè"},
    };
    for (const Case& c : cases) {
        const std::uint32_t second = *c.second ? Index(c.second) : kNoSecondCharacter;
        EXPECT_EQ(FullNamePinyin(MakeFamilyName(c.family), Index(c.first), second), c.pinyin)
            << c.family << c.first << c.second;
    }
}

TEST(Readings, CommonReadingsFirstRareOnesApart) {
    struct Case {
        const char* character;
        std::vector<std::string> common;
        std::vector<std::string> rare;
    };
    const std::vector<Case> cases = {
        {"王", {"wáng"}, {"wàng", "yù"}},
        {"明", {"míng"}, {"mèng"}},
        {"乐", {"lè", "yuè"}, {}},
        {"长", {"zhǎng", "cháng"}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommonReadingsOf(Index(c.character)), c.common) << c.character;
        EXPECT_EQ(RareReadingsOf(Index(c.character)), c.rare) << c.character;
    }
    EXPECT_TRUE(CommonReadingsOf(DictionarySize).empty());
    EXPECT_EQ(ReadingOf(DictionarySize, ReadingRole::Given), "?");
}

TEST(Readings, PolyphoneNoteOnlyWhereThereIsAChoice) {
    EXPECT_EQ(PolyphoneNote(Index("乐")), "乐 在名字中通常读 lè，也读 yuè。");
    EXPECT_EQ(PolyphoneNote(Index("明")), "");
    EXPECT_EQ(PolyphoneNote(Index("子")), "");  // zi, the suffix's neutral tone, names no one
}

// 王明华: 天格 5 土, 人格 12 木, 地格 22 木; 木 overcomes 土.
TEST(SanCai, StandardPatternAndItsVerdict) {
    struct Case {
        const char* label;
        FiveGrids grids;
        const char* pattern;
        const char* verdict;
    };
    const std::vector<Case> cases = {
        {"王明华", GridsOfStrokes(4, 0, 8, 14), "土木木", "半吉"},
        {"all produce: 木火土", FiveGrids{1, 3, 5, 0, 0}, "木火土", "吉"},
        {"same element", FiveGrids{11, 21, 31, 0, 0}, "木木木", "吉"},
        {"two overcome: 木土水", FiveGrids{1, 5, 9, 0, 0}, "木土水", "凶"},
    };
    for (const Case& c : cases) {
        const StandardSanCai sanCai = StandardSanCaiOf(c.grids);
        EXPECT_EQ(sanCai.Pattern, c.pattern) << c.label;
        EXPECT_EQ(sanCai.Verdict, c.verdict) << c.label;
    }
    EXPECT_EQ(StandardSanCaiOf(GridsOfStrokes(4, 0, 8, 14)).Relation,
              "天格与人格相克，人格与地格比和");
}

TEST(SanCai, PatternValueInWords) {
    EXPECT_EQ(StandingOfPatternValue(4).Below, 0);
    EXPECT_EQ(StandingOfPatternValue(4).Words, "较差");
    EXPECT_EQ(StandingOfPatternValue(32).Words, "较好");
    EXPECT_EQ(StandingOfPatternValue(33).Below, 125);
    const PatternStanding middle = StandingOfPatternValue(14);
    EXPECT_GT(middle.Below, 0);
    EXPECT_LT(middle.Below, 125);
}

// 王 has 88.5 million bearers and 伟 is the national statistics' most common
// boy's name (2.8 million boys): 王伟 is borne by some hundreds of thousands.
TEST(SameName, EstimatesInWords) {
    const SameNameEstimate wangWei =
        EstimateSameName(MakeFamilyName("王"), Index("伟"), DictionarySize, Sex::Male);
    EXPECT_GE(wangWei.People, 100000);
    EXPECT_LT(wangWei.People, 1000000);
    EXPECT_EQ(wangWei.Words, "全国约 21 万人同名（按 1930–2008 年出生人口估计）");
    EXPECT_EQ(wangWei.Trend, "下降");  // 伟 fell from 17,908 to 11,475 per million births
    const SameNameEstimate both =
        EstimateSameName(MakeFamilyName("王"), Index("伟"), DictionarySize, std::nullopt);
    EXPECT_GT(both.People, wangWei.People);

    // A character the statistics lack, or a family name they lack: 极少.
    struct Case {
        const char* family;
        const char* first;
        const char* second;
    };
    for (const Case& c : {Case{"李", "䶮", ""}, Case{"李", "偲", "鼋"}, Case{"王李", "明", ""}}) {
        const std::uint32_t first = FindCharacter(c.first);
        const std::uint32_t second = *c.second ? FindCharacter(c.second) : DictionarySize;
        const SameNameEstimate rare =
            EstimateSameName(MakeFamilyName(c.family), first, second, Sex::Female);
        EXPECT_EQ(rare.Words, "极少，估计不足 10 人") << c.family << c.first << c.second;
    }
}

// 思雨 is not among the most common names of all cohorts but was borne by
// 69,969 girls born 2000-2008 (rank 30 of that cohort's list); 李 has about 95
// million bearers. The count of that cohort is a floor that the model (some
// 5,400 girls in all) falls far below; 思雨 is listed for no boys' cohort.
TEST(SameName, ANameOfOneCohortsListCountsAtLeastItsBearersThere) {
    const FamilyName li = MakeFamilyName("李");
    const SameNameEstimate girls =
        EstimateSameName(li, FindCharacter("思"), FindCharacter("雨"), Sex::Female);
    const FamilyNameStatistic statistic = *FindFamilyName("李");
    const double share = static_cast<double>(PopulationOf(Sex::Female)) /
                         (static_cast<double>(PopulationOf(Sex::Male)) + PopulationOf(Sex::Female));
    EXPECT_GE(girls.People, statistic.Bearers * share * 69969 / PopulationOf(Sex::Female));
    EXPECT_NE(girls.Basis.find("某些出生年代最常见的 100 个名字之一"), std::string::npos);
    const SameNameEstimate boys =
        EstimateSameName(li, FindCharacter("思"), FindCharacter("雨"), Sex::Male);
    EXPECT_LT(boys.People, girls.People / 2);
    // Rising in 2000-2008: the births since are not counted, and the page says so.
    EXPECT_EQ(girls.Trend, "上升");
    EXPECT_NE(girls.TrendWords.find("此后出生的同名者不在上面的估计之内"), std::string::npos);
    EXPECT_NE(boys.Basis.find("按名字各字"), std::string::npos);
}

// Each cohort against the one before, by the product of the characters' rates
// per million births: 伟 rose to the 1980s, 秀英 fell throughout, 建国 (the
// founding of 1949) peaked with the births of the 1960s.
TEST(SameName, TrendByCohort) {
    struct Case {
        const char* first;
        const char* second;
        std::vector<std::string> trends;
    };
    const std::vector<Case> cases = {
        {"伟", "", {"上升", "上升", "上升", "平稳", "下降"}},
        {"秀", "英", {"下降", "下降", "下降", "下降", "下降"}},
        {"建", "国", {"上升", "平稳", "下降", "下降", "下降"}},
        {"偲", "鼋", {}},  // 鼋 is not in the statistics
    };
    for (const Case& c : cases) {
        const std::uint32_t second = *c.second ? FindCharacter(c.second) : DictionarySize;
        const SameNameEstimate estimate =
            EstimateSameName(MakeFamilyName("王"), FindCharacter(c.first), second, Sex::Male);
        EXPECT_EQ(estimate.DecadeTrends, c.trends) << c.first << c.second;
        if (!c.trends.empty()) {
            EXPECT_EQ(estimate.DecadeTrends.back(), estimate.Trend) << c.first << c.second;
        }
    }
}

TEST(SameName, WordsAtEachScale) {
    struct Case {
        double people;
        const char* words;
    };
    for (const Case& c : {Case{0, "极少，估计不足 10 人"}, Case{9.9, "极少，估计不足 10 人"},
                          Case{10, "全国约 10 人同名（按 1930–2008 年出生人口估计）"},
                          Case{1234, "全国约 1200 人同名（按 1930–2008 年出生人口估计）"},
                          Case{45678, "全国约 4.6 万人同名（按 1930–2008 年出生人口估计）"},
                          Case{290400, "全国约 29 万人同名（按 1930–2008 年出生人口估计）"}}) {
        EXPECT_EQ(SameNameWords(c.people), c.words) << c.people;
    }
}

}  // namespace
}  // namespace lumivane
