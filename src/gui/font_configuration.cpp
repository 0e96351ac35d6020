#include "gui/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace lumivane::gui {

namespace {

std::thread& Reader() {
    static std::thread reader;
    return reader;
}

}  // namespace

void BeginReadingFontConfiguration() {
    if (!Reader().joinable()) {
        // Qt's font database later calls FcInit itself and finds the
        // configuration in place. Without fonts the program still starts; Qt
        // reports that case when it looks for one.
        Reader() = std::thread([] { (void)FcInit(); });
    }
}

void FinishReadingFontConfiguration() {
    if (Reader().joinable()) {
        Reader().join();
    }
}

}  // namespace lumivane::gui
