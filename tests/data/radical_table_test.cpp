// The radical table: its fixed order, the look-up by name and the lists by
// stroke count that the filter dialog offers.

#include "core/data/radical_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/data/character_dictionary.h"
#include "core/text/gbk.h"

namespace lumivane {
namespace {

using Names = std::vector<std::string_view>;

TEST(RadicalTable, EntriesAreUniqueGbkCharactersOrderedByStrokes) {
    std::set<std::string_view> seen;
    int previous = 1;
    for (std::uint32_t index = 0; index < RadicalTableSize; ++index) {
        RadicalEntry entry = Radical(index);
        ConversionResult gbk = Utf8ToGbk(entry.RadicalName);
        ASSERT_TRUE(gbk.ok()) << index;
        ASSERT_EQ(gbk.text.size(), 2u) << index;
        EXPECT_TRUE(seen.insert(entry.RadicalName).second) << entry.RadicalName;
        const int strokes = std::stoi(std::string(entry.RadicalStrokes));
        EXPECT_EQ(std::to_string(strokes), entry.RadicalStrokes);  // no leading zeros
        EXPECT_GE(strokes, previous) << index;
        previous = strokes;
    }
    EXPECT_EQ(previous, 15);
    EXPECT_TRUE(Radical(RadicalTableSize).RadicalName.empty());
    EXPECT_TRUE(Radical(RadicalTableSize).RadicalStrokes.empty());
}

TEST(RadicalTable, GroupSizesAndFirstIndexesPerStrokeCount) {
    const struct {
        int strokes;
        std::uint32_t first;
        std::size_t count;
    } groups[] = {{1, 0, 8},    {2, 8, 29},   {3, 37, 44},  {4, 81, 52},  {5, 133, 29},
                  {6, 162, 30}, {7, 192, 24}, {8, 216, 15}, {9, 231, 11}, {10, 242, 6},
                  {11, 248, 7}, {12, 255, 5}, {13, 260, 2}, {14, 262, 2}, {15, 264, 3}};
    std::size_t total = 0;
    for (const auto& group : groups) {
        SCOPED_TRACE(group.strokes);
        Names names = RadicalsOfStrokeCount(group.strokes);
        ASSERT_EQ(names.size(), group.count);
        EXPECT_EQ(names.front(), Radical(group.first).RadicalName);
        EXPECT_EQ(FindRadical(names.front()), group.first);
        total += names.size();
    }
    EXPECT_EQ(total, RadicalTableSize);
}

TEST(RadicalTable, WellKnownPositions) {
    const struct {
        std::uint32_t index;
        const char* name;
    } positions[] = {{0, "丨"},   {28, "亻"},  {30, "十"},  {67, "氵"},  {70, "土"},
                     {84, "长"},  {101, "木"}, {112, "日"}, {138, "禾"}, {139, "钅"},
                     {149, "生"}, {161, "玉"}, {223, "金"}, {247, "馬"}, {266, "龠"}};
    for (const auto& position : positions) {
        EXPECT_EQ(Radical(position.index).RadicalName, position.name);
        EXPECT_EQ(FindRadical(position.name), position.index) << position.name;
    }
}

TEST(RadicalTable, FindRadicalAnswersZeroForNamesOutsideTheTable) {
    EXPECT_EQ(FindRadical(""), 0u);
    EXPECT_EQ(FindRadical("华"), 0u);
    EXPECT_EQ(FindRadical("亻亻"), 0u);
    EXPECT_EQ(FindRadical("1"), 0u);
}

TEST(RadicalTable, RadicalsOfAStrokeCount) {
    EXPECT_EQ(RadicalsOfStrokeCount(1), (Names{"丨", "亅", "丿", "乛", "一", "乙", "乚", "丶"}));
    EXPECT_EQ(RadicalsOfStrokeCount(11), (Names{"黄", "鹵", "鹿", "麻", "麥", "鳥", "魚"}));
    EXPECT_EQ(RadicalsOfStrokeCount(15), (Names{"齒", "龍", "龠"}));
    EXPECT_TRUE(RadicalsOfStrokeCount(16).empty());
    EXPECT_TRUE(RadicalsOfStrokeCount(0).empty());
    EXPECT_TRUE(RadicalsOfStrokeCount(-1).empty());
}

TEST(RadicalTable, StrokeNumerals) {
    EXPECT_EQ(StrokeNumerals[0], "一");
    EXPECT_EQ(StrokeNumerals[9], "十");
    EXPECT_EQ(StrokeNumerals[10], "十一");
    EXPECT_EQ(StrokeNumerals[14], "十五");
    for (std::size_t k = 0; k < StrokeNumerals.size(); ++k) {
        // Every count has radicals to offer.
        EXPECT_FALSE(RadicalsOfStrokeCount(static_cast<int>(k) + 1).empty()) << k;
    }
}

TEST(RadicalTable, DictionaryRadicalsAreComponentForms) {
    // Component forms are used where the character writes them.
    EXPECT_EQ(RadicalIndexOf(FindCharacter("海")), FindRadical("氵"));
    EXPECT_EQ(RadicalIndexOf(FindCharacter("打")), FindRadical("扌"));
    EXPECT_EQ(RadicalIndexOf(FindCharacter("伟")), FindRadical("亻"));
    EXPECT_EQ(RadicalIndexOf(FindCharacter("芳")), FindRadical("艹"));
    EXPECT_EQ(RadicalIndexOf(FindCharacter("钢")), FindRadical("钅"));
    EXPECT_EQ(RadicalIndexOf(FindCharacter("诗")), FindRadical("讠"));
    EXPECT_EQ(RadicalIndexOf(FindCharacter("红")), FindRadical("纟"));
}

// Radicals that look alike differ by reading and Kangxi radical (Unihan).
TEST(RadicalTable, NamesTellLookAlikesApart) {
    struct Case {
        const char* radical;
        const char* reading;
        int kangxi;
        bool simplified;
        const char* kangxiRadical;
    } cases[] = {{"口", "kǒu", 30, false, "口"}, {"囗", "wéi", 31, false, "囗"},
                 {"亻", "rén", 9, false, "人"},  {"讠", "yán", 149, true, "言"},
                 {"己", "jǐ", 49, false, "己"},  {"巳", "sì", 49, false, "己"},
                 {"丷", "bā", 0, false, ""}};
    for (const Case& c : cases) {
        const RadicalName name = RadicalNameOf(FindRadical(c.radical));
        EXPECT_EQ(name.Reading, c.reading) << c.radical;
        EXPECT_EQ(name.KangxiNumber, c.kangxi) << c.radical;
        EXPECT_EQ(name.SimplifiedForm, c.simplified) << c.radical;
        EXPECT_EQ(name.KangxiRadical, c.kangxiRadical) << c.radical;
    }
    for (std::uint32_t index = 0; index < RadicalTableSize; ++index) {
        EXPECT_FALSE(RadicalNameOf(index).Reading.empty()) << index;
    }
    EXPECT_TRUE(RadicalNameOf(RadicalTableSize).Reading.empty());
}

}  // namespace
}  // namespace lumivane
