// Lumivane's start as the program does it (web engine switches, application,
// every window in its order), quitting once the main window is shown.

#include <QApplication>
#include <QTimer>

#include "core/chart/clock.h"
#include "core/naming/naming_state.h"
#include "gui/application.h"
#include "gui/browser_loader.h"
#include "gui/filter_dialog.h"
#include "gui/main_window.h"
#include "gui/main_window_services.h"
#include "gui/message_sink.h"
#include "gui/web_engine_setup.h"
#include "report/report_print_service.h"

int main(int argc, char** argv) {
    using namespace lumivane;
    using namespace lumivane::gui;
    PrepareWebEngine(argc, argv);
    QApplication app(argc, argv);
    PrepareApplication();
    NamingState state;
    SystemClock clock;
    MessageSink& messages = DefaultMessageSink();
    TfrmMain main(state, clock, messages);
    TfrmSelect select(messages, &main);
    main.SetFilterDialog(&select);
    report::ReportPrintService printService;
    main.SetPrintService(&printService);
    BrowserLoader browser(&main);
    MainWindowServicesState servicesState(main, clock);
    ConnectOnlineServices(&main, servicesState,
                          [&](const std::string& address) { (void)browser.OpenWebPage(address); });
    main.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
