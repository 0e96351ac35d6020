#include "report/report_output.h"

#include <QBuffer>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <filesystem>
#include <string>

#include "core/platform/file_io.h"
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
    // QPdfWriter writes over the file as it paints and reports no write
    // error, so a full disk would leave a broken file where the old one was:
    // the PDF is made in memory and replaced whole, with the reason of any
    // failure.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("名字列表"));
        writer.setCreator(QStringLiteral("Lumivane"));
        if (!RenderReport(report, writer, error)) {
            return false;
        }
    }
    const QByteArray& bytes = buffer.data();
    const std::string failure = WriteFileAtomically(
        std::filesystem::path(QFile::encodeName(path).toStdString()),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!failure.empty()) {
        error = QString::fromStdString(failure);
        return false;
    }
    return true;
}

}  // namespace lumivane::report
