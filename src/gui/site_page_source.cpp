#include "gui/site_page_source.h"

#include "core/app/site/site_pages.h"
#include "core/chart/clock.h"

namespace lumivane::gui {

SitePageReply BuiltInSitePage(std::string_view address) {
    SitePage page = RenderSitePage(address, SystemClock());
    return {std::move(page.html), page.kind != SitePage::Kind::NotFound};
}

}  // namespace lumivane::gui
