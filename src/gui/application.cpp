#include "gui/application.h"

#include <QApplication>
#include <QIcon>

#include "gui/gui_fonts.h"
#include "gui/gui_icons.h"
#include "gui/message_sink.h"
#include "gui/single_instance.h"

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

ApplicationWindows::ApplicationWindows(NamingState& state, const Clock& clock,
                                       MessageSink& messages)
    : m_main(state, clock, messages),
      m_select(messages, &m_main),
      m_browser(&m_main),
      m_servicesState(m_main, clock) {
    m_main.SetFilterDialog(&m_select);
    m_main.SetPrintService(&m_printService);
    OnlineServices* services = ConnectOnlineServices(
        &m_main, m_servicesState, [this, &messages](const std::string& address) {
            if (!m_browser.OpenWebPage(address)) {
                messages.Error(&m_main, m_browser.Error());
            }
        });
    QObject::connect(&m_main, &TfrmMain::nameAnalysisRequested, services,
                     &OnlineServices::listview_ResultDblClick);
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
    ApplicationWindows windows(state, clock, DefaultMessageSink());
    TfrmMain& main = windows.Main();
    QObject::connect(&instance, &SingleInstance::restoreRequested, &main,
                     &TfrmMain::RestoreInstance);

    main.show();
    return app.exec();
}

}  // namespace lumivane::gui
