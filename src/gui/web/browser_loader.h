#pragma once
// The browser window, loaded from its module when the first page is opened.
// Loading the web engine's libraries is what made the program slow to start;
// the window itself (and its history) then lives until the end, as before.

#include <QDialog>
#include <QLibrary>
#include <QPointer>
#include <QString>
#include <string>

#include "gui/web/site_page_source.h"

namespace lumivane::gui {

class BrowserLoader {
public:
    // The built-in site's pages come from the source.
    explicit BrowserLoader(QWidget* parent, SitePageSource pages = &BuiltInSitePage)
        : m_parent(parent), m_pages(pages) {}
    BrowserLoader(const BrowserLoader&) = delete;
    BrowserLoader& operator=(const BrowserLoader&) = delete;

    // Loads the module and creates the window once; false with Error() when
    // the module cannot be found or loaded.
    bool Load();
    // Shows the page in the browser window (modal); false when it cannot be loaded.
    bool OpenWebPage(const std::string& address);

    [[nodiscard]] QDialog* Window() const { return m_window; }
    [[nodiscard]] const QString& Error() const { return m_error; }

private:
    using CreateFunction = QDialog* (*)(QWidget*, SitePageSource);
    using OpenFunction = void (*)(QDialog*, const char*);

    QWidget* m_parent;
    SitePageSource m_pages;
    QLibrary m_library;
    QPointer<QDialog> m_window;
    OpenFunction m_open = nullptr;
    QString m_error;
};

}  // namespace lumivane::gui
