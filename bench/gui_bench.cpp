// Start-up of the main window against a bare Qt Widgets window in the same run,
// and a click on "简单起名" until every row is in the list and painted.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include "core/naming/naming_state.h"
#include "core/platform/clock.h"
#include "gui/application.h"
#include "gui/main_window.h"
#include "gui/message_sink.h"
#include "gui/result_table_model.h"

namespace {

// Whole process starts, library loading included: from fork until the probe
// reports its window's first paint (nullopt when it did not). Tearing the
// probe down is not timed; a user does not wait for it.
std::optional<double> StartProbe(const char* path) {
    static QTemporaryDir home;
    static QTemporaryDir runtime;  // each probe's single-copy socket
    int shown[2];
    if (pipe2(shown, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_DATA_HOME", home.path().toUtf8().constData(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.path().toUtf8().constData(), 1);
        dup2(shown[1], 3);
        setenv("LUMIVANE_PROBE_FD", "3", 1);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        execl(path, path, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(shown[1]);
    char byte = 0;
    const bool reported = read(shown[0], &byte, 1) == 1;
    const auto end = std::chrono::steady_clock::now();
    close(shown[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!reported || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return std::chrono::duration<double>(end - start).count();
}

void RunProcess(benchmark::State& state, const char* path) {
    for (auto _ : state) {
        const std::optional<double> seconds = StartProbe(path);
        if (!seconds) {
            state.SkipWithError("the probe did not show its window");
            break;
        }
        state.SetIterationTime(*seconds);
    }
}

void BM_ProcessStartBareWindow(benchmark::State& state) {
    RunProcess(state, LUMIVANE_PROBE_BARE);
}
BENCHMARK(BM_ProcessStartBareWindow)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ProcessStartLumivane(benchmark::State& state) {
    RunProcess(state, LUMIVANE_PROBE_MAIN);
}
BENCHMARK(BM_ProcessStartLumivane)->Unit(benchmark::kMillisecond)->UseManualTime();

// Both starts taken in turn, so a machine that gets busier or quieter during
// the run moves both alike. The time is the probe's; the counters give the
// medians and their ratio.
void StartsAgainstBareWindow(benchmark::State& state, const char* probe, const char* counter) {
    std::vector<double> bare;
    std::vector<double> other;
    for (auto _ : state) {
        const std::optional<double> b = StartProbe(LUMIVANE_PROBE_BARE);
        const std::optional<double> o = StartProbe(probe);
        if (!b || !o) {
            state.SkipWithError("a probe did not show its window");
            return;
        }
        bare.push_back(*b);
        other.push_back(*o);
        state.SetIterationTime(*o);
    }
    auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    const double bareMs = median(bare) * 1000.0;
    const double otherMs = median(other) * 1000.0;
    state.counters["bare_ms"] = bareMs;
    state.counters[counter] = otherMs;
    state.counters["ratio"] = otherMs / bareMs;
}

// Goal: ratio ≤ 2 (1.5 wanted): Lumivane's first paint within twice a bare
// window's, measured on an idle machine.
void BM_ProcessStartAgainstBareWindow(benchmark::State& state) {
    StartsAgainstBareWindow(state, LUMIVANE_PROBE_MAIN, "lumivane_ms");
}
BENCHMARK(BM_ProcessStartAgainstBareWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(15);

// Not a goal: the bare window drawing one line of Chinese in the main
// window's face shows how much of the ratio above any program that shows
// Chinese pays.
void BM_ProcessStartChineseLineAgainstBareWindow(benchmark::State& state) {
    StartsAgainstBareWindow(state, LUMIVANE_PROBE_CHINESE, "chinese_ms");
}
BENCHMARK(BM_ProcessStartChineseLineAgainstBareWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(15);

using namespace lumivane;
using namespace lumivane::gui;

class SilentSink final : public MessageSink {
public:
    void Information(QWidget*, const QString&) override {}
    void Error(QWidget*, const QString&) override {}
};

QApplication& App() {
    static int argc = 1;
    static char name[] = "gui_bench";
    static char* argv[] = {name, nullptr};
    static QTemporaryDir* home = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        auto* dir = new QTemporaryDir;
        qputenv("XDG_DATA_HOME", dir->path().toUtf8());
        return dir;
    }();
    (void)home;
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        PrepareApplication();
        return a;
    }();
    return *app;
}

void WaitShown(QWidget& window) {
    window.show();
    while (!window.isVisible()) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
}

void BM_StartBareWindow(benchmark::State& state) {
    App();
    for (auto _ : state) {
        QWidget window;
        window.resize(780, 577);
        WaitShown(window);
        benchmark::DoNotOptimize(window.winId());
    }
}
BENCHMARK(BM_StartBareWindow)->Unit(benchmark::kMillisecond);

void BM_StartMainWindow(benchmark::State& state) {
    App();
    SilentSink sink;
    FixedClock clock({2024, 5, 20, 10, 0, 0});
    for (auto _ : state) {
        NamingState naming(RandomSource(7));
        ApplicationWindows windows(naming, clock, sink);
        WaitShown(windows.Main());
        benchmark::DoNotOptimize(windows.Main().winId());
    }
}
BENCHMARK(BM_StartMainWindow)->Unit(benchmark::kMillisecond);

// Goal: ≤ 16 ms (one frame) from the click until the rows are painted.
void BM_SimpleNamingClickToRows(benchmark::State& state) {
    App();
    SilentSink sink;
    FixedClock clock({2024, 5, 20, 10, 0, 0});
    NamingState naming(RandomSource(7));
    ApplicationWindows windows(naming, clock, sink);
    TfrmMain& main = windows.Main();
    WaitShown(main);
    main.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"))->setText(QStringLiteral("王"));
    main.findChild<QComboBox*>(QStringLiteral("cmb_NameLength"))->setCurrentIndex(1);
    auto* button = main.findChild<QPushButton*>(QStringLiteral("btn_CreateName"));
    for (auto _ : state) {
        button->click();
        main.repaint();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(main.ResultModel()->rowCount());
    }
    state.counters["rows"] = main.ResultModel()->rowCount();
}
BENCHMARK(BM_SimpleNamingClickToRows)->Unit(benchmark::kMillisecond);

}  // namespace
