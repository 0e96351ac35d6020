#pragma once
// The services the program offers: every menu item, tool button and chart
// link that opens a page, in one table. The menus are built from it, the
// handlers find their addresses in it and the built-in site learns from it
// which services only an online site can give. A new service is one row.

#include <span>
#include <string>
#include <string_view>

namespace lumivane {

// The bases an address is built on (see WebSite).
enum class WebBase { Services, SiteRoot, Support };

// What the built-in site answers for a service.
enum class ServicePage {
    BuiltIn,     // a page of Lumivane's own data
    OnlineOnly,  // a page that says the service needs an online site
};

enum class ServiceRow {
    SubMenu,    // a submenu of `menu`, named `control`
    Item,       // a menu item of `menu`
    Separator,  // a line in `menu`
    Control,    // a button or link of the main window; `menu` is empty
};

struct Service {
    ServiceRow row = ServiceRow::Item;
    std::string_view menu;     // object name of the menu holding it ("N12")
    std::string_view control;  // object name of the item or control ("N22")
    std::string_view caption;  // the item's text ("姓名测算")
    std::string_view handler;  // "N22Click"; several controls may share one
    int tag = 0;               // the item's Tag, 0 for none
    // The address: base + path. A computed address takes its query from the
    // window's state (the family name, a sign …); path is then its page.
    WebBase base = WebBase::Services;
    std::string_view path;  // UTF-8; its few Chinese query values are encoded when built
    bool computed = false;
    ServicePage page = ServicePage::BuiltIn;
    // The name an online-only page gives the service, when not the caption.
    std::string_view pageName;
    bool hidden = false;  // kept in the menu but not shown

    [[nodiscard]] bool OpensAPage() const {
        return row == ServiceRow::Item || row == ServiceRow::Control;
    }
    [[nodiscard]] bool IsFixed() const { return OpensAPage() && !computed; }
    [[nodiscard]] std::string_view PageName() const {
        return pageName.empty() ? caption : pageName;
    }
};

// Every row, in menu order.
[[nodiscard]] std::span<const Service> ServiceTable();

// The handler a row runs: its own, else its control's name + "Click".
[[nodiscard]] std::string HandlerOf(const Service& service);

// The first row with this handler, or nullptr.
[[nodiscard]] const Service* FindServiceOfHandler(std::string_view handler);

// The handler of a control or menu item by its object name; empty for a
// control that opens no page.
[[nodiscard]] std::string HandlerOfControl(std::string_view control);

// The path of a service below the site root ("sm/chouqian/zgjm.asp"), without
// the address's fragment, as the built-in site routes it.
[[nodiscard]] std::string SitePathOfService(const Service& service);

// The name of the online-only service the built-in site shows at a path
// below the site root (with its query for sm.asp pages, e.g.
// "sm/sm/sm.asp?sm=3"); the names of services sharing one page are joined by
// " · ". Empty when no online-only service lives there.
[[nodiscard]] std::string OnlineOnlyServiceName(std::string_view sitePath);

}  // namespace lumivane
