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

TEST(Characters, TrimRemovesBlanksAndControlCharactersOnlyAtTheEnds) {
    EXPECT_EQ(TrimBlanks("  王 \t\r\n"), "王");
    EXPECT_EQ(TrimBlanks("\x01诸 葛\x7F"), "诸 葛");
    EXPECT_EQ(TrimBlanks(" \t "), "");
    // The ideographic space is a character, not a blank, to the classic trim.
    EXPECT_EQ(TrimBlanks("\xE3\x80\x80王"), "\xE3\x80\x80王");
}

}  // namespace
}  // namespace lumivane
