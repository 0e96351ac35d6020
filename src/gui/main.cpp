#include <cstdio>
#include <cstring>

#include "gui/application.h"

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
    return lumivane::gui::RunProgram(argc, argv);
}
