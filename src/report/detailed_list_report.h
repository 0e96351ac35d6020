#pragma once
// Trp_MainB: the detailed list, thirteen columns, one detail band per row in
// the order the list shows its rows.

#include <QString>

#include <vector>

#include "core/results/report_rows.h"
#include "core/results/result_row.h"
#include "report/name_list_report.h"

namespace lumivane::report {

class Trp_MainB : public NameListReport {
public:
    Trp_MainB();
    // The rows as the list holds them; read in place while the report is
    // generated, so they must stay unchanged until the print command ends.
    void SetRows(const std::vector<ResultRow>* rows) { m_rows = rows; }

protected:
    void QuickRepBeforePrint() override;
    bool QuickRepNeedData() override;
    void QRLabel31Print(QString& value) const;

private:
    const std::vector<ResultRow>* m_rows = nullptr;
    DetailedReportFeed m_feed;
};

}  // namespace lumivane::report
