#include "report/report_output.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "report/name_list_report.h"

namespace lumivane::report {

bool RenderReport(NameListReport& report, QPagedPaintDevice& device, QString& error) {
    if (!device.setPageLayout(report.PageLayout())) {
        error = QStringLiteral("the device does not take an A4 page with the report's margins");
        return false;
    }
    report.SetTotalPages(report.CountPages());
    QPainter painter;
    if (!painter.begin(&device)) {
        error = QStringLiteral("the output cannot be opened for drawing");
        return false;
    }
    report.Generate(&painter, &device);
    if (!painter.end()) {
        error = QStringLiteral("the output could not be finished");
        return false;
    }
    return true;
}

bool WriteReportPdfFile(NameListReport& report, const QString& path, QString& error) {
    // QPdfWriter opens the file only when painting starts and says nothing
    // when that fails, so the file is tried first to report the reason.
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            error = QStringLiteral("cannot write %1: %2").arg(path, probe.errorString());
            return false;
        }
    }
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("名字列表"));
    writer.setCreator(QStringLiteral("Lumivane"));
    return RenderReport(report, writer, error);
}

}  // namespace lumivane::report
