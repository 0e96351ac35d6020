#include "report/print_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/results/report_rows.h"
#include "report/detailed_list_report.h"
#include "report/print_service.h"
#include "report/report_output.h"
#include "report/simple_list_report.h"

namespace lumivane::report {
namespace {

// Shows the printing text for as long as the command runs, also when it ends early.
class StatusScope {
public:
    explicit StatusScope(const PrintStatus& status) : m_status(status) {
        if (m_status) {
            m_status(QString::fromUtf8(kPrintingStatusText.data(),
                                       static_cast<qsizetype>(kPrintingStatusText.size())));
        }
    }
    ~StatusScope() {
        if (m_status) {
            m_status(QString());
        }
    }
    StatusScope(const StatusScope&) = delete;
    StatusScope& operator=(const StatusScope&) = delete;

private:
    const PrintStatus& m_status;
};

// The layouts place their bands on A4 portrait; turned to landscape the page
// is 87 mm shorter and cuts off the last rows and the footer. The preview
// offers neither the turn nor the page set-up, and every drawing (the preview
// and the printing after the print dialog) starts from the report's layout.
void KeepPortrait(QPrintPreviewDialog& preview) {
    // The actions have no names; their captions are Qt's, translated or not.
    const QStringList captions = {QCoreApplication::translate("QPrintPreviewDialog", "Portrait"),
                                  QCoreApplication::translate("QPrintPreviewDialog", "Landscape"),
                                  QCoreApplication::translate("QPrintPreviewDialog", "Page setup")};
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (captions.contains(action->text())) {
            action->setVisible(false);
            action->setEnabled(false);
        }
    }
}

QString AskPdfPath(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("导出 PDF"), QString(),
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an ending gets ".pdf", before the dialog asks
    // whether to replace a file of that name.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QStringLiteral("名字列表.pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void PrintReport(QWidget* parent, NameListReport& report, const PrintStatus& status) {
    StatusScope scope(status);
    report.SetTotalPages(report.CountPages());

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.PageLayout());
    QPrintPreviewDialog preview(&printer, parent);
    KeepPortrait(preview);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&report](QPrinter* target) {
        target->setPageLayout(report.PageLayout());
        QPainter painter;
        if (painter.begin(target)) {
            report.Generate(&painter, target);
            painter.end();
        }
    });
    preview.exec();
}

bool ExportReportPdf(QWidget* parent, NameListReport& report, const PrintStatus& status) {
    const QString path = AskPdfPath(parent);
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    bool written = false;
    {
        StatusScope scope(status);
        written = WriteReportPdfFile(report, path, error);
    }
    if (!written) {
        QMessageBox::warning(parent, QStringLiteral("导出 PDF"), error);
    }
    return written;
}

namespace {

QString AvoidTextOf(QWidget* parent) {
    QWidget* window = parent != nullptr ? parent->window() : nullptr;
    return window != nullptr ? window->property(gui::kAvoidCharactersProperty).toString()
                             : QString();
}

}  // namespace

void PrintSimpleList(QWidget* parent, const QString& memoText, const PrintStatus& status) {
    Trp_MainA report;
    report.SetMemoText(memoText);
    report.SetAvoidText(AvoidTextOf(parent));
    PrintReport(parent, report, status);
}

void PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows,
                       const PrintStatus& status) {
    Trp_MainB report;
    report.SetRows(&rows);
    report.SetAvoidText(AvoidTextOf(parent));
    PrintReport(parent, report, status);
}

bool ExportSimpleListPdf(QWidget* parent, const QString& memoText, const PrintStatus& status) {
    Trp_MainA report;
    report.SetMemoText(memoText);
    report.SetAvoidText(AvoidTextOf(parent));
    return ExportReportPdf(parent, report, status);
}

bool ExportDetailedListPdf(QWidget* parent, const std::vector<ResultRow>& rows,
                           const PrintStatus& status) {
    Trp_MainB report;
    report.SetRows(&rows);
    report.SetAvoidText(AvoidTextOf(parent));
    return ExportReportPdf(parent, report, status);
}

}  // namespace lumivane::report
