#include "report/print_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "core/results/report_rows.h"
#include "report/detailed_list_report.h"
#include "report/print_service.h"
#include "report/report_output.h"
#include "report/simple_list_report.h"

namespace lumivane::report {
namespace {

// The status while the preview is open, after the pages went to the printer,
// and while a PDF file is written; "正在打印" is for printing only.
constexpr std::string_view kPreviewStatusText = "打印预览中";
constexpr std::string_view kPrintedStatusText = "已送往打印机";
constexpr std::string_view kExportingStatusText = "正在导出 PDF， 请稍候...";

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Shows a text for as long as a command runs, then an empty one, also when it ends early.
class StatusScope {
public:
    StatusScope(const PrintStatus& status, const QString& text) : m_status(status) {
        if (m_status) {
            m_status(text);
        }
    }
    ~StatusScope() {
        if (m_status) {
            m_status(m_after);
        }
    }
    StatusScope(const StatusScope&) = delete;
    StatusScope& operator=(const StatusScope&) = delete;
    void SetTextAfter(const QString& text) { m_after = text; }

private:
    const PrintStatus& m_status;
    QString m_after;
};

// The preview draws its pages through a paint engine of its own (a picture
// recorder); the printer's own engine means the pages go to the printer.
bool DrawsForPreview(QPrinter* printer) {
    const QPaintEngine* engine = printer->paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Picture;
}

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
    // The user's documents (else home) at first, then the folder last chosen:
    // never the folder the program happened to be started from.
    static QString lastFolder;
    QString folder = lastFolder;
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists()) {
            folder = QDir::homePath();
        }
    }
    QFileDialog dialog(parent, QStringLiteral("导出 PDF"), folder, QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an ending gets ".pdf", before the dialog asks
    // whether to replace a file of that name.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QStringLiteral("名字列表.pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(path).absolutePath();
    return path;
}

}  // namespace

void PrintReport(QWidget* parent, NameListReport& report, const PrintStatus& status) {
    StatusScope scope(status, Utf8(kPreviewStatusText));
    report.SetTotalPages(report.CountPages());

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.PageLayout());
    QPrintPreviewDialog preview(&printer, parent);
    KeepPortrait(preview);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&report, &status, &scope](QPrinter* target) {
                         const bool printing = !DrawsForPreview(target);
                         if (printing && status) {
                             status(Utf8(kPrintingStatusText));
                         }
                         target->setPageLayout(report.PageLayout());
                         QPainter painter;
                         if (painter.begin(target)) {
                             report.Generate(&painter, target);
                             painter.end();
                         }
                         if (printing) {
                             scope.SetTextAfter(Utf8(kPrintedStatusText));
                             if (status) {
                                 status(Utf8(kPrintedStatusText));
                             }
                         }
                     });
    preview.exec();
}

QString ExportReportPdf(QWidget* parent, NameListReport& report, const PrintStatus& status) {
    const QString path = AskPdfPath(parent);
    if (path.isEmpty()) {
        return {};
    }
    QString error;
    bool written = false;
    {
        StatusScope scope(status, Utf8(kExportingStatusText));
        written = WriteReportPdfFile(report, path, error);
    }
    if (!written) {
        QMessageBox::warning(parent, QStringLiteral("导出 PDF"), error);
        return {};
    }
    return path;
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

QString ExportSimpleListPdf(QWidget* parent, const QString& memoText, const PrintStatus& status) {
    Trp_MainA report;
    report.SetMemoText(memoText);
    report.SetAvoidText(AvoidTextOf(parent));
    return ExportReportPdf(parent, report, status);
}

QString ExportDetailedListPdf(QWidget* parent, const std::vector<ResultRow>& rows,
                              const PrintStatus& status) {
    Trp_MainB report;
    report.SetRows(&rows);
    report.SetAvoidText(AvoidTextOf(parent));
    return ExportReportPdf(parent, report, status);
}

}  // namespace lumivane::report
