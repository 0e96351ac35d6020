#include "report/simple_list_report.h"

#include "report/report_fonts.h"

namespace lumivane::report {
namespace {

enum FooterLabel { kQRLabel5, kQRLabel6 };

}  // namespace

Trp_MainA::Trp_MainA() {
    m_margins = {10, 10, 10, 10};
    const QFont reportFont = ReportFont(kSongFace, 10);

    BuildPageHeader(reportFont, 80.7);
    m_pageHeader.ruleBottom = true;

    m_detail.heightMm = 5.6;
    ReportLabel line;  // QRLabel3
    line.font = reportFont;
    line.leftMm = 2.1;
    line.topMm = 1.0;
    m_detail.labels.push_back(line);

    m_pageFooter.heightMm = 6.9;
    m_pageFooter.ruleTop = true;
    ReportLabel time;  // QRLabel5
    time.font = reportFont;
    time.leftMm = 2.1;
    time.topMm = 1.8;
    ReportLabel page = time;  // QRLabel6
    page.leftMm = 156.6;
    page.onPrint = [this](QString& value) { QRLabel6Print(value); };
    m_pageFooter.labels = {time, page};
}

void Trp_MainA::QuickRepBeforePrint() {
    m_feed.BeforePrint(m_memoText.toStdString());
    m_pageFooter.labels[kQRLabel5].text = FooterTimeText();
}

bool Trp_MainA::QuickRepNeedData() {
    std::string text;
    if (!m_feed.NeedData(text)) {
        return false;
    }
    m_detail.labels[0].text = QString::fromStdString(text);
    return true;
}

void Trp_MainA::QRLabel6Print(QString& value) const {
    value = PageNumberLabelText();
}

}  // namespace lumivane::report
