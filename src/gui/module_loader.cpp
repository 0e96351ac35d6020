#include "gui/module_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace lumivane::gui {
namespace {

// Beside the installed program (bin/../lib/lumivane), else in the build tree.
QStringList ModuleCandidates(const QString& fileName) {
    QStringList candidates;
    candidates << QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/lumivane/") +
                      fileName;
#ifdef LUMIVANE_BUILD_MODULE_DIR
    candidates << QStringLiteral(LUMIVANE_BUILD_MODULE_DIR "/") + fileName;
#endif
    return candidates;
}

}  // namespace

bool LoadProgramModule(QLibrary& library, const QString& fileName, const QString& component,
                       QString& error) {
    if (library.isLoaded()) {
        return true;
    }
    QString tried;
    for (const QString& path : ModuleCandidates(fileName)) {
        if (!QFileInfo::exists(path)) {
            tried += QStringLiteral("\n") + path;
            continue;
        }
        library.setFileName(path);
        if (library.load()) {
            return true;
        }
        tried += QStringLiteral("\n") + path + QStringLiteral(": ") + library.errorString();
    }
    error = QStringLiteral("无法载入%1组件。").arg(component) + tried;
    return false;
}

QFunctionPointer ResolveModuleFunction(QLibrary& library, const char* symbol,
                                       const QString& component, QString& error) {
    QFunctionPointer function = library.resolve(symbol);
    if (function == nullptr) {
        error = QStringLiteral("%1组件不完整：").arg(component) + library.fileName();
    }
    return function;
}

}  // namespace lumivane::gui
