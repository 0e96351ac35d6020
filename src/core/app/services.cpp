#include "core/app/services.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/app/web_addresses.h"

namespace lumivane {
namespace {

using enum WebBase;
using enum ServicePage;

constexpr Service SubMenu(std::string_view menu, std::string_view control,
                          std::string_view caption) {
    return {ServiceRow::SubMenu, menu, control, caption, {}, 0, Services, {}, false, BuiltIn, {}};
}

constexpr Service Separator(std::string_view menu) {
    return {ServiceRow::Separator, menu, {}, {}, {}, 0, Services, {}, false, BuiltIn, {}};
}

// A menu item on a fixed page.
constexpr Service Item(std::string_view menu, std::string_view control, std::string_view caption,
                       WebBase base, std::string_view path, ServicePage page = OnlineOnly,
                       std::string_view handler = {}) {
    return {ServiceRow::Item, menu, control, caption, handler, 0, base, path, false, page, {}};
}

// A menu item whose address the handler computes.
constexpr Service Computed(std::string_view menu, std::string_view control,
                           std::string_view caption, std::string_view handler, int tag,
                           std::string_view path, ServicePage page, std::string_view pageName,
                           WebBase base = Services) {
    return {menu.empty() ? ServiceRow::Control : ServiceRow::Item,
            menu,
            control,
            caption,
            handler,
            tag,
            base,
            path,
            true,
            page,
            pageName};
}

// The design's menus "免费测算" (N2), "其他功能" (N4) and "关于" (N5), then
// the tool buttons and the chart panel's links. Unless given, an item's
// handler is its name followed by "Click".
constexpr std::array kServices = {
    SubMenu("N2", "N12", "热门测算"),
    Item("N12", "N22", "姓名测算", Services, "sm/sm.asp?sm=5", BuiltIn),
    Computed("N12", "N23", "姓氏起源", "N23Click", 0, "sm/sm.asp", BuiltIn, {}),
    Item("N12", "N24", "周公解梦", Services, "chouqian/zgjm.asp#body"),
    Item("N12", "N25", "生辰八字", Services, "sm/sm.asp?sm=1", BuiltIn),
    Item("N12", "N26", "八字测算", Services, "sm/sm.asp?sm=2", BuiltIn),
    Item("N12", "N27", "星座运程", Services, "astro/index.asp"),
    SubMenu("N2", "N13", "免费算命"),
    Item("N13", "N25", "生辰八字", Services, "sm/sm.asp?sm=1", BuiltIn),
    Item("N13", "N26", "八字测算", Services, "sm/sm.asp?sm=2", BuiltIn),
    Item("N13", "N30", "日干论命", Services, "sm/sm.asp?sm=3"),
    Item("N13", "N31", "称骨论命", Services, "sm/sm.asp?sm=4"),
    Item("N13", "N22", "姓名测算", Services, "sm/sm.asp?sm=5", BuiltIn),
    Computed("N13", "N34", "姓氏起源", "N23Click", 0, "sm/sm.asp", BuiltIn, {}),
    Item("N13", "N33", "姓名配对", Services, "sm/sm.asp?sm=6#body"),
    SubMenu("N2", "N14", "星座运程"),
    Computed("N14", "N35", "今日运势", "N35Click", 1, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Computed("N14", "N36", "明日运势", "N35Click", 2, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Computed("N14", "N37", "本周运势", "N35Click", 3, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Computed("N14", "N38", "本月运势", "N35Click", 4, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Computed("N14", "N39", "今年运势", "N35Click", 5, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Computed("N14", "N40", "今年爱情运势", "N35Click", 6, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Separator("N14"),
    Computed("N14", "N42", "白羊座", "N42Click", 1, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N43", "金牛座", "N42Click", 2, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N44", "双子座", "N42Click", 3, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N45", "巨蟹座", "N42Click", 4, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N46", "狮子座", "N42Click", 5, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N47", "处女座", "N42Click", 6, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N48", "天秤座", "N42Click", 7, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N49", "天蝎座", "N42Click", 8, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N50", "射手座", "N42Click", 9, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N51", "魔羯座", "N42Click", 10, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N52", "水瓶座", "N42Click", 11, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed("N14", "N53", "双鱼座", "N42Click", 12, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    SubMenu("N2", "N15", "生肖运程"),
    Item("N15", "N20091", "2009生肖运程", Services, "astro/2009sx.asp"),
    Item("N15", "N20101", "2010生肖运程", Services, "astro/2010sx.asp"),
    SubMenu("N2", "N16", "抽签解签"),
    Item("N16", "N24", "周公解梦", Services, "chouqian/zgjm.asp#body"),
    Item("N16", "N55", "观音灵签", Services, "chouqian/guanyin.asp"),
    Item("N16", "N56", "吕祖灵签", Services, "chouqian/lvzu.asp"),
    Item("N16", "N57", "诸葛神算", Services, "chouqian/lvzu.asp"),  // shares 吕祖灵签's page
    Item("N16", "N58", "关帝神签", Services, "chouqian/guandi.asp"),
    Item("N16", "N59", "天后灵签", Services, "chouqian/mazu.asp"),
    Item("N16", "N60", "黄大仙灵签", Services, "chouqian/huangdaxian.asp"),
    SubMenu("N2", "N17", "情侣速配"),
    Item("N17", "N61", "星座对对配", Services, "qinglv/pd_astro.asp"),
    Item("N17", "N62", "姓名五格配对", Services, "qinglv/pd_xmwg.asp"),
    Item("N17", "N63", "生辰八字配对", Services, "sm/sm.asp?sm=6"),
    Item("N17", "N64", "生肖血型配对", Services, "qinglv/pd_sxxx.asp"),
    Item("N17", "QQ1", "QQ号码缘份测试", Services, "qinglv/pd_qq.asp"),
    Item("N17", "N65", "姓名配对关系提示", Services, "qinglv/pd_name.asp"),
    SubMenu("N2", "N18", "民俗预测"),
    Item("N18", "N66", "生男生女", Services, "yuce/snsn.asp"),
    Item("N18", "N67", "三世财运", Services, "yuce/sanshishu.asp"),
    Item("N18", "N68", "指纹预测", Services, "yuce/zwsm.asp"),
    Item("N18", "N69", "耳鸣预测", Services, "yuce/emyc.asp"),
    Item("N18", "N70", "眼跳预测", Services, "yuce/ytyc.asp"),
    Item("N18", "N71", "心惊预测", Services, "yuce/xjyc.asp"),
    Item("N18", "N72", "面热预测", Services, "yuce/myyc.asp"),
    SubMenu("N2", "N19", "择吉黄历"),
    Item("N19", "N73", "黄道吉日", Services, "yuce/hdjr.asp"),
    Item("N19", "N74", "万年历", Services, "yuce/wnl.asp", BuiltIn),
    Separator("N19"),
    Item("N19", "N76", "结婚吉日", Services, "yuce/hdjr.asp?act=xrz&word=嫁娶&upto=365"),
    SubMenu("N2", "N20", "趣味测算"),
    Item("N20", "N77", "身份证算命", Services, "sfz/index.asp"),
    Item("N20", "N78", "婚姻指数测试", Services, "hunpei/index.asp"),
    Item("N20", "QQ2", "QQ号码/手机号码吉凶", Services, "yuce/hmjx.asp"),
    SubMenu("N2", "N21", "在线排盘"),
    Item("N21", "N79", "四柱八字排盘", Services, "paipan/pp_bazi.asp", BuiltIn),
    Item("N21", "N80", "紫微斗数排盘", Services, "paipan/pp_ziwei.asp"),
    Item("N21", "N81", "大六壬起课", Services, "paipan/pp_6r.asp"),
    Item("N21", "N82", "六爻起卦", Services, "paipan/pp_6y.asp"),
    Item("N21", "N83", "奇门遁甲起局", Services, "paipan/pp_qmdj.asp"),
    Item("N21", "N84", "玄空飞星排盘", Services, "paipan/pp_xk.asp"),
    Item("N21", "N85", "金口诀立课", Services, "paipan/pp_jkj.asp"),
    Separator("N21"),
    Item("N21", "N86", "地区经度查询", Services, "paipan/jingdu.asp"),
    Item("N21", "N87", "真太阳时间修正", Services, "paipan/taiyang.asp"),

    Item("N4", "N3", "便民查询", SiteRoot, "tools/"),
    Item("N4", "N92", "三字经", SiteRoot, "szj/"),
    Item("N4", "N93", "百家姓", Services, "sm/bjx.asp", BuiltIn),
    Item("N4", "N91", "二十四节气", Services, "24jq.asp", BuiltIn),

    Item("N5", "N95", "使用帮助", Support, "help/index.asp", BuiltIn),
    Computed("N5", "N96", "软件升级", "N96Click", 0, "", BuiltIn, {}, Support),
    Item("N5", "N97", "关于作者", Support, kAuthorPagePath, BuiltIn),
    Service{ServiceRow::Item,
            "N5",
            "N98",
            "建议反馈",
            {},
            0,
            Support,
            "feedback.asp",
            false,
            OnlineOnly,
            {},
            true},

    Item({}, "sbtn_onlineSM", "姓名测试", Services, "", BuiltIn),
    Item({}, "sbtn_dict", "新华字典", SiteRoot, "xhzd/", BuiltIn),
    Computed({}, "Label36", "姓氏起源", "Label36Click", 0, "sm/sm.asp", BuiltIn, {}),
    Computed({}, "Label32", "今", "Label32Click", 1, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Computed({}, "Label33", "明", "Label32Click", 2, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Computed({}, "Label34", "周", "Label32Click", 3, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Computed({}, "Label35", "年", "Label32Click", 4, "astro/xzyc.asp", OnlineOnly, "星座运程"),
    Computed({}, "Label108", "", "Label108Click", 0, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed({}, "Label107", "", "Label107Click", 0, "astro/astro_show.asp", OnlineOnly,
             "星座与生肖"),
    Computed({}, "Label37", "", "Label37Click", 0, "QimingTest.asp", BuiltIn, {}),
    Computed({}, "listview_Result", "", "listview_ResultDblClick", 0, "QimingTest.asp", BuiltIn,
             {}),
};

std::string_view BasePrefix(WebBase base) {
    switch (base) {
        case Services:
            return "sm/";
        case SiteRoot:
            return "";
        case Support:
            return "support/";
    }
    return "";
}

// The part of a site path the built-in site routes on: the path alone, or
// for the sm.asp pages the path with its sm number.
std::string RouteOf(std::string_view sitePath) {
    sitePath = sitePath.substr(0, sitePath.find('#'));
    const std::size_t question = sitePath.find('?');
    const std::string_view path = sitePath.substr(0, question);
    std::string route(path);
    if (path == "sm/sm/sm.asp" && question != std::string_view::npos) {
        std::string_view query = sitePath.substr(question + 1);
        while (!query.empty()) {
            const std::string_view pair = query.substr(0, query.find('&'));
            if (pair.starts_with("sm=")) {
                route += "?";
                route += pair;
                break;
            }
            query.remove_prefix(std::min(query.size(), pair.size() + 1));
        }
    }
    return route;
}

}  // namespace

std::span<const Service> ServiceTable() {
    return kServices;
}

std::string HandlerOf(const Service& service) {
    if (!service.handler.empty()) {
        return std::string(service.handler);
    }
    return std::string(service.control) + "Click";
}

namespace {

// HandlerOf(service) == handler, without building the text: the window asks
// this of each of its controls at start.
bool RunsHandler(const Service& service, std::string_view handler) {
    if (!service.handler.empty()) {
        return service.handler == handler;
    }
    constexpr std::string_view kClick = "Click";
    return handler.size() == service.control.size() + kClick.size() &&
           handler.starts_with(service.control) && handler.ends_with(kClick);
}

}  // namespace

const Service* FindServiceOfHandler(std::string_view handler) {
    for (const Service& service : kServices) {
        if (service.OpensAPage() && RunsHandler(service, handler)) {
            return &service;
        }
    }
    return nullptr;
}

std::string HandlerOfControl(std::string_view control) {
    for (const Service& service : kServices) {
        if (service.OpensAPage() && service.control == control) {
            return HandlerOf(service);
        }
    }
    return {};
}

std::string SitePathOfService(const Service& service) {
    return RouteOf(std::string(BasePrefix(service.base)) + std::string(service.path));
}

std::string OnlineOnlyServiceName(std::string_view sitePath) {
    const std::string route = RouteOf(sitePath);
    std::vector<std::string_view> names;
    for (const Service& service : kServices) {
        if (service.OpensAPage() && service.page == OnlineOnly &&
            SitePathOfService(service) == route &&
            std::find(names.begin(), names.end(), service.PageName()) == names.end()) {
            names.push_back(service.PageName());
        }
    }
    std::string joined;
    for (std::string_view name : names) {
        joined += joined.empty() ? "" : " · ";
        joined += name;
    }
    return joined;
}

}  // namespace lumivane
