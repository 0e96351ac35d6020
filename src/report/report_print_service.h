#pragma once
// The main window's print interface served by the report engine. The simple
// list is printed from the text the window shows, which the user may have
// edited, not rebuilt from the rows; the status panel shows the printing text
// while the preview is open.

#include "gui/print_service.h"

namespace lumivane::report {

class ReportPrintService : public gui::PrintService {
public:
    // The simple list's text is read from the window's mmo_NameList; only a
    // window without one prints the list rebuilt from the rows.
    void PrintSimpleList(QWidget* parent, const std::vector<ResultRow>& rows) override;
    void PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows) override;
};

}  // namespace lumivane::report
