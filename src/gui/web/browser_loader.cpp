#include "gui/web/browser_loader.h"

#include "gui/module_loader.h"

namespace lumivane::gui {
namespace {

QString Component() {
    return QStringLiteral("网页浏览器");
}

}  // namespace

bool BrowserLoader::Load() {
    if (m_window != nullptr) {
        return true;
    }
    if (!LoadProgramModule(m_library, QStringLiteral("lumivane_browser.so"), Component(),
                           m_error)) {
        return false;
    }
    auto create = reinterpret_cast<CreateFunction>(
        ResolveModuleFunction(m_library, "LumivaneCreateBrowserWindow", Component(), m_error));
    m_open = reinterpret_cast<OpenFunction>(
        ResolveModuleFunction(m_library, "LumivaneOpenWebPage", Component(), m_error));
    if (create == nullptr || m_open == nullptr) {
        return false;
    }
    m_window = create(m_parent, m_pages);
    return m_window != nullptr;
}

bool BrowserLoader::OpenWebPage(const std::string& address) {
    if (!Load()) {
        return false;
    }
    m_open(m_window, address.c_str());
    return true;
}

}  // namespace lumivane::gui
