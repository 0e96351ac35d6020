// The banded engine on its own: page breaks from the band heights, the order
// of the handlers, the page-number label's print handler, and drawing.
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

#include "pdf_probe.h"
#include "report/report_engine.h"

using namespace lumivane::report;

namespace {

// Margins 10 mm: a band of 277 mm; header 20 + column header 7 + footer 10
// leave 240 mm, that is 24 rows of 10 mm.
class CountingReport : public BandedReport {
public:
    explicit CountingReport(int rows, double detailMm = 10) : m_rows(rows) {
        m_margins = {10, 10, 10, 10};
        m_pageHeader.heightMm = 20;
        m_columnHeader.heightMm = 7;
        m_detail.heightMm = detailMm;
        m_pageFooter.heightMm = 10;
        ReportLabel number;
        number.onPrint = [this](QString& value) {
            value = QString::number(PageNumber());
            footerTexts.push_back(value.toStdString());
        };
        m_pageFooter.labels.push_back(number);
        ReportLabel row;
        m_detail.labels.push_back(row);
    }

    std::vector<std::string> events;
    std::vector<std::string> footerTexts;

protected:
    void QuickRepBeforePrint() override {
        m_next = 0;
        events.push_back("before");
    }
    bool QuickRepNeedData() override {
        if (m_next >= m_rows) {
            events.push_back("end");
            return false;
        }
        m_detail.labels[0].text = QString::number(m_next);
        events.push_back("row" + std::to_string(m_next) + "@" + std::to_string(PageNumber()));
        ++m_next;
        return true;
    }

private:
    int m_rows;
    int m_next = 0;
};

}  // namespace

class ReportEngineTest : public QObject {
    Q_OBJECT

private slots:
    void pagesFollowTheBandHeights_data();
    void pagesFollowTheBandHeights();
    void handlersRunInOrderOnEveryGeneration();
    void theFooterPrintsOnEveryPage();
    void anOversizedDetailBandStillEnds();
    void pageLayoutIsA4PortraitWithTheMargins();
    void drawingProducesTheCountedPages();
};

void ReportEngineTest::pagesFollowTheBandHeights_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::newRow("no rows") << 0 << 1;
    QTest::newRow("one row") << 1 << 1;
    QTest::newRow("a full page") << 24 << 1;
    QTest::newRow("one more") << 25 << 2;
    QTest::newRow("two full pages") << 48 << 2;
    QTest::newRow("many") << 1000 << 42;
}

void ReportEngineTest::pagesFollowTheBandHeights() {
    QFETCH(int, rows);
    QFETCH(int, pages);
    CountingReport report(rows);
    QCOMPARE(report.RowsPerPage(), 24);
    QCOMPARE(report.CountPages(), pages);
    QCOMPARE(report.PageNumber(), pages);
}

void ReportEngineTest::handlersRunInOrderOnEveryGeneration() {
    CountingReport report(26);
    QCOMPARE(report.CountPages(), 2);
    std::vector<std::string> first = report.events;
    QCOMPARE(first.front(), std::string("before"));
    QCOMPARE(first[1], std::string("row0@1"));
    QCOMPARE(first[24], std::string("row23@1"));
    // The 25th row is asked for on page 1 and printed at the top of page 2.
    QCOMPARE(first[25], std::string("row24@1"));
    QCOMPARE(first[26], std::string("row25@2"));
    QCOMPARE(first.back(), std::string("end"));
    QCOMPARE(first.size(), std::size_t{28});

    report.events.clear();
    QCOMPARE(report.CountPages(), 2);
    QCOMPARE(report.events, first);
}

void ReportEngineTest::theFooterPrintsOnEveryPage() {
    CountingReport report(60);
    QCOMPARE(report.CountPages(), 3);
    QCOMPARE(report.footerTexts, (std::vector<std::string>{"1", "2", "3"}));
    CountingReport empty(0);
    QCOMPARE(empty.CountPages(), 1);
    QCOMPARE(empty.footerTexts, (std::vector<std::string>{"1"}));
}

void ReportEngineTest::anOversizedDetailBandStillEnds() {
    CountingReport report(3, 500);
    QCOMPARE(report.RowsPerPage(), 0);
    QCOMPARE(report.CountPages(), 3);
}

void ReportEngineTest::pageLayoutIsA4PortraitWithTheMargins() {
    CountingReport report(1);
    QPageLayout layout = report.PageLayout();
    QCOMPARE(layout.pageSize().id(), QPageSize::A4);
    QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
}

void ReportEngineTest::drawingProducesTheCountedPages() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(QStringLiteral("engine.pdf"));
    CountingReport report(50);
    QPdfWriter writer(path);
    QVERIFY(writer.setPageLayout(report.PageLayout()));
    QPainter painter(&writer);
    QCOMPARE(report.Generate(&painter, &writer), 3);
    painter.end();
    QCOMPARE(lumivane::test::PdfPageCount(path.toStdString()), 3);
}

QTEST_MAIN(ReportEngineTest)
#include "report_engine_test.moc"
