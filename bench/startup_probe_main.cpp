// Lumivane's own start, the same path the program takes (single copy, web
// engine switches, application, every window in its order), reporting the
// main window's first paint and then quitting.

#include <QCoreApplication>

#include "gui/application.h"
#include "startup_probe.h"

int main(int argc, char** argv) {
    return lumivane::gui::RunProgram(argc, argv, [](lumivane::gui::TfrmMain&) {
        ReportFirstShown();
        QCoreApplication::quit();
    });
}
