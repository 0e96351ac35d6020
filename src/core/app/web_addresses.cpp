#include "core/app/web_addresses.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/calendar/vocabulary.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane {
namespace {

using enum WebBase;

constexpr std::array<std::string_view, 6> kForecastTypes = {"today", "nextday", "week",
                                                            "month", "year",    "yearlove"};
constexpr std::array<std::string_view, 6> kForecastItemCaptions = {
    "今日运势", "明日运势", "本周运势", "本月运势", "今年运势", "今年爱情运势"};
constexpr std::array<std::string_view, 4> kForecastLinkCaptions = {"今", "明", "周", "年"};

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

void AppendPercentByte(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

std::string GbkBytesOrUtf8(std::string_view utf8) {
    ConversionResult gbk = Utf8ToGbk(utf8);
    return gbk.ok() ? gbk.text : std::string(utf8);
}

// A fixed path is ours, so its ASCII delimiters mean what they say; only its
// Chinese query values (嫁娶) need their GBK bytes encoded.
std::string EncodeFixedPath(std::string_view path) {
    std::string out;
    for (char ch : GbkBytesOrUtf8(path)) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80) {
            AppendPercentByte(out, c);
        } else {
            out += ch;
        }
    }
    return out;
}

std::string BaseAddress(WebBase base, const WebSite& site) {
    switch (base) {
        case Services:
            return site.ServicesBase();
        case SiteRoot:
            return site.siteRoot;
        case Support:
            return site.supportBase;
    }
    return site.siteRoot;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<int> ForecastTagOfItemCaption(std::string_view caption) {
    for (std::size_t i = 0; i < kForecastItemCaptions.size(); ++i) {
        if (caption == kForecastItemCaptions[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

WebAddressResult Fail(std::string error) {
    return {{}, std::move(error)};
}

WebAddressResult Forecast(std::optional<int> tag, std::string_view starSignLabel,
                          const WebSite& site, std::string_view what) {
    if (!tag) {
        return Fail(std::string(what) + " 需要菜单项的 Tag 或标题（--tag 或 --caption）");
    }
    std::optional<std::string> address = StarForecastAddress(*tag, starSignLabel, site);
    if (!address) {
        return Fail("没有 Tag 为 " + std::to_string(*tag) + " 的运势页面");
    }
    return {*address, {}};
}

WebAddressResult Analysis(const WebPageInputs& inputs, std::string_view destination,
                          const WebSite& site) {
    if (inputs.analysis.rowCaption.empty()) {
        return Fail("姓名分析需要结果列表中的一行（--row-caption，例如 王明华）");
    }
    NameAnalysisInputs analysis = inputs.analysis;
    analysis.destination = std::string(destination);
    return {NameAnalysisAddress(analysis, site), {}};
}

}  // namespace

std::vector<std::string> FixedPageHandlers() {
    std::vector<std::string> handlers;
    for (const Service& service : ServiceTable()) {
        if (service.IsFixed() && FindFixedWebPage(HandlerOf(service)) == &service) {
            handlers.push_back(HandlerOf(service));
        }
    }
    return handlers;
}

const Service* FindFixedWebPage(std::string_view handler) {
    const Service* service = FindServiceOfHandler(handler);
    return service != nullptr && service->IsFixed() ? service : nullptr;
}

std::string FixedPageAddress(const Service& page, const WebSite& site) {
    return BaseAddress(page.base, site) + EncodeFixedPath(page.path);
}

std::string PercentEncodeQueryValue(std::string_view utf8) {
    std::string out;
    for (char ch : GbkBytesOrUtf8(utf8)) {
        auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c)) {
            out += ch;
        } else {
            AppendPercentByte(out, c);
        }
    }
    return out;
}

std::string FamilyOriginAddress(std::string_view familyNameBox, const WebSite& site) {
    if (TrimBlanks(familyNameBox).empty()) {
        return site.ServicesBase() + "sm/sm.asp?sm=8#body";
    }
    // The box's text goes as typed; only a blank box counts as no name.
    return site.ServicesBase() +
           "sm/sm.asp?sm=8&act=ok&xing=" + PercentEncodeQueryValue(familyNameBox) + "#body";
}

std::optional<std::string_view> ForecastTypeOfTag(int tag) {
    if (tag < 1 || tag > static_cast<int>(kForecastTypes.size())) {
        return std::nullopt;
    }
    return kForecastTypes[static_cast<std::size_t>(tag - 1)];
}

std::optional<int> ForecastTagOfLink(std::string_view linkCaption) {
    for (std::size_t i = 0; i < kForecastLinkCaptions.size(); ++i) {
        if (linkCaption == kForecastLinkCaptions[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

int SignNumberOfLabel(std::string_view starSignLabel) {
    return StarSignIndexOfName(starSignLabel) + 1;
}

std::optional<std::string> StarForecastAddress(int tag, std::string_view starSignLabel,
                                               const WebSite& site) {
    std::optional<std::string_view> type = ForecastTypeOfTag(tag);
    if (!type) {
        return std::nullopt;
    }
    return site.ServicesBase() + "astro/xzyc.asp?type=" + std::string(*type) +
           "&xz=" + std::to_string(SignNumberOfLabel(starSignLabel));
}

std::string StarSignPageAddress(std::string_view signText, const WebSite& site) {
    return site.ServicesBase() +
           "astro/astro_show.asp?flag=4&astro=" + PercentEncodeQueryValue(signText);
}

std::string ZodiacPageAddress(std::string_view zodiacLabel, int currentYear, const WebSite& site) {
    return site.ServicesBase() +
           "astro/astro_show.asp?flag=12&sx=" + PercentEncodeQueryValue(zodiacLabel) +
           "&astro_year=" + std::to_string(currentYear);
}

std::string UpgradeAddress(const WebSite& site) {
    return site.supportBase + "?ver=" + PercentEncodeQueryValue(kVersionCode);
}

std::string_view SexText(int sexIndex) {
    switch (sexIndex) {
        case 0:
            return "男";
        case 1:
            return "女";
        default:
            return "";
    }
}

std::string GivenNameOfCaption(std::string_view rowCaption, std::string_view familyText) {
    // A row's caption is the family text followed by the given name, and the
    // given name may hold the family character itself (文文龙 is 文 + 文龙), so
    // only the leading copy goes. Both texts are UTF-8, so a byte match at the
    // start ends on a character boundary.
    if (!familyText.empty() &&
        EqualsIgnoringAsciiCase(rowCaption.substr(0, familyText.size()), familyText)) {
        rowCaption.remove_prefix(familyText.size());
    }
    return std::string(rowCaption);
}

std::string NameAnalysisAddress(const NameAnalysisInputs& inputs, const WebSite& site) {
    const BirthFields& birth = inputs.birth;
    return site.ServicesBase() + "QimingTest.asp?" +
           "xing=" + PercentEncodeQueryValue(inputs.familyText) + "&ming=" +
           PercentEncodeQueryValue(GivenNameOfCaption(inputs.rowCaption,
                                                      inputs.familyText)) +
           "&xingbie=" + PercentEncodeQueryValue(SexText(inputs.sexIndex)) +  //
           "&xuexing=A" +                                                     //
           "&nian=" + std::to_string(birth.BirthYear) +                       //
           "&yue=" + std::to_string(birth.BirthMonth) +                       //
           "&ri=" + std::to_string(birth.BirthDay) +                          //
           "&hh=" + std::to_string(birth.BirthHour) +                         //
           "&mm=30" +                                                         //
           // Added keys, only when they say something: no date, no hour, the minute.
           (birth.DateKnown ? "" : "&rq=0") + (birth.HourKnown ? "" : "&sc=0") +
           (birth.BirthMinute >= 0 && birth.HourKnown ? "&fen=" + std::to_string(birth.BirthMinute)
                                                      : "") +
           "&ver=" + PercentEncodeQueryValue(kVersionCode) +  //
           "&dest=" + PercentEncodeQueryValue(inputs.destination);
}

std::string FormPrefillQuery(const FormPrefill& prefill) {
    std::string query;
    auto add = [&query](std::string_view key, const std::string& value) {
        query += (query.empty() ? "" : "&") + std::string(key) + "=" + value;
    };
    if (const std::string family = TrimBlanks(prefill.familyText); !family.empty()) {
        add("xing", PercentEncodeQueryValue(family));
    }
    if (const std::string_view sex = SexText(prefill.sexIndex); !sex.empty()) {
        add("xingbie", PercentEncodeQueryValue(sex));
    }
    const BirthFields& birth = prefill.birth;
    if (birth.DateKnown && birth.BirthYear > 0 && birth.BirthMonth > 0 && birth.BirthDay > 0) {
        add("nian", std::to_string(birth.BirthYear));
        add("yue", std::to_string(birth.BirthMonth));
        add("ri", std::to_string(birth.BirthDay));
        if (birth.HourKnown) {
            add("hh", std::to_string(birth.BirthHour));
            if (birth.BirthMinute >= 0) {
                add("fen", std::to_string(birth.BirthMinute));
            }
        }
    }
    return query;
}

bool HasPrefilledForm(const Service& page) {
    static constexpr std::string_view kFormPages[] = {"sm/",
                                                      "sm/sm/sm.asp?sm=1",
                                                      "sm/sm/sm.asp?sm=2",
                                                      "sm/sm/sm.asp?sm=5",
                                                      "sm/sm/sm.asp?sm=8",
                                                      "sm/paipan/pp_bazi.asp"};
    const std::string path = SitePathOfService(page);
    return page.page == ServicePage::BuiltIn &&
           std::find(std::begin(kFormPages), std::end(kFormPages), path) != std::end(kFormPages);
}

WebAddressResult AddressOfHandler(std::string_view handler, const WebPageInputs& inputs,
                                  const WebSite& site) {
    if (const Service* page = FindFixedWebPage(handler)) {
        std::string address = FixedPageAddress(*page, site);
        const std::string query = FormPrefillQuery(inputs.prefill);
        if (site.siteRoot == kSiteRootAddress && HasPrefilledForm(*page) && !query.empty()) {
            const std::size_t fragment = std::min(address.find('#'), address.size());
            const bool hasQuery = address.substr(0, fragment).find('?') != std::string::npos;
            address.insert(fragment, (hasQuery ? "&" : "?") + query);
        }
        return {address, {}};
    }
    if (handler == "N23Click" || handler == "Label36Click") {
        return {FamilyOriginAddress(inputs.familyNameBox, site), {}};
    }
    if (handler == "N35Click") {
        std::optional<int> tag = inputs.tag ? inputs.tag : ForecastTagOfItemCaption(inputs.caption);
        return Forecast(tag, inputs.starSignLabel, site, "N35Click");
    }
    if (handler == "Label32Click") {
        std::optional<int> tag = inputs.tag ? inputs.tag : ForecastTagOfLink(inputs.caption);
        if (tag && (*tag < 1 || *tag > static_cast<int>(kForecastLinkCaptions.size()))) {
            return Fail("运势链接的 Tag 只有 1 至 4");
        }
        return Forecast(tag, inputs.starSignLabel, site, "Label32Click");
    }
    if (handler == "N42Click") {
        if (inputs.caption.empty()) {
            return Fail("N42Click 需要星座菜单项的标题（--caption）");
        }
        return {StarSignPageAddress(inputs.caption, site), {}};
    }
    if (handler == "Label108Click") {
        return {StarSignPageAddress(inputs.starSignLabel, site), {}};
    }
    if (handler == "Label107Click") {
        return {ZodiacPageAddress(inputs.zodiacLabel, inputs.currentYear, site), {}};
    }
    if (handler == "N96Click") {
        return {UpgradeAddress(site), {}};
    }
    if (handler == "listview_ResultDblClick") {
        return Analysis(inputs, kAnalysisFromList, site);
    }
    if (handler == "Label37Click") {
        return Analysis(inputs, kAnalysisFromLink, site);
    }
    return Fail("没有名为 " + std::string(handler) + " 的网页处理程序");
}

std::vector<std::string> BuiltPageHandlers() {
    std::vector<std::string> handlers;
    for (const Service& service : ServiceTable()) {
        if (service.OpensAPage() && service.computed &&
            FindServiceOfHandler(HandlerOf(service)) == &service) {
            handlers.push_back(HandlerOf(service));
        }
    }
    return handlers;
}

}  // namespace lumivane
