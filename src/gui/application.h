#pragma once
// The program's start: one copy per user, then the windows in their order.

#include <functional>
#include <memory>

#include "core/naming/naming_state.h"
#include "core/platform/clock.h"
#include "gui/filter_dialog.h"
#include "gui/main_window.h"
#include "gui/main_window_services.h"
#include "gui/print/print_loader.h"
#include "gui/web/browser_loader.h"

namespace lumivane::gui {

class MessageSink;

// The windows of a run in the order they are created — the main window, the
// filter dialog, the printed lists (their module loads with the first print or
// PDF export), the browser window (its module loads with the first page) —
// wired to each other and to the online services.
class ApplicationWindows {
public:
    ApplicationWindows(NamingState& state, const Clock& clock, MessageSink& messages);
    [[nodiscard]] TfrmMain& Main() { return m_main; }

private:
    TfrmMain m_main;
    std::unique_ptr<TfrmSelect> m_select;  // made when first needed
    PrintLoader m_print;
    BrowserLoader m_browser;
    MainWindowServicesState m_servicesState;
};

// Called once the main window has been shown and painted for the first time.
using FirstShownHook = std::function<void(TfrmMain&)>;

// Ends with 0 at once when another copy runs (after asking it to come to the
// front); otherwise runs until the main window is closed.
int RunApplication(int argc, char** argv, const FirstShownHook& firstShown = {});

// The whole program after its command-line answers: desktop name, web engine
// switches, then RunApplication. The start-up benchmark's probe runs it too.
int RunProgram(int argc, char** argv, const FirstShownHook& firstShown = {});

// The application-wide settings every window relies on: Qt's texts in
// Chinese, title, fonts, icons.
void PrepareApplication();

// Qt's own texts and the web view's in Chinese (Debian's Qt translations);
// part of PrepareApplication, once per application object.
void InstallChineseTranslations();

}  // namespace lumivane::gui
