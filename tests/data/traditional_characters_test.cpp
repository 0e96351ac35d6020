// Traditional family-name characters and their simplified records (OpenCC's
// traditional→simplified table, resolved at build time).

#include "core/data/traditional_characters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/character_dictionary.h"

namespace lumivane {
namespace {

TEST(TraditionalCharacters, MapToTheSimplifiedRecord) {
    struct Case {
        const char* traditional;
        const char* simplified;
        std::uint32_t kangxi;  // of the family name, as name numerology counts it
    } cases[] = {{"張", "张", 11}, {"陳", "陈", 16}, {"劉", "刘", 15}, {"黃", "黄", 12},
                 {"趙", "赵", 14}, {"楊", "杨", 13}, {"鄭", "郑", 19}, {"謝", "谢", 17},
                 {"葉", "叶", 15}, {"歐", "欧", 15}, {"陽", "阳", 17}};
    for (const Case& c : cases) {
        const std::uint32_t index = FindSimplifiedOfTraditional(c.traditional);
        ASSERT_LT(index, DictionarySize) << c.traditional;
        EXPECT_EQ(CharacterText(index), c.simplified) << c.traditional;
        EXPECT_EQ(KangxiStrokesOf(index), c.kangxi) << c.traditional;
        EXPECT_EQ(FindCharacter(c.traditional), DictionarySize)
            << c.traditional << " has no record of its own";
    }
}

TEST(TraditionalCharacters, OnlySingleTraditionalCharactersWithoutARecordMap) {
    for (const char* text : {"於",  // a family name with a record of its own
                             "张", "王", "丂", "", "張張", "\xE5", "A"}) {
        EXPECT_EQ(FindSimplifiedOfTraditional(text), DictionarySize) << "“" << text << "”";
    }
}

TEST(TraditionalCharacters, FormsOfASimplifiedRecord) {
    struct Case {
        const char* simplified;
        std::vector<std::string> forms;  // OpenCC's traditional forms without a record
    } cases[] = {{"华", {"華"}},
                 {"发", {"發", "髮"}},  // two words merged in simplified writing
                 {"明", {}},            // written alike
                 {"于", {}}};           // 於 has a record of its own
    for (const Case& c : cases) {
        EXPECT_EQ(TraditionalFormsOf(FindCharacter(c.simplified)), c.forms) << c.simplified;
    }
    EXPECT_TRUE(TraditionalFormsOf(DictionarySize).empty());
    // Every form leads back to the record it is listed for.
    const std::uint32_t zhang = FindCharacter("张");
    for (const std::string& form : TraditionalFormsOf(zhang)) {
        EXPECT_EQ(FindSimplifiedOfTraditional(form), zhang) << form;
    }
}

}  // namespace
}  // namespace lumivane
