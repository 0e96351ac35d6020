// The browser window as a module of its own: the program loads it when the
// first page is opened, so the web engine's libraries stay out of its start.

#include <QWidget>

#include "gui/web/web_browser_window.h"

extern "C" {

__attribute__((visibility("default"))) QDialog* LumivaneCreateBrowserWindow(
    QWidget* parent, lumivane::gui::SitePageSource pages) {
    return new lumivane::gui::TfrmWebbrowser(pages, parent);
}

__attribute__((visibility("default"))) void LumivaneOpenWebPage(QDialog* window,
                                                                const char* address) {
    static_cast<lumivane::gui::TfrmWebbrowser*>(window)->OpenWebPage(address);
}
}
