// A bare Qt Widgets program: start, show one window, report its first paint,
// quit. The yardstick of the start-up benchmark.

#include <QApplication>

#include "first_paint_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaintWindow window;
    window.resize(780, 577);
    window.show();
    return app.exec();
}
