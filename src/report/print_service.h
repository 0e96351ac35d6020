#pragma once
// The printed name lists. The main window's print controls (btn_Print1,
// btn_Print2 and the list's context item N10) call this interface; the report
// engine supplies the implementation.

#include <QString>
#include <vector>

#include "core/results/result_row.h"

class QWidget;

namespace lumivane::gui {

// A property of the window the lists are printed from: the characters the
// names listed were kept clear of (不用的字), for the lists' page header.
inline constexpr char kAvoidCharactersProperty[] = "avoidCharacters";

class PrintService {
public:
    virtual ~PrintService() = default;
    // btn_Print1: the simple list as the window shows it (the user may have edited it).
    virtual void PrintSimpleList(QWidget* parent, const QString& shownText) = 0;
    // btn_Print2 and N10: the detailed list, in the rows' current order.
    virtual void PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows) = 0;
    // "导出 PDF…" beside each 打印 button: the same reports into a PDF file the
    // user picks. The file written, or an empty text when none was.
    virtual QString ExportSimpleListPdf(QWidget* parent, const QString& shownText) = 0;
    virtual QString ExportDetailedListPdf(QWidget* parent, const std::vector<ResultRow>& rows) = 0;
};

}  // namespace lumivane::gui
