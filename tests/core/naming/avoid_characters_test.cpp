#include "core/naming/avoid_characters.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(AvoidCharacters, ReadsTheCharactersAsTyped) {
    struct Case {
        const char* label;
        const char* typed;
        const char* text;  // the characters kept, each once
    } cases[] = {
        {"nothing", "", ""},
        {"blanks only", " \xE3\x80\x80 ", ""},
        {"two characters", "佳子", "佳子"},
        {"separators and repeats", " 佳、子，佳; 明 ", "佳子明"},
        {"traditional", "張", "張"},
    };
    for (const Case& c : cases) {
        AvoidCharactersInput input = ParseAvoidCharacters(c.typed);
        ASSERT_TRUE(input.ok()) << c.label << ": " << input.error;
        EXPECT_EQ(input.avoid.Text(), c.text) << c.label;
        EXPECT_EQ(input.avoid.empty(), std::string(c.text).empty()) << c.label;
    }
}

TEST(AvoidCharacters, RefusesWhatIsNoGbkHanCharacter) {
    struct Case {
        const char* label;
        std::string typed;
        const char* inMessage;
    } cases[] = {
        {"latin letters", "佳a", "“a”不是汉字"},
        {"a digit", "3", "“3”不是汉字"},
        {"kana", "あ", "“あ”不是汉字"},
        {"Han outside GBK", "\xF0\xA0\x80\x80", "GBK"},
        {"broken UTF-8", "\xE4\xBD", "不是有效的文字"},
        {"twenty-one characters", "一二三四五六七八九十甲乙丙丁戊己庚辛壬癸子", "最多 20 个"},
    };
    for (const Case& c : cases) {
        AvoidCharactersInput input = ParseAvoidCharacters(c.typed);
        EXPECT_FALSE(input.ok()) << c.label;
        EXPECT_NE(input.error.find(c.inMessage), std::string::npos)
            << c.label << ": " << input.error;
    }
    EXPECT_TRUE(ParseAvoidCharacters("一二三四五六七八九十甲乙丙丁戊己庚辛壬癸").ok());
}

TEST(AvoidCharacters, HoldsNamesWithEitherCharacter) {
    const AvoidCharacters avoid = ParseAvoidCharacters("佳張").avoid;
    const std::uint32_t jia = FindCharacter("佳");
    const std::uint32_t zhang = FindCharacter("张");  // 張 has no record of its own
    const std::uint32_t ming = FindCharacter("明");
    EXPECT_TRUE(avoid.Holds(jia));
    EXPECT_TRUE(avoid.Holds(zhang));
    EXPECT_FALSE(avoid.Holds(ming));
    EXPECT_TRUE(avoid.HoldsAny(MakeGivenNameCode(ming, jia)));
    EXPECT_TRUE(avoid.HoldsAny(MakeGivenNameCode(zhang, kNoSecondCharacter)));
    EXPECT_FALSE(avoid.HoldsAny(MakeGivenNameCode(ming, kNoSecondCharacter)));
    EXPECT_FALSE(AvoidCharacters{}.HoldsAny(MakeGivenNameCode(jia, ming)));
}

}  // namespace
}  // namespace lumivane
