// The advanced filter tests, character by character and name by name.

#include "core/naming/filter_set.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/data/character_dictionary.h"
#include "core/data/radical_table.h"
#include "core/naming/filter_dialog_rules.h"

namespace lumivane {
namespace {

std::uint32_t Index(const char* text) {
    std::uint32_t index = FindCharacter(text);
    EXPECT_NE(index, DictionarySize) << text << " is missing from the dictionary";
    return index;
}

GivenNameCode Name(const char* first, const char* second) {
    return MakeGivenNameCode(Index(first), Index(second));
}

// Position of a radical in the list of its stroke count.
int RadicalPositionIn(int strokePosition, const char* radical) {
    std::vector<std::string> items = RadicalItemsOfStrokePosition(strokePosition);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == radical) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(CheckedElementMask, SumsTheTickedBoxes) {
    struct Case {
        const char* label;
        bool metal, wood, water, fire, earth;
        ElementMask expected;
    } cases[] = {
        {"none", false, false, false, false, false, 0},
        {"金", true, false, false, false, false, 16},
        {"木", false, true, false, false, false, 8},
        {"水", false, false, true, false, false, 4},
        {"火", false, false, false, true, false, 2},
        {"土", false, false, false, false, true, 1},
        {"金水", true, false, true, false, false, 20},
        {"all", true, true, true, true, true, 31},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckedElementMask(c.metal, c.wood, c.water, c.fire, c.earth), c.expected)
            << c.label;
    }
}

struct CharacterCase {
    const char* label;
    std::function<void(FilterSet&)> setup;
    const char* character;
    bool expected;
};

void ExpectFirstCharacter(const std::vector<CharacterCase>& cases) {
    for (const CharacterCase& c : cases) {
        FilterSet filters;
        c.setup(filters);
        std::uint32_t index = Index(c.character);
        EXPECT_EQ(FirstCharacterTest(filters, index), c.expected) << c.label;
        EXPECT_EQ(PassesFilter(filters, index, 1), c.expected) << c.label << " (kind 1)";
        EXPECT_EQ(FilterTests(filters).PassesFilter(index, 1), c.expected)
            << c.label << " (prepared)";
    }
}

TEST(FirstCharacterTest, ElementsByMeaning) {
    ExpectFirstCharacter({
        {"土 only: 坤 passes", [](FilterSet& f) { f.chk2_1 = f.chk2_15 = true; }, "坤", true},
        {"土 only: 华 (水) fails", [](FilterSet& f) { f.chk2_1 = f.chk2_15 = true; }, "华", false},
        {"金水: 生 passes", [](FilterSet& f) { f.chk2_1 = f.chk2_11 = f.chk2_13 = true; }, "生",
         true},
        {"金水: 华 passes", [](FilterSet& f) { f.chk2_1 = f.chk2_11 = f.chk2_13 = true; }, "华",
         true},
        {"no element box: 生 fails", [](FilterSet& f) { f.chk2_1 = true; }, "生", false},
        {"no element box: 坤 fails", [](FilterSet& f) { f.chk2_1 = true; }, "坤", false},
        {"boxes ticked but row off", [](FilterSet& f) { f.chk2_15 = true; }, "华", true},
    });
}

TEST(FirstCharacterTest, ElementsOfTheRadical) {
    ExpectFirstCharacter({
        {"火: 秋 passes", [](FilterSet& f) { f.chk3_1 = f.chk3_14 = true; }, "秋", true},
        {"木: 秋 passes", [](FilterSet& f) { f.chk3_1 = f.chk3_12 = true; }, "秋", true},
        {"金: 秋 fails", [](FilterSet& f) { f.chk3_1 = f.chk3_11 = true; }, "秋", false},
        {"火: 华 (no radical element) fails", [](FilterSet& f) { f.chk3_1 = f.chk3_14 = true; },
         "华", false},
    });
}

TEST(FirstCharacterTest, Pinyin) {
    auto pinyin = [](const char* text) {
        return [text](FilterSet& f) {
            f.chk4_1 = true;
            f.edt4_1 = text;
        };
    };
    ExpectFirstCharacter({
        {"zhang: 长 passes", pinyin("zhang"), "长", true},
        {"chang: 长 passes", pinyin("chang"), "长", true},
        {"chan: 长 fails", pinyin("chan"), "长", false},
        {"hua: 华 passes", pinyin("hua"), "华", true},
        {"hu: 华 fails", pinyin("hu"), "华", false},
        {"empty pinyin: 华 fails", pinyin(""), "华", false},
        {"unknown pinyin: 华 fails", pinyin("xyzzy"), "华", false},
    });
}

TEST(FirstCharacterTest, StrokeCounts) {
    auto strokes = [](int low, int high, StrokeKind kind) {
        return [=](FilterSet& f) {
            f.chk5_1 = true;
            f.sedt5_11 = low;
            f.sedt5_12 = high;
            f.strokeKind = kind;
        };
    };
    ExpectFirstCharacter({
        {"简体 6-6: 华 passes", strokes(6, 6, StrokeKind::Simplified), "华", true},
        {"康熙 6-6: 华 (14) fails", strokes(6, 6, StrokeKind::Kangxi), "华", false},
        {"康熙 14-14: 华 passes", strokes(14, 14, StrokeKind::Kangxi), "华", true},
        {"简体 7-6: 华 fails", strokes(7, 6, StrokeKind::Simplified), "华", false},
        {"简体 5-6 upper bound inclusive", strokes(5, 6, StrokeKind::Simplified), "华", true},
        {"简体 6-9 lower bound inclusive", strokes(6, 9, StrokeKind::Simplified), "华", true},
        {"简体 7-9: 华 below", strokes(7, 9, StrokeKind::Simplified), "华", false},
    });
}

TEST(FirstCharacterTest, Radical) {
    // 十 sits at position 22 of the two-stroke list, after 八 … 入.
    ASSERT_EQ(RadicalPositionIn(1, "十"), 22);
    ExpectFirstCharacter({
        {"二画 十: 华 passes",
         [](FilterSet& f) {
             f.chk6_1 = true;
             f.cmb6_1A = 1;
             f.cmb6_1B = 22;
         },
         "华", true},
        {"二画 亻: 华 fails",
         [](FilterSet& f) {
             f.chk6_1 = true;
             f.cmb6_1A = 1;
             f.cmb6_1B = 20;
         },
         "华", false},
        {"nothing selected reads as 丨: 华 fails",
         [](FilterSet& f) {
             f.chk6_1 = true;
             f.cmb6_1A = 1;
             f.cmb6_1B = -1;
         },
         "华", false},
    });
}

TEST(FirstCharacterTest, FixedFirstCharacterPassesEverything) {
    FilterSet filters;
    filters.chk1_1 = true;
    filters.edt1_1 = "华";
    filters.chk2_1 = true;  // would let nothing pass: no element box ticked
    filters.chk2_2 = true;
    FilterTests prepared(filters);
    for (std::uint32_t i = 0; i <= DictionarySize; ++i) {
        ASSERT_TRUE(FirstCharacterTest(filters, i)) << i;
        ASSERT_TRUE(prepared.PassesFilter(i, 1)) << i;
        ASSERT_FALSE(SecondCharacterTest(filters, i)) << i;
    }
}

TEST(SecondCharacterTest, ReadsRowTwoOnly) {
    FilterSet filters;
    filters.chk2_1 = true;  // row 1 only, nothing ticked
    EXPECT_TRUE(SecondCharacterTest(filters, Index("华")));
    EXPECT_FALSE(FirstCharacterTest(filters, Index("华")));

    FilterSet earth;
    earth.chk2_2 = earth.chk2_25 = true;
    EXPECT_TRUE(SecondCharacterTest(earth, Index("坤")));
    EXPECT_FALSE(SecondCharacterTest(earth, Index("华")));
    EXPECT_TRUE(FirstCharacterTest(earth, Index("华")));
    EXPECT_FALSE(PassesFilter(earth, Index("华"), 2));
    // Kind 2 reads the low 16 bits of the value.
    EXPECT_TRUE(PassesFilter(earth, (0x1234u << 16) | Index("坤"), 2));

    FilterSet fixed;
    fixed.chk1_2 = true;
    fixed.chk5_2 = true;
    fixed.sedt5_21 = 7;
    fixed.sedt5_22 = 6;
    for (std::uint32_t i = 0; i <= DictionarySize; ++i) {
        ASSERT_TRUE(SecondCharacterTest(fixed, i)) << i;
    }
}

struct NameCase {
    const char* label;
    std::function<void(FilterSet&)> setup;
    const char* first;
    const char* second;
    bool expected;
};

TEST(WholeNameTest, EitherCharacterOrTheSum) {
    auto kangxi = [](int low, int high) {
        return [=](FilterSet& f) {
            f.chk5_3 = true;
            f.strokeKind = StrokeKind::Kangxi;
            f.sedt5_31 = low;
            f.sedt5_32 = high;
        };
    };
    auto contains = [](const char* text) {
        return [text](FilterSet& f) {
            f.chk1_3 = true;
            f.edt1_3 = text;
        };
    };
    const NameCase cases[] = {
        {"康熙 22-22: 华生 (19) fails", kangxi(22, 22), "华", "生", false},
        {"康熙 22-22: 建华 (23) fails", kangxi(22, 22), "建", "华", false},
        {"康熙 19-23: 华生 passes", kangxi(19, 23), "华", "生", true},
        {"康熙 19-23: 建华 passes", kangxi(19, 23), "建", "华", true},
        {"contains 华: 建华 passes", contains("华"), "建", "华", true},
        {"contains 华: 华生 passes", contains("华"), "华", "生", true},
        {"contains 华: 建军 fails", contains("华"), "建", "军", false},
        {"contains empty text: fails", contains(""), "建", "军", false},
        {"土 by meaning: 坤 in second place passes",
         [](FilterSet& f) { f.chk2_3 = f.chk2_35 = true; }, "生", "坤", true},
        {"土 by meaning: 华生 fails", [](FilterSet& f) { f.chk2_3 = f.chk2_35 = true; }, "华", "生",
         false},
        {"radical element 火: 秋 in second place passes",
         [](FilterSet& f) { f.chk3_3 = f.chk3_34 = true; }, "华", "秋", true},
        {"pinyin zhang: 长 passes",
         [](FilterSet& f) {
             f.chk4_3 = true;
             f.edt4_3 = "zhang";
         },
         "华", "长", true},
        {"pinyin chan: 华长 fails",
         [](FilterSet& f) {
             f.chk4_3 = true;
             f.edt4_3 = "chan";
         },
         "华", "长", false},
        {"radical 十: 华 in second place passes",
         [](FilterSet& f) {
             f.chk6_3 = true;
             f.cmb6_3A = 1;
             f.cmb6_3B = 22;
         },
         "生", "华", true},
        {"two conditions, one met: fails",
         [](FilterSet& f) {
             f.chk1_3 = true;
             f.edt1_3 = "华";
             f.chk2_3 = f.chk2_35 = true;
         },
         "建", "华", false},
        {"nothing on: passes", [](FilterSet&) {}, "建", "军", true},
    };
    for (const NameCase& c : cases) {
        FilterSet filters;
        c.setup(filters);
        GivenNameCode code = Name(c.first, c.second);
        EXPECT_EQ(WholeNameTest(filters, code), c.expected) << c.label;
        EXPECT_EQ(PassesFilter(filters, code, 3), c.expected) << c.label << " (kind 3)";
        EXPECT_EQ(FilterTests(filters).PassesFilter(code, 3), c.expected)
            << c.label << " (prepared)";
    }
}

TEST(PassesFilter, OtherKindsPassEverything) {
    FilterSet filters;
    filters.chk2_1 = filters.chk2_2 = filters.chk2_3 = true;  // nothing can pass kinds 1-3
    FilterTests prepared(filters);
    for (int kind : {0, 4, 5, -1, 99}) {
        for (std::uint32_t value : {0u, 1u, 7227u, 0xFFFFFFFFu, MakeGivenNameCode(0, 1)}) {
            EXPECT_TRUE(PassesFilter(filters, value, kind)) << kind << ' ' << value;
            EXPECT_TRUE(prepared.PassesFilter(value, kind)) << kind << ' ' << value;
        }
    }
    EXPECT_FALSE(PassesFilter(filters, 0, 1));
    EXPECT_FALSE(PassesFilter(filters, 0, 2));
    EXPECT_FALSE(PassesFilter(filters, MakeGivenNameCode(0, 1), 3));
}

// The prepared tests must answer exactly as the free functions, for every
// character and a spread of pairs, under filter sets that switch on every kind
// of condition.
TEST(FilterTests, AnswersEqualTheFreeFunctions) {
    struct Setup {
        const char* label;
        std::function<void(FilterSet&)> apply;
    } setups[] = {
        {"nothing on", [](FilterSet&) {}},
        {"elements 金水 row 1, 木 row 2, 火 row 3",
         [](FilterSet& f) {
             f.chk2_1 = f.chk2_11 = f.chk2_13 = true;
             f.chk2_2 = f.chk2_22 = true;
             f.chk2_3 = f.chk2_34 = true;
         }},
        {"radical elements and radicals",
         [](FilterSet& f) {
             f.chk3_1 = f.chk3_12 = true;
             f.chk6_2 = true;
             f.cmb6_2A = 2;
             f.cmb6_2B = 3;
             f.chk6_3 = true;
             f.cmb6_3A = 3;
             f.cmb6_3B = 0;
             f.chk3_3 = f.chk3_31 = f.chk3_35 = true;
         }},
        {"pinyin and strokes, Kangxi",
         [](FilterSet& f) {
             f.chk4_1 = true;
             f.edt4_1 = "zhang";
             f.chk5_2 = true;
             f.sedt5_21 = 3;
             f.sedt5_22 = 9;
             f.chk5_3 = true;
             f.sedt5_31 = 10;
             f.sedt5_32 = 20;
             f.chk4_3 = true;
             f.edt4_3 = "hua";
             f.strokeKind = StrokeKind::Kangxi;
         }},
        {"fixed characters and a must-contain text",
         [](FilterSet& f) {
             f.chk1_1 = true;
             f.chk2_1 = true;
             f.chk1_2 = true;
             f.chk1_3 = true;
             f.edt1_3 = "华";
             f.chk5_3 = true;
             f.sedt5_31 = 5;
             f.sedt5_32 = 25;
         }},
        {"radical list never filled",
         [](FilterSet& f) {
             f.chk6_1 = true;
             f.cmb6_1A = -1;
             f.cmb6_1B = 0;
             f.chk6_3 = true;
             f.cmb6_3A = 20;
             f.cmb6_3B = 4;
         }},
    };
    for (const Setup& setup : setups) {
        FilterSet filters;
        setup.apply(filters);
        FilterTests prepared(filters);
        for (std::uint32_t i = 0; i <= DictionarySize + 2; ++i) {
            ASSERT_EQ(prepared.PassesFilter(i, 1), PassesFilter(filters, i, 1))
                << setup.label << " kind 1, " << i;
            ASSERT_EQ(prepared.PassesFilter(i, 2), PassesFilter(filters, i, 2))
                << setup.label << " kind 2, " << i;
        }
        for (std::uint32_t h = 0; h < DictionarySize; h += 37) {
            for (std::uint32_t l = h % 13; l < DictionarySize; l += 41) {
                GivenNameCode code = MakeGivenNameCode(h, l);
                ASSERT_EQ(prepared.PassesFilter(code, 3), PassesFilter(filters, code, 3))
                    << setup.label << " kind 3, " << h << ',' << l;
            }
        }
        EXPECT_EQ(prepared.PassesFilter(MakeGivenNameCode(0, kNoSecondCharacter), 3),
                  PassesFilter(filters, MakeGivenNameCode(0, kNoSecondCharacter), 3))
            << setup.label << " one-character code";
    }
}

}  // namespace
}  // namespace lumivane
