#include "core/text/characters.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(Characters, CountsAndSplitsByCharacterNotByte) {
    EXPECT_EQ(CharacterCount(""), 0u);
    EXPECT_EQ(CharacterCount("诸葛"), 2u);
    EXPECT_EQ(CharacterCount("a王b"), 3u);
    EXPECT_EQ(SplitCharacters("欧阳修"), (std::vector<std::string>{"欧", "阳", "修"}));
    EXPECT_EQ(CharacterAt("欧阳", 1), "阳");
    EXPECT_EQ(CharacterAt("王", 1), "");
}

TEST(Characters, StrayBytesCountAsOneCharacterEach) {
    // A broken sequence must not swallow the characters after it.
    EXPECT_EQ(SplitCharacters("\xE5王"), (std::vector<std::string>{"\xE5", "王"}));
    EXPECT_FALSE(IsValidUtf8("\xE5王"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_TRUE(IsValidUtf8("王\xF0\xA0\x80\x80"));
}

TEST(Characters, TrimRemovesEveryUnicodeBlankOnlyAtTheEnds) {
    struct Case {
        const char* label;
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"ASCII blanks", "  王 \t\r\n", "王"},
        {"controls kept inside", "\x01诸 葛\x7F", "诸 葛"},
        {"blanks only", " \t ", ""},
        {"ideographic space U+3000", "\xE3\x80\x80王\xE3\x80\x80", "王"},
        {"no-break space U+00A0", "\xC2\xA0王", "王"},
        {"C1 control U+0085", "王\xC2\x85", "王"},
        {"em space U+2003 and thin space U+2009", "\xE2\x80\x83欧阳\xE2\x80\x89", "欧阳"},
        {"zero-width space U+200B", "\xE2\x80\x8B李", "李"},
        {"byte-order mark U+FEFF", "\xEF\xBB\xBFming", "ming"},
        {"narrow no-break U+202F, medium U+205F", "\xE2\x80\xAF王\xE2\x81\x9F", "王"},
        {"ideographic space inside stays", "欧\xE3\x80\x80阳", "欧\xE3\x80\x80阳"},
        {"a neighbour of U+3000 is no blank", "\xE3\x80\x81", "\xE3\x80\x81"},  // 、
        {"stray byte at the end stays", "王\xE5", "王\xE5"},
        {"only an ideographic space", "\xE3\x80\x80", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrimBlanks(c.text), c.trimmed) << c.label;
    }
}

TEST(Characters, CodePointsOfSingleCharactersRoundTrip) {
    struct Case {
        const char* text;
        std::uint32_t codePoint;  // 0: not exactly one well-formed character
    } cases[] = {{"A", 0x41},     {"é", 0xE9},        {"張", 0x5F35}, {"𠀀", 0x20000},
                 {"", 0},         {"张张", 0},        {"\xE5", 0},    {"\xE5\xBC", 0},
                 {"\xC0\x80", 0}, {"\xED\xA0\x80", 0}};  // overlong, surrogate
    for (const Case& c : cases) {
        EXPECT_EQ(SingleCodePoint(c.text), c.codePoint) << "“" << c.text << "”";
        if (c.codePoint != 0) {
            EXPECT_EQ(Utf8OfCodePoint(c.codePoint), c.text);
        }
    }
}

}  // namespace
}  // namespace lumivane
