#pragma once
// The print commands of the two result pages: a first pass counts the pages,
// then the modal print preview draws them again with the right total and
// prints through the printer dialog. "导出 PDF…" writes the same report to a
// file the user chooses.

#include <QString>

#include <functional>
#include <vector>

#include "core/results/result_row.h"

class QPrinter;
class QWidget;

namespace lumivane::report {

class NameListReport;

// Receives the status texts: "打印预览中" while the preview is open, "正在打印，
// 请稍候..." only while pages go to the printer, then "已送往打印机" or, when
// nothing was printed, an empty text.
using PrintStatus = std::function<void(const QString& text)>;

// Counts the report's pages and shows the modal preview on a printer set to
// the report's page layout.
void PrintReport(QWidget* parent, NameListReport& report, const PrintStatus& status = {});
// Asks for a file name and writes the report as PDF; the file written, or an
// empty text when the user cancels or the file cannot be written (the reason
// is shown in a message box).
QString ExportReportPdf(QWidget* parent, NameListReport& report, const PrintStatus& status = {});

// The two lists. The simple list is printed from its text as the window shows
// it; the detailed list from its rows in their current order. The page header
// names the characters avoided when the parent's window holds them in its
// kAvoidCharactersProperty.
void PrintSimpleList(QWidget* parent, const QString& memoText, const PrintStatus& status = {});
void PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows,
                       const PrintStatus& status = {});
QString ExportSimpleListPdf(QWidget* parent, const QString& memoText,
                            const PrintStatus& status = {});
QString ExportDetailedListPdf(QWidget* parent, const std::vector<ResultRow>& rows,
                              const PrintStatus& status = {});

}  // namespace lumivane::report
