#include "report/print_commands.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/results/report_rows.h"
#include "report/detailed_list_report.h"
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

}  // namespace

void PrintReport(QWidget* parent, NameListReport& report, const PrintStatus& status) {
    StatusScope scope(status);
    report.SetTotalPages(report.CountPages());

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.PageLayout());
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&report](QPrinter* target) {
        QPainter painter;
        if (painter.begin(target)) {
            report.Generate(&painter, target);
            painter.end();
        }
    });
    preview.exec();
}

bool ExportReportPdf(QWidget* parent, NameListReport& report, const PrintStatus& status) {
    QString path =
        QFileDialog::getSaveFileName(parent, QStringLiteral("导出 PDF"),
                                     QStringLiteral("名字列表.pdf"), QStringLiteral("PDF (*.pdf)"));
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

void PrintSimpleList(QWidget* parent, const QString& memoText, const PrintStatus& status) {
    Trp_MainA report;
    report.SetMemoText(memoText);
    PrintReport(parent, report, status);
}

void PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows,
                       const PrintStatus& status) {
    Trp_MainB report;
    report.SetRows(&rows);
    PrintReport(parent, report, status);
}

bool ExportSimpleListPdf(QWidget* parent, const QString& memoText, const PrintStatus& status) {
    Trp_MainA report;
    report.SetMemoText(memoText);
    return ExportReportPdf(parent, report, status);
}

bool ExportDetailedListPdf(QWidget* parent, const std::vector<ResultRow>& rows,
                           const PrintStatus& status) {
    Trp_MainB report;
    report.SetRows(&rows);
    return ExportReportPdf(parent, report, status);
}

}  // namespace lumivane::report
