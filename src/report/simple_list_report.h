#pragma once
// Trp_MainA: the simple list, one detail band per line of its text.

#include <QString>

#include "core/results/report_rows.h"
#include "report/name_list_report.h"

namespace lumivane::report {

class Trp_MainA : public NameListReport {
public:
    Trp_MainA();
    // The simple list's text as the window shows it (the user may have edited it).
    void SetMemoText(const QString& text) { m_memoText = text; }
    // The size the lines print in: 10 pt, or less where the widest line would
    // not fit the band (set by each generation).
    [[nodiscard]] double DetailPointSize() const;

protected:
    void QuickRepBeforePrint() override;
    bool QuickRepNeedData() override;
    void QRLabel6Print(QString& value) const;
    void FitDetailFont();

private:
    QString m_memoText;
    SimpleReportFeed m_feed;
};

}  // namespace lumivane::report
