// lumivane-cli page ADDRESS: the built-in site's page for an address, as the
// browser window shows it, written to standard output as HTML. Scripts and
// tests read every page this way without a display.

#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "core/calendar/western_calendar.h"
#include "core/platform/clock.h"
#include "core/site/site_pages.h"

namespace lumivane::cli {
namespace {

constexpr const char* kCommand = "page";

// --today YYYY-MM-DD fixes "this year" and "this month" of the pages that default to them.
std::optional<LocalDateTime> ParseToday(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    auto year = ParseInteger(text.substr(0, 4), 1, 9999);
    auto month = ParseInteger(text.substr(5, 2), 1, 12);
    auto day = ParseInteger(text.substr(8, 2), 1, 31);
    // A day the month does not have (2024-02-31) is no date.
    if (!year || !month || !day ||
        *day > MonthLength(static_cast<int>(*year), static_cast<int>(*month))) {
        return std::nullopt;
    }
    return LocalDateTime{
        static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day), 12, 0, 0};
}

}  // namespace

int RunPage(const std::vector<std::string>& args, CommandIo& io) {
    ArgumentSpec spec{{"--today"}, {}, 1, 1};
    std::string error;
    auto parsed = ParseArguments(args, spec, error);
    if (!parsed) {
        return BadInput(io, kCommand, error);
    }
    const std::string& address = parsed->positional[0];
    if (!IsBuiltInSiteAddress(address)) {
        return BadInput(io, kCommand,
                        "“" + address + "”不是澜庭自带站点的地址（以 lumivane://site/ 开头）");
    }
    SitePage page;
    if (auto text = parsed->Value("--today")) {
        std::optional<LocalDateTime> today = ParseToday(*text);
        if (!today) {
            return BadInput(io, kCommand,
                            "--today 需要 YYYY-MM-DD 形式的日期，而不是“" + *text + "”");
        }
        page = RenderSitePage(address, FixedClock(*today));
    } else {
        page = RenderSitePage(address, SystemClock());
    }
    if (page.kind == SitePage::Kind::NotFound) {
        return BadInput(io, kCommand, "澜庭自带的站点没有这个页面：" + address);
    }
    io.out << page.html;
    return kExitOk;
}

}  // namespace lumivane::cli
