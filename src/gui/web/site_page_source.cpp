#include "gui/web/site_page_source.h"

#include "core/platform/clock.h"
#include "core/site/site_pages.h"

namespace lumivane::gui {

SitePageReply BuiltInSitePage(std::string_view address) {
    SitePage page = RenderSitePage(address, SystemClock());
    return {std::move(page.html), page.kind != SitePage::Kind::NotFound};
}

}  // namespace lumivane::gui
