#include "gui/browser_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace lumivane::gui {
namespace {

constexpr const char* kModuleName = "lumivane_browser.so";

// Beside the installed program (bin/../lib/lumivane), else in the build tree.
QStringList ModuleCandidates() {
    QStringList candidates;
    candidates << QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/lumivane/") +
                      QLatin1String(kModuleName);
#ifdef LUMIVANE_BUILD_MODULE_DIR
    candidates << QStringLiteral(LUMIVANE_BUILD_MODULE_DIR "/") + QLatin1String(kModuleName);
#endif
    return candidates;
}

}  // namespace

bool BrowserLoader::Load() {
    if (m_window != nullptr) {
        return true;
    }
    if (!m_library.isLoaded()) {
        QString tried;
        for (const QString& path : ModuleCandidates()) {
            if (!QFileInfo::exists(path)) {
                tried += QStringLiteral("\n") + path;
                continue;
            }
            m_library.setFileName(path);
            if (m_library.load()) {
                break;
            }
            tried += QStringLiteral("\n") + path + QStringLiteral(": ") + m_library.errorString();
        }
        if (!m_library.isLoaded()) {
            m_error = QStringLiteral("无法载入网页浏览器组件。") + tried;
            return false;
        }
    }
    auto create =
        reinterpret_cast<CreateFunction>(m_library.resolve("LumivaneCreateBrowserWindow"));
    m_open = reinterpret_cast<OpenFunction>(m_library.resolve("LumivaneOpenWebPage"));
    if (create == nullptr || m_open == nullptr) {
        m_error = QStringLiteral("网页浏览器组件不完整：") + m_library.fileName();
        return false;
    }
    m_window = create(m_parent);
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
