#include "report/simple_list_report.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>

#include "report/report_fonts.h"

namespace lumivane::report {
namespace {

enum FooterLabel { kQRLabel5, kQRLabel6 };

constexpr int kReportPointSize = 10;
// Below this the names stop being comfortable to read on paper; a line the
// user typed longer than that may still run off.
constexpr double kSmallestPointSize = 6.5;
constexpr double kPointStep = 0.5;
// Measured at the PDF writer's resolution, with a little room for the
// rounding of other devices (the preview, a printer).
constexpr double kMeasureDpi = 1200;
constexpr double kFitShare = 0.985;

// The widest of the texts in millimetres, trailing blanks left out (they
// print nothing).
double WidestMm(const QFont& font, const std::vector<QString>& texts) {
    QImage device(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = static_cast<int>(kMeasureDpi / 0.0254 + 0.5);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    const QFontMetricsF metrics(font, &device);
    double widest = 0;
    for (QString text : texts) {
        while (!text.isEmpty() && text.back().isSpace()) {
            text.chop(1);
        }
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    return widest / kMeasureDpi * 25.4;
}

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
    FitDetailFont();
}

void Trp_MainA::FitDetailFont() {
    // Ten names of a two-character family name, with their doubled blanks,
    // need some 229 mm at 10 pt: the whole list prints in one smaller size so
    // that every line fits and the names keep their columns.
    std::vector<QString> texts;
    SimpleReportFeed lines = m_feed;
    for (std::string text; lines.NeedData(text);) {
        texts.push_back(QString::fromStdString(text));
    }
    ReportLabel& label = m_detail.labels[0];
    const double room =
        (kA4WidthMm - m_margins.leftMm - m_margins.rightMm - label.leftMm) * kFitShare;
    QFont font = ReportFont(kSongFace, kReportPointSize);
    for (double size = kReportPointSize; size > kSmallestPointSize && WidestMm(font, texts) > room;
         size -= kPointStep) {
        font.setPointSizeF(size - kPointStep);
    }
    label.font = font;
}

double Trp_MainA::DetailPointSize() const {
    return m_detail.labels[0].font.pointSizeF();
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
