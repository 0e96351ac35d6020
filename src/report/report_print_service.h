#pragma once
// The main window's print interface served by the report engine; the status
// panel shows the printing text while the preview is open.

#include "report/print_service.h"

namespace lumivane::report {

class ReportPrintService : public gui::PrintService {
public:
    void PrintSimpleList(QWidget* parent, const QString& shownText) override;
    void PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows) override;
    QString ExportSimpleListPdf(QWidget* parent, const QString& shownText) override;
    QString ExportDetailedListPdf(QWidget* parent, const std::vector<ResultRow>& rows) override;
};

}  // namespace lumivane::report
