#include "core/text/gbk.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(GbkConversion, ChineseTextRoundTripsAsTwoBytesPerCharacter) {
    ConversionResult gbk = Utf8ToGbk("华生明");
    ASSERT_TRUE(gbk.ok()) << gbk.error;
    ASSERT_EQ(gbk.text.size(), 6u);
    // 华 is BB AA in GB2312/GBK.
    EXPECT_EQ(static_cast<unsigned char>(gbk.text[0]), 0xBB);
    EXPECT_EQ(static_cast<unsigned char>(gbk.text[1]), 0xAA);
    ConversionResult back = GbkToUtf8(gbk.text);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.text, "华生明");
}

TEST(GbkConversion, AsciiAndEmptyTextPassUnchanged) {
    EXPECT_EQ(Utf8ToGbk("hua,zhang").text, "hua,zhang");
    ConversionResult empty = Utf8ToGbk("");
    EXPECT_TRUE(empty.ok());
    EXPECT_EQ(empty.text, "");
}

TEST(GbkConversion, CharacterOutsideGbkIsAnErrorNamingIt) {
    // U+20000 (CJK Extension B) and an emoji have no GBK code.
    for (const char* text : {"王\xF0\xA0\x80\x80", "明\xF0\x9F\x98\x80华"}) {
        ConversionResult r = Utf8ToGbk(text);
        EXPECT_FALSE(r.ok()) << text;
        EXPECT_TRUE(r.text.empty());
        EXPECT_EQ(r.errorOffset, 3u);
        EXPECT_NE(r.error.find("GBK"), std::string::npos);
        EXPECT_NE(r.error.find(std::string(text).substr(3, 4)), std::string::npos);
        EXPECT_EQ(r.text.find('?'), std::string::npos);
    }
    EXPECT_FALSE(IsGbkEncodable("\xF0\xA0\x80\x80"));
    EXPECT_TRUE(IsGbkEncodable("張三"));  // traditional forms are in GBK
    EXPECT_TRUE(GbkRejectionMessage("李").empty());
}

TEST(GbkConversion, MalformedInputIsRejectedInBothDirections) {
    EXPECT_FALSE(Utf8ToGbk("\xE5\x8D").ok());      // truncated UTF-8
    EXPECT_FALSE(Utf8ToGbk("\xC0\x80").ok());      // overlong NUL
    EXPECT_FALSE(GbkToUtf8("\xBB").ok());          // lead byte without trail
    EXPECT_FALSE(GbkToUtf8("\xBB\xAA\xFF").ok());  // 0xFF is never a GBK byte
}

// A text box of n GBK bytes keeps the whole characters that fit: a family
// name of three characters, a fixed filter character of one.
TEST(GbkLength, CountsBytesAndKeepsTheCharactersThatFit) {
    EXPECT_EQ(GbkByteLength("欧阳修明"), 8u);
    EXPECT_EQ(GbkByteLength("Li王"), 4u);
    EXPECT_EQ(GbkByteLength("\xF0\xA0\x80\x80"), 2u);  // 𠀀 has no GBK form, counts two
    EXPECT_EQ(GbkPrefixThatFits("欧阳修明", 6), "欧阳修");
    EXPECT_EQ(GbkPrefixThatFits("欧阳修", 6), "欧阳修");
    EXPECT_EQ(GbkPrefixThatFits("aa王", 3), "aa");  // never half a character
    EXPECT_EQ(GbkPrefixThatFits("王", 1), "");
    EXPECT_EQ(GbkPrefixThatFits("", 6), "");
}

}  // namespace
}  // namespace lumivane
