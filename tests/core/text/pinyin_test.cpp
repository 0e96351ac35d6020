#include "core/text/pinyin.h"

#include <gtest/gtest.h>

#include "core/data/character_dictionary.h"

namespace lumivane {
namespace {

TEST(NormalizePinyin, WritesWhatUsersTypeInTheDictionarysForm) {
    struct Case {
        const char* label;
        const char* typed;
        const char* normalized;
    } cases[] = {
        {"already the dictionary's form", "ming", "ming"},
        {"capitals", "MING", "ming"},
        {"tone mark", "Míng", "ming"},
        {"every tone of a", "āáǎà", "aaaa"},
        {"tone number", "ming2", "ming"},
        {"neutral tone numbers", "de0 de5", "de de"},
        {"ü", "lü", "lv"},
        {"ü with a tone", "Lǚ", "lv"},
        {"capital Ü", "NÜ", "nv"},
        {"u: notation", "lu:", "lv"},
        {"decomposed ü with a tone", "lu\xCC\x88\xCC\x8C", "lv"},
        {"decomposed tone", "mi\xCC\x81ng", "ming"},
        {"ü after j, q, x, y is written u", "jü qǖ xüe yǘn", "ju qu xue yun"},
        {"v typed after j", "jv", "ju"},
        {"full-width letters", "ｍｉｎｇ", "ming"},
        {"ê", "ê", "e"},
        {"syllabic m and n", "ḿ ň", "m n"},
        {"other digits stay and match nothing", "ming7", "ming7"},
        {"Chinese text stays", "明", "明"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NormalizePinyin(c.typed), c.normalized) << c.label;
    }
}

TEST(NormalizePinyin, NormalizedInputFindsTheDictionaryReadings) {
    struct Case {
        const char* typed;
        const char* character;
    } cases[] = {{"Míng", "明"}, {"ming2", "明"}, {"lü", "吕"}, {"Nǚ", "女"},
                 {"JŪ", "居"},   {"zhāng", "长"}, {"Xué", "学"}};
    for (const Case& c : cases) {
        std::uint32_t index = FindCharacter(c.character);
        ASSERT_NE(index, DictionarySize) << c.character;
        EXPECT_TRUE(HasReading(index, NormalizePinyin(c.typed))) << c.typed << " " << c.character;
        EXPECT_FALSE(HasReading(index, c.typed)) << c.typed << " as typed";
    }
}

}  // namespace
}  // namespace lumivane
