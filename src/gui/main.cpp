#include "gui/application.h"

int main(int argc, char** argv) {
    return lumivane::gui::RunApplication(argc, argv);
}
