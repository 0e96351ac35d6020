#include "report/report_engine.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace lumivane::report {
namespace {

// Band heights are given to a tenth of a millimetre; the tolerance keeps a
// page that fills exactly from losing its last row to rounding.
constexpr double kFitToleranceMm = 1e-6;
constexpr double kRuleWidthMm = 0.2;

}  // namespace

QPageLayout BandedReport::PageLayout() const {
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(m_margins.leftMm, m_margins.topMm, m_margins.rightMm, m_margins.bottomMm),
        QPageLayout::Millimeter);
}

double BandedReport::BandWidthMm() const {
    return kA4WidthMm - m_margins.leftMm - m_margins.rightMm;
}

double BandedReport::BandHeightMm() const {
    return kA4HeightMm - m_margins.topMm - m_margins.bottomMm;
}

int BandedReport::RowsPerPage() const {
    double room =
        BandHeightMm() - m_pageHeader.heightMm - m_columnHeader.heightMm - m_pageFooter.heightMm;
    if (m_detail.heightMm <= 0) {
        return 0;
    }
    return static_cast<int>((room + kFitToleranceMm) / m_detail.heightMm);
}

int BandedReport::Generate(QPainter* painter, QPagedPaintDevice* device) {
    if (painter != nullptr && device != nullptr) {
        m_pixelsPerMm = device->logicalDpiX() / 25.4;
    } else {
        painter = nullptr;
        device = nullptr;
    }
    const double footerTop = BandHeightMm() - m_pageFooter.heightMm;
    const double detailTop = m_pageHeader.heightMm + m_columnHeader.heightMm;

    m_pageNumber = 1;
    auto beginPage = [&] {
        PrintBand(painter, m_pageHeader, 0);
        PrintBand(painter, m_columnHeader, m_pageHeader.heightMm);
    };
    auto endPage = [&] { PrintBand(painter, m_pageFooter, footerTop); };

    QuickRepBeforePrint();
    beginPage();
    double y = detailTop;
    bool pageHasRows = false;
    while (QuickRepNeedData()) {
        // A row that cannot fit starts a new page, but a page always takes at
        // least one row so that an oversized band cannot loop forever.
        if (pageHasRows && y + m_detail.heightMm > footerTop + kFitToleranceMm) {
            endPage();
            if (device != nullptr) {
                device->newPage();
            }
            ++m_pageNumber;
            beginPage();
            y = detailTop;
        }
        PrintBand(painter, m_detail, y);
        y += m_detail.heightMm;
        pageHasRows = true;
    }
    endPage();
    return m_pageNumber;
}

void BandedReport::PrintBand(QPainter* painter, ReportBand& band, double topMm) {
    if (band.heightMm <= 0) {
        return;
    }
    const double k = m_pixelsPerMm;
    if (painter != nullptr) {
        painter->save();
        QPen pen(Qt::black);
        pen.setWidthF(kRuleWidthMm * k);
        painter->setPen(pen);
        if (band.ruleTop) {
            painter->drawLine(QPointF(0, topMm * k), QPointF(BandWidthMm() * k, topMm * k));
        }
        if (band.ruleBottom) {
            double bottom = (topMm + band.heightMm) * k;
            painter->drawLine(QPointF(0, bottom), QPointF(BandWidthMm() * k, bottom));
        }
        painter->restore();
    }
    for (ReportLabel& label : band.labels) {
        QString text = label.text;
        if (label.onPrint) {
            label.onPrint(text);
        }
        if (painter == nullptr || text.isEmpty()) {
            continue;
        }
        painter->save();
        painter->setFont(label.font);
        painter->setPen(label.color);
        QFontMetricsF metrics(label.font, painter->device());
        double x = label.leftMm * k;
        switch (label.placing) {
            case ReportLabel::Placing::Left:
                break;
            case ReportLabel::Placing::CentredOnBox:
                x += (metrics.horizontalAdvance(label.boxText) - metrics.horizontalAdvance(text)) /
                     2;
                break;
            case ReportLabel::Placing::CentredOnBand:
                x = (BandWidthMm() * k - metrics.horizontalAdvance(text)) / 2;
                break;
        }
        double baseline = (topMm + label.topMm) * k + metrics.ascent();
        painter->drawText(QPointF(x, baseline), text);
        painter->restore();
    }
}

}  // namespace lumivane::report
