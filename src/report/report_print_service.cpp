#include "report/report_print_service.h"

#include <QLabel>
#include <QWidget>

#include "report/print_commands.h"

namespace lumivane::report {
namespace {

// Status panel 1 of the window's status bar, StatusBar1.
PrintStatus StatusOf(QWidget* parent) {
    QWidget* window = parent != nullptr ? parent->window() : nullptr;
    QLabel* panel = window != nullptr
                        ? window->findChild<QLabel*>(QStringLiteral("StatusBar1_Panel1"))
                        : nullptr;
    if (panel == nullptr) {
        return {};
    }
    return [panel](const QString& text) {
        panel->setText(text);
        panel->repaint();
    };
}

}  // namespace

void ReportPrintService::PrintSimpleList(QWidget* parent, const QString& shownText) {
    report::PrintSimpleList(parent, shownText, StatusOf(parent));
}

void ReportPrintService::PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows) {
    report::PrintDetailedList(parent, rows, StatusOf(parent));
}

QString ReportPrintService::ExportSimpleListPdf(QWidget* parent, const QString& shownText) {
    return report::ExportSimpleListPdf(parent, shownText, StatusOf(parent));
}

QString ReportPrintService::ExportDetailedListPdf(QWidget* parent,
                                                  const std::vector<ResultRow>& rows) {
    return report::ExportDetailedListPdf(parent, rows, StatusOf(parent));
}

}  // namespace lumivane::report
