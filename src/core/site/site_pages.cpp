// The built-in site's routes: the path below the site root (and for sm.asp
// its sm number) chooses the page. The paths are those the program's
// addresses are built on, so the same address works on an online site.

#include "core/site/site_pages.h"

#include "core/app/about_text.h"
#include "core/app/services.h"
#include "core/app/web_addresses.h"
#include "core/site/site_render.h"

namespace lumivane {
namespace site {

SitePage BuiltInPage(std::string title, std::string_view body) {
    SitePage page;
    page.kind = SitePage::Kind::BuiltIn;
    page.html = PageFrame(title, body);
    page.title = std::move(title);
    return page;
}

std::string MissingBox(std::string_view what) {
    return "<p class=\"missing\">" + std::string(what) + "</p>\n";
}

namespace {

std::string Link(std::string_view path, std::string_view caption) {
    return "<a href=\"" + Escape(SiteLink(path)) + "\">" + std::string(caption) + "</a>";
}

SitePage OnlineOnlyPage(std::string_view name, const SiteAddress& address) {
    std::string onSite = "&lt;站点根地址&gt;" + EscapeAddressPart(address.path);
    if (!address.query.empty()) {
        onSite += "?" + EscapeAddressPart(address.query);
    }
    const std::string body =
        "<p>“" + std::string(name) +
        "”需要在线站点：它的内容不在澜庭的本机数据中，澜庭自带的页面无法给出。</p>\n"
        "<p>在线站点上，这一项打开的地址是：</p><p><code>" +
        onSite +
        "</code></p>\n<p>若有可用的在线站点，可在设置文件 config.ini 中加入下面两行，"
        "此后菜单中的每一项都打开该站点上的对应页面：</p>\n"
        "<pre>[Online]\nSiteRoot=https://在线站点的根地址/</pre>\n" +
        Note("澜庭本身不发送也不接收任何数据；页面由浏览器窗口打开。") + "<p>" +
        Link("", "查看澜庭自带的服务") + "</p>\n";
    SitePage page = BuiltInPage(std::string(name), body);
    page.kind = SitePage::Kind::OnlineOnly;
    return page;
}

SitePage NotFoundPage(const SiteAddress& address) {
    SitePage page = BuiltInPage(
        "没有这个页面", "<p>澜庭自带的站点没有页面 <code>" + EscapeAddressPart(address.path) +
                            "</code>。</p><p>" + Link("", "查看澜庭自带的服务") + "</p>\n");
    page.kind = SitePage::Kind::NotFound;
    return page;
}

SitePage HomePage() {
    std::string body =
        "<p>这些页面由澜庭用本机的字库、姓名统计和历法算出，不连接网络。</p>\n<ul>"
        "<li>" +
        Link("sm/", "姓名测试") + "：五格、三才、格局评分与每个字的读音、笔画、五行</li><li>" +
        Link("xhzd/", "新华字典") + "：起名用字的读音、笔画、部首、五行和在名字中的用法</li><li>" +
        Link("sm/paipan/pp_bazi.asp", "四柱八字排盘") +
        "：公历生日与时辰的八字、五行和纳音</li><li>" + Link("sm/24jq.asp", "二十四节气") +
        "：一年中各节气的日期</li><li>" + Link("sm/yuce/wnl.asp", "万年历") +
        "：公历、农历、节气和日柱</li><li>" + Link("sm/sm/bjx.asp", "百家姓") +
        "：澜庭所知的姓氏</li><li>" + Link("support/help/index.asp", "使用帮助") + "</li></ul>\n" +
        Note("运势、灵签、解梦、配对等服务需要在线站点，打开时会有说明。");
    return BuiltInPage("澜庭起名 · 自带站点", body);
}

SitePage HelpPage() {
    const std::string body =
        "<h2>起名</h2><p>在主窗口输入姓氏（一或两个字），选择单字或双字名、孩子的性别和出生时间"
        "（阳历、农历或未知日期，时辰可选未知），然后按“简单起名”或“高级起名”。"
        "简单起名从常见名字和常用字中随机选取；高级起名先设定筛选条件：固定的字、五行、拼音、"
        "笔画范围和部首。</p>"
        "<h2>名单</h2><p>结果有简单名单和详细名单两种视图。详细名单可按十二个列排序，"
        "勾选的名字可加入收藏；两种名单都可以打印或导出 PDF。</p>"
        "<h2>姓名分析</h2><p>在详细名单中双击一个名字，或在右键菜单中选“查看名字属性”，"
        "会打开这个名字的分析页：每个字的读音、笔画、部首和五行，五格与三才，格局评分，"
        "以及出生日期的八字。</p>"
        "<h2>八字</h2><p>每次起名都会按出生时间排出八字，显示在名单上方；"
        "“性格分析”打开名单第一个名字的分析页。</p>"
        "<h2>浏览器窗口</h2><p>菜单中的服务在浏览器窗口中打开，可后退、前进、打印。"
        "需要在线站点的服务会说明原因；在 config.ini 的 [Online] 节设置 SiteRoot "
        "后，这些地址会打开在线站点。</p>"
        "<h2>文件</h2><p>设置保存在数据文件夹的 config.ini 中，收藏保存在 "
        "Favorites.Velisora 中。</p>";
    return BuiltInPage("使用帮助", body);
}

// The about text is plain paragraphs separated by blank lines; its licence
// and citations keep their own language.
SitePage AboutPage() {
    std::string body =
        "<p>澜庭起名软件帮助父母为孩子选择名字：从真实的常用名字和常用字中提出名字，"
        "按五格数理评分，并排出孩子的八字。它的数据都在本机，不连接网络。</p>\n";
    const std::string about = AboutText();
    std::size_t at = 0;
    while (at < about.size()) {
        std::size_t end = about.find("\n\n", at);
        const std::string paragraph = about.substr(at, end - at);
        if (!paragraph.empty()) {
            body += "<p class=\"lines\">" + Escape(paragraph) + "</p>\n";
        }
        if (end == std::string::npos) {
            break;
        }
        at = end + 2;
    }
    return BuiltInPage("关于澜庭起名软件", body);
}

SitePage VersionPage() {
    const std::string body = "<p>" + Escape(AboutTitle()) + "</p><p>版本代码 " +
                             std::string(kVersionCode) +
                             "</p>\n<p>这是澜庭自带的站点，不检查更新；新版本请从获取澜庭的地方"
                             "（例如系统的软件包管理器）安装。</p>\n";
    return BuiltInPage("软件版本", body);
}

SitePage SmPage(const SiteAddress& address, const Query& query) {
    const std::optional<std::string> sm = query.Get("sm");
    if (sm == "5") {
        return NameFormPage("姓名测算", query);
    }
    if (sm == "1") {
        return ChartPage("生辰八字", query, 1);
    }
    if (sm == "2") {
        return ChartPage("八字测算", query, 2);
    }
    if (sm == "8") {
        return FamilyNamePage(query);
    }
    if (sm) {
        if (const std::string name = OnlineOnlyServiceName("sm/sm/sm.asp?sm=" + *sm);
            !name.empty()) {
            return OnlineOnlyPage(name, address);
        }
    }
    return BuiltInPage(
        "测算",
        MissingBox(sm ? "没有编号为 " + Escape(*sm) + " 的测算。" : "地址中缺少测算的编号 sm。") +
            "<ul><li>" + Link("sm/sm/sm.asp?sm=5", "姓名测算") + "</li><li>" +
            Link("sm/sm/sm.asp?sm=1", "生辰八字") + "</li><li>" +
            Link("sm/sm/sm.asp?sm=8", "姓氏") + "</li></ul>\n");
}

}  // namespace
}  // namespace site

bool IsBuiltInSiteAddress(std::string_view address) {
    return address.starts_with(kSiteRootAddress);
}

SitePage RenderSitePage(std::string_view address, const Clock& clock) {
    using namespace site;
    const std::optional<SiteAddress> split = SplitSiteAddress(address);
    if (!split) {
        return NotFoundPage({std::string(address), {}});
    }
    const Query query(split->query);
    const std::string& path = split->path;
    if (path.empty()) {
        return HomePage();
    }
    if (path == "sm/") {
        return NameFormPage("姓名测试", query);
    }
    if (path == "sm/QimingTest.asp") {
        return NameAnalysisPage(query);
    }
    if (path == "sm/sm/sm.asp") {
        return SmPage(*split, query);
    }
    if (path == "xhzd/") {
        return DictionaryPage(query);
    }
    if (path == "sm/paipan/pp_bazi.asp") {
        return ChartPage("四柱八字排盘", query, 0);
    }
    if (path == "sm/24jq.asp") {
        return SolarTermsPage(query, clock);
    }
    if (path == "sm/yuce/wnl.asp") {
        return MonthCalendarPage(query, clock);
    }
    if (path == "sm/sm/bjx.asp") {
        return FamilyNameListPage(query);
    }
    if (path == "support/help/index.asp") {
        return HelpPage();
    }
    if (path == std::string("support/") + std::string(kAuthorPagePath)) {
        return AboutPage();
    }
    if (path == "support/") {
        return VersionPage();
    }
    if (const std::string name = OnlineOnlyServiceName(path); !name.empty()) {
        return OnlineOnlyPage(name, *split);
    }
    return NotFoundPage(*split);
}

}  // namespace lumivane
