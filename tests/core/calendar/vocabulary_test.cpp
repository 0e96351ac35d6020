#include <gtest/gtest.h>

#include <set>

#include "core/calendar/vocabulary.h"

namespace lumivane {
namespace {

TEST(Vocabulary, GanZhiNames) {
    EXPECT_EQ(GanZhiName(0), "甲子");
    EXPECT_EQ(GanZhiName(1), "乙丑");
    EXPECT_EQ(GanZhiName(16), "庚辰");
    EXPECT_EQ(GanZhiName(59), "癸亥");
    EXPECT_EQ(GanZhiName(60), "");
    EXPECT_EQ(GanZhiName(-1), "");
    std::set<std::string> distinct(GanZhiNames().begin(), GanZhiNames().end());
    EXPECT_EQ(distinct.size(), 60u);
    EXPECT_EQ(&GanZhiNames(), &GanZhiNames()) << "built once";
}

TEST(Vocabulary, NamesOutsideTheirRangeAreEmpty) {
    EXPECT_EQ(ZodiacName(0), "鼠");
    EXPECT_EQ(ZodiacName(11), "猪");
    EXPECT_EQ(ZodiacName(12), "");
    EXPECT_EQ(StarSignName(0), "白羊");
    EXPECT_EQ(StarSignName(11), "双鱼");
    EXPECT_EQ(StarSignName(-1), "");
    EXPECT_EQ(ElementName(0), "金");
    EXPECT_EQ(ElementName(4), "土");
    EXPECT_EQ(ElementName(5), "");
    EXPECT_EQ(ElementName(-1), "");
}

TEST(Vocabulary, LunarDayNames) {
    struct Case {
        int day;
        const char* name;
    } const cases[] = {{1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"},
                       {19, "十九"}, {20, "二十"}, {21, "廿一"}, {29, "廿九"},
                       {30, "三十"}, {0, ""},      {31, ""},     {-5, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(LunarDayName(c.day), c.name) << c.day;
    }
}

TEST(Vocabulary, LunarMonthNames) {
    struct Case {
        int month;
        bool leap;
        const char* name;
    } const cases[] = {{1, false, "正月"},    {2, true, "闰二月"}, {11, true, "闰十一月"},
                       {12, false, "十二月"}, {0, false, ""},      {13, true, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(LunarMonthName(c.month, c.leap), c.name) << c.month << " " << c.leap;
    }
}

TEST(Vocabulary, GanZhiOfAndSplit) {
    EXPECT_EQ(GanZhiOf(6, 4), 16);
    EXPECT_EQ(GanZhiOf(9, 11), 59);
    EXPECT_EQ(GanZhiOf(0, 1), -1) << "different parity";
    EXPECT_EQ(GanZhiOf(10, 0), -1);
    EXPECT_EQ(GanZhiOf(0, 12), -1);
    for (int i = 0; i < 60; ++i) {
        const auto parts = SplitGanZhi(i);
        ASSERT_TRUE(parts.has_value());
        EXPECT_EQ(GanZhiOf(parts->Stem, parts->Branch), i);
        EXPECT_EQ(GanZhiName(i),
                  std::string(StemNames[parts->Stem]) + std::string(BranchNames[parts->Branch]));
    }
    EXPECT_FALSE(SplitGanZhi(60).has_value());
    EXPECT_FALSE(SplitGanZhi(-1).has_value());
}

TEST(Vocabulary, ElementsOfStemsAndBranches) {
    const int stems[10] = {1, 1, 3, 3, 4, 4, 0, 0, 2, 2};
    for (int s = 0; s < 10; ++s) {
        EXPECT_EQ(ElementOfStem(s), stems[s]) << StemNames[s];
    }
    const int branches[12] = {2, 4, 1, 1, 4, 3, 3, 4, 0, 0, 4, 2};
    for (int b = 0; b < 12; ++b) {
        EXPECT_EQ(ElementOfBranch(b), branches[b]) << BranchNames[b];
    }
    EXPECT_EQ(ElementOfStem(10), -1);
    EXPECT_EQ(ElementOfStem(-1), -1);
    EXPECT_EQ(ElementOfBranch(12), -1);
}

TEST(Vocabulary, PillarElementTexts) {
    struct Case {
        const char* pillar;
        const char* plain;
        const char* withHidden;
    } const cases[] = {
        {"甲子", "木水", "木,水"},
        {"丙寅", "火木", "火,木火土"},
        {"己丑", "土土", "土,土金水"},
        {"癸亥", "水水", "水,木水"},
    };
    for (const Case& c : cases) {
        int index = -1;
        for (int i = 0; i < 60; ++i) {
            if (GanZhiName(i) == c.pillar) {
                index = i;
            }
        }
        ASSERT_GE(index, 0) << c.pillar;
        EXPECT_EQ(PillarElements(index), c.plain) << c.pillar;
        EXPECT_EQ(PillarElementsWithHidden(index), c.withHidden) << c.pillar;
    }
    EXPECT_EQ(HiddenStemElements(1), "土金水") << "丑";
    EXPECT_EQ(HiddenStemElements(12), HiddenStemElements(0)) << "out of range counts as 子";
}

// The sixty NaYin of 《三命通会》 (卷一 论纳音取象), two cycle names to a sound.
TEST(Vocabulary, NaYinOfEveryCycleName) {
    struct Case {
        const char* pair;
        const char* naYin;
    } const cases[] = {
        {"甲子乙丑", "海中金"}, {"丙寅丁卯", "炉中火"}, {"戊辰己巳", "大林木"},
        {"庚午辛未", "路旁土"}, {"壬申癸酉", "剑锋金"}, {"甲戌乙亥", "山头火"},
        {"丙子丁丑", "涧下水"}, {"戊寅己卯", "城头土"}, {"庚辰辛巳", "白蜡金"},
        {"壬午癸未", "杨柳木"}, {"甲申乙酉", "泉中水"}, {"丙戌丁亥", "屋上土"},
        {"戊子己丑", "霹雳火"}, {"庚寅辛卯", "松柏木"}, {"壬辰癸巳", "长流水"},
        {"甲午乙未", "沙中金"}, {"丙申丁酉", "山下火"}, {"戊戌己亥", "平地木"},
        {"庚子辛丑", "壁上土"}, {"壬寅癸卯", "金箔金"}, {"甲辰乙巳", "覆灯火"},
        {"丙午丁未", "天河水"}, {"戊申己酉", "大驿土"}, {"庚戌辛亥", "钗钏金"},
        {"壬子癸丑", "桑柘木"}, {"甲寅乙卯", "大溪水"}, {"丙辰丁巳", "沙中土"},
        {"戊午己未", "天上火"}, {"庚申辛酉", "石榴木"}, {"壬戌癸亥", "大海水"},
    };
    ASSERT_EQ(std::size(cases), 30u);
    for (int index = 0; index < 60; ++index) {
        const Case& c = cases[index / 2];
        EXPECT_NE(std::string(c.pair).find(GanZhiName(index)), std::string::npos)
            << index << " " << GanZhiName(index) << " is not in " << c.pair;
        EXPECT_EQ(NaYinName(index), c.naYin) << GanZhiName(index);
    }
    EXPECT_EQ(NaYinName(60), "海中金") << "out of range counts as 0";
    EXPECT_EQ(NaYinName(-3), "海中金");
}

TEST(Vocabulary, ZodiacOfYearPillarIsTheAnimalOfItsBranch) {
    struct Case {
        const char* pillar;
        const char* animal;
    } const cases[] = {{"甲子", "鼠"}, {"乙丑", "牛"}, {"己卯", "兔"}, {"庚辰", "龙"},
                       {"甲辰", "龙"}, {"戊子", "鼠"}, {"癸亥", "猪"}, {"庚申", "猴"}};
    for (const Case& c : cases) {
        int index = -1;
        for (int i = 0; i < 60; ++i) {
            if (GanZhiName(i) == c.pillar) {
                index = i;
            }
        }
        EXPECT_EQ(ZodiacName(ZodiacOfYearPillar(index)), c.animal) << c.pillar;
    }
    EXPECT_EQ(ZodiacOfYearPillar(-1), -1);
    EXPECT_EQ(ZodiacOfYearPillar(60), -1);
}

TEST(Vocabulary, ZodiacOfYear) {
    struct Case {
        int year;
        const char* animal;
    } const cases[] = {{2000, "龙"}, {1984, "鼠"}, {2049, "蛇"}, {2023, "兔"},
                       {1, "鸡"},    {0, "鸡"},    {-1, "猴"}};
    for (const Case& c : cases) {
        EXPECT_EQ(ZodiacName(ZodiacOfYear(c.year)), c.animal) << c.year;
    }
}

TEST(Vocabulary, StarSigns) {
    struct Case {
        int month, day;
        const char* sign;
    } const cases[] = {
        {1, 1, "摩羯"},   {1, 19, "摩羯"},  {1, 20, "宝瓶"},  {2, 18, "宝瓶"},  {2, 19, "双鱼"},
        {2, 30, "双鱼"},  {3, 20, "双鱼"},  {3, 21, "白羊"},  {4, 21, "金牛"},  {5, 21, "双子"},
        {6, 21, "双子"},  {6, 22, "巨蟹"},  {7, 23, "狮子"},  {8, 23, "处女"},  {9, 23, "天秤"},
        {10, 23, "天蝎"}, {11, 23, "射手"}, {12, 21, "射手"}, {12, 22, "摩羯"}, {12, 31, "摩羯"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StarSignName(StarSignOf(c.month, c.day)), c.sign) << c.month << "-" << c.day;
    }
}

TEST(Vocabulary, NameLookUps) {
    struct MonthCase {
        const char* text;
        int month;
    } const months[] = {{"正月", 1},     {"闰四月", 4}, {"十一月", 11}, {"十二月", 12},
                        {"闰闰二月", 1}, {"二月闰", 2}, {"十三月", 1},  {"", 1}};
    for (const MonthCase& c : months) {
        EXPECT_EQ(LunarMonthNumberOfName(c.text), c.month) << c.text;
    }
    struct SignCase {
        const char* text;
        int sign;
    } const signs[] = {{"白羊座", 0}, {"双鱼座", 11}, {" 天蝎座\t", 7}, {"座摩羯座", 9},
                       {"", 0},       {"天蝎 座", 7}, {"狮 子", 0}};
    for (const SignCase& c : signs) {
        EXPECT_EQ(StarSignIndexOfName(c.text), c.sign) << c.text;
    }
}

}  // namespace
}  // namespace lumivane
