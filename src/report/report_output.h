#pragma once
// Drawing a whole report on a paged device (a PDF writer or a printer): the
// first pass counts the pages, the second draws them with the right total.

#include <QString>

class QPagedPaintDevice;

namespace lumivane::report {

class NameListReport;

// Sets the device to the report's page layout, counts, remembers the count in
// the report and draws every page. False with a reason when the device cannot
// be painted on (a file that cannot be written, for one).
[[nodiscard]] bool RenderReport(NameListReport& report, QPagedPaintDevice& device, QString& error);

// The report as a PDF file.
[[nodiscard]] bool WriteReportPdfFile(NameListReport& report, const QString& path, QString& error);

}  // namespace lumivane::report
