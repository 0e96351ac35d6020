#pragma once
// Shared set-up of the GUI tests: the windows as the program creates them, a
// fixed seed and clock, a private data folder, and a message sink that records.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/naming/naming_state.h"
#include "core/platform/clock.h"
#include "gui/application.h"
#include "gui/filter_dialog.h"
#include "gui/main_window.h"
#include "gui/message_sink.h"
#include "gui/result_table_model.h"

namespace lumivane::gui::test {

class RecordingSink final : public MessageSink {
public:
    void Information(QWidget*, const QString& text) override { infos << text; }
    void Error(QWidget*, const QString& text) override { errors << text; }
    bool Question(QWidget*, const QString& text) override {
        questions << text;
        return answer;
    }
    QStringList infos, errors, questions;
    bool answer = false;  // what Question answers
};

inline LocalDateTime TestNow() {
    return {2024, 5, 20, 10, 30, 0};
}

// Whether a library of that name is mapped into this process.
inline bool Mapped(const char* name) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

// The windows of one run of the program.
struct Windows {
    explicit Windows(std::uint64_t seed = 20240520)
        : state(RandomSource(seed)),
          clock(TestNow()),
          main(state, clock, sink),
          select(sink, &main) {
        main.SetFilterDialog(&select);
        // As right after the window's first painting, without showing it.
        main.EnsureResultPages();
    }
    template <typename T>
    T* Find(const char* name) {
        T* found = main.findChild<T*>(QLatin1String(name));
        return found;
    }
    NamingState state;
    FixedClock clock;
    RecordingSink sink;
    TfrmMain main;
    TfrmSelect select;
};

// A data home of its own, so the settings and favourites of one test never
// reach another or the user's.
class DataHome {
public:
    DataHome() { qputenv("XDG_DATA_HOME", m_dir.path().toUtf8()); }
    [[nodiscard]] QString Path(const QString& file) const {
        return m_dir.path() + "/Velisora/" + file;
    }

private:
    QTemporaryDir m_dir;
};

// Types text as key presses; QTest::keyClicks takes Latin-1 only.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

// A user's pick in a pick-list: the index changes and the pick handler runs.
inline void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

inline void PickText(QComboBox* combo, const QString& text) {
    Pick(combo, combo->findText(text));
}

// Clicks a button of the modal dialog as soon as it is shown.
inline void ClickWhenModal(TfrmSelect& dialog, const char* button) {
    QTimer::singleShot(0, &dialog, [&dialog, button] {
        if (auto* b = dialog.findChild<QPushButton*>(QLatin1String(button))) {
            b->click();
        }
    });
}

// The modal window that opens next (the browser window of an analysis) and
// its page view (WebBrowser1); both null when none opens within the time.
struct ModalBrowser {
    QDialog* dialog = nullptr;
    QObject* view = nullptr;
};
inline ModalBrowser WaitForModalBrowser(int milliseconds = 30000) {
    ModalBrowser found;
    const bool opened = QTest::qWaitFor(
        [&] {
            found.dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            return found.dialog != nullptr;
        },
        milliseconds);
    if (opened) {
        found.view = found.dialog->findChild<QObject*>(QStringLiteral("WebBrowser1"));
    }
    return found;
}

// The view's page title once it starts with `prefix`, or the last title read
// when the time runs out.
inline QString WaitForPageTitle(QObject* view, const QString& prefix, int milliseconds = 30000) {
    QString title;
    (void)QTest::qWaitFor(
        [&] {
            title = view != nullptr ? view->property("title").toString() : QString();
            return title.startsWith(prefix);
        },
        milliseconds);
    return title;
}

inline QStringList Captions(const ResultTableModel& model) {
    QStringList captions;
    for (const ResultRow& row : model.Rows()) {
        captions << QString::fromStdString(row.Caption());
    }
    return captions;
}

}  // namespace lumivane::gui::test
