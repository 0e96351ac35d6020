// Lumivane's start as the program does it (web engine switches, application,
// every window in its order), quitting once the main window is shown.

#include <QApplication>
#include <QTimer>

#include "core/chart/clock.h"
#include "core/naming/naming_state.h"
#include "gui/application.h"
#include "gui/message_sink.h"
#include "gui/web_engine_setup.h"

int main(int argc, char** argv) {
    using namespace lumivane;
    using namespace lumivane::gui;
    PrepareWebEngine(argc, argv);
    QApplication app(argc, argv);
    PrepareApplication();
    NamingState state;
    SystemClock clock;
    ApplicationWindows windows(state, clock, DefaultMessageSink());
    windows.Main().show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
