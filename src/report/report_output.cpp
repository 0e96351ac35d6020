#include "report/report_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "core/platform/system_error.h"
#include "report/name_list_report.h"

namespace lumivane::report {

bool RenderReport(NameListReport& report, QPagedPaintDevice& device, QString& error) {
    if (!device.setPageLayout(report.PageLayout())) {
        error = QStringLiteral("输出设备不能按报表的页边距使用 A4 纸");
        return false;
    }
    report.SetTotalPages(report.CountPages());
    QPainter painter;
    if (!painter.begin(&device)) {
        error = QStringLiteral("无法开始输出");
        return false;
    }
    report.Generate(&painter, &device);
    if (!painter.end()) {
        error = QStringLiteral("输出未能完成");
        return false;
    }
    return true;
}

bool WriteReportPdfFile(NameListReport& report, const QString& path, QString& error) {
    // QPdfWriter opens the file only when painting starts and says nothing
    // when that fails, so the file is tried first to report the reason.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int reason = errno;
        error = QStringLiteral("无法写入文件 %1：%2")
                    .arg(path, QString::fromStdString(SystemErrorText(reason)));
        return false;
    }
    ::close(fd);
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("名字列表"));
    writer.setCreator(QStringLiteral("Lumivane"));
    return RenderReport(report, writer, error);
}

}  // namespace lumivane::report
