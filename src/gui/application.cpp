#include "gui/application.h"

#include <QApplication>
#include <QIcon>

#include "core/chart/clock.h"
#include "core/naming/naming_state.h"
#include "gui/browser_loader.h"
#include "gui/filter_dialog.h"
#include "gui/gui_fonts.h"
#include "gui/gui_icons.h"
#include "gui/main_window.h"
#include "gui/main_window_services.h"
#include "gui/message_sink.h"
#include "gui/single_instance.h"
#include "report/report_print_service.h"

namespace lumivane::gui {

void PrepareApplication() {
    // The task-bar title; the main window's caption is its own.
    QApplication::setApplicationName(QStringLiteral("澜庭取名软件"));
    InstallFontSubstitutions();
    QApplication::setFont(SongFont(12));
    // The installed icon, where the package put it into the icon theme.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("lumivane")));
    SelectIconTheme();
}

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    SingleInstance instance;
    if (instance.NotifyRunningCopy()) {
        return 0;
    }
    // Without the socket the program still works; only a second start would
    // open a second copy.
    instance.Listen();
    PrepareApplication();

    NamingState state;
    SystemClock clock;
    MessageSink& messages = DefaultMessageSink();
    // Windows in their order: the main window first, then the filter dialog.
    // The report layouts and the browser window follow; the browser builds its
    // web view on first use so that start-up stays fast.
    TfrmMain main(state, clock, messages);
    TfrmSelect select(messages, &main);
    main.SetFilterDialog(&select);
    report::ReportPrintService printService;
    main.SetPrintService(&printService);
    BrowserLoader browser(&main);
    MainWindowServicesState servicesState(main, clock);
    OnlineServices* services =
        ConnectOnlineServices(&main, servicesState, [&](const std::string& address) {
            if (!browser.OpenWebPage(address)) {
                messages.Error(&main, browser.Error());
            }
        });
    QObject::connect(&main, &TfrmMain::nameAnalysisRequested, services,
                     &OnlineServices::listview_ResultDblClick);
    QObject::connect(&instance, &SingleInstance::restoreRequested, &main,
                     &TfrmMain::RestoreInstance);

    main.show();
    return app.exec();
}

}  // namespace lumivane::gui
