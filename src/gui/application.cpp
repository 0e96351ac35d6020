#include "gui/application.h"

#include <malloc.h>

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include "gui/app_style.h"
#include "gui/font_configuration.h"
#include "gui/gui_fonts.h"
#include "gui/gui_icons.h"
#include "gui/message_sink.h"
#include "gui/single_instance.h"
#include "gui/web/web_engine_setup.h"

namespace lumivane::gui {

void InstallChineseTranslations() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || app->property("lumivaneTranslations").toBool()) {
        return;
    }
    app->setProperty("lumivaneTranslations", true);
    // Chinese whatever the desktop's language, as every text of the program
    // is: the web view takes the language of its error pages from the default
    // locale when it starts.
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Qt's own texts (确定, 取消, the edit menu, the print dialog and preview)
    // and the web view's (its context menu). A catalogue that is not installed
    // leaves those texts in English; the loading is a mapping of the file.
    for (const char* catalogue : {"qtbase", "qtwebengine"}) {
        auto* translator = new QTranslator(app);
        if (translator->load(chinese, QLatin1String(catalogue), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
        }
    }
}

void PrepareApplication() {
    InstallChineseTranslations();
    // The task-bar title; the main window's caption is its own.
    QApplication::setApplicationName(QStringLiteral("澜庭取名软件"));
    InstallAppStyle();
    InstallFontSubstitutions();
    QApplication::setFont(SongFont(12));
    // The installed icon, where the package put it into the icon theme.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("lumivane")));
    SelectIconTheme();
}

ApplicationWindows::ApplicationWindows(NamingState& state, const Clock& clock,
                                       MessageSink& messages)
    : m_main(state, clock, messages),
      m_print(messages),
      m_browser(&m_main),
      m_servicesState(m_main, clock) {
    m_main.SetFilterDialogFactory([this, &messages] {
        m_select = std::make_unique<TfrmSelect>(messages, &m_main);
        return m_select.get();
    });
    m_main.SetPrintService(&m_print);
    OnlineServices* services = ConnectOnlineServices(
        &m_main, m_servicesState, [this, &messages](const std::string& address) {
            if (!m_browser.OpenWebPage(address)) {
                messages.Error(&m_main, m_browser.Error());
            }
        });
    QObject::connect(&m_main, &TfrmMain::nameAnalysisRequested, services,
                     &OnlineServices::listview_ResultDblClick);
}

namespace {

// Tells the hook about the main window's first paint, once the paint is over.
class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(TfrmMain& main, FirstShownHook hook)
        : QObject(&main), m_main(main), m_hook(std::move(hook)) {
        main.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_main && event->type() == QEvent::Paint) {
            m_main.removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { m_hook(m_main); });
        }
        return false;
    }

private:
    TfrmMain& m_main;
    FirstShownHook m_hook;
};

}  // namespace

int RunProgram(int argc, char** argv, const FirstShownHook& firstShown) {
    // Every font face loaded copies a 400 KB table of its bitmap sizes and
    // frees it again; served from the heap and kept there, the copies reuse one
    // block instead of fresh pages from the system each time, which start-up
    // pays for page by page.
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 8 << 20);
    BeginReadingFontConfiguration();
    // Lets the desktop match the windows with the installed desktop entry
    // (packaging/example.velisora.Lumivane.desktop): its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velisora.Lumivane"));
    // Chromium's switches must be in place before the application object exists.
    PrepareWebEngine(argc, argv);
    const int status = RunApplication(argc, argv, firstShown);
    FinishReadingFontConfiguration();  // when another copy answered first
    return status;
}

int RunApplication(int argc, char** argv, const FirstShownHook& firstShown) {
    QApplication app(argc, argv);
    SingleInstance instance;
    if (instance.NotifyRunningCopy()) {
        return 0;
    }
    // Without the socket the program still works; only a second start would
    // open a second copy.
    instance.Listen();
    PrepareApplication();
    PrepareIconLookup();

    NamingState state;
    SystemClock clock;
    ApplicationWindows windows(state, clock, DefaultMessageSink());
    TfrmMain& main = windows.Main();
    QObject::connect(&instance, &SingleInstance::restoreRequested, &main,
                     &TfrmMain::RestoreInstance);

    if (firstShown) {
        new FirstPaintWatcher(main, firstShown);
    }
    main.RestoreWindowPlacement();
    main.show();
    return app.exec();
}

}  // namespace lumivane::gui
