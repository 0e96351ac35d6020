// lumivane-cli url and page end to end: the address of a handler from the
// options, on the built-in site or on an online one, the birth date resolved
// by the chart, the built-in page of an address, and bad input refused.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"

namespace lumivane::testing {
namespace {

constexpr const char* kServices = "lumivane://site/sm/";

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
        {"form page, filled",
         {"url", "sbtn_onlineSMClick", "--family", "王", "--sex", "女", "--date", "2024-05-01",
          "--hour", "8"},
         s + "?xing=%CD%F5&xingbie=%C5%AE&nian=2024&yue=5&ri=1&hh=8"},
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
         s + "QimingTest.asp?xing=%CD%F5&ming=%CD%F5%C3%F7&xingbie=%C4%D0&xuexing=A&nian=2000&yue=1"
             "&ri=15&hh=12&mm=30&sc=0&ver=LV020208&dest=sm5"},
        {"analysis, with the minute",
         {"url", "listview_ResultDblClick", "--family", "王", "--row-caption", "王王明", "--sex",
          "男", "--calendar", "solar", "--date", "2024-02-04", "--time", "16:20"},
         s + "QimingTest.asp?xing=%CD%F5&ming=%CD%F5%C3%F7&xingbie=%C4%D0&xuexing=A&nian=2024&yue=2"
             "&ri=4&hh=16&mm=30&fen=20&ver=LV020208&dest=sm5"},
        {"性格分析 link",
         {"url", "Label37Click", "--family", "李", "--row-caption", "李明", "--sex", "女"},
         s + "QimingTest.asp?xing=%C0%EE&ming=%C3%F7&xingbie=%C5%AE&xuexing=A&nian=0&yue=0&ri=0"
             "&hh=0&mm=30&ver=LV020208&dest=sm3"},
        {"upgrade", {"url", "N96Click"}, "lumivane://site/support/?ver=LV020208"},
        {"online site",
         {"url", "N22Click", "--site", "https://example.org/x"},
         "https://example.org/x/sm/sm/sm.asp?sm=5"},
        {"online site, support page",
         {"url", "N96Click", "--site", "http://example.org/"},
         "http://example.org/support/?ver=LV020208"},
        {"online site, analysis",
         {"url", "listview_ResultDblClick", "--family", "王", "--row-caption", "王明", "--site",
          "https://example.org/"},
         "https://example.org/sm/QimingTest.asp?xing=%CD%F5&ming=%C3%F7&xingbie=%C4%D0&xuexing=A"
         "&nian=0&yue=0&ri=0&hh=0&mm=30&ver=LV020208&dest=sm5"},
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
        {"unknown handler", {"url", "N99Click"}, "没有名为 N99Click 的网页处理程序"},
        {"Tag of no forecast", {"url", "N35Click", "--tag", "7"}, "Tag 为 7"},
        {"Tag not a number", {"url", "N35Click", "--tag", "x"}, "--tag"},
        {"sex", {"url", "N22Click", "--sex", "m"}, "--sex"},
        {"row missing", {"url", "listview_ResultDblClick", "--family", "王"}, "--row-caption"},
        {"date that does not exist",
         {"url", "N22Click", "--calendar", "solar", "--date", "2023-02-30"},
         "不存在"},
        {"outside GBK", {"url", "N23Click", "--family", "\xF0\x9F\x98\x80"}, "--family"},
        {"site without a scheme", {"url", "N22Click", "--site", "example.org"}, "--site"},
        {"site with a blank", {"url", "N22Click", "--site", "https://a b/"}, "--site"},
        {"site without a host", {"url", "N22Click", "--site", "https:///x"}, "--site"},
    };
    for (const Case& c : cases) {
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.label;
        EXPECT_TRUE(run.out.empty()) << c.label << ": " << run.out;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.label << ": " << run.err;
    }
}

// The address printed by url opens the page that page prints: the analysis of
// the double-click, with the chart of the date given.
TEST(PageCommand, PrintsThePageOfAnAddressFromUrl) {
    CliRun url = RunCli({"url", "listview_ResultDblClick", "--family", "王", "--row-caption",
                         "王明华", "--sex", "女", "--date", "2024-05-01", "--hour", "8"});
    ASSERT_EQ(url.exitCode, 0) << url.err;
    const std::size_t start = url.out.find("lumivane://");
    const std::string address = url.out.substr(start, url.out.find('"', start) - start);
    CliRun page = RunCli({"page", address});
    ASSERT_EQ(page.exitCode, 0) << page.err;
    EXPECT_EQ(page.out.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.out.find("<title>姓名分析：王明华</title>"), std::string::npos);
    EXPECT_NE(page.out.find("<p class=\"score\">63.90</p>"), std::string::npos);
    EXPECT_NE(page.out.find("女孩名首字"), std::string::npos);
    EXPECT_NE(page.out.find("<td>2024年</td><td>5月</td><td>1日</td><td>8时</td>"),
              std::string::npos);
}

TEST(PageCommand, TodayChoosesTheDefaultYearAndMonth) {
    CliRun terms = RunCli({"page", "lumivane://site/sm/24jq.asp", "--today", "2025-06-01"});
    ASSERT_EQ(terms.exitCode, 0) << terms.err;
    EXPECT_NE(terms.out.find("<title>2025年二十四节气</title>"), std::string::npos);
    EXPECT_NE(terms.out.find("<td>立春</td><td>2025-02-03</td>"), std::string::npos);
    CliRun month = RunCli({"page", "lumivane://site/sm/yuce/wnl.asp", "--today", "2024-02-10"});
    ASSERT_EQ(month.exitCode, 0) << month.err;
    EXPECT_NE(month.out.find("<title>2024年2月</title>"), std::string::npos);
}

TEST(PageCommand, RefusesAddressesWithoutAPage) {
    struct Case {
        const char* label;
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no address", {"page"}, "需要 1 个参数"},
        {"online address", {"page", "https://example.org/sm/"}, "lumivane://site/"},
        {"no such page", {"page", "lumivane://site/nothing.asp"}, "nothing.asp"},
        {"bad today", {"page", "lumivane://site/", "--today", "2025-13-01"}, "--today"},
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
