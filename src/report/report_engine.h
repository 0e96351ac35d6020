#pragma once
// A small banded report engine: page header, column header, detail and page
// footer bands on A4 portrait pages, placed in millimetres. A layout feeds it
// through its before-print and next-row handlers; a label may change its text
// as it prints (the page number). Page breaks depend on the band heights only,
// so a pass without a device counts the pages the printed pass will produce.

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace lumivane::report {

struct ReportLabel {
    enum class Placing {
        Left,          // text starts at leftMm
        CentredOnBox,  // text centred on the width of boxText, starting at leftMm
        CentredOnBand  // text centred across the band
    };

    QString text;
    QFont font;
    QColor color = Qt::black;
    double leftMm = 0;
    double topMm = 0;
    Placing placing = Placing::Left;
    QString boxText;
    // Called with the text just before the label prints; may change it.
    std::function<void(QString& value)> onPrint;
};

struct ReportBand {
    double heightMm = 0;  // 0: the band is not printed
    bool ruleTop = false;
    bool ruleBottom = false;
    std::vector<ReportLabel> labels;
};

struct ReportMargins {
    double topMm = 0;
    double bottomMm = 0;
    double leftMm = 0;
    double rightMm = 0;
};

inline constexpr double kA4WidthMm = 210.0;
inline constexpr double kA4HeightMm = 297.0;

class BandedReport {
public:
    virtual ~BandedReport() = default;

    // One generation: the before-print handler, then a detail band for every
    // row the data handler gives. With a painter the pages are drawn on the
    // device (whose page layout must be PageLayout()), without one they are
    // only counted. Returns the number of pages, at least 1.
    int Generate(QPainter* painter, QPagedPaintDevice* device);
    int CountPages() { return Generate(nullptr, nullptr); }

    // The page being generated, from 1.
    [[nodiscard]] int PageNumber() const { return m_pageNumber; }
    [[nodiscard]] QPageLayout PageLayout() const;
    [[nodiscard]] const ReportMargins& Margins() const { return m_margins; }
    // The number of detail rows each page holds.
    [[nodiscard]] int RowsPerPage() const;

protected:
    virtual void QuickRepBeforePrint() = 0;
    // Fills the detail band for one more row and answers true, or answers false.
    virtual bool QuickRepNeedData() = 0;

    ReportMargins m_margins;
    ReportBand m_pageHeader;
    ReportBand m_columnHeader;
    ReportBand m_detail;
    ReportBand m_pageFooter;

private:
    void PrintBand(QPainter* painter, ReportBand& band, double topMm);
    [[nodiscard]] double BandWidthMm() const;
    [[nodiscard]] double BandHeightMm() const;

    int m_pageNumber = 0;
    double m_pixelsPerMm = 1;
};

}  // namespace lumivane::report
