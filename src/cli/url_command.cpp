// lumivane-cli url HANDLER: the address a menu item, button or link opens,
// built from the same inputs the main window would read, for scripts and bug
// reports: on the built-in site, or with --site on an online site. Nothing is
// fetched.

#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "cli/json.h"
#include "core/app/online_site.h"
#include "core/app/web_addresses.h"
#include "core/chart/birth_chart.h"
#include "core/platform/clock.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane::cli {
namespace {

constexpr const char* kCommand = "url";

bool HasDateOptions(const Arguments& parsed) {
    for (const std::string& option : kDateValueOptions) {
        if (parsed.Has(option)) {
            return true;
        }
    }
    for (const std::string& option : kDateFlagOptions) {
        if (parsed.Has(option)) {
            return true;
        }
    }
    return false;
}

// The texts the program's input boxes would accept: valid UTF-8 that GBK can hold.
bool CheckText(const Arguments& parsed, const char* option, std::string& error) {
    std::optional<std::string> value = parsed.Value(option);
    if (!value) {
        return true;
    }
    if (!IsValidUtf8(*value)) {
        error = std::string(option) + " 不是有效的 UTF-8 文字";
        return false;
    }
    if (std::string message = GbkRejectionMessage(*value); !message.empty()) {
        error = std::string(option) + ": " + message;
        return false;
    }
    return true;
}

}  // namespace

int RunUrl(const std::vector<std::string>& args, CommandIo& io) {
    ArgumentSpec spec{kDateValueOptions, kDateFlagOptions, 1, 1};
    spec.valueOptions.insert({"--family", "--row-caption", "--sex", "--star-sign", "--zodiac",
                              "--caption", "--tag", "--year", "--site"});
    std::string error;
    auto parsed = ParseArguments(args, spec, error);
    if (!parsed) {
        return BadInput(io, kCommand, error);
    }
    for (const char* option :
         {"--family", "--row-caption", "--star-sign", "--zodiac", "--caption"}) {
        if (!CheckText(*parsed, option, error)) {
            return BadInput(io, kCommand, error);
        }
    }
    const std::string& handler = parsed->positional[0];

    WebPageInputs inputs;
    inputs.familyNameBox = parsed->Value("--family").value_or("");
    inputs.starSignLabel = parsed->Value("--star-sign").value_or("");
    inputs.zodiacLabel = parsed->Value("--zodiac").value_or("");
    inputs.caption = parsed->Value("--caption").value_or("");
    SystemClock clock;
    inputs.currentYear = clock.Now().year;
    if (auto text = parsed->Value("--tag")) {
        std::optional<long long> tag = ParseInteger(*text, -1000000, 1000000);
        if (!tag) {
            return BadInput(io, kCommand, "--tag 须是整数，不是“" + *text + "”");
        }
        inputs.tag = static_cast<int>(*tag);
    }
    if (auto text = parsed->Value("--year")) {
        std::optional<long long> year = ParseInteger(*text, 1, 9999);
        if (!year) {
            return BadInput(io, kCommand, "--year 须是 1 至 9999 的年份，不是“" + *text + "”");
        }
        inputs.currentYear = static_cast<int>(*year);
    }

    inputs.analysis.familyText = inputs.familyNameBox;
    inputs.analysis.rowCaption = parsed->Value("--row-caption").value_or("");
    if (auto sex = parsed->Value("--sex")) {
        if (*sex == SexText(0)) {
            inputs.analysis.sexIndex = 0;
        } else if (*sex == SexText(1)) {
            inputs.analysis.sexIndex = 1;
        } else {
            return BadInput(io, kCommand, "--sex 须是 男 或 女，不是“" + *sex + "”");
        }
    }

    // With a birth date the chart is computed as a naming request would: its
    // resolved date goes to the analysis, and its zodiac and star-sign texts
    // stand in for --zodiac and --star-sign. Without one, nothing is charted
    // yet and the birth fields are still zero.
    if (HasDateOptions(*parsed)) {
        auto dateInputs = DateInputsFromOptions(*parsed, error);
        if (!dateInputs) {
            return BadInput(io, kCommand, error);
        }
        BirthChartResult chart = ComputeBirthChart(*dateInputs, TrimBlanks(inputs.familyNameBox),
                                                   inputs.analysis.birth, clock);
        if (!chart.ok) {
            return BadInput(io, kCommand, chart.error);
        }
        if (!parsed->Has("--zodiac")) {
            inputs.zodiacLabel = chart.chart.Label(107);
        }
        if (!parsed->Has("--star-sign")) {
            inputs.starSignLabel = chart.chart.Label(108);
        }
    }

    // The built-in site's forms open with the family name, sex and birth, as
    // the window's buttons open them.
    inputs.prefill.familyText = inputs.familyNameBox;
    inputs.prefill.sexIndex = parsed->Has("--sex") ? inputs.analysis.sexIndex : -1;
    if (HasDateOptions(*parsed)) {
        inputs.prefill.birth = inputs.analysis.birth;
    }

    WebSite site;
    if (auto text = parsed->Value("--site")) {
        std::optional<std::string> root = SiteBaseOf(*text);
        if (!root) {
            return BadInput(
                io, kCommand,
                "--site 需要 http:// 或 https:// 开头的站点地址，而不是“" + *text + "”");
        }
        site = WebSiteOnRoot(*root);
    }
    WebAddressResult result = AddressOfHandler(handler, inputs, site);
    if (!result.ok()) {
        return BadInput(io, kCommand, result.error);
    }
    Json json = Json::MakeObject();
    json.Set("handler", handler).Set("address", result.address);
    io.out << json.Dump(2) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
