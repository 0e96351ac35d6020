// Addresses of the online services: every menu item, button and link, and the
// escaping of the values that come from the user's input.

#include "core/app/web_addresses.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace lumivane {
namespace {

// Bases of a site that is not the default, so that the tests see which base
// each address is built on.
const WebSite kSite{"http://root.test/", "http://support.test/"};

struct FixedCase {
    const char* item;
    const char* handler;
    const char* address;
};

// One row per menu item, button and link of the fixed pages, duplicates included.
const std::vector<FixedCase> kFixedCases = {
    {"tool bar 姓名测试", "sbtn_onlineSMClick", "http://root.test/sm/"},
    {"tool bar 新华字典", "sbtn_dictClick", "http://root.test/xhzd/"},
    {"热门测算 姓名测算", "N22Click", "http://root.test/sm/sm/sm.asp?sm=5"},
    {"热门测算 周公解梦", "N24Click", "http://root.test/sm/chouqian/zgjm.asp#body"},
    {"热门测算 生辰八字", "N25Click", "http://root.test/sm/sm/sm.asp?sm=1"},
    {"热门测算 八字测算", "N26Click", "http://root.test/sm/sm/sm.asp?sm=2"},
    {"热门测算 星座运程", "N27Click", "http://root.test/sm/astro/index.asp"},
    {"免费算命 生辰八字", "N25Click", "http://root.test/sm/sm/sm.asp?sm=1"},
    {"免费算命 八字测算", "N26Click", "http://root.test/sm/sm/sm.asp?sm=2"},
    {"免费算命 日干论命", "N30Click", "http://root.test/sm/sm/sm.asp?sm=3"},
    {"免费算命 称骨论命", "N31Click", "http://root.test/sm/sm/sm.asp?sm=4"},
    {"免费算命 姓名测算", "N22Click", "http://root.test/sm/sm/sm.asp?sm=5"},
    {"免费算命 姓名配对", "N33Click", "http://root.test/sm/sm/sm.asp?sm=6#body"},
    {"生肖运程 2009", "N20091Click", "http://root.test/sm/astro/2009sx.asp"},
    {"生肖运程 2010", "N20101Click", "http://root.test/sm/astro/2010sx.asp"},
    {"抽签解签 周公解梦", "N24Click", "http://root.test/sm/chouqian/zgjm.asp#body"},
    {"抽签解签 观音灵签", "N55Click", "http://root.test/sm/chouqian/guanyin.asp"},
    {"抽签解签 吕祖灵签", "N56Click", "http://root.test/sm/chouqian/lvzu.asp"},
    {"抽签解签 诸葛神算", "N57Click", "http://root.test/sm/chouqian/lvzu.asp"},
    {"抽签解签 关帝神签", "N58Click", "http://root.test/sm/chouqian/guandi.asp"},
    {"抽签解签 天后灵签", "N59Click", "http://root.test/sm/chouqian/mazu.asp"},
    {"抽签解签 黄大仙灵签", "N60Click", "http://root.test/sm/chouqian/huangdaxian.asp"},
    {"情侣速配 星座对对配", "N61Click", "http://root.test/sm/qinglv/pd_astro.asp"},
    {"情侣速配 姓名五格配对", "N62Click", "http://root.test/sm/qinglv/pd_xmwg.asp"},
    {"情侣速配 生辰八字配对", "N63Click", "http://root.test/sm/sm/sm.asp?sm=6"},
    {"情侣速配 生肖血型配对", "N64Click", "http://root.test/sm/qinglv/pd_sxxx.asp"},
    {"情侣速配 QQ号码缘份测试", "QQ1Click", "http://root.test/sm/qinglv/pd_qq.asp"},
    {"情侣速配 姓名配对关系提示", "N65Click", "http://root.test/sm/qinglv/pd_name.asp"},
    {"民俗预测 生男生女", "N66Click", "http://root.test/sm/yuce/snsn.asp"},
    {"民俗预测 三世财运", "N67Click", "http://root.test/sm/yuce/sanshishu.asp"},
    {"民俗预测 指纹预测", "N68Click", "http://root.test/sm/yuce/zwsm.asp"},
    {"民俗预测 耳鸣预测", "N69Click", "http://root.test/sm/yuce/emyc.asp"},
    {"民俗预测 眼跳预测", "N70Click", "http://root.test/sm/yuce/ytyc.asp"},
    {"民俗预测 心惊预测", "N71Click", "http://root.test/sm/yuce/xjyc.asp"},
    {"民俗预测 面热预测", "N72Click", "http://root.test/sm/yuce/myyc.asp"},
    {"择吉黄历 黄道吉日", "N73Click", "http://root.test/sm/yuce/hdjr.asp"},
    {"择吉黄历 万年历", "N74Click", "http://root.test/sm/yuce/wnl.asp"},
    {"择吉黄历 结婚吉日", "N76Click",
     "http://root.test/sm/yuce/hdjr.asp?act=xrz&word=%BC%DE%C8%A2&upto=365"},
    {"趣味测算 身份证算命", "N77Click", "http://root.test/sm/sfz/index.asp"},
    {"趣味测算 婚姻指数测试", "N78Click", "http://root.test/sm/hunpei/index.asp"},
    {"趣味测算 号码吉凶", "QQ2Click", "http://root.test/sm/yuce/hmjx.asp"},
    {"在线排盘 四柱八字排盘", "N79Click", "http://root.test/sm/paipan/pp_bazi.asp"},
    {"在线排盘 紫微斗数排盘", "N80Click", "http://root.test/sm/paipan/pp_ziwei.asp"},
    {"在线排盘 大六壬起课", "N81Click", "http://root.test/sm/paipan/pp_6r.asp"},
    {"在线排盘 六爻起卦", "N82Click", "http://root.test/sm/paipan/pp_6y.asp"},
    {"在线排盘 奇门遁甲起局", "N83Click", "http://root.test/sm/paipan/pp_qmdj.asp"},
    {"在线排盘 玄空飞星排盘", "N84Click", "http://root.test/sm/paipan/pp_xk.asp"},
    {"在线排盘 金口诀立课", "N85Click", "http://root.test/sm/paipan/pp_jkj.asp"},
    {"在线排盘 地区经度查询", "N86Click", "http://root.test/sm/paipan/jingdu.asp"},
    {"在线排盘 真太阳时间修正", "N87Click", "http://root.test/sm/paipan/taiyang.asp"},
    {"其他功能 便民查询", "N3Click", "http://root.test/tools/"},
    {"其他功能 三字经", "N92Click", "http://root.test/szj/"},
    {"其他功能 百家姓", "N93Click", "http://root.test/sm/sm/bjx.asp"},
    {"其他功能 二十四节气", "N91Click", "http://root.test/sm/24jq.asp"},
    {"关于 使用帮助", "N95Click", "http://support.test/help/index.asp"},
    {"关于 关于作者", "N97Click", "http://support.test/author.asp"},
    {"关于 建议反馈", "N98Click", "http://support.test/feedback.asp"},
};

std::string Address(std::string_view handler, const WebPageInputs& inputs = {}) {
    WebAddressResult result = AddressOfHandler(handler, inputs, kSite);
    EXPECT_TRUE(result.ok()) << handler << ": " << result.error;
    return result.address;
}

TEST(FixedPages, EveryItemOpensItsPage) {
    for (const FixedCase& c : kFixedCases) {
        EXPECT_EQ(Address(c.handler), c.address) << c.item;
    }
}

TEST(FixedPages, TheTableHoldsEachHandlerOnceAndNoOther) {
    std::set<std::string> expected;
    for (const FixedCase& c : kFixedCases) {
        expected.insert(c.handler);
    }
    std::set<std::string> listed;
    for (const std::string& handler : FixedPageHandlers()) {
        EXPECT_TRUE(listed.insert(handler).second) << handler;
    }
    EXPECT_EQ(listed, expected);
}

TEST(FixedPages, ZhugeAndLvzuShareOnePage) {
    EXPECT_EQ(Address("N57Click"), Address("N56Click"));
}

TEST(WebSiteDefaults, ServicesBaseIsTheSiteRootWithSm) {
    WebSite site;
    EXPECT_EQ(site.siteRoot, kSiteRootAddress);
    EXPECT_EQ(site.supportBase, kSupportBaseAddress);
    EXPECT_EQ(site.ServicesBase(), std::string(kSiteRootAddress) + "sm/");
    EXPECT_EQ(site.siteRoot.back(), '/');
    EXPECT_EQ(site.supportBase.back(), '/');
    EXPECT_EQ(kVersionCode.size(), 8u);
}

struct BuiltCase {
    const char* label;
    const char* handler;
    WebPageInputs inputs;
    const char* address;
};

WebPageInputs Box(const char* family) {
    WebPageInputs in;
    in.familyNameBox = family;
    return in;
}

WebPageInputs Forecast(std::optional<int> tag, const char* caption, const char* starSign) {
    WebPageInputs in;
    in.tag = tag;
    in.caption = caption;
    in.starSignLabel = starSign;
    return in;
}

WebPageInputs Caption(const char* caption) {
    WebPageInputs in;
    in.caption = caption;
    return in;
}

WebPageInputs Labels(const char* starSign, const char* zodiac, int year) {
    WebPageInputs in;
    in.starSignLabel = starSign;
    in.zodiacLabel = zodiac;
    in.currentYear = year;
    return in;
}

const std::vector<BuiltCase> kBuiltCases = {
    {"姓氏起源 with 王", "N23Click", Box("王"),
     "http://root.test/sm/sm/sm.asp?sm=8&act=ok&xing=%CD%F5#body"},
    {"姓氏起源 with an empty box", "N23Click", Box(""), "http://root.test/sm/sm/sm.asp?sm=8#body"},
    {"姓氏起源 with a blank box", "N23Click", Box(" \t "),
     "http://root.test/sm/sm/sm.asp?sm=8#body"},
    {"the origin link runs 姓氏起源", "Label36Click", Box("欧阳"),
     "http://root.test/sm/sm/sm.asp?sm=8&act=ok&xing=%C5%B7%D1%F4#body"},
    {"本周运势 before any chart", "N35Click", Forecast(3, "", ""),
     "http://root.test/sm/astro/xzyc.asp?type=week&xz=1"},
    {"本周运势 for 宝瓶座", "N35Click", Forecast(3, "", "宝瓶座"),
     "http://root.test/sm/astro/xzyc.asp?type=week&xz=11"},
    {"今日运势 for 白羊座", "N35Click", Forecast(1, "", "白羊座"),
     "http://root.test/sm/astro/xzyc.asp?type=today&xz=1"},
    {"明日运势 for 双鱼座", "N35Click", Forecast(2, "", "双鱼座"),
     "http://root.test/sm/astro/xzyc.asp?type=nextday&xz=12"},
    {"本月运势 for 摩羯座", "N35Click", Forecast(4, "", "摩羯座"),
     "http://root.test/sm/astro/xzyc.asp?type=month&xz=10"},
    {"今年运势", "N35Click", Forecast(5, "", "狮子座"),
     "http://root.test/sm/astro/xzyc.asp?type=year&xz=5"},
    {"今年爱情运势", "N35Click", Forecast(6, "", "天秤座"),
     "http://root.test/sm/astro/xzyc.asp?type=yearlove&xz=7"},
    {"an item named by its caption", "N35Click", Forecast(std::nullopt, "今年爱情运势", "处女座"),
     "http://root.test/sm/astro/xzyc.asp?type=yearlove&xz=6"},
    {"a label naming no sign", "N35Click", Forecast(1, "", "水瓶座"),
     "http://root.test/sm/astro/xzyc.asp?type=today&xz=1"},
    {"link 今", "Label32Click", Forecast(std::nullopt, "今", "金牛座"),
     "http://root.test/sm/astro/xzyc.asp?type=today&xz=2"},
    {"link 明", "Label32Click", Forecast(std::nullopt, "明", "双子座"),
     "http://root.test/sm/astro/xzyc.asp?type=nextday&xz=3"},
    {"link 周", "Label32Click", Forecast(std::nullopt, "周", "巨蟹座"),
     "http://root.test/sm/astro/xzyc.asp?type=week&xz=4"},
    {"link 年 opens the month forecast", "Label32Click", Forecast(std::nullopt, "年", "天蝎座"),
     "http://root.test/sm/astro/xzyc.asp?type=month&xz=8"},
    {"link by Tag 4", "Label32Click", Forecast(4, "", "射手座"),
     "http://root.test/sm/astro/xzyc.asp?type=month&xz=9"},
    {"sign item 魔羯座 as captioned", "N42Click", Caption("魔羯座"),
     "http://root.test/sm/astro/astro_show.asp?flag=4&astro=%C4%A7%F4%C9%D7%F9"},
    {"sign item 水瓶座", "N42Click", Caption("水瓶座"),
     "http://root.test/sm/astro/astro_show.asp?flag=4&astro=%CB%AE%C6%BF%D7%F9"},
    {"star-sign label", "Label108Click", Labels("摩羯座", "龙", 2024),
     "http://root.test/sm/astro/astro_show.asp?flag=4&astro=%C4%A6%F4%C9%D7%F9"},
    {"zodiac label", "Label107Click", Labels("摩羯座", "龙", 2024),
     "http://root.test/sm/astro/astro_show.asp?flag=12&sx=%C1%FA&astro_year=2024"},
    {"软件升级", "N96Click", {}, "http://support.test/?ver=LV020208"},
};

TEST(BuiltPages, EachHandlerBuildsItsAddress) {
    for (const BuiltCase& c : kBuiltCases) {
        EXPECT_EQ(Address(c.handler, c.inputs), c.address) << c.label;
    }
}

TEST(BuiltPages, EveryBuiltHandlerIsKnownAndNoneIsAFixedPage) {
    WebPageInputs in = Forecast(1, "白羊座", "");
    in.analysis.rowCaption = "王明";
    in.analysis.familyText = "王";
    for (const std::string& handler : BuiltPageHandlers()) {
        EXPECT_EQ(FindFixedWebPage(handler), nullptr) << handler;
        EXPECT_TRUE(AddressOfHandler(handler, in, kSite).ok()) << handler;
    }
}

TEST(BuiltPages, MissingOrWrongInputsAreErrors) {
    struct Bad {
        const char* label;
        const char* handler;
        WebPageInputs inputs;
    };
    const std::vector<Bad> cases = {
        {"unknown handler", "N99Click", {}},
        {"forecast without Tag or caption", "N35Click", {}},
        {"forecast Tag 0", "N35Click", Forecast(0, "", "")},
        {"forecast Tag 7", "N35Click", Forecast(7, "", "")},
        {"forecast caption of no item", "N35Click", Forecast(std::nullopt, "本周", "")},
        {"link Tag 5 (the links stop at 年)", "Label32Click", Forecast(5, "", "")},
        {"link caption of no link", "Label32Click", Forecast(std::nullopt, "日", "")},
        {"sign item without caption", "N42Click", {}},
        {"analysis without a row", "listview_ResultDblClick", {}},
        {"性格分析 without a row", "Label37Click", {}},
    };
    for (const Bad& c : cases) {
        WebAddressResult result = AddressOfHandler(c.handler, c.inputs, kSite);
        EXPECT_FALSE(result.ok()) << c.label << " gave " << result.address;
        EXPECT_TRUE(result.address.empty()) << c.label;
    }
}

NameAnalysisInputs Row(const char* family, const char* caption, int sex, BirthFields birth,
                       std::string_view destination = kAnalysisFromList) {
    NameAnalysisInputs in;
    in.familyText = family;
    in.rowCaption = caption;
    in.sexIndex = sex;
    in.birth = birth;
    in.destination = std::string(destination);
    return in;
}

TEST(NameAnalysis, BuildsTheQueryInOrder) {
    struct Case {
        const char* label;
        NameAnalysisInputs inputs;
        const char* address;
    };
    const std::vector<Case> cases = {
        {"王明, a boy, hour 未知", Row("王", "王明", 0, {2000, 1, 15, 12}),
         "http://root.test/sm/QimingTest.asp?xing=%CD%F5&ming=%C3%F7&xingbie=%C4%D0&xuexing=A"
         "&nian=2000&yue=1&ri=15&hh=12&mm=30&ver=LV020208&dest=sm5"},
        {"王王明 loses the leading 王 only", Row("王", "王王明", 1, {2023, 12, 31, 23}),
         "http://root.test/sm/QimingTest.asp?xing=%CD%F5&ming=%CD%F5%C3%F7&xingbie=%C5%AE&xuexing=A"
         "&nian=2023&yue=12&ri=31&hh=23&mm=30&ver=LV020208&dest=sm5"},
        {"性格分析 of a name holding the family character",
         Row("文", "文文龙", 0, {1949, 10, 1, 0}, kAnalysisFromLink),
         "http://root.test/sm/QimingTest.asp?xing=%CE%C4&ming=%CE%C4%C1%FA&xingbie=%C4%D0&xuexing=A"
         "&nian=1949&yue=10&ri=1&hh=0&mm=30&ver=LV020208&dest=sm3"},
        {"from the 性格分析 link", Row("李", "李明", 0, {1949, 10, 1, 0}, kAnalysisFromLink),
         "http://root.test/sm/QimingTest.asp?xing=%C0%EE&ming=%C3%F7&xingbie=%C4%D0&xuexing=A"
         "&nian=1949&yue=10&ri=1&hh=0&mm=30&ver=LV020208&dest=sm3"},
        {"no sex selected, no chart yet", Row("王", "王明", -1, {}),
         "http://root.test/sm/QimingTest.asp?xing=%CD%F5&ming=%C3%F7&xingbie=&xuexing=A"
         "&nian=0&yue=0&ri=0&hh=0&mm=30&ver=LV020208&dest=sm5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameAnalysisAddress(c.inputs, kSite), c.address) << c.label;
    }
}

TEST(NameAnalysis, HandlersChooseTheDestination) {
    WebPageInputs in;
    in.analysis = Row("王", "王明", 0, {2000, 1, 15, 12}, "ignored");
    std::string fromList = Address("listview_ResultDblClick", in);
    std::string fromLink = Address("Label37Click", in);
    EXPECT_EQ(fromList.substr(fromList.rfind('&')), "&dest=sm5");
    EXPECT_EQ(fromLink.substr(fromLink.rfind('&')), "&dest=sm3");
    EXPECT_NE(fromList.find("xingbie=%C4%D0&"), std::string::npos) << fromList;
    EXPECT_NE(fromList.find("&hh=12&mm=30&"), std::string::npos) << fromList;
}

TEST(NameAnalysis, GivenNameDropsTheLeadingFamilyText) {
    struct Case {
        const char* caption;
        const char* family;
        const char* given;
    };
    // The given name may hold the family character: 文文龙 is 文 + 文龙.
    const std::vector<Case> cases = {
        {"王明", "王", "明"},       {"王王明", "王", "王明"}, {"文文龙", "文", "文龙"},
        {"林金林", "林", "金林"},   {"欧阳明", "欧阳", "明"}, {"欧阳欧阳", "欧阳", "欧阳"},
        {"王明", "", "王明"},       {"王明", "李", "王明"},   {"明王", "王", "明王"},
        {"Li Ming", "li", " Ming"}, {"aabb", "ab", "aabb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GivenNameOfCaption(c.caption, c.family), c.given)
            << c.caption << " without " << c.family;
    }
}

TEST(SexText, FollowsTheSexList) {
    EXPECT_EQ(SexText(0), "男");
    EXPECT_EQ(SexText(1), "女");
    EXPECT_EQ(SexText(2), "");
    EXPECT_EQ(SexText(-1), "");
}

TEST(QueryEscaping, EncodesGbkBytesAndEveryDelimiter) {
    struct Case {
        const char* label;
        const char* value;
        const char* encoded;
    };
    const std::vector<Case> cases = {
        {"plain ASCII", "AZaz09-._~", "AZaz09-._~"},
        {"Chinese as GBK", "王明", "%CD%F5%C3%F7"},
        {"ampersand", "&", "%26"},
        {"hash", "#", "%23"},
        {"percent", "%", "%25"},
        {"equals", "=", "%3D"},
        {"blank", " ", "%20"},
        {"plus", "+", "%2B"},
        {"question mark and slash", "?/", "%3F%2F"},
        {"injection attempt", "王&act=ok#x", "%CD%F5%26act%3Dok%23x"},
        {"already escaped text", "%CD%F5", "%25CD%25F5"},
        {"empty", "", ""},
        {"outside GBK, from UTF-8", "\xF0\x9F\x98\x80", "%F0%9F%98%80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PercentEncodeQueryValue(c.value), c.encoded) << c.label;
    }
}

TEST(QueryEscaping, HostileInputStaysOneValue) {
    struct Case {
        const char* label;
        const char* handler;
        WebPageInputs inputs;
        const char* address;
    };
    WebPageInputs row;
    row.analysis = Row("王&", "王&明 #=%", 0, {2000, 1, 15, 12});
    const std::vector<Case> cases = {
        {"family box with delimiters", "N23Click", Box("王&sm=1#"),
         "http://root.test/sm/sm/sm.asp?sm=8&act=ok&xing=%CD%F5%26sm%3D1%23#body"},
        {"family box with inner blank", "N23Click", Box("欧 阳"),
         "http://root.test/sm/sm/sm.asp?sm=8&act=ok&xing=%C5%B7%20%D1%F4#body"},
        {"sign caption with delimiters", "N42Click", Caption("座&flag=12"),
         "http://root.test/sm/astro/astro_show.asp?flag=4&astro=%D7%F9%26flag%3D12"},
        {"zodiac label with percent", "Label107Click", Labels("", "龙%", 2024),
         "http://root.test/sm/astro/astro_show.asp?flag=12&sx=%C1%FA%25&astro_year=2024"},
        {"row with delimiters", "listview_ResultDblClick", row,
         "http://root.test/sm/QimingTest.asp?xing=%CD%F5%26&ming=%C3%F7%20%23%3D%25"
         "&xingbie=%C4%D0&xuexing=A&nian=2000&yue=1&ri=15&hh=12&mm=30&ver=LV020208&dest=sm5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Address(c.handler, c.inputs), c.address) << c.label;
    }
}

TEST(Forecast, TagsAndLinks) {
    const std::vector<std::pair<int, const char*>> types = {
        {1, "today"}, {2, "nextday"}, {3, "week"}, {4, "month"}, {5, "year"}, {6, "yearlove"}};
    for (const auto& [tag, type] : types) {
        EXPECT_EQ(ForecastTypeOfTag(tag), type) << tag;
    }
    EXPECT_FALSE(ForecastTypeOfTag(0));
    EXPECT_FALSE(ForecastTypeOfTag(7));
    EXPECT_EQ(ForecastTagOfLink("今"), 1);
    EXPECT_EQ(ForecastTagOfLink("明"), 2);
    EXPECT_EQ(ForecastTagOfLink("周"), 3);
    EXPECT_EQ(ForecastTagOfLink("年"), 4);
    EXPECT_FALSE(ForecastTagOfLink("月"));
    EXPECT_FALSE(StarForecastAddress(0, "", kSite));
}

TEST(Forecast, SignNumbersRunOneToTwelve) {
    const std::vector<std::pair<const char*, int>> signs = {
        {"白羊座", 1},  {"金牛座", 2},  {"双子座", 3}, {"巨蟹座", 4}, {"狮子座", 5},
        {"处女座", 6},  {"天秤座", 7},  {"天蝎座", 8}, {"射手座", 9}, {"摩羯座", 10},
        {"宝瓶座", 11}, {"双鱼座", 12}, {"", 1},       {"魔羯座", 1}, {" 宝瓶 ", 11}};
    for (const auto& [label, number] : signs) {
        EXPECT_EQ(SignNumberOfLabel(label), number) << '"' << label << '"';
    }
}

}  // namespace
}  // namespace lumivane
