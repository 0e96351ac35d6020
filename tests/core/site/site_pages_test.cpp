// The built-in site: every address the program builds answers a page, the
// name analysis, dictionary, chart and calendar pages say what the core's data
// and calendar say, and everything a page echoes back is escaped.

#include "core/site/site_pages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/app/web_addresses.h"
#include "core/data/character_dictionary.h"
#include "core/data/family_names.h"
#include "core/naming/numerology.h"
#include "core/site/site_render.h"

namespace lumivane {
namespace {

const FixedClock kToday({2025, 6, 1, 9, 0, 0});

SitePage Page(const std::string& address) {
    return RenderSitePage(address, kToday);
}

bool Has(const SitePage& page, const std::string& text) {
    return page.html.find(text) != std::string::npos;
}

std::string AnalysisAddress(const std::string& family, const std::string& caption, int sex = 0) {
    NameAnalysisInputs inputs;
    inputs.familyText = family;
    inputs.rowCaption = caption;
    inputs.sexIndex = sex;
    inputs.birth = {2024, 5, 1, 8};
    return NameAnalysisAddress(inputs);
}

// The handlers whose pages the program answers from its own data; every
// other address of the menus is a service that needs an online site.

TEST(SitePages, EveryAddressOfTheProgramAnswersAPage) {
    WebPageInputs inputs;
    inputs.familyNameBox = "王";
    inputs.starSignLabel = "宝瓶座";
    inputs.zodiacLabel = "龙";
    inputs.caption = "魔羯座";
    inputs.tag = 3;
    inputs.currentYear = 2025;
    inputs.analysis.familyText = "王";
    inputs.analysis.rowCaption = "王明华";
    inputs.analysis.birth = {2024, 5, 1, 8};
    std::vector<std::string> handlers = FixedPageHandlers();
    for (const std::string& handler : BuiltPageHandlers()) {
        handlers.push_back(handler);
    }
    std::size_t builtInCount = 0;
    for (const std::string& handler : handlers) {
        WebAddressResult address = AddressOfHandler(handler, inputs);
        ASSERT_TRUE(address.ok()) << handler << ": " << address.error;
        ASSERT_TRUE(IsBuiltInSiteAddress(address.address)) << handler;
        SitePage page = Page(address.address);
        // The service table says which services the built-in site answers.
        const bool builtIn = FindServiceOfHandler(handler)->page == ServicePage::BuiltIn;
        builtInCount += builtIn ? 1 : 0;
        EXPECT_EQ(page.kind, builtIn ? SitePage::Kind::BuiltIn : SitePage::Kind::OnlineOnly)
            << handler << " " << address.address;
        EXPECT_EQ(page.html.rfind("<!DOCTYPE html>", 0), 0u) << handler;
        EXPECT_TRUE(Has(page, "<title>" + page.title + "</title>")) << handler;
        EXPECT_FALSE(page.title.empty()) << handler;
        EXPECT_FALSE(Has(page, "<script")) << handler;
        EXPECT_TRUE(Has(page, "content=\"default-src 'none';")) << handler;
        if (!builtIn) {
            EXPECT_TRUE(Has(page, "需要在线站点")) << handler;
            EXPECT_TRUE(Has(page, "[Online]\nSiteRoot=")) << handler;
        }
    }
    // 姓名测试, 新华字典, the sm.asp pages 5 1 2, 万年历, 排盘, 节气, 百家姓, help, about,
    // the family origin (menu and link), upgrade and the two analyses.
    EXPECT_EQ(builtInCount, 16u);
}

// The forms of the built-in site open with the main window's family name, sex
// and birth, as the program builds their addresses.
TEST(SitePages, FormsOpenFilledWithTheWindowsFamilyNameSexAndBirth) {
    WebPageInputs inputs;
    inputs.familyNameBox = " 欧阳 ";
    inputs.prefill = {"欧阳", 1, {2024, 5, 1, 8, -1, true, true}};
    const WebAddressResult test = AddressOfHandler("sbtn_onlineSMClick", inputs);
    ASSERT_TRUE(test.ok()) << test.error;
    const SitePage form = Page(test.address);
    EXPECT_EQ(form.title, "姓名测试");
    EXPECT_TRUE(Has(form, "name=\"xing\" size=\"4\" maxlength=\"2\" value=\"欧阳\"")) << form.html;
    EXPECT_TRUE(Has(form, "<option>男</option><option selected>女</option>"));
    for (const char* field : {"name=\"nian\" value=\"2024\"", "name=\"yue\" value=\"5\"",
                              "name=\"ri\" value=\"1\"", "name=\"hh\" value=\"8\""}) {
        EXPECT_TRUE(Has(form, field)) << field;
    }
    EXPECT_TRUE(Has(form, "出生 2024年5月1日 8时"));

    // The chart pages are filled with the birth and so show its chart.
    const SitePage chart = Page(AddressOfHandler("N25Click", inputs).address);
    EXPECT_TRUE(Has(chart, "value=\"2024\"")) << chart.html;
    EXPECT_FALSE(Has(chart, "还需要"));
    // 姓名测算 too; a window without a family name, sex or date sends none.
    EXPECT_TRUE(Has(Page(AddressOfHandler("N22Click", inputs).address), "value=\"欧阳\""));
    inputs.prefill = {};
    EXPECT_EQ(AddressOfHandler("sbtn_onlineSMClick", inputs).address,
              std::string(kSiteRootAddress) + "sm/");
    // An online site gets the design's addresses as they are.
    inputs.prefill = {"王", 0, {2024, 5, 1, 8, -1, true, true}};
    WebSite online;
    online.siteRoot = "https://example.org/";
    EXPECT_EQ(AddressOfHandler("sbtn_onlineSMClick", inputs, online).address,
              "https://example.org/sm/");
}

TEST(SitePages, OnlineOnlyPageNamesTheServiceAndItsAddress) {
    struct Case {
        const char* handler;
        const char* name;
        const char* path;
    };
    const std::vector<Case> cases = {
        {"N24Click", "周公解梦", "sm/chouqian/zgjm.asp"},
        {"N57Click", "吕祖灵签 · 诸葛神算", "sm/chouqian/lvzu.asp"},
        {"N63Click", "姓名配对 · 生辰八字配对", "sm/sm/sm.asp?sm=6"},
        {"N30Click", "日干论命", "sm/sm/sm.asp?sm=3"},
        {"N76Click", "黄道吉日", "sm/yuce/hdjr.asp?act=xrz&amp;word=%BC%DE%C8%A2&amp;upto=365"},
        {"N92Click", "三字经", "szj/"},
        {"N98Click", "建议反馈", "support/feedback.asp"},
    };
    for (const Case& c : cases) {
        SitePage page = Page(FixedPageAddress(*FindFixedWebPage(c.handler)));
        EXPECT_EQ(page.kind, SitePage::Kind::OnlineOnly) << c.handler;
        EXPECT_NE(page.title.find(c.name), std::string::npos) << c.handler << ": " << page.title;
        EXPECT_TRUE(Has(page, std::string("&lt;站点根地址&gt;") + c.path)) << c.handler;
    }
    // The address is shown as a browser shows it: escaped, other bytes percent-encoded.
    SitePage odd = Page("lumivane://site/sm/chouqian/zgjm.asp?q=<b>\xFF\xCD\xF5#body");
    EXPECT_TRUE(Has(odd, "zgjm.asp?q=&lt;b&gt;%FF%CD%F5</code>"));
    EXPECT_FALSE(Has(odd, "<b>\xFF"));
}

TEST(SitePages, AddressesWithoutAPage) {
    EXPECT_EQ(Page("lumivane://site/nothing.asp").kind, SitePage::Kind::NotFound);
    EXPECT_EQ(Page("https://example.org/sm/").kind, SitePage::Kind::NotFound);
    EXPECT_FALSE(IsBuiltInSiteAddress("https://example.org/sm/"));
    // An sm number no page has says what is missing instead of failing.
    SitePage unknown = Page("lumivane://site/sm/sm/sm.asp?sm=99");
    EXPECT_EQ(unknown.kind, SitePage::Kind::BuiltIn);
    EXPECT_TRUE(Has(unknown, "没有编号为 99 的测算"));
}

// 王明华: 王 4, 明 8, 華 12 + 艹 counted as 艸 (6) = 14 Kangxi strokes, as
// name numerology counts them; the grids and score follow from those.
TEST(NameAnalysisPage, WangMingHua) {
    SitePage page = Page(AnalysisAddress("王", "王明华"));
    ASSERT_EQ(page.kind, SitePage::Kind::BuiltIn);
    EXPECT_EQ(page.title, "姓名分析：王明华");
    EXPECT_TRUE(Has(page, "wáng míng huá"));
    struct Grid {
        const char* name;
        const char* number;
        const char* element;
        const char* rating;
    };
    for (const Grid& g :
         {Grid{"天格", "5", "土", "good\">大吉"}, Grid{"人格", "12", "木", "bad\">凶"},
          Grid{"地格", "22", "木", "bad\">凶"}, Grid{"外格", "15", "土", "good\">大吉"},
          Grid{"总格", "26", "土", "mid\">半吉"}}) {
        EXPECT_TRUE(Has(page, std::string("<th>") + g.name + "</th><td>" + g.number + "</td><td>" +
                                  g.element + "</td><td><span class=\"" + g.rating))
            << g.name;
    }
    EXPECT_TRUE(Has(page, "<b>土木土</b>"));
    EXPECT_TRUE(Has(page, "<b>土木木</b>"));
    EXPECT_TRUE(Has(page, "<p class=\"score\">63.90</p>"));
    EXPECT_TRUE(Has(page, "男孩名首字"));
    EXPECT_TRUE(Has(page, "<td>2024年</td><td>5月</td><td>1日</td><td>8时</td>"));
    EXPECT_TRUE(Has(page, "八字五行个数"));
}

// The 出处 of any name: the lines holding its two characters in order within
// one sentence, the first with its whole stanza.
TEST(NameAnalysisPage, VerseSource) {
    struct Case {
        const char* caption;
        int sex;
        std::vector<std::string> shown;
    };
    for (const Case& c : {
             Case{"王子衿",
                  1,
                  {"<h2>出处</h2>", "<b>青青子衿，悠悠我心。</b>纵我不往，子宁不嗣音？",
                   "——诗经·郑风·子衿"}},
             Case{"王思齐",
                  0,
                  {"<b>思齐大任，文王之母，思媚周姜，京室之妇。</b>", "——诗经·大雅·思齐"}},
             Case{"王明华", 0, {"<h2>出处</h2>"}},
             // 甫田's 无思远人，劳心忉忉 (a heart troubled by longing) yields to lines to tell
             // (below).
             Case{"王思远", 0, {"<b>视尔不臧，我思不远。</b>", "——诗经·鄘风·载驰"}},
             Case{"王鼋", 0, {"单字名不查两字同句的出处。"}},
             Case{"王鼋鼋", 0, {"没有找到“鼋”与“鼋”依次同在一句的诗文。"}},
         }) {
        SitePage page = Page(AnalysisAddress("王", c.caption, c.sex));
        for (const std::string& text : c.shown) {
            EXPECT_TRUE(Has(page, text)) << c.caption << ": " << text;
        }
    }
    EXPECT_FALSE(Has(Page(AnalysisAddress("王", "王思远", 0)), "无思远人"));
}

TEST(NameAnalysisPage, ShapesOfNames) {
    struct Case {
        const char* label;
        std::string family;
        std::string caption;
        std::vector<std::string> rows;  // characters shown in the table, in order
        int waiGe;                      // by the rule of the name's shape
    };
    const std::uint32_t ou = FindCharacter("欧");
    const std::uint32_t hua = FindCharacter("华");
    const std::vector<Case> cases = {
        // Two-character family name and given name: 外格 = f + e.
        {"compound family",
         "欧阳",
         "欧阳明华",
         {"欧", "阳", "明", "华"},
         static_cast<int>(KangxiStrokesOf(ou) + KangxiStrokesOf(hua))},
        // One-character family and given name: 外格 is always 2.
        {"one-character given", "王", "王明", {"王", "明"}, 2},
    };
    for (const Case& c : cases) {
        SitePage page = Page(AnalysisAddress(c.family, c.caption));
        EXPECT_EQ(page.title, "姓名分析：" + c.caption) << c.label;
        std::size_t at = 0;
        for (const std::string& character : c.rows) {
            at = page.html.find("<tr><td>" + character + "</td>", at);
            EXPECT_NE(at, std::string::npos) << c.label << " " << character;
        }
        EXPECT_TRUE(Has(page, "<th>外格</th><td>" + std::to_string(c.waiGe) + "</td>")) << c.label;
    }
}

TEST(NameAnalysisPage, EchoesEverythingEscaped) {
    struct Case {
        const char* label;
        std::string family;
        std::string caption;
        std::string shown;
        std::string never;
    };
    const std::vector<Case> cases = {
        // Only the first two characters of a family name count, as in the program.
        {"markup", "<script>", "<script>明", "“&lt;”", "<script"},
        {"ampersand and quote", "<&", "<&\"华", "“&lt;”", "<&"},
        {"attribute breaker", "\"'", "\"'>明", "“&quot;”", "\"'>"},
    };
    for (const Case& c : cases) {
        SitePage page = Page(AnalysisAddress(c.family, c.caption));
        EXPECT_EQ(page.kind, SitePage::Kind::BuiltIn) << c.label;
        EXPECT_TRUE(Has(page, c.shown)) << c.label;
        EXPECT_FALSE(Has(page, c.never)) << c.label;
        EXPECT_TRUE(Has(page, "不在字库中")) << c.label;
    }
}

// A character outside the dictionary has no stroke count: the analysis stops
// and names it instead of counting it as 0 strokes. Traditional input reads as
// its simplified record in the given name as in the family name.
TEST(NameAnalysisPage, UnknownCharactersStopTheAnalysis) {
    struct Case {
        const char* label;
        std::string family;
        std::string caption;
        const char* message;  // empty when the name is analysed
    };
    const std::vector<Case> cases = {
        {"rare given character", "张", "张䶮", "名字中的“䶮”不在字库中"},
        {"rare family character", "䶮", "䶮明", "姓氏中的“䶮”不在字库中"},
        {"traditional given name", "张", "张偉", ""},
        {"traditional full name", "張", "張偉", ""},
    };
    for (const Case& c : cases) {
        SitePage page = Page(AnalysisAddress(c.family, c.caption));
        if (*c.message != 0) {
            EXPECT_EQ(page.title, "姓名分析") << c.label;
            EXPECT_TRUE(Has(page, c.message)) << c.label;
            EXPECT_TRUE(Has(page, "class=\"missing\"")) << c.label;
            EXPECT_FALSE(Has(page, "<h2>五格</h2>")) << c.label;
        } else {
            EXPECT_TRUE(Has(page, "<h2>五格</h2>")) << c.label;
            EXPECT_FALSE(Has(page, "按 0 画计")) << c.label;
            // 偉 reads as 伟: 张 11 + 伟 (偉 11) = 人格 22.
            EXPECT_TRUE(Has(page, "<th>人格</th><td>22</td>")) << c.label;
            EXPECT_TRUE(Has(page, "zhāng wěi")) << c.label;
        }
    }
}

// The given name may hold the family character; the double-click analyses
// the name of the row, not the name with every copy of the family removed.
TEST(NameAnalysisPage, GivenNameHoldingTheFamilyCharacter) {
    for (const char* caption : {"文文龙", "林林森", "金金鑫"}) {
        const std::string family = std::string(caption).substr(0, 3);
        SitePage page = Page(AnalysisAddress(family, caption));
        EXPECT_EQ(page.title, std::string("姓名分析：") + caption);
    }
}

TEST(NameAnalysisPage, ReadingsAndWordsOfTheVerdicts) {
    struct Case {
        const char* label;
        std::string family;
        std::string caption;
        std::vector<std::string> shown;
    };
    const std::vector<Case> cases = {
        {"family readings",
         "曾",
         "曾乐",
         {"zēng lè", "<b>zēng</b>（姓）、céng", "乐 在名字中通常读 lè，也读 yuè"}},
        {"compound", "尉迟", "尉迟晟", {"yù chí shèng", "<b>yù</b>（复姓尉迟）"}},
        {"name reading", "李", "李偲", {"lǐ sī"}},
        {"one-character name", "王", "王明", {"外格按算法总是 2"}},
        {"same name",
         "王",
         "王伟",
         {"<h2>重名</h2><p>全国约 21 万人同名", "（下降）", "1990–1999 平稳，2000–2008 下降。"}},
        {"sound",
         "李",
         "李嘉成",
         {"<h2>声律</h2><p>lǐ jiā chéng：仄平平", "<li>与名人 李嘉诚 同音</li>"}},
        {"common word", "李", "李文明", {"<li>名字是常用词 文明</li>"}},
        {"pun", "杜", "杜子腾", {"<li>谐音 肚子疼</li>"}},
        {"given name of ill meaning", "李", "李子吉", {"<li>谐音 仔鸡</li>"}},
        {"full name of ill meaning", "范", "范统", {"<li>谐音 饭桶</li>"}},
        {"composed", "史", "史珍香", {"<li>谐音 屎真香</li>"}},
        {"composed", "朱", "朱逸群", {"<li>谐音 猪一群</li>"}},
        {"brand", "李", "李宝洁", {"<li>与品牌 宝洁 同音</li>"}},
        {"meaning",
         "王",
         "王明",
         {"<td>明</td><td>明显、", "<span lang=\"en\">bright, light",
          "东方明矣，朝既昌矣。——《诗经"}},
        {"standard 三才",
         "王",
         "王明华",
         {"<b>土木木</b>", "<b>半吉</b>", "<b>土木土</b>，配置值"}},
    };
    for (const Case& c : cases) {
        SitePage page = Page(AnalysisAddress(c.family, c.caption));
        for (const std::string& text : c.shown) {
            EXPECT_TRUE(Has(page, text)) << c.label << ": " << text;
        }
    }
    EXPECT_FALSE(Has(Page(AnalysisAddress("王", "王明华")), "外格按算法总是 2"));
    EXPECT_FALSE(Has(Page(AnalysisAddress("欧阳", "欧阳明")), "外格按算法总是 2"));
}

TEST(NameAnalysisPage, QueryValuesInGbkOrUtf8) {
    const std::string gbk =
        Page("lumivane://site/sm/QimingTest.asp?xing=%CD%F5&ming=%C3%F7%BB%AA&xingbie=%C5%AE").html;
    const std::string utf8 =
        Page(
            "lumivane://site/sm/"
            "QimingTest.asp?xing=%E7%8E%8B&ming=%E6%98%8E%E5%8D%8E&xingbie=%E5%A5%B3")
            .html;
    EXPECT_EQ(gbk, utf8);
    EXPECT_NE(gbk.find("女孩名首字"), std::string::npos);
    // A form's blanks arrive as "+" and are trimmed; bytes that are neither
    // GBK nor UTF-8 count as a missing value.
    SitePage blanks = Page("lumivane://site/sm/QimingTest.asp?xing=+%CD%F5+&ming=%C3%F7");
    EXPECT_EQ(blanks.title, "姓名分析：王明");
    SitePage broken = Page("lumivane://site/sm/QimingTest.asp?xing=%FF&ming=%C3%F7");
    EXPECT_TRUE(Has(broken, "需要姓氏"));
}

TEST(NameAnalysisPage, SaysWhatIsMissing) {
    struct Case {
        const char* query;
        const char* missing;
    };
    for (const Case& c : {Case{"", "需要姓氏和名字"}, Case{"?xing=%CD%F5", "需要名字"},
                          Case{"?ming=%C3%F7", "需要姓氏"}}) {
        SitePage page = Page(std::string("lumivane://site/sm/QimingTest.asp") + c.query);
        EXPECT_EQ(page.kind, SitePage::Kind::BuiltIn) << c.query;
        EXPECT_TRUE(Has(page, "class=\"missing\"")) << c.query;
        EXPECT_TRUE(Has(page, c.missing)) << c.query;
        EXPECT_TRUE(Has(page, "action=\"lumivane://site/sm/QimingTest.asp\"")) << c.query;
    }
    // Without a birth date (a double-click before any chart) there is no chart.
    SitePage noChart = Page("lumivane://site/sm/QimingTest.asp?xing=%CD%F5&ming=%C3%F7&nian=0");
    EXPECT_TRUE(Has(noChart, "没有出生日期"));
}

TEST(DictionaryPage, RecordOfAPolyphone) {
    SitePage page = Page("lumivane://site/xhzd/?zi=%B3%A4");  // 长 in GBK
    EXPECT_EQ(page.title, "新华字典：长");
    // Both readings of 长 with their tones, the most used first, the name reading marked.
    const std::string readings(CharacterTonedReadings(FindCharacter("长")));
    ASSERT_NE(readings.find(','), std::string::npos);
    EXPECT_TRUE(Has(page, "cháng"));
    EXPECT_TRUE(Has(page, "zhǎng"));
    EXPECT_TRUE(Has(page, "<th>读音</th><td>zhǎng、cháng（名）</td>"));
    // Common readings first, the rare ones apart; the family-name reading marked.
    EXPECT_TRUE(Has(Page("lumivane://site/xhzd/?zi=%CD%F5"),
                    "<th>读音</th><td>wáng（姓）；少用：wàng、yù</td>"));
    EXPECT_TRUE(Has(Page("lumivane://site/xhzd/?zi=%B5%A5"), "dān（名）、chán、shàn（姓）"));  // 单
    EXPECT_TRUE(Has(page, "男孩名中"));
    EXPECT_TRUE(Has(page, "女孩名中"));
    EXPECT_TRUE(Has(page, "<th>常用词</th><td>"));
    EXPECT_TRUE(Has(page, "<th>Unicode 英文释义</th><td><span lang=\"en\">long"));
    EXPECT_TRUE(Has(page, "<th>繁体</th><td>長</td>"));
    EXPECT_TRUE(Has(Page("lumivane://site/xhzd/?zi=%C3%F7"), "<th>繁体</th><td>—</td>"));  // 明
    // The form names use first, its Kangxi count with it; other words' forms apart.
    struct Form {
        const char* character;
        const char* shown;
        int kangxi;
    };
    for (const Form& f :
         {Form{"志", "名字用本字 志；另作 誌", 7}, Form{"松", "名字用本字 松；另作 鬆", 8},
          Form{"后", "名字用本字 后；另作 後", 6}, Form{"里", "名字用本字 里；另作 裏", 7},
          Form{"华", "華", 14}}) {
        SitePage record = Page(std::string("lumivane://site/xhzd/?zi=") + f.character);
        EXPECT_TRUE(Has(record, std::string("<th>繁体</th><td>") + f.shown)) << f.character;
        EXPECT_EQ(KangxiStrokesOf(FindCharacter(f.character)), static_cast<std::uint32_t>(f.kangxi))
            << f.character;
    }

    EXPECT_TRUE(Has(Page("lumivane://site/xhzd/"), "name=\"zi\""));
    SitePage absent = Page("lumivane://site/xhzd/?zi=%3C");
    EXPECT_TRUE(Has(absent, "字库中没有“&lt;”"));
}

TEST(ChartPage, ChartOfADateAndWhatIsMissing) {
    // 2000-01-15 at noon: day pillar 壬申, hour pillar 丙午 (the published almanac).
    SitePage chart = Page("lumivane://site/sm/paipan/pp_bazi.asp?nian=2000&yue=1&ri=15&hh=12");
    EXPECT_TRUE(Has(chart, "<td>壬申</td><td>丙午</td>"));
    EXPECT_TRUE(Has(chart, "八字五行个数"));
    EXPECT_TRUE(Has(chart, "<option value=\"12\" selected>"));
    SitePage sm1 = Page("lumivane://site/sm/sm/sm.asp?sm=1&nian=2000&yue=1&ri=15");
    EXPECT_EQ(sm1.title, "生辰八字");
    EXPECT_TRUE(Has(sm1, "<input type=\"hidden\" name=\"sm\" value=\"1\">"));
    EXPECT_TRUE(Has(sm1, "<option value=\"\" selected>未知</option>"));
    EXPECT_TRUE(Has(Page("lumivane://site/sm/sm/sm.asp?sm=2&nian=2000&yue=1"), "还需要出生的日"));
    EXPECT_TRUE(
        Has(Page("lumivane://site/sm/paipan/pp_bazi.asp?nian=2023&yue=2&ri=30"), "没有这个日期"));
}

// 立春 2024 at 16:27: the minute decides; a lunar date is taken too (2023 腊月廿五 is
// 2024-02-04); without the minute the page says the pillars depend on it.
TEST(ChartPage, MinuteLunarDatesAndFavourableElements) {
    struct Case {
        const char* label;
        const char* query;
        std::vector<const char*> parts;
    } const cases[] = {
        {"before the term",
         "nian=2024&yue=2&ri=4&hh=16&fen=20",
         {"<td>癸卯</td><td>乙丑</td>", "<h2>喜用神</h2>", "value=\"20\""}},
        {"after the term", "nian=2024&yue=2&ri=4&hh=16&fen=40", {"<td>甲辰</td><td>丙寅</td>"}},
        {"no minute", "nian=2024&yue=2&ri=4&hh=16", {"16:27 交立春", "取决于出生的分钟"}},
        {"lunar date",
         "li=nong&nian=2023&yue=12&ri=25&hh=16&fen=40",
         {"<td>2024年</td><td>2月</td><td>4日</td>", "<td>甲辰</td><td>丙寅</td>",
          "<option value=\"nong\" selected>"}},
        {"lunar leap month",
         "li=nong&run=1&nian=2023&yue=2&ri=1&hh=8",
         {"<td>3月</td><td>22日</td>"}},
        {"a lunar date that does not exist",
         "li=nong&nian=2023&yue=2&ri=30&run=1&hh=8",
         {"没有这个农历日期"}},
        {"a bad minute", "nian=2024&yue=2&ri=4&hh=16&fen=75", {"分钟须是 0 至 59 的数字"}},
        // 春节 2025 fell before 立春: the lunar year is 乙巳 (蛇), the year pillar 甲辰 (龙).
        {"23 o'clock: the pillars of the next day",
         "nian=2025&yue=2&ri=3&hh=23",
         {"<td>初六</td>", "<td>甲辰</td><td>甲子</td>", "八字的日柱、时柱按次日排"}},
        {"the lunar new year before 立春",
         "nian=2025&yue=1&ri=29&hh=8",
         {"农历年是乙巳，按农历新年算属蛇；八字的年柱以立春换年，是甲辰", "属龙。"}},
    };
    for (const Case& c : cases) {
        SitePage page = Page(std::string("lumivane://site/sm/paipan/pp_bazi.asp?") + c.query);
        for (const char* part : c.parts) {
            EXPECT_TRUE(Has(page, part)) << c.label << ": " << part;
        }
    }
}

// The analysis page: a chart and 喜用神 with the sentence about the name; none for a request
// without a date (rq=0); three pillars for 时辰未知 (sc=0).
TEST(NameAnalysisPage, FavourableElementsFollowTheBirth) {
    const std::string base = "lumivane://site/sm/QimingTest.asp?xing=%CD%F5&ming=%C3%F7";
    SitePage full = Page(base + "&nian=2024&yue=2&ri=4&hh=16&mm=30&fen=40");
    EXPECT_TRUE(Has(full, "<h2>喜用神</h2>"));
    EXPECT_TRUE(Has(full, "名字的字义五行为"));
    EXPECT_TRUE(Has(full, "<td>甲辰</td><td>丙寅</td>"));
    // 长乐 is 火 alone; the chart of 2023-09-09 11 时 wants 土 and 火: the name brings 火 only.
    EXPECT_TRUE(Has(Page("lumivane://site/sm/QimingTest.asp?xing=%CD%F5&ming=%B3%A4%C0%D6"
                         "&nian=2023&yue=9&ri=9&hh=11&mm=30"),
                    "名字的字义五行为火，含喜用神中的火（喜用神为土、火），不带忌神。"));
    // 诗涵 holds the wanted 金 and the unwanted 水 (2025-02-03, 23 时): both are said.
    EXPECT_TRUE(Has(Page("lumivane://site/sm/QimingTest.asp?xing=%C1%F5&ming=%CA%AB%BA%AD"
                         "&nian=2025&yue=2&ri=3&hh=23&mm=30"),
                    "名字的字义五行为金、水，含喜用神中的金，也带有忌神水。"));
    // The season's rule of thumb and the whole chart's weighing can disagree: the page says which
    // holds.
    EXPECT_LT(full.html.find("建议："), full.html.find("两者不一致时以喜用神为准"));
    EXPECT_LT(full.html.find("两者不一致时以喜用神为准"), full.html.find("<h2>喜用神</h2>"));
    SitePage noDate = Page(base + "&nian=2025&yue=6&ri=1&hh=12&mm=30&rq=0&sc=0");
    EXPECT_TRUE(Has(noDate, "没有出生日期"));
    EXPECT_FALSE(Has(noDate, "<h2>喜用神</h2>"));
    EXPECT_FALSE(Has(noDate, "八字五行个数"));
    SitePage noHour = Page(base + "&nian=2000&yue=1&ri=15&hh=12&mm=30&sc=0");
    EXPECT_TRUE(Has(noHour, "按年、月、日三柱"));
    EXPECT_FALSE(Has(noHour, "<td>丙午</td>"));
}

// Dates as published for 2025 (中国科学院紫金山天文台《2025年中国天文年历》, Beijing time).
TEST(SolarTermsPage, TermsOf2025) {
    SitePage page = Page("lumivane://site/sm/24jq.asp?year=2025");
    EXPECT_EQ(page.title, "2025年二十四节气");
    EXPECT_TRUE(Has(page, "<td>小寒</td><td>2025-01-05</td>"));
    EXPECT_TRUE(Has(page, "<td>立春</td><td>2025-02-03</td><td>星期一</td>"));
    EXPECT_TRUE(Has(page, "<td>清明</td><td>2025-04-04</td>"));
    EXPECT_TRUE(Has(page, "<td>冬至</td><td>2025-12-21</td>"));
    // Without a year: this year; a year outside the checked calendar says so.
    EXPECT_EQ(Page("lumivane://site/sm/24jq.asp").title, "2025年二十四节气");
    EXPECT_TRUE(Has(Page("lumivane://site/sm/24jq.asp?year=1800"), "不在范围内"));
}

// The Spring Festival of 2024 was on 10 February, 立春 on 4 February.
TEST(MonthCalendarPage, FebruaryOf2024) {
    SitePage page = Page("lumivane://site/sm/yuce/wnl.asp?year=2024&month=2");
    EXPECT_EQ(page.title, "2024年2月");
    EXPECT_TRUE(Has(page, "<span class=\"day\">10</span><br>正月"));
    EXPECT_TRUE(Has(page, "<span class=\"day\">4</span><br>廿五 <span class=\"term\">立春</span>"));
    // 2024-02-01 was a Thursday: three empty cells before it.
    EXPECT_TRUE(Has(page,
                    "<tr><td class=\"other\"></td><td class=\"other\"></td><td "
                    "class=\"other\"></td><td><span class=\"day\">1</span>"));
    EXPECT_TRUE(Has(page, "wnl.asp?year=2024&amp;month=1"));
    EXPECT_TRUE(Has(page, "wnl.asp?year=2024&amp;month=3"));
    EXPECT_EQ(Page("lumivane://site/sm/yuce/wnl.asp").title, "2025年6月");
    EXPECT_TRUE(Has(Page("lumivane://site/sm/yuce/wnl.asp?year=2024&month=13"), "不在范围内"));
}

TEST(MonthCalendarPage, ATodayOutsideTheRangeIsToldAsTheRange) {
    for (int year : {1899, 2051, 2100}) {
        SitePage page =
            RenderSitePage("lumivane://site/sm/yuce/wnl.asp", FixedClock({year, 3, 1, 9, 0, 0}));
        EXPECT_EQ(page.title, "万年历") << year << ": no month nobody asked for";
        EXPECT_TRUE(Has(page, "今天所在的 " + std::to_string(year) + " 年不在万年历的范围内"))
            << year;
        EXPECT_TRUE(Has(page, "至 2050 年")) << year;
        EXPECT_FALSE(Has(page, "不在范围内。")) << year << ": no error box";
        EXPECT_FALSE(Has(page, "class=\"month\"")) << year;
    }
}

TEST(NameAnalysisPage, ControlCharactersAndLongValuesAreNotEchoed) {
    SitePage page = Page("lumivane://site/sm/QimingTest.asp?xing=%E7%8E%8B&ming=%E6%98%8E%00%01x");
    EXPECT_EQ(page.html.find('\0'), std::string::npos) << "a NUL is not written into the page";
    EXPECT_EQ(page.html.find('\x01'), std::string::npos);
    // What is left after 明 has no record, so the analysis stops and says so.
    EXPECT_TRUE(Has(page, "名字中的“"));
    EXPECT_TRUE(Has(page, "不在字库中"));

    // A value of a million characters is cut to what a page can use.
    std::string ming;
    for (int i = 0; i < 100000; ++i) {
        ming += "%E6%98%8E";
    }
    SitePage longPage = Page("lumivane://site/sm/QimingTest.asp?xing=%E7%8E%8B&ming=" + ming);
    EXPECT_EQ(longPage.kind, SitePage::Kind::BuiltIn);
    EXPECT_LT(longPage.html.size(), 64u * 1024u) << "the page does not echo the whole value";
    EXPECT_TRUE(Has(longPage, "王明明"));
}

TEST(FamilyNamePage, FactsLumivaneHolds) {
    WebPageInputs inputs;
    inputs.familyNameBox = "欧阳";
    SitePage page = Page(AddressOfHandler("N23Click", inputs).address);
    EXPECT_EQ(page.title, "姓氏：欧阳");
    EXPECT_TRUE(Has(page, "<tr><td>欧</td>"));
    EXPECT_TRUE(Has(page, "<tr><td>阳</td>"));
    const std::optional<FamilyNameStatistic> ouyang = FindFamilyName("欧阳");
    ASSERT_TRUE(ouyang.has_value());
    EXPECT_TRUE(Has(page, "排第 " + std::to_string(ouyang->Rank) + " 位"));
    // Below ten thousand bearers only that is said, without 约有 before it.
    inputs.familyNameBox = "长孙";
    SitePage rare = Page(AddressOfHandler("N23Click", inputs).address);
    EXPECT_TRUE(Has(rare, "姓长孙的不足 1 万人"));
    EXPECT_FALSE(Has(rare, "约有 不足"));
    EXPECT_TRUE(Has(rare, "<b>zhǎng</b>（复姓长孙）"));
    // A family name the statistics do not list says so, and invents nothing.
    inputs.familyNameBox = "王李";
    EXPECT_TRUE(Has(Page(AddressOfHandler("N23Click", inputs).address), "统计中没有这个姓氏"));
    inputs.familyNameBox = "";
    EXPECT_TRUE(Has(Page(AddressOfHandler("N23Click", inputs).address), "name=\"xing\""));
}

TEST(FamilyNameListPage, ByBearersInPagesOfAHundred) {
    SitePage first = Page("lumivane://site/sm/sm/bjx.asp");
    EXPECT_EQ(first.title, "百家姓");
    // 王, 李 and 张 are the three most borne family names (national statistics, 1930-2008).
    const std::size_t wang = first.html.find("xing=%CD%F5\">王</a>");
    const std::size_t li = first.html.find("xing=%C0%EE\">李</a>");
    const std::size_t zhang = first.html.find("xing=%D5%C5\">张</a>");
    EXPECT_TRUE(wang < li && li < zhang && zhang != std::string::npos);
    EXPECT_TRUE(Has(first, "<tr><td>100</td>"));
    // Family names read as family names: 曾 zēng, not the dictionary's céng first.
    EXPECT_TRUE(Has(first, ">曾</a></td><td>zēng</td>"));
    EXPECT_FALSE(Has(first, "<tr><td>101</td>"));
    EXPECT_TRUE(Has(first, "bjx.asp?from=101"));
    const std::string last = std::to_string(FamilyNameCount());
    SitePage end = Page("lumivane://site/sm/sm/bjx.asp?from=" + last);
    EXPECT_TRUE(Has(end, "<tr><td>" + last + "</td>"));
    EXPECT_FALSE(Has(end, "后 100 位"));
    EXPECT_TRUE(Has(Page("lumivane://site/sm/sm/bjx.asp?from=0"), "没有这个排名"));
}

TEST(NumberWords, EveryNumberHasItsOwnWordsAndRating) {
    std::set<std::string_view> seen;
    for (int n = 1; n <= 81; ++n) {
        const std::string_view words = site::NumberExplanation(n);
        EXPECT_FALSE(words.empty()) << n;
        EXPECT_TRUE(seen.insert(words).second) << n;
        const std::string_view rating = site::NumberRating(n);
        // The rating follows the number's points.
        const int points = NumberValue(n);
        EXPECT_EQ(rating, points >= 12  ? "大吉"
                          : points >= 8 ? "吉"
                          : points >= 5 ? "半吉"
                          : points >= 1 ? "凶"
                                        : "大凶")
            << n;
    }
    // Past 81 the numbers count on from 1, as their points do.
    EXPECT_EQ(site::NumberExplanation(83), site::NumberExplanation(3));
    EXPECT_EQ(site::NumberRating(82), site::NumberRating(2));
    EXPECT_TRUE(site::NumberExplanation(0).empty());
}

}  // namespace
}  // namespace lumivane
