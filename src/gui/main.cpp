#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "gui/application.h"
#include "gui/web_engine_setup.h"

int main(int argc, char** argv) {
    // Answered before any window-system connection, so it works without a display.
    if (argc == 2 &&
        (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "--help") == 0)) {
        if (std::strcmp(argv[1], "--version") == 0) {
            std::printf("lumivane %s\n", LUMIVANE_VERSION);
        } else {
            std::printf(
                "usage: lumivane [--version | --help]\n"
                "Opens the main window of 澜庭起名软件; see lumivane(1).\n");
        }
        return 0;
    }
    // Lets the desktop match the windows with the installed desktop entry
    // (packaging/example.velisora.Lumivane.desktop): its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velisora.Lumivane"));
    // Chromium's switches must be in place before the application object exists.
    lumivane::gui::PrepareWebEngine(argc, argv);
    return lumivane::gui::RunApplication(argc, argv);
}
