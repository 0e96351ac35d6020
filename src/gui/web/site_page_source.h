#pragma once
// How the browser window asks for a page of the built-in site. The pages are
// rendered by the program's core; the browser module, loaded with the first
// page, receives this function instead of carrying a second copy of the core
// and its data.

#include <string>
#include <string_view>

namespace lumivane::gui {

struct SitePageReply {
    std::string html;    // UTF-8, a whole page
    bool found = false;  // false: the site has no page there (the html says so)
};

using SitePageSource = SitePageReply (*)(std::string_view address);

// The program's own source: the core's pages with today's date.
SitePageReply BuiltInSitePage(std::string_view address);

}  // namespace lumivane::gui
