#pragma once
// What the two printed name lists share: the page header with the title and
// the maker's address, the print time and page number of the footer, and the
// total page count the print command remembers between its two passes.

#include <QDateTime>
#include <QString>

#include <functional>

#include "report/report_engine.h"

namespace lumivane::report {

class NameListReport : public BandedReport {
public:
    using Clock = std::function<QDateTime()>;

    // The count of the first pass, printed after the slash of every page number.
    void SetTotalPages(int totalPages) { m_totalPages = totalPages; }
    [[nodiscard]] int TotalPages() const { return m_totalPages; }
    // The source of the print time; the local clock unless replaced.
    void SetClock(Clock clock) { m_clock = std::move(clock); }
    // The characters the listed names were kept clear of: shown on a line of
    // the page header, "不用的字：佳子", when not empty.
    void SetAvoidText(const QString& characters);

protected:
    // The page header of both layouts; the address follows the line of text at
    // addressLeftMm, which differs because the report fonts differ.
    void BuildPageHeader(const QFont& reportFont, double addressLeftMm);
    // "打印时间：" and the current local time in the platform's short date and
    // long time form.
    [[nodiscard]] QString FooterTimeText() const;
    // "页码：n/N" for the page being generated.
    [[nodiscard]] QString PageNumberLabelText() const;

private:
    int m_totalPages = 0;
    bool m_avoidShown = false;
    Clock m_clock = [] { return QDateTime::currentDateTime(); };
};

}  // namespace lumivane::report
