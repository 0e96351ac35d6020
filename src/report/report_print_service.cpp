#include "report/report_print_service.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "core/results/result_list.h"
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

void ReportPrintService::PrintSimpleList(QWidget* parent, const std::vector<ResultRow>& rows) {
    QWidget* window = parent != nullptr ? parent->window() : nullptr;
    auto* memo = window != nullptr
                     ? window->findChild<QPlainTextEdit*>(QStringLiteral("mmo_NameList"))
                     : nullptr;
    QString text = memo != nullptr ? memo->toPlainText()
                                   : QString::fromStdString(RebuildNameMemo(rows, rows.size()));
    report::PrintSimpleList(parent, text, StatusOf(parent));
}

void ReportPrintService::PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows) {
    report::PrintDetailedList(parent, rows, StatusOf(parent));
}

}  // namespace lumivane::report
