// lumivane-cli url end to end: the address of a handler from the options, the
// birth date resolved by the chart, and bad input refused.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"

namespace lumivane::testing {
namespace {

constexpr const char* kServices = "https://www.velisora.example/sm/";

std::string AddressLine(const std::string& address) {
    return "  \"address\": \"" + address + "\"";
}

TEST(UrlCommand, PrintsTheHandlerAndItsAddress) {
    struct Case {
        const char* label;
        std::vector<std::string> args;
        std::string address;
    };
    const std::string s = kServices;
    const std::vector<Case> cases = {
        {"fixed page", {"url", "N22Click"}, s + "sm/sm.asp?sm=5"},
        {"family origin, hostile box",
         {"url", "N23Click", "--family", "王&#"},
         s + "sm/sm.asp?sm=8&act=ok&xing=%CD%F5%26%23#body"},
        {"forecast by Tag, sign given",
         {"url", "N35Click", "--tag", "3", "--star-sign", "宝瓶座"},
         s + "astro/xzyc.asp?type=week&xz=11"},
        {"forecast before any chart",
         {"url", "N35Click", "--tag", "3"},
         s + "astro/xzyc.asp?type=week&xz=1"},
        {"forecast, sign from the chart",
         {"url", "N35Click", "--tag", "3", "--calendar", "solar", "--date", "2000-02-01", "--hour",
          "8"},
         s + "astro/xzyc.asp?type=week&xz=11"},
        {"link 年",
         {"url", "Label32Click", "--caption", "年"},
         s + "astro/xzyc.asp?type=month&xz=1"},
        {"sign item",
         {"url", "N42Click", "--caption", "魔羯座"},
         s + "astro/astro_show.asp?flag=4&astro=%C4%A7%F4%C9%D7%F9"},
        {"zodiac from a lunar chart",
         {"url", "Label107Click", "--calendar", "lunar", "--date", "2023-02-01", "--leap", "--hour",
          "3", "--year", "2030"},
         s + "astro/astro_show.asp?flag=12&sx=%CD%C3&astro_year=2030"},
        {"analysis, hour unknown",
         {"url", "listview_ResultDblClick", "--family", "王", "--row-caption", "王王明", "--sex",
          "男", "--calendar", "solar", "--date", "2000-01-15", "--hour", "unknown"},
         s + "QimingTest.asp?xing=%CD%F5&ming=%C3%F7&xingbie=%C4%D0&xuexing=A&nian=2000&yue=1"
             "&ri=15&hh=12&mm=30&ver=LV020208&dest=sm5"},
        {"性格分析 link",
         {"url", "Label37Click", "--family", "李", "--row-caption", "李明", "--sex", "女"},
         s + "QimingTest.asp?xing=%C0%EE&ming=%C3%F7&xingbie=%C5%AE&xuexing=A&nian=0&yue=0&ri=0"
             "&hh=0&mm=30&ver=LV020208&dest=sm3"},
        {"upgrade", {"url", "N96Click"}, "https://support.velisora.example/?ver=LV020208"},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        ASSERT_EQ(run.exitCode, 0) << c.label << ": " << run.err;
        EXPECT_NE(run.out.find("\"handler\": \"" + c.args[1] + "\""), std::string::npos)
            << c.label << ": " << run.out;
        EXPECT_NE(run.out.find(AddressLine(c.address) + "\n}"), std::string::npos)
            << c.label << ": " << run.out;
    }
}

TEST(UrlCommand, RefusesBadInput) {
    struct Case {
        const char* label;
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no handler", {"url"}, "需要 1 个参数"},
        {"unknown handler", {"url", "N99Click"}, "no handler N99Click"},
        {"Tag of no forecast", {"url", "N35Click", "--tag", "7"}, "Tag 7"},
        {"Tag not a number", {"url", "N35Click", "--tag", "x"}, "--tag"},
        {"sex", {"url", "N22Click", "--sex", "m"}, "--sex"},
        {"row missing", {"url", "listview_ResultDblClick", "--family", "王"}, "result row"},
        {"date that does not exist",
         {"url", "N22Click", "--calendar", "solar", "--date", "2023-02-30"},
         "不存在"},
        {"outside GBK", {"url", "N23Click", "--family", "\xF0\x9F\x98\x80"}, "--family"},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.label;
        EXPECT_TRUE(run.out.empty()) << c.label << ": " << run.out;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.label << ": " << run.err;
    }
}

}  // namespace
}  // namespace lumivane::testing
