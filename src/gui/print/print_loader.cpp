#include "gui/print/print_loader.h"

#include "gui/message_sink.h"
#include "gui/module_loader.h"

namespace lumivane::gui {
namespace {

QString Component() {
    return QStringLiteral("打印");
}

}  // namespace

bool PrintLoader::Load() {
    if (m_service != nullptr) {
        return true;
    }
    if (!LoadProgramModule(m_library, m_moduleFileName, Component(), m_error)) {
        return false;
    }
    auto create = reinterpret_cast<CreateFunction>(
        ResolveModuleFunction(m_library, "LumivaneCreatePrintService", Component(), m_error));
    if (create == nullptr) {
        return false;
    }
    m_service.reset(create());
    if (m_service == nullptr) {
        m_error = QStringLiteral("打印组件未能建立打印服务：") + m_library.fileName();
        return false;
    }
    return true;
}

PrintService* PrintLoader::ServiceOrError(QWidget* parent) {
    if (!Load()) {
        m_messages.Error(parent, m_error);
        return nullptr;
    }
    return m_service.get();
}

void PrintLoader::PrintSimpleList(QWidget* parent, const QString& shownText) {
    if (PrintService* service = ServiceOrError(parent)) {
        service->PrintSimpleList(parent, shownText);
    }
}

void PrintLoader::PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows) {
    if (PrintService* service = ServiceOrError(parent)) {
        service->PrintDetailedList(parent, rows);
    }
}

QString PrintLoader::ExportSimpleListPdf(QWidget* parent, const QString& shownText) {
    PrintService* service = ServiceOrError(parent);
    return service != nullptr ? service->ExportSimpleListPdf(parent, shownText) : QString();
}

QString PrintLoader::ExportDetailedListPdf(QWidget* parent, const std::vector<ResultRow>& rows) {
    PrintService* service = ServiceOrError(parent);
    return service != nullptr ? service->ExportDetailedListPdf(parent, rows) : QString();
}

}  // namespace lumivane::gui
