// The character dictionary: sizes, encoding, packing, the fixed rows and the
// look-ups by text and by reading.

#include "core/data/character_dictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "core/data/radical_table.h"
#include "core/text/gbk.h"

namespace lumivane {
namespace {

TEST(CharacterDictionary, EveryRealRecordIsOneUniqueGbkDoubleByteCharacter) {
    std::set<std::string_view> seen;
    for (std::uint32_t index = 0; index < DictionarySize; ++index) {
        std::string_view text = CharacterText(index);
        ConversionResult gbk = Utf8ToGbk(text);
        ASSERT_TRUE(gbk.ok()) << index << ": " << gbk.error;
        ASSERT_EQ(gbk.text.size(), 2u) << index << ": " << text;
        EXPECT_GE(static_cast<unsigned char>(gbk.text[0]), 0x81u) << index;
        EXPECT_TRUE(seen.insert(text).second) << "repeated " << text;
    }
    EXPECT_EQ(seen.size(), DictionarySize);
}

TEST(CharacterDictionary, FindCharacterFindsEveryRecordAtItsOwnIndex) {
    for (std::uint32_t index = 0; index < DictionarySize; ++index) {
        ASSERT_EQ(FindCharacter(CharacterText(index)), index) << CharacterText(index);
    }
}

TEST(CharacterDictionary, EmptyRecordFollowsTheRealRecords) {
    for (std::uint32_t index : {DictionarySize, DictionarySize + 1, std::uint32_t{0xFFFF},
                                std::numeric_limits<std::uint32_t>::max()}) {
        SCOPED_TRACE(index);
        CharacterRecord record = Character(index);
        EXPECT_TRUE(record.Text.empty());
        EXPECT_TRUE(record.Reading.empty());
        EXPECT_EQ(AttributeWordA(index), 0u);
        EXPECT_EQ(AttributeWordB(index), 0u);
        EXPECT_EQ(record.MeaningElements, 0);
        EXPECT_EQ(record.RadicalIndex, 0);
        EXPECT_EQ(record.RadicalElements, 0);
        EXPECT_EQ(record.SimplifiedStrokes, 0);
        EXPECT_EQ(record.KangxiStrokes, 0);
        EXPECT_FALSE(HasReading(index, "hua"));
    }
}

struct SampleRow {
    std::uint32_t index;
    const char* text;
    const char* reading;
    ElementMask meaning;
    std::uint32_t radical;
    const char* radicalName;
    ElementMask radicalElements;
    std::uint32_t simplified;
    std::uint32_t kangxi;
    std::uint32_t wordA;
    std::uint32_t wordB;
};

TEST(CharacterDictionary, DesignedRowsAreReproducedExactly) {
    const SampleRow rows[] = {
        {0, "华", "hua", kWater, 30, "十", 0, 6, 14, 0x001E0900, 0x00000E06},
        {1, "生", "sheng", kMetal, 149, "生", 0, 5, 5, 0x00952100, 0x00000505},
        {2, "明", "ming", kFire, 112, "日", kFire, 8, 8, 0x08700500, 0x00000808},
        {3, "建", "jian", kWood, 35, "廴", 0, 8, 9, 0x00231100, 0x00000908},
        {4, "文", "wen", kWater, 122, "文", 0, 4, 4, 0x007A0900, 0x00000404},
        {7, "海", "hai", kWater, 67, "氵", kWater, 10, 11, 0x10430900, 0x00000B0A},
        {14, "丽", "li", kFire, 4, "一", 0, 7, 19, 0x00040500, 0x00001307},
        {103, "长", ",chang,zhang,", kFire, 84, "长", 0, 4, 8, 0x00540500, 0x00000804},
        {107, "秋", "qiu", kMetal, 138, "禾", kFire | kWood, 9, 9, 0x288A2100, 0x00000909},
        {128, "坤", "kun", kEarth, 70, "土", kEarth, 8, 8, 0x04460300, 0x00000808},
    };
    for (const SampleRow& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FindCharacter(row.text), row.index);
        CharacterRecord record = Character(row.index);
        EXPECT_EQ(record.Text, row.text);
        EXPECT_EQ(record.Reading, row.reading);
        EXPECT_EQ(record.MeaningElements, row.meaning);
        EXPECT_EQ(record.RadicalIndex, row.radical);
        EXPECT_EQ(Radical(record.RadicalIndex).RadicalName, row.radicalName);
        EXPECT_EQ(record.RadicalElements, row.radicalElements);
        EXPECT_EQ(record.SimplifiedStrokes, row.simplified);
        EXPECT_EQ(record.KangxiStrokes, row.kangxi);
        EXPECT_EQ(AttributeWordA(row.index), row.wordA);
        EXPECT_EQ(AttributeWordB(row.index), row.wordB);
    }
}

TEST(CharacterDictionary, AccessorsDecodeThePackedWords) {
    // 秋 carries the word A 0x288A2100: 金, radical 138, radical elements 10.
    const std::uint32_t qiu = FindCharacter("秋");
    ASSERT_EQ(AttributeWordA(qiu), 0x288A2100u);
    EXPECT_EQ(MeaningElementsOf(qiu), 16);
    EXPECT_EQ(RadicalIndexOf(qiu), 138u);
    EXPECT_EQ(RadicalElementsOf(qiu), 10);
    ASSERT_EQ(AttributeWordB(0), 0x00000E06u);
    EXPECT_EQ(SimplifiedStrokesOf(0), 6u);
    EXPECT_EQ(KangxiStrokesOf(0), 14u);
    for (std::uint32_t index = 0; index < DictionarySize; ++index) {
        const std::uint32_t a = AttributeWordA(index);
        const std::uint32_t b = AttributeWordB(index);
        // Only the flag bit and the three fields may be set.
        ASSERT_EQ(a & 0x8200C0FFu, 0u) << index;
        ASSERT_EQ(b >> 16, 0u) << index;
        CharacterRecord record = Character(index);
        ASSERT_EQ(record.MeaningElements, (a >> 9) & 0x1F);
        ASSERT_EQ(record.RadicalIndex, (a >> 16) & 0x1FF);
        ASSERT_EQ(record.RadicalElements, (a >> 26) & 0x1F);
        ASSERT_EQ(record.SimplifiedStrokes, b & 0xFF);
        ASSERT_EQ(record.KangxiStrokes, (b >> 8) & 0xFF);
    }
}

TEST(CharacterDictionary, FixedIndexesOfTheNameData) {
    const std::map<std::string, std::uint32_t> fixed = {
        {"华", 0},  {"生", 1},  {"明", 2},  {"建", 3},   {"文", 4},   {"军", 6},   {"海", 7},
        {"国", 9},  {"志", 10}, {"红", 13}, {"丽", 14},  {"强", 18},  {"燕", 31},  {"刚", 40},
        {"梅", 44}, {"萍", 45}, {"娟", 46}, {"长", 103}, {"秋", 107}, {"婷", 112}, {"坤", 128},
    };
    for (const auto& [text, index] : fixed) {
        EXPECT_EQ(FindCharacter(text), index) << text;
    }
}

TEST(CharacterDictionary, FindCharacterAnswersDictionarySizeForNonCharacters) {
    EXPECT_EQ(FindCharacter(""), DictionarySize);
    EXPECT_EQ(FindCharacter("建华"), DictionarySize);
    EXPECT_EQ(FindCharacter("A"), DictionarySize);
    EXPECT_EQ(FindCharacter("華"), DictionarySize);  // traditional form, GBK but not listed
    EXPECT_EQ(FindCharacter("\xF0\xA0\x80\x80"), DictionarySize);  // U+20000, outside GBK
    EXPECT_EQ(FindCharacter("华 "), DictionarySize);               // no trimming here
}

TEST(CharacterDictionary, ReadingListsSplitIntoTheirReadings) {
    struct Case {
        const char* label;
        const char* list;
        std::vector<std::string> readings;
    } const cases[] = {
        {"one reading", "hua", {"hua"}},
        {"stored several", ",chang,zhang,", {"chang", "zhang"}},
        {"toned several", "cháng,zhǎng", {"cháng", "zhǎng"}},
        {"empty parts", ",,lv,", {"lv"}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitReadingList(c.list), c.readings) << c.label;
        EXPECT_EQ(FirstReadingOf(c.list), c.readings.empty() ? "" : c.readings.front()) << c.label;
    }
}

TEST(CharacterDictionary, HasReadingMatchesWholeSyllablesOnly) {
    const std::uint32_t chang = FindCharacter("长");
    EXPECT_TRUE(HasReading(chang, "chang"));
    EXPECT_TRUE(HasReading(chang, "zhang"));
    EXPECT_FALSE(HasReading(chang, "chan"));
    EXPECT_FALSE(HasReading(chang, "Chang"));
    EXPECT_FALSE(HasReading(chang, "hang"));
    EXPECT_FALSE(HasReading(chang, ""));
    EXPECT_TRUE(HasReading(chang, ",chang,zhang,"));  // equal to the whole text
    EXPECT_TRUE(HasReading(0, "hua"));
    EXPECT_FALSE(HasReading(0, "hu"));
    EXPECT_FALSE(HasReading(0, "hua "));
    EXPECT_FALSE(HasReading(0, "ua"));
    EXPECT_TRUE(HasReading(FindCharacter("吕"), "lv"));
}

TEST(CharacterDictionary, ReadingsAreTonelessPinyinInTheListFormat) {
    const std::regex single("[a-z]+");
    const std::regex several(",([a-z]+,){2,4}");
    int multi = 0;
    for (std::uint32_t index = 0; index < DictionarySize; ++index) {
        const std::string reading(CharacterReading(index));
        const bool isSingle = std::regex_match(reading, single);
        ASSERT_TRUE(isSingle || std::regex_match(reading, several)) << index << " " << reading;
        multi += isSingle ? 0 : 1;
    }
    EXPECT_GT(multi, 100);
}

TEST(CharacterDictionary, TonedReadingsPutTheUsualReadingFirstAndKeepNameReadings) {
    const struct {
        const char* label;
        const char* text;
        const char* toned;
    } cases[] = {
        {"one reading", "建", "jiàn"},
        {"archaic reading after the usual ones", "明", "míng,mèng"},
        {"customary reading first", "长", "zhǎng,cháng"},
        {"ü kept with its tone", "女", "nǚ,nǜ,rǔ"},
        {"name reading shèng", "晟", "chéng,shèng,jīng"},
        {"name reading sī", "偲", "cāi,sī,sǐ"},
        {"name reading jùn", "隽", "juàn,jùn"},
        {"dictionary order after the customary one", "行", "xíng,háng,héng,xìng,hàng"},
    };
    for (const auto& c : cases) {
        const std::uint32_t index = FindCharacter(c.text);
        ASSERT_LT(index, DictionarySize) << c.label;
        EXPECT_EQ(CharacterTonedReadings(index), c.toned) << c.label;
    }
    EXPECT_TRUE(CharacterTonedReadings(DictionarySize).empty());
    EXPECT_TRUE(CharacterTonedReadings(DictionarySize + 5).empty());
}

// Toned pinyin to the toneless form of CharacterReading (ü as v).
std::string Toneless(std::string_view toned) {
    static const std::map<std::string_view, char> marks = {
        {"ā", 'a'}, {"á", 'a'}, {"ǎ", 'a'}, {"à", 'a'}, {"ē", 'e'}, {"é", 'e'}, {"ě", 'e'},
        {"è", 'e'}, {"ê", 'e'}, {"ī", 'i'}, {"í", 'i'}, {"ǐ", 'i'}, {"ì", 'i'}, {"ō", 'o'},
        {"ó", 'o'}, {"ǒ", 'o'}, {"ò", 'o'}, {"ū", 'u'}, {"ú", 'u'}, {"ǔ", 'u'}, {"ù", 'u'},
        {"ü", 'v'}, {"ǖ", 'v'}, {"ǘ", 'v'}, {"ǚ", 'v'}, {"ǜ", 'v'}, {"ń", 'n'}, {"ň", 'n'},
        {"ǹ", 'n'}, {"ḿ", 'm'}, {"ế", 'e'}, {"ề", 'e'}};
    std::string out;
    for (std::size_t pos = 0; pos < toned.size();) {
        const auto byte = static_cast<unsigned char>(toned[pos]);
        if (byte < 0x80) {
            out += toned[pos++];
            continue;
        }
        if (byte == 0xCC || byte == 0xCD) {  // a combining mark (ê̄ of 欸)
            pos += 2;
            continue;
        }
        bool found = false;
        for (const auto& [mark, plain] : marks) {
            if (toned.substr(pos, mark.size()) == mark) {
                out += plain;
                pos += mark.size();
                found = true;
                break;
            }
        }
        if (!found) {
            return "?";
        }
    }
    return out;
}

TEST(CharacterDictionary, EveryTonelessReadingHasItsTonedForm) {
    const std::regex syllable("[a-z]+");
    for (std::uint32_t index = 0; index < DictionarySize; ++index) {
        const std::string toned(CharacterTonedReadings(index));
        ASSERT_FALSE(toned.empty()) << CharacterText(index);
        ASSERT_NE(toned.front(), ',') << CharacterText(index);
        ASSERT_NE(toned.back(), ',') << CharacterText(index);
        std::set<std::string> plain;
        std::string first;
        for (std::size_t start = 0; start <= toned.size();) {
            std::size_t comma = std::min(toned.find(',', start), toned.size());
            const std::string reading = Toneless(toned.substr(start, comma - start));
            ASSERT_TRUE(std::regex_match(reading, syllable))
                << CharacterText(index) << " " << toned;
            if (first.empty()) {
                first = reading;
            }
            plain.insert(reading);
            start = comma + 1;
        }
        // Every toneless reading is among the toned ones, and the usual reading
        // (kMandarin) is one of the toneless readings.
        ASSERT_TRUE(HasReading(index, first)) << CharacterText(index) << " " << toned;
        std::string list(CharacterReading(index));
        if (list.front() != ',') {
            list = "," + list + ",";
        }
        for (std::size_t start = 1; start < list.size();) {
            std::size_t comma = list.find(',', start);
            ASSERT_TRUE(plain.count(list.substr(start, comma - start)))
                << CharacterText(index) << " " << toned << " lacks " << list;
            start = comma + 1;
        }
    }
}

TEST(CharacterDictionary, ElementMasksFollowTheirRules) {
    // Radicals that carry an element; every other radical carries none.
    const std::map<std::string_view, ElementMask> radicalElements = {
        {"冫", kWater}, {"氵", kWater}, {"水", kWater}, {"雨", kWater}, {"刀", kMetal},
        {"刂", kMetal}, {"钅", kMetal}, {"金", kMetal}, {"釒", kMetal}, {"艹", kWood},
        {"木", kWood},  {"米", kWood},  {"竹", kWood},  {"禾", kWood},  {"灬", kFire},
        {"火", kFire},  {"日", kFire},  {"月", kFire},  {"土", kEarth}, {"山", kEarth},
        {"瓦", kEarth}, {"石", kEarth}, {"田", kEarth}, {"玉", kEarth}, {"缶", kEarth},
    };
    const std::map<std::string_view, ElementMask> exceptions = {
        {"王", kWood}, {"香", kWood}, {"秋", kFire | kWood}};
    int withoutMeaning = 0;
    for (std::uint32_t index = 0; index < DictionarySize; ++index) {
        CharacterRecord record = Character(index);
        ASSERT_LT(record.RadicalIndex, RadicalTableSize);
        const int meaningBits = std::popcount(static_cast<unsigned>(record.MeaningElements));
        ASSERT_LE(meaningBits, 1) << record.Text;
        withoutMeaning += meaningBits == 0 ? 1 : 0;
        ElementMask expected = 0;
        if (auto it = exceptions.find(record.Text); it != exceptions.end()) {
            expected = it->second;
        } else if (auto r = radicalElements.find(Radical(record.RadicalIndex).RadicalName);
                   r != radicalElements.end()) {
            expected = r->second;
        }
        ASSERT_EQ(record.RadicalElements, expected) << record.Text;
    }
    EXPECT_LE(withoutMeaning, 16);
    // 秋 belongs to both 火 and 木 and to no third element.
    const ElementMask qiu = RadicalElementsOf(FindCharacter("秋"));
    EXPECT_NE(qiu & kFire, 0);
    EXPECT_NE(qiu & kWood, 0);
    EXPECT_EQ(qiu & (kMetal | kWater | kEarth), 0);
}

struct StrokeCase {
    const char* text;
    std::uint32_t kangxi;
    std::uint32_t simplified;
};

void ExpectStrokes(const char* group, std::initializer_list<StrokeCase> cases) {
    for (const auto& c : cases) {
        const std::uint32_t index = FindCharacter(c.text);
        ASSERT_LT(index, DictionarySize) << group << " " << c.text;
        EXPECT_EQ(KangxiStrokesOf(index), c.kangxi) << group << " " << c.text;
        EXPECT_EQ(SimplifiedStrokesOf(index), c.simplified) << group << " " << c.text;
    }
}

TEST(CharacterDictionary, StrokeCountsOfWellKnownFamilyNames) {
    // Traditional form with the radical counted in full (張 11, 劉 15, 陳 16 …).
    ExpectStrokes("common family names", {{"王", 4, 4},
                                          {"李", 7, 7},
                                          {"张", 11, 7},
                                          {"刘", 15, 6},
                                          {"陈", 16, 7},
                                          {"黄", 12, 11},
                                          {"杨", 13, 7},
                                          {"赵", 14, 9},
                                          {"吴", 7, 7},
                                          {"周", 8, 8},
                                          {"孙", 10, 6},
                                          {"马", 10, 3},
                                          {"郭", 15, 10},
                                          {"林", 8, 8},
                                          {"罗", 20, 8},
                                          {"郑", 19, 8},
                                          {"谢", 17, 12},
                                          {"叶", 15, 5},
                                          {"丽", 19, 7}});
    // Family names written in their own form in traditional writing, not as
    // the traditional form of another word (於 餘 範 嶽 塗 遊 黨 佔 鬱 樸 巖 幹
    // 種 鹹 後); 叶 stays 葉.
    ExpectStrokes("family names of their own form", {{"于", 3, 3},
                                                     {"余", 7, 7},
                                                     {"范", 11, 8},
                                                     {"岳", 8, 8},
                                                     {"涂", 11, 10},
                                                     {"游", 13, 12},
                                                     {"党", 10, 10},
                                                     {"占", 5, 5},
                                                     {"郁", 13, 8},
                                                     {"朴", 6, 6},
                                                     {"岩", 8, 8},
                                                     {"干", 3, 3},
                                                     {"种", 9, 9},
                                                     {"咸", 9, 9},
                                                     {"后", 6, 6}});
    ExpectStrokes("numerals by their value", {{"一", 1, 1},
                                              {"二", 2, 2},
                                              {"三", 3, 3},
                                              {"四", 4, 5},
                                              {"五", 5, 4},
                                              {"六", 6, 4},
                                              {"七", 7, 2},
                                              {"八", 8, 2},
                                              {"九", 9, 2},
                                              {"十", 10, 2}});
    // Never fewer strokes than the traditional glyph, a reduced radical counted
    // in full: 斌 文 4 + 武 8, 璐 玉 5 + 路 13, 興 16, 露 21.
    ExpectStrokes("glyph floor", {{"斌", 12, 12},
                                  {"璐", 18, 17},
                                  {"兴", 16, 6},
                                  {"露", 21, 21},
                                  {"紫", 12, 12},
                                  {"政", 9, 9},
                                  {"致", 10, 10},
                                  {"求", 7, 7},
                                  {"整", 16, 16},
                                  {"御", 12, 12},
                                  {"泰", 10, 10}});
    for (std::uint32_t index = 0; index < DictionarySize; ++index) {
        ASSERT_GT(SimplifiedStrokesOf(index), 0u) << CharacterText(index);
        ASSERT_GT(KangxiStrokesOf(index), 0u) << CharacterText(index);
    }
}

TEST(CharacterDictionary, NameCharactersComeFirstAndTheRareTailBroadlyInPinyinOrder) {
    // Bit 8 marks characters of the name statistics; they lead the order.
    for (std::uint32_t index = 0; index < 2000; ++index) {
        ASSERT_NE(AttributeWordA(index) & 0x100u, 0u) << CharacterText(index);
    }
    auto firstReading = [](std::uint32_t index) {
        std::string_view reading = CharacterReading(index);
        if (!reading.empty() && reading[0] == ',') {
            reading = reading.substr(1, reading.find(',', 1) - 1);
        }
        return std::string(reading);
    };
    // The tail is in pinyin order but for the name characters of the general
    // standard list, which took the places of characters no name uses.
    int inOrder = 0;
    int pairs = 0;
    for (std::uint32_t index = DictionarySize - 2000; index + 1 < DictionarySize; ++index) {
        ASSERT_EQ(AttributeWordA(index) & 0x100u, 0u) << CharacterText(index);
        inOrder += firstReading(index) <= firstReading(index + 1) ? 1 : 0;
        ++pairs;
    }
    EXPECT_GT(inOrder, pairs * 3 / 4);
}

TEST(CharacterDictionary, HoldsTheNameCharactersOfTheGeneralStandardList) {
    for (const char* text : {"堃", "婳", "媞", "瑀", "瑢", "曈", "禛", "泚", "珹", "垚", "淏"}) {
        EXPECT_LT(FindCharacter(text), DictionarySize) << text;
    }
}

// The gender index is the statistics' name.gender of givenname.csv in
// thousandths (强 0.967, 婷 -0.994, 子 0.288, 谕 0.000); characters they lack
// (扎, a family name only) read 0.
TEST(CharacterDictionary, GenderIndexComesFromTheNameStatistics) {
    EXPECT_EQ(CharacterGenderIndex(FindCharacter("强")), 967);
    EXPECT_EQ(CharacterGenderIndex(FindCharacter("婷")), -994);
    EXPECT_EQ(CharacterGenderIndex(FindCharacter("子")), 288);
    EXPECT_EQ(CharacterGenderIndex(FindCharacter("谕")), 0);
    EXPECT_EQ(CharacterGenderIndex(FindCharacter("扎")), 0);
    EXPECT_EQ(CharacterGenderIndex(DictionarySize), 0);
    EXPECT_EQ(CharacterGenderIndex(DictionarySize + 9), 0);
    for (std::uint32_t index = 0; index < DictionarySize; ++index) {
        ASSERT_LE(std::abs(CharacterGenderIndex(index)), 1000) << CharacterText(index);
    }
}

}  // namespace
}  // namespace lumivane
