// lumivane-cli check: the readings, sound, same-name estimate and meanings of
// a name, and what it refuses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"

namespace lumivane::testing {
namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Family names by their family-name reading, compound ones as wholes; given
// names by their name reading (晟 shèng, 偲 sī; 现代汉语词典).
TEST(CheckCommand, ReadingsOfFamilyAndGivenNames) {
    struct Case {
        const char* family;
        const char* given;
        const char* pinyin;
    };
    const std::vector<Case> cases = {
        {"曾", "乐", "zēng lè"},          {"单", "明", "shàn míng"},
        {"解", "明", "xiè míng"},         {"区", "明", "ōu míng"},
        {"仇", "明", "qiú míng"},         {"查", "明", "zhā míng"},
        {"朴", "明", "piáo míng"},        {"盖", "明", "gě míng"},
        {"尉迟", "明", "yù chí míng"},    {"万俟", "明", "mò qí míng"},
        {"长孙", "明", "zhǎng sūn míng"}, {"欧阳", "明", "ōu yáng míng"},
        {"王", "晟", "wáng shèng"},       {"李", "偲", "lǐ sī"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli({"check", c.family, c.given, "--json"});
        EXPECT_EQ(run.exitCode, 0) << c.family << c.given << run.err;
        EXPECT_TRUE(Has(run.out, std::string("\"pinyin\": \"") + c.pinyin + "\""))
            << c.family << c.given << "\n"
            << run.out.substr(0, 200);
    }
}

TEST(CheckCommand, SoundSameNameAndMeanings) {
    const CliRun jiacheng = RunCli({"check", "李", "嘉成", "--sex", "男", "--json"});
    ASSERT_EQ(jiacheng.exitCode, 0) << jiacheng.err;
    EXPECT_TRUE(Has(jiacheng.out, "\"text\": \"李嘉诚\""));
    EXPECT_TRUE(Has(jiacheng.out, "\"kind\": \"名人\""));
    EXPECT_TRUE(Has(jiacheng.out, "\"pingZe\": \"仄平平\""));

    const CliRun wangWei = RunCli({"check", "王", "伟", "--sex", "男"});
    ASSERT_EQ(wangWei.exitCode, 0) << wangWei.err;
    EXPECT_TRUE(
        Has(wangWei.out, "\"words\": \"全国约 21 万人同名（按 1930–2008 年出生人口估计）\""));
    EXPECT_TRUE(Has(wangWei.out, "\"gloss\": \"great, robust; extraordinary\""));
    EXPECT_TRUE(Has(wangWei.out, "\"pattern\": \"土土木\""));

    const CliRun le = RunCli({"check", "曾", "乐"});
    EXPECT_TRUE(Has(le.out, "\"note\": \"乐 在名字中通常读 lè，也读 yuè。\""));

    const CliRun traditional = RunCli({"check", "張", "偉"});
    EXPECT_EQ(traditional.exitCode, 0) << traditional.err;
    EXPECT_TRUE(Has(traditional.out, "\"name\": \"张伟\""));
}

// What parents fear a name sounds like, as "soundAlikes[].words".
TEST(CheckCommand, SoundAlikes) {
    struct Case {
        const char* family;
        const char* given;
        const char* words;
    };
    const std::vector<Case> cases = {
        {"李", "嘉成", "与名人 李嘉诚 同音"},
        {"杜", "子腾", "谐音 肚子疼"},
        {"李", "文明", "名字是常用词 文明"},
        {"李", "子吉", "谐音 仔鸡"},
        {"范", "统", "谐音 饭桶"},
        {"史", "珍香", "谐音 屎真香"},
        {"朱", "逸群", "谐音 猪一群"},
        {"李", "宝洁", "与品牌 宝洁 同音"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli({"check", c.family, c.given, "--json"});
        ASSERT_EQ(run.exitCode, 0) << c.family << c.given << run.err;
        EXPECT_TRUE(Has(run.out, std::string("\"words\": \"") + c.words + "\""))
            << c.family << c.given;
    }
}

TEST(CheckCommand, RefusesWhatItCannotAnalyse) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{"check", "张", "明硷"}, "名字中的“硷”不在字库中"},  // GBK, but no record
        {{"check", "张", "㐀"}, "GBK"},
        {{"check", "张", "明华文"}, "一个或两个汉字"},
        {{"check", "张", "明", "--sex", "x"}, "--sex 只能是 男 或 女"},
        {{"check", "张"}, "用法"},
        {{"check", "", "明"}, "姓"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_TRUE(Has(run.err, c.message)) << run.err;
        EXPECT_TRUE(run.out.empty()) << c.message;
    }
}

}  // namespace
}  // namespace lumivane::testing
