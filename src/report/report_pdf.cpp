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
int g_argc = 1;
char g_program[] = "lumivane-cli";
char* g_argv[] = {g_program, nullptr};

// A GUI application on the offscreen platform, whatever the environment asks
// for: the command line never opens a window and must run without a display.
std::unique_ptr<QGuiApplication> OffscreenApplication() {
    const char* variable = "QT_QPA_PLATFORM";
    const bool hadPlatform = qEnvironmentVariableIsSet(variable);
    const QByteArray platform = qgetenv(variable);
    qputenv(variable, "offscreen");
    g_argc = 1;
    auto application = std::make_unique<QGuiApplication>(g_argc, g_argv);
    if (hadPlatform) {
        qputenv(variable, platform);
    } else {
        qunsetenv(variable);
    }
    return application;
}

}  // namespace

bool WriteReportPdf(const std::string& path, ReportLayout layout, const std::string& memoText,
                    const std::vector<ResultRow>& rows, std::string& error,
                    const std::string& avoidText) {
    std::unique_ptr<QGuiApplication> ownApplication;
    if (QCoreApplication::instance() == nullptr) {
        ownApplication = OffscreenApplication();
    } else if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        error = "没有图形界面程序对象，无法使用字体";
        return false;
    }

    QString failure;
    bool written = false;
    const QString file = QString::fromStdString(path);
    if (layout == ReportLayout::Simple) {
        report::Trp_MainA report;
        report.SetMemoText(QString::fromStdString(memoText));
        report.SetAvoidText(QString::fromStdString(avoidText));
        written = report::WriteReportPdfFile(report, file, failure);
    } else {
        report::Trp_MainB report;
        report.SetRows(&rows);
        report.SetAvoidText(QString::fromStdString(avoidText));
        written = report::WriteReportPdfFile(report, file, failure);
    }
    if (!written) {
        error = failure.toStdString();
    }
    return written;
}

}  // namespace lumivane
