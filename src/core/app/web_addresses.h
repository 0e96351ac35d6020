#pragma once
// Addresses of the maker's online services. The program sends nothing itself:
// it builds an address and the browser window loads it. Every query value is
// percent-encoded from its GBK bytes (the site decodes GBK), so a value
// holding "&", "#", "%", "=" or a blank stays one value and cannot add
// parameters or cut the address short.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/services.h"
#include "core/chart/birth_chart.h"

namespace lumivane {

// The site the addresses are built on. By default it is the program's own
// site, answered inside the browser window from Lumivane's own data (see
// site/site_pages.h), so every address keeps its path and query keys and
// works offline; an online site can be set in config.ini instead.
inline constexpr std::string_view kSiteScheme = "lumivane";
inline constexpr std::string_view kSiteRootAddress = "lumivane://site/";
inline constexpr std::string_view kSupportBaseAddress = "lumivane://site/support/";
// Eight characters naming the build: "LV" and the version's parts in two
// digits each (2.2.8 -> "LV020208"), made by the build from the project version.
inline constexpr std::string_view kVersionCode = LUMIVANE_VERSION_CODE;
static_assert(kVersionCode.size() == 8, "a version part has more than two digits");
inline constexpr std::string_view kAuthorPagePath = "author.asp";

// The bases an address is built on; tests point them at a local server.
struct WebSite {
    std::string siteRoot{kSiteRootAddress};        // ends in "/"
    std::string supportBase{kSupportBaseAddress};  // ends in "/"

    [[nodiscard]] std::string ServicesBase() const { return siteRoot + "sm/"; }
};

// The handlers of the pages whose address never changes (the service table's
// fixed rows), each once, and the row of one of them.
[[nodiscard]] std::vector<std::string> FixedPageHandlers();
[[nodiscard]] const Service* FindFixedWebPage(std::string_view handler);
// A fixed page's address: the base followed by the path.
[[nodiscard]] std::string FixedPageAddress(const Service& page, const WebSite& site = {});

// Percent-encodes a query value from its GBK bytes; only A-Z a-z 0-9 - . _ ~
// stand as they are. A value GBK cannot hold (the input boxes refuse such
// characters, so only a caller's mistake) is encoded from its UTF-8 bytes
// instead, which still keeps it one value.
[[nodiscard]] std::string PercentEncodeQueryValue(std::string_view utf8);

// `N23Click` (also `Label36Click`): the origin of the family name in the box.
[[nodiscard]] std::string FamilyOriginAddress(std::string_view familyNameBox,
                                              const WebSite& site = {});

// Forecast type of a Tag of the 星座运程 items, 1 "today" to 6 "yearlove".
[[nodiscard]] std::optional<std::string_view> ForecastTypeOfTag(int tag);
// The chart panel's forecast links 今 明 周 年 stand for the Tags 1 to 4 (so "年"
// opens the month forecast, as the link always has).
[[nodiscard]] std::optional<int> ForecastTagOfLink(std::string_view linkCaption);
// Sign number sent as xz: 1 to 12 from the star-sign label, 1 when it names no sign.
[[nodiscard]] int SignNumberOfLabel(std::string_view starSignLabel);
// `N35Click`; no address for a Tag outside 1 to 6.
[[nodiscard]] std::optional<std::string> StarForecastAddress(int tag,
                                                             std::string_view starSignLabel,
                                                             const WebSite& site = {});

// `N42Click` with the chosen item's caption, `Label108Click` with the label's text.
[[nodiscard]] std::string StarSignPageAddress(std::string_view signText, const WebSite& site = {});
// `Label107Click`: the zodiac label's text and the current local year.
[[nodiscard]] std::string ZodiacPageAddress(std::string_view zodiacLabel, int currentYear,
                                            const WebSite& site = {});
// `N96Click`.
[[nodiscard]] std::string UpgradeAddress(const WebSite& site = {});

// cmb_Sex item text: 0 "男", 1 "女", empty for no selection.
[[nodiscard]] std::string_view SexText(int sexIndex);

// The row's caption without the family name: the family text is removed
// where the caption begins with it (ASCII letters compared without regard to
// case); a copy inside the given name stays (文文龙 with 文 gives 文龙).
[[nodiscard]] std::string GivenNameOfCaption(std::string_view rowCaption,
                                             std::string_view familyText);

inline constexpr std::string_view kAnalysisFromList = "sm5";  // listview_ResultDblClick, N8
inline constexpr std::string_view kAnalysisFromLink = "sm3";  // Label37

struct NameAnalysisInputs {
    std::string familyText;  // the row's family name (column 15)
    std::string rowCaption;  // the row's caption, family name included
    int sexIndex = 0;        // cmb_Sex
    BirthFields birth;       // of the last chart
    std::string destination{kAnalysisFromList};
};

// The analysis page of one result row, as `OpenNameAnalysis` opens it.
[[nodiscard]] std::string NameAnalysisAddress(const NameAnalysisInputs& inputs,
                                              const WebSite& site = {});

// What the built-in site's forms open filled with: the family name, sex and
// birth of the main window. A part left empty (no family name, sex -1, a
// birth whose date is unknown or not yet resolved) is not sent.
struct FormPrefill {
    std::string familyText;
    int sexIndex = -1;
    BirthFields birth{0, 0, 0, 0, -1, false, false};
};

// The query keys the site's forms read (xing, xingbie, nian, yue, ri, hh, fen),
// "&"-joined without a leading "?"; empty when there is nothing to fill.
[[nodiscard]] std::string FormPrefillQuery(const FormPrefill& prefill);

// Whether a page of the built-in site has a form those keys fill: 姓名测试,
// 姓名测算, the chart pages and the family-name page.
[[nodiscard]] bool HasPrefilledForm(const Service& page);

// Everything a handler may read, for building any handler's address by name.
struct WebPageInputs {
    std::string familyNameBox;  // edt_FirstName
    std::string starSignLabel;  // Label108
    std::string zodiacLabel;    // Label107
    std::string caption;        // of the chosen item or link
    std::optional<int> tag;     // of the chosen item
    int currentYear = 0;
    NameAnalysisInputs analysis;
    // For the built-in site's form pages (HasPrefilledForm); an online site
    // gets its addresses as they are.
    FormPrefill prefill;
};

struct WebAddressResult {
    std::string address;
    std::string error;  // empty on success
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// The address a handler opens (`N22Click`, `N35Click`, `listview_ResultDblClick`,
// `Label37Click` …); an error names an unknown handler or a missing input.
[[nodiscard]] WebAddressResult AddressOfHandler(std::string_view handler,
                                                const WebPageInputs& inputs,
                                                const WebSite& site = {});

// The handlers whose address is built from the window's state, each once.
[[nodiscard]] std::vector<std::string> BuiltPageHandlers();

}  // namespace lumivane
