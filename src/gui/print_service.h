#pragma once
// The printed name lists. The main window's print controls (btn_Print1,
// btn_Print2 and the list's context item N10) call this interface; the report
// engine supplies the implementation.

#include <vector>

#include "core/results/result_row.h"

class QWidget;

namespace lumivane::gui {

class PrintService {
public:
    virtual ~PrintService() = default;
    // btn_Print1: the simple list, in the rows' current order.
    virtual void PrintSimpleList(QWidget* parent, const std::vector<ResultRow>& rows) = 0;
    // btn_Print2 and N10: the detailed list.
    virtual void PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows) = 0;
};

}  // namespace lumivane::gui
