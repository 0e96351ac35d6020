#include "gui/web/web_engine_setup.h"

#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <cstring>

namespace lumivane::gui {
namespace {

void AddChromiumFlag(QByteArray& flags, const QByteArray& flag) {
    if (!flags.split(' ').contains(flag)) {
        flags = flags.isEmpty() ? flag : flags + ' ' + flag;
    }
}

bool OffscreenPlatform(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return QByteArray(argv[i + 1]).startsWith("offscreen");
        }
    }
    return qgetenv("QT_QPA_PLATFORM").startsWith("offscreen");
}

}  // namespace

void PrepareWebEngine(int argc, char** argv) {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").trimmed();
    const QByteArray before = flags;
    if (geteuid() == 0) {
        AddChromiumFlag(flags, "--no-sandbox");
    }
    if (OffscreenPlatform(argc, argv)) {
        AddChromiumFlag(flags, "--disable-gpu");
    }
    if (flags != before) {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    }
    // The web view shares OpenGL contexts with the widgets; this must be said
    // before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace lumivane::gui
