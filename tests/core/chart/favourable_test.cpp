#include "core/chart/favourable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "core/calendar/vocabulary.h"

namespace lumivane {
namespace {

int Cycle(const std::string& name) {
    for (int i = 0; i < 60; ++i) {
        if (GanZhiName(i) == name) {
            return i;
        }
    }
    ADD_FAILURE() << "no cycle name " << name;
    return 0;
}

Pillars ChartOf(const std::string& names) {
    std::istringstream in(names);
    std::string year, month, day, hour;
    in >> year >> month >> day >> hour;
    return {Cycle(year), Cycle(month), Cycle(day), hour.empty() ? 0 : Cycle(hour)};
}

// Charts whose strength is plain either way, and the ends of the 中和 band (45 and 55
// included). Points and shares are worked by hand in the comments.
TEST(Favourable, StrengthAndElementsOfTableCharts) {
    struct Case {
        const char* label;
        const char* pillars;
        bool hourKnown;
        const char* strength;
        double margin;
        const char* favourable;  // 用神 first
        const char* unfavourable;
    } const cases[] = {
        // 木 7.3 + 水 1 of 10.5: the month command 卯 and roots in both 寅 and 亥.
        {"甲 in 卯 with roots", "甲寅 丁卯 甲寅 乙亥", true, "身强", 29.0, "金、土", "水、木"},
        // Without the hour: 木 6 of 8.2.
        {"甲 in 卯, three pillars", "甲寅 丁卯 甲寅", false, "身强", 23.2, "金、土", "水、木"},
        // 水 0.3 of 10.2: 木 dies in 酉, no root, 金 and 火 all round.
        {"甲 in 酉 without roots", "庚申 己酉 甲午 庚午", true, "身弱", 47.1, "水、木", "土、金"},
        // 木 5 of 11.1 = 45.0: the lower end of 中和; 水 has no point, 木 the most.
        {"lower end of the band", "戊寅 甲寅 甲午 丙戌", true, "中和", 5.0, "水、金", "木"},
        {"just below the band", "甲子 甲子 丁卯 甲辰", true, "身弱", 5.2, "", ""},
        {"just inside the upper end", "甲子 丙寅 丙子 戊辰", true, "中和", 4.9, "", ""},
        {"just above the band", "甲子 甲子 癸酉 戊辰", true, "身强", 5.2, "", ""},
    };
    for (const Case& c : cases) {
        const FavourableElements f = AnalyseFavourable(ChartOf(c.pillars), c.hourKnown);
        ASSERT_TRUE(f.known) << c.label;
        EXPECT_EQ(StrengthName(f.strength), c.strength) << c.label;
        EXPECT_NEAR(f.margin, c.margin, 1e-9) << c.label;
        EXPECT_EQ(f.threePillars, !c.hourKnown) << c.label;
        if (*c.favourable != '\0') {
            EXPECT_EQ(ElementList(f.favourable), c.favourable) << c.label;
            EXPECT_EQ(ElementList(f.unfavourable), c.unfavourable) << c.label;
        }
        EXPECT_FALSE(f.reasoning.empty()) << c.label;
    }
}

// Over many charts: the 用神 leads the favourable list, no element is both favourable and
// unfavourable, and the strength follows the share and the band.
TEST(Favourable, ConsistentOverEveryDayPillarAndMonth) {
    for (int day = 0; day < 60; ++day) {
        for (int month = 0; month < 60; month += 7) {
            for (bool hourKnown : {true, false}) {
                const Pillars pillars{(day * 11) % 60, month, day, (day + month) % 60};
                const FavourableElements f = AnalyseFavourable(pillars, hourKnown);
                ASSERT_TRUE(f.known);
                ASSERT_FALSE(f.favourable.empty());
                EXPECT_EQ(f.favourable.front(), f.useful);
                for (int e : f.favourable) {
                    EXPECT_EQ(std::count(f.unfavourable.begin(), f.unfavourable.end(), e), 0)
                        << GanZhiName(day) << " " << GanZhiName(month);
                }
                EXPECT_EQ(f.dayMaster, ElementOfStem(day % 10));
                const double lean = f.supportShare - 50;
                const Strength want = lean > kBalancedBand    ? Strength::Strong
                                      : lean < -kBalancedBand ? Strength::Weak
                                                              : Strength::Balanced;
                EXPECT_EQ(f.strength, want);
                EXPECT_EQ(ElementMaskOf(f.favourable) & ElementMaskOf(f.unfavourable), 0u);
            }
        }
    }
}

TEST(Favourable, ReasoningNamesTheMonthStateAndTheVerdict) {
    const FavourableElements f = AnalyseFavourable(ChartOf("庚申 己酉 甲午 庚午"), true);
    ASSERT_GE(f.reasoning.size(), 5u);
    EXPECT_NE(f.reasoning[1].find("“死”"), std::string::npos) << f.reasoning[1];
    EXPECT_EQ(f.reasoning[2], "地支藏干中生扶日主的：年支申藏壬水（余气 0.3 分）。");
    EXPECT_NE(f.reasoning.back().find("用神取印水"), std::string::npos) << f.reasoning.back();
    EXPECT_EQ(FavourableLine(f), "喜用神：水、木（身弱）　忌：土、金");
    EXPECT_EQ(ElementMaskOf({0, 2}), 16u + 4u);
}

TEST(Favourable, NoChartNoElements) {
    const FavourableElements f = AnalyseFavourable(Pillars{-1, 0, 0, 0}, true);
    EXPECT_FALSE(f.known);
    EXPECT_EQ(FavourableLine(f), "");
}

}  // namespace
}  // namespace lumivane
