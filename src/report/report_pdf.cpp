#include "report/report_pdf.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

#include "report/detailed_list_report.h"
#include "report/report_output.h"
#include "report/simple_list_report.h"

namespace lumivane {
namespace {

// The application object lives as long as the call; argc and argv must
// outlive it.
int g_argc = 3;
char g_program[] = "lumivane-cli";
char g_platformOption[] = "-platform";
char g_platform[] = "offscreen";
char* g_argv[] = {g_program, g_platformOption, g_platform, nullptr};

}  // namespace

bool WriteReportPdf(const std::string& path, ReportLayout layout, const std::string& memoText,
                    const std::vector<ResultRow>& rows, std::string& error) {
    std::unique_ptr<QGuiApplication> ownApplication;
    if (QCoreApplication::instance() == nullptr) {
        g_argc = 3;
        ownApplication = std::make_unique<QGuiApplication>(g_argc, g_argv);
    } else if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        error = "fonts cannot be used without a GUI application object";
        return false;
    }

    QString failure;
    bool written = false;
    const QString file = QString::fromStdString(path);
    if (layout == ReportLayout::Simple) {
        report::Trp_MainA report;
        report.SetMemoText(QString::fromStdString(memoText));
        written = report::WriteReportPdfFile(report, file, failure);
    } else {
        report::Trp_MainB report;
        report.SetRows(&rows);
        written = report::WriteReportPdfFile(report, file, failure);
    }
    if (!written) {
        error = failure.toStdString();
    }
    return written;
}

}  // namespace lumivane
