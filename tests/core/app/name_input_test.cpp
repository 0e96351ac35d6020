// The one reading of typed names that the window and every command share.

#include "core/app/name_input.h"

#include <gtest/gtest.h>

#include "core/app/naming_request.h"

namespace lumivane {
namespace {

TEST(NameInput, FamilyNames) {
    struct Case {
        const char* label;
        const char* typed;
        const char* trimmed;  // when accepted
        const char* message;  // a part of the message when refused
    } cases[] = {
        {"one character", "王", "王", nullptr},
        {"two characters", "欧阳", "欧阳", nullptr},
        {"blanks at the ends", " \t王\u3000", "王", nullptr},
        {"traditional character", "張", "張", nullptr},
        {"empty", "   ", nullptr, "请输入姓氏"},
        {"three characters", "欧阳修", nullptr, "一个或两个汉字"},
        {"three of one character", "王王王", nullptr, "一个或两个汉字"},
        {"outside GBK", "\xF0\x9F\x98\x80", nullptr, "GBK"},
        {"not UTF-8", "\xFF", nullptr, "不是有效的文字"},
        {"no record", "丂", nullptr, "不在字库中"},
    };
    for (const Case& c : cases) {
        FamilyNameInput input = ParseFamilyNameInput(c.typed);
        if (c.trimmed != nullptr) {
            EXPECT_TRUE(input.ok()) << c.label << ": " << input.error;
            EXPECT_EQ(input.trimmed, c.trimmed) << c.label;
            EXPECT_LT(input.name.firstIndex, DictionarySize) << c.label;
        } else {
            EXPECT_FALSE(input.ok()) << c.label;
            EXPECT_NE(input.error.find(c.message), std::string::npos)
                << c.label << ": " << input.error;
        }
        // The request refuses exactly what the commands refuse.
        EXPECT_EQ(ValidateFamilyNameText(input.trimmed), input.error) << c.label;
    }
}

TEST(NameInput, GivenNames) {
    struct Case {
        const char* label;
        const char* typed;
        GivenNameCode code;
        const char* message;
    } cases[] = {
        {"two characters", "生坤", MakeGivenNameCode(1, 128), nullptr},
        {"one character", " 生 ", MakeGivenNameCode(1, kNoSecondCharacter), nullptr},
        {"empty", "", 0, "请输入名字"},
        {"three characters", "明华建", 0, "一个或两个汉字"},
        {"no record", "丂", 0, "不在字库中"},
        {"outside GBK", "\xF0\x9F\x98\x80", 0, "GBK"},
    };
    for (const Case& c : cases) {
        GivenNameInput input = ParseGivenNameInput(c.typed);
        if (c.message == nullptr) {
            EXPECT_TRUE(input.ok()) << c.label << ": " << input.error;
            EXPECT_EQ(input.code, c.code) << c.label;
        } else {
            EXPECT_NE(input.error.find(c.message), std::string::npos)
                << c.label << ": " << input.error;
        }
    }
}

}  // namespace
}  // namespace lumivane
