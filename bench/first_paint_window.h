#pragma once
// The bare probes' window: it tells the benchmark of its first paint, then quits.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "startup_probe.h"

class FirstPaintWindow final : public QWidget {
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
