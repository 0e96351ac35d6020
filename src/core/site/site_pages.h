#pragma once
// The built-in site: the pages behind the service addresses, rendered from
// Lumivane's own data so that every menu item, button and link answers
// offline. The browser window serves them for its own scheme and
// `lumivane-cli page` prints them, so both show the same page. Nothing is
// fetched and nothing is sent anywhere.

#include <string>
#include <string_view>

#include "core/platform/clock.h"

namespace lumivane {

struct SitePage {
    enum class Kind {
        BuiltIn,     // answered from Lumivane's own data
        OnlineOnly,  // a service only an online site can give: the page says so
        NotFound,    // an address of the built-in site that no page has
    };
    Kind kind = Kind::NotFound;
    std::string title;  // UTF-8, also the page's <title>
    std::string html;   // UTF-8, a whole document with its style sheet inside
};

// True when the address lies on the built-in site (kSiteRootAddress).
[[nodiscard]] bool IsBuiltInSiteAddress(std::string_view address);

// The page of a built-in address. Query values may be percent-encoded GBK (as
// the program's addresses and the pages' forms send them) or UTF-8. A page
// asked for without the keys it needs shows its form and says what is
// missing; an address outside the built-in site answers a NotFound page.
// The clock gives "this year" and "this month" where the address names none.
[[nodiscard]] SitePage RenderSitePage(std::string_view address, const Clock& clock);

}  // namespace lumivane
