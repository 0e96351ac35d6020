#include "report/detailed_list_report.h"

#include "report/report_fonts.h"

namespace lumivane::report {
namespace {

enum FooterLabel { kQRLabel30, kQRLabel31 };
constexpr double kRowHeightMm = 5.0;
constexpr double kVerseRowHeightMm = 9.2;

const std::vector<ResultRow>& NoRows() {
    static const std::vector<ResultRow> none;
    return none;
}

}  // namespace

Trp_MainB::Trp_MainB() {
    m_margins = {8, 8, 5, 5};
    const QFont reportFont = ReportFont(kSongFace, 9);

    BuildPageHeader(reportFont, 77.8);

    m_columnHeader.heightMm = 5.3;
    m_columnHeader.ruleTop = true;
    m_columnHeader.ruleBottom = true;
    m_detail.heightMm = kRowHeightMm;
    for (const DetailedReportColumn& column : DetailedReportColumns) {
        QString caption =
            QString::fromUtf8(column.caption.data(), static_cast<qsizetype>(column.caption.size()));
        ReportLabel captionLabel;
        captionLabel.text = caption;
        captionLabel.font = reportFont;
        captionLabel.leftMm = column.leftMm;
        captionLabel.topMm = 1.1;
        m_columnHeader.labels.push_back(captionLabel);

        ReportLabel value = captionLabel;
        value.text.clear();
        value.topMm = 0.9;
        if (column.centred) {
            value.placing = ReportLabel::Placing::CentredOnBox;
            value.boxText = caption;
        }
        m_detail.labels.push_back(value);
    }

    // A name from verse prints its line under its values, from the name's place.
    ReportLabel verse = m_detail.labels[1];
    verse.topMm = 5.0;
    verse.placing = ReportLabel::Placing::Left;
    verse.boxText.clear();
    m_detail.labels.push_back(verse);
    m_pageFooter.heightMm = 7.9;
    m_pageFooter.ruleTop = true;
    ReportLabel time;  // QRLabel30
    time.font = reportFont;
    time.leftMm = 1.6;
    time.topMm = 2.2;
    ReportLabel page = time;  // QRLabel31
    page.leftMm = 167.2;
    page.onPrint = [this](QString& value) { QRLabel31Print(value); };
    m_pageFooter.labels = {time, page};
}

void Trp_MainB::QuickRepBeforePrint() {
    m_feed.BeforePrint(m_rows != nullptr ? *m_rows : NoRows());
    m_detail.heightMm = m_feed.HasVerses() ? kVerseRowHeightMm : kRowHeightMm;
    m_pageFooter.labels[kQRLabel30].text = FooterTimeText();
}

bool Trp_MainB::QuickRepNeedData() {
    std::array<std::string, kDetailedReportColumnCount> values;
    std::string verse;
    if (!m_feed.NeedData(values, &verse)) {
        return false;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        m_detail.labels[i].text = QString::fromStdString(values[i]);
    }
    m_detail.labels[values.size()].text = QString::fromStdString(verse);  // short form
    return true;
}

void Trp_MainB::QRLabel31Print(QString& value) const {
    value = PageNumberLabelText();
}

}  // namespace lumivane::report
