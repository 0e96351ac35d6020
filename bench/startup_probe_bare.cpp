// A bare Qt Widgets program: start, show one window, report its first paint,
// quit. The yardstick of the start-up benchmark.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "startup_probe.h"

namespace {

class BareWindow final : public QWidget {
protected:
    bool event(QEvent* event) override {
        const bool handled = QWidget::event(event);
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            QTimer::singleShot(0, this, [] {
                ReportFirstShown();
                QCoreApplication::quit();
            });
        }
        return handled;
    }

private:
    bool m_reported = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(780, 577);
    window.show();
    return app.exec();
}
