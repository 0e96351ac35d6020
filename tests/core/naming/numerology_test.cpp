#include "core/naming/numerology.h"

#include <gtest/gtest.h>

#include <set>

namespace lumivane {
namespace {

struct ShapeCase {
    const char* label;
    int f, b, d, e;
    FiveGrids expected;
};

TEST(FiveGrids, FourShapesOfAName) {
    const ShapeCase cases[] = {
        {"one + one", 7, 0, 12, 0, {8, 19, 13, 2, 19}},
        {"one + two", 7, 0, 12, 8, {8, 19, 20, 9, 27}},
        {"two + one", 9, 5, 12, 0, {14, 17, 13, 10, 26}},
        {"two + two", 9, 5, 12, 8, {14, 17, 20, 17, 34}},
        {"no strokes at all", 0, 0, 0, 0, {1, 0, 1, 2, 0}},
    };
    for (const ShapeCase& c : cases) {
        FiveGrids g = GridsOfStrokes(c.f, c.b, c.d, c.e);
        EXPECT_EQ(g.TianGe, c.expected.TianGe) << c.label;
        EXPECT_EQ(g.RenGe, c.expected.RenGe) << c.label;
        EXPECT_EQ(g.DiGe, c.expected.DiGe) << c.label;
        EXPECT_EQ(g.WaiGe, c.expected.WaiGe) << c.label;
        EXPECT_EQ(g.ZongGe, c.expected.ZongGe) << c.label;
    }
}

TEST(FiveGrids, CompoundFamilyNameWithTwoGivenCharacters) {
    // 外格 = f + e and 总格 = f + b + d + e for every stroke combination.
    for (int f = 1; f <= 30; f += 7) {
        for (int e = 1; e <= 30; e += 5) {
            FiveGrids g = GridsOfStrokes(f, 3, 11, e);
            EXPECT_EQ(g.WaiGe, f + e);
            EXPECT_EQ(g.ZongGe, f + 3 + 11 + e);
        }
    }
}

TEST(ElementOfNumber, RemaindersMapToElementsAndOthersToNothing) {
    const char* expected[10] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(ElementOfNumber(r), expected[r]) << r;
    }
    EXPECT_EQ(ElementOfNumber(10), "");
    EXPECT_EQ(ElementOfNumber(-1), "");
}

TEST(SanCai, PatternUsesTianDiWaiAndTableCoversEveryCombination) {
    EXPECT_EQ(SanCaiPattern(8, 20, 9), "金水水");
    EXPECT_EQ(SanCaiValue("金水水"), 7);
    EXPECT_EQ(SanCaiValue("木木木"), 32);
    EXPECT_EQ(SanCaiValue("火金火"), 4);
    EXPECT_EQ(SanCaiValue("土土土"), 32);
    EXPECT_EQ(SanCaiValue("水火土"), 14);
    EXPECT_EQ(SanCaiValue(""), 4);
    EXPECT_EQ(SanCaiValue("金水"), 4);
    EXPECT_EQ(SanCaiValue("金水水水"), 4);
    std::set<int> values;
    const char* elements[5] = {"火", "金", "木", "水", "土"};
    int rows = 0;
    for (const char* a : elements) {
        for (const char* b : elements) {
            for (const char* c : elements) {
                int v = SanCaiValue(std::string(a) + b + c);
                EXPECT_GE(v, 4);
                EXPECT_LE(v, 32);
                values.insert(v);
                ++rows;
            }
        }
    }
    EXPECT_EQ(rows, 125);
    EXPECT_EQ(values, (std::set<int>{4, 7, 10, 11, 13, 14, 17, 18, 21, 24, 25, 28, 32}));
}

TEST(NumberValue, TableValuesAndNumbersOutOfRange) {
    EXPECT_EQ(NumberValue(1), 12);
    EXPECT_EQ(NumberValue(2), 0);
    EXPECT_EQ(NumberValue(34), 0);
    EXPECT_EQ(NumberValue(81), 12);
    EXPECT_EQ(NumberValue(27), 5);
    // Above 81 the cycle restarts: 82 counts as 2, 161 as 81, 162 as 2.
    EXPECT_EQ(NumberValue(82), NumberValue(2));
    EXPECT_EQ(NumberValue(91), NumberValue(11));
    EXPECT_EQ(NumberValue(161), NumberValue(81));
    EXPECT_EQ(NumberValue(162), NumberValue(2));
    EXPECT_EQ(NumberValue(0), 0);
    EXPECT_EQ(NumberValue(-5), 0);
}

TEST(GejuScore, WorkedExampleAndDisplay) {
    FiveGrids g = GridsOfStrokes(7, 0, 12, 8);
    double s = GejuScore(g, SanCaiValue(SanCaiPattern(g.TianGe, g.DiGe, g.WaiGe)));
    EXPECT_NEAR(s, 9.65, 1e-9);
    EXPECT_EQ(FormatGejuScore(s), "59.65");
    EXPECT_EQ(FormatGejuScore(0), "50.00");
    EXPECT_EQ(FormatGejuScore(GejuScore({1, 1, 1, 1, 1}, 1000)), "100.00");
}

TEST(GejuScore, DisplayedScoresOfInRangeNamesLieBetween51And96_4) {
    for (int f = 1; f <= 30; ++f) {
        for (int d = 1; d <= 30; ++d) {
            for (int e = 0; e <= 30; e += 3) {
                FiveGrids g = GridsOfStrokes(f, 0, d, e);
                double s = GejuScore(g, SanCaiValue(SanCaiPattern(g.TianGe, g.DiGe, g.WaiGe)));
                ASSERT_GE(s, 1.0);
                ASSERT_LE(s, 46.4 + 1e-9);
                std::string shown = FormatGejuScore(s);
                ASSERT_EQ(shown.size(), 5u) << shown;
                // Sums are multiples of 0.05, so two decimals are exact.
                EXPECT_NEAR(std::stod(shown) - 50, s, 1e-9);
            }
        }
    }
}

}  // namespace
}  // namespace lumivane
