// The two printed name lists rendered to PDF through QPrinter and read back
// with poppler: texts, order, positions, page counts and fonts.
#include <QDateTime>
#include <QDir>
#include <QPrinter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "core/app/web_addresses.h"
#include "core/naming/family_name.h"
#include "core/results/report_rows.h"
#include "core/results/result_list.h"
#include "core/results/result_row.h"
#include "pdf_probe.h"
#include "report/detailed_list_report.h"
#include "report/report_output.h"
#include "report/simple_list_report.h"

using namespace lumivane;
using namespace lumivane::test;

namespace {

constexpr double kTolerancePt = 0.6;

// Real rows of the family name 王 with distinct two-character given names.
std::vector<ResultRow> Rows(int count) {
    FamilyName family = MakeFamilyName("王");
    std::vector<ResultRow> rows;
    for (int i = 0; i < count; ++i) {
        auto first = static_cast<std::uint32_t>(10 + i / 50);
        auto second = static_cast<std::uint32_t>(300 + i % 50);
        rows.push_back(BuildResultRow(family, "王", MakeGivenNameCode(first, second)));
    }
    return rows;
}

// Real rows of any family name; one-character given names when single.
std::vector<ResultRow> RowsOf(const std::string& familyText, int count, bool single) {
    FamilyName family = MakeFamilyName(familyText);
    std::vector<ResultRow> rows;
    for (int i = 0; i < count; ++i) {
        auto first = static_cast<std::uint32_t>(10 + i % 50);
        auto second = single ? 0xFFFFu : static_cast<std::uint32_t>(300 + i / 50);
        rows.push_back(BuildResultRow(family, familyText, MakeGivenNameCode(first, second)));
    }
    return rows;
}

std::string OutputPath(const QString& name) {
    QDir dir(QStringLiteral(LUMIVANE_REPORT_OUTPUT_DIR));
    dir.mkpath(QStringLiteral("."));
    return dir.filePath(name).toStdString();
}

QDateTime FixedTime() {
    return QDateTime(QDate(2024, 5, 3), QTime(14, 5, 9));
}

bool Render(report::NameListReport& report, const std::string& path) {
    report.SetClock(FixedTime);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    QString error;
    bool rendered = report::RenderReport(report, printer, error);
    if (!rendered) {
        qWarning("%s", qPrintable(error));
    }
    return rendered;
}

std::string RenderSimple(const std::string& memo, const QString& name) {
    report::Trp_MainA report;
    report.SetMemoText(QString::fromStdString(memo));
    std::string path = OutputPath(name);
    return Render(report, path) ? path : std::string();
}

std::string RenderDetailed(const std::vector<ResultRow>& rows, const QString& name) {
    report::Trp_MainB report;
    report.SetRows(&rows);
    std::string path = OutputPath(name);
    return Render(report, path) ? path : std::string();
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

const PdfWord* FindWord(const std::vector<PdfWord>& words, const std::string& text) {
    auto it =
        std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == text; });
    return it == words.end() ? nullptr : &*it;
}

// The words on the same printed line as the given word.
std::vector<PdfWord> LineOf(const std::vector<PdfWord>& words, const PdfWord& anchor) {
    std::vector<PdfWord> line;
    for (const PdfWord& w : words) {
        if (std::abs(w.yMax - anchor.yMax) < 1.0) {
            line.push_back(w);
        }
    }
    return line;
}

// Captions of the detailed list's rows in the order the text shows them.
std::vector<std::string> PrintedCaptions(const std::string& pdf,
                                         const std::vector<ResultRow>& rows) {
    std::vector<std::string> captions;
    for (const std::string& line : PdfLines(pdf)) {
        for (const ResultRow& row : rows) {
            if (Contains(line, " " + row.Caption() + " ")) {
                captions.push_back(Trimmed(line).substr(0, Trimmed(line).find(' ')) + " " +
                                   row.Caption());
            }
        }
    }
    return captions;
}

}  // namespace

class ReportLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void simpleListNumbersTheNameLinesOnly();
    void simpleListPrintsTypedTextAsShown();
    void simpleListPrintsBlanksDoubledAtItsPlaces();
    void simpleListLinesFitTheBand_data();
    void simpleListLinesFitTheBand();
    void detailedListPrintsTheLastSortOrder();
    void detailedListPlacesCaptionsAndCentresValues();
    void strokeTotalsLoseTheirPadding();
    void pageNumbersCountThePages();
    void longListsShowTheirTotalOnEveryPage();
    void emptyListsPrintOnePage();
    void headerAndFooterTexts();
    void textIsEmbeddedInArPlFonts();
    void firstPagesRenderToPng();
};

void ReportLayoutTest::simpleListNumbersTheNameLinesOnly() {
    std::vector<ResultRow> rows = Rows(25);
    std::string pdf = RenderSimple(RebuildNameMemo(rows, rows.size()), "simple-25.pdf");
    QVERIFY(!pdf.empty());
    QCOMPARE(PdfPageCount(pdf), 1);

    std::vector<std::string> numbered;
    std::string countLine;
    for (const std::string& line : PdfLines(pdf)) {
        std::string t = Trimmed(line);
        if (StartsWith(t, "1 ") || StartsWith(t, "11 ") || StartsWith(t, "21 ")) {
            numbered.push_back(t);
        }
        if (Contains(t, "查询共取得")) {
            countLine = t;
        }
    }
    QCOMPARE(numbered.size(), std::size_t{3});
    QVERIFY(StartsWith(numbered[0], "1 "));
    QVERIFY(StartsWith(numbered[1], "11 "));
    QVERIFY(StartsWith(numbered[2], "21 "));
    // Each numbered line holds its ten (then five) names in the list's order.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& line = numbered[i / 10];
        QVERIFY2(Contains(line, rows[i].Caption()), rows[i].Caption().c_str());
    }
    QVERIFY(!Contains(numbered[2], rows[9].Caption()));
    QCOMPARE(countLine, std::string("查询共取得 25 个名字"));
}

void ReportLayoutTest::simpleListPrintsTypedTextAsShown() {
    std::string pdf =
        RenderSimple("张三  李四\n我的备注 多 空格\n \n查询共取得 2 个名字", "simple-typed.pdf");
    QVERIFY(!pdf.empty());
    std::vector<std::string> lines;
    for (const std::string& line : PdfLines(pdf)) {
        if (Contains(line, "张三") || Contains(line, "备注") || Contains(line, "查询")) {
            lines.push_back(Trimmed(line));
        }
    }
    QCOMPARE(lines.size(), std::size_t{3});
    QVERIFY(StartsWith(lines[0], "1 "));
    QVERIFY(Contains(lines[0], "张三") && Contains(lines[0], "李四"));
    QVERIFY(StartsWith(lines[1], "11 "));
    QVERIFY(Contains(lines[1], "我的备注") && Contains(lines[1], "空格"));
    QCOMPARE(lines[2], std::string("查询共取得 2 个名字"));

    std::string plain = RenderSimple("甲\n乙\n丙", "simple-no-blank-line.pdf");
    QVERIFY(!plain.empty());
    std::vector<std::string> all;
    for (const std::string& line : PdfLines(plain)) {
        std::string t = Trimmed(line);
        if (Contains(t, "甲") || Contains(t, "乙") || Contains(t, "丙")) {
            all.push_back(t);
        }
    }
    QCOMPARE(all.size(), std::size_t{3});
    QVERIFY(StartsWith(all[0], "1 ") && Contains(all[0], "甲"));
    QVERIFY(StartsWith(all[1], "11 ") && Contains(all[1], "乙"));
    QVERIFY(StartsWith(all[2], "21 ") && Contains(all[2], "丙"));
}

void ReportLayoutTest::simpleListPrintsBlanksDoubledAtItsPlaces() {
    std::string pdf = RenderSimple("王一  王二\n \n王三  王四", "simple-blanks.pdf");
    QVERIFY(!pdf.empty());
    std::vector<PdfWord> words = PdfWords(pdf, 1);
    const PdfWord* a = FindWord(words, "王一");
    const PdfWord* b = FindWord(words, "王二");
    const PdfWord* c = FindWord(words, "王三");
    const PdfWord* d = FindWord(words, "王四");
    QVERIFY(a && b && c && d);
    double numberedGap = b->xMin - a->xMax;
    double plainGap = d->xMin - c->xMax;
    QVERIFY2(plainGap > 1.0, "two blanks separate the names of an unnumbered line");
    QVERIFY2(std::abs(numberedGap - 2 * plainGap) < kTolerancePt,
             qPrintable(QStringLiteral("gaps %1 and %2").arg(numberedGap).arg(plainGap)));
    // Left margin 10 mm, the detail text at 2.1 mm.
    QVERIFY(std::abs(c->xMin - Points(10 + 2.1)) < kTolerancePt);
    const PdfWord* one = FindWord(words, "1");
    QVERIFY(one != nullptr);
    QVERIFY(one->xMin > Points(12.1) && one->xMax < a->xMin);
}

void ReportLayoutTest::simpleListLinesFitTheBand_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("single");
    QTest::addColumn<bool>("smaller");
    QTest::newRow("王, two characters") << QStringLiteral("王") << false << false;
    QTest::newRow("王, one character") << QStringLiteral("王") << true << false;
    QTest::newRow("欧阳, two characters") << QStringLiteral("欧阳") << false << true;
    QTest::newRow("欧阳, one character") << QStringLiteral("欧阳") << true << true;
    QTest::newRow("司马相, two characters") << QStringLiteral("司马相") << false << true;
}

void ReportLayoutTest::simpleListLinesFitTheBand() {
    QFETCH(QString, family);
    QFETCH(bool, single);
    QFETCH(bool, smaller);
    const std::vector<ResultRow> rows = RowsOf(family.toStdString(), 40, single);
    report::Trp_MainA report;
    report.SetMemoText(QString::fromStdString(RebuildNameMemo(rows, rows.size())));
    const std::string pdf =
        OutputPath(QStringLiteral("simple-fit-%1-%2.pdf").arg(family).arg(single ? 1 : 2));
    QVERIFY(Render(report, pdf));
    // The list keeps the report's 10 pt where it fits, and prints in one
    // smaller size where ten names of a long family name would not.
    QCOMPARE(report.DetailPointSize() < 10, smaller);
    QVERIFY(report.DetailPointSize() >= 6.5);

    const std::vector<PdfWord> words = PdfWords(pdf, 1);
    const double bandRight = Points(210 - 10);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string caption = Trimmed(rows[i].Caption());
        const PdfWord* word = FindWord(words, caption);
        QVERIFY2(word != nullptr, caption.c_str());
        QVERIFY2(word->xMax <= bandRight,
                 qPrintable(QStringLiteral("%1 ends at %2 pt, the band at %3 pt")
                                .arg(QString::fromStdString(caption))
                                .arg(word->xMax)
                                .arg(bandRight)));
        // Ten names a line, as the list on screen has them.
        const PdfWord* lineStart = FindWord(words, Trimmed(rows[i - i % 10].Caption()));
        QVERIFY(lineStart != nullptr);
        QVERIFY(std::abs(word->yMax - lineStart->yMax) < 1.0);
    }
    for (const char* number : {"1", "11", "21", "31"}) {
        QVERIFY2(FindWord(words, number) != nullptr, number);
    }
}

void ReportLayoutTest::detailedListPrintsTheLastSortOrder() {
    std::vector<ResultRow> rows = Rows(30);
    const std::vector<ResultRow> generated = rows;
    ResultSorter sorter;
    sorter.SortByKey(rows, 6);                // 格局评分, ascending
    sorter.HeaderClick(rows, kColumnZongGe);  // then 总格, descending
    QVERIFY2(std::vector<std::string>{rows.front().Caption()} !=
                     std::vector<std::string>{generated.front().Caption()} ||
                 rows.back().Caption() != generated.back().Caption(),
             "the sort must change the order for this test to mean something");

    std::string pdf = RenderDetailed(rows, "detailed-sorted.pdf");
    QVERIFY(!pdf.empty());
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        expected.push_back(std::to_string(i + 1) + " " + rows[i].Caption());
    }
    QCOMPARE(PrintedCaptions(pdf, rows), expected);
}

void ReportLayoutTest::detailedListPlacesCaptionsAndCentresValues() {
    std::vector<ResultRow> rows = Rows(3);
    std::string pdf = RenderDetailed(rows, "detailed-places.pdf");
    QVERIFY(!pdf.empty());
    std::vector<PdfWord> words = PdfWords(pdf, 1);

    std::vector<PdfWord> captions;
    for (const DetailedReportColumn& column : DetailedReportColumns) {
        const PdfWord* caption = FindWord(words, std::string(column.caption));
        QVERIFY2(caption != nullptr, std::string(column.caption).c_str());
        // Left margin 5 mm.
        QVERIFY2(std::abs(caption->xMin - Points(5 + column.leftMm)) < kTolerancePt,
                 std::string(column.caption).c_str());
        captions.push_back(*caption);
    }

    // Row 2: each value under its caption, left-aligned or centred on it.
    auto values = DetailedReportValues(rows[1], 2);
    const PdfWord* number = nullptr;
    for (const PdfWord& w : words) {
        if (w.text == "2" && std::abs(w.xMin - captions[0].xMin) < kTolerancePt) {
            number = &w;
        }
    }
    QVERIFY(number != nullptr);
    std::vector<PdfWord> line = LineOf(words, *number);
    for (std::size_t c = 0; c < values.size(); ++c) {
        if (values[c].empty()) {
            continue;
        }
        // The same text may stand in two columns (equal stroke combinations).
        const PdfWord* value = nullptr;
        for (const PdfWord& w : line) {
            if (w.text == values[c] &&
                (value == nullptr ||
                 std::abs(w.xMin - captions[c].xMin) < std::abs(value->xMin - captions[c].xMin))) {
                value = &w;
            }
        }
        QVERIFY2(value != nullptr, values[c].c_str());
        if (DetailedReportColumns[c].centred) {
            QVERIFY2(std::abs(value->Centre() - captions[c].Centre()) < kTolerancePt,
                     values[c].c_str());
        } else {
            QVERIFY2(std::abs(value->xMin - captions[c].xMin) < kTolerancePt, values[c].c_str());
        }
    }
}

void ReportLayoutTest::strokeTotalsLoseTheirPadding() {
    // A real row whose simplified strokes add up to 34.
    FamilyName family = MakeFamilyName("王");
    std::vector<ResultRow> rows;
    for (std::uint32_t first = 10; first < 400 && rows.empty(); ++first) {
        for (std::uint32_t second = 10; second < 400; ++second) {
            ResultRow row = BuildResultRow(family, "王", MakeGivenNameCode(first, second));
            if (row.columns[kColumnSimplifiedTotal] == "0034") {
                rows.push_back(row);
                break;
            }
        }
    }
    QVERIFY(!rows.empty());
    std::string pdf = RenderDetailed(rows, "detailed-totals.pdf");
    QVERIFY(!pdf.empty());
    std::vector<PdfWord> words = PdfWords(pdf, 1);
    const PdfWord* caption = FindWord(words, "总数[简]");
    QVERIFY(caption != nullptr);
    const PdfWord* total = nullptr;
    for (const PdfWord& w : words) {
        if (w.yMin > caption->yMax && std::abs(w.Centre() - caption->Centre()) < kTolerancePt) {
            total = &w;
        }
    }
    QVERIFY(total != nullptr);
    QCOMPARE(total->text, std::string("34"));
    QVERIFY(!Contains(PdfText(pdf), "0034"));
    QVERIFY(Contains(PdfText(pdf), rows[0].columns[kColumnSimplifiedStrokes]));
}

void ReportLayoutTest::pageNumbersCountThePages() {
    // 45 detail bands fill a page of the simple list, 50 one of the detailed list.
    auto lines = [](int n) {
        std::string memo;
        for (int i = 0; i < n; ++i) {
            memo += "行" + std::to_string(i) + "\n";
        }
        return memo;
    };
    std::string full = RenderSimple(lines(45), "simple-one-page.pdf");
    QCOMPARE(PdfPageCount(full), 1);
    QVERIFY(Contains(PdfText(full), "页码：1/1"));
    QVERIFY(Contains(PdfText(full), "行44"));

    std::string over = RenderSimple(lines(46), "simple-two-pages.pdf");
    QCOMPARE(PdfPageCount(over), 2);
    QVERIFY(Contains(PdfText(over, 1), "页码：1/2"));
    QVERIFY(Contains(PdfText(over, 2), "页码：2/2"));
    QVERIFY(Contains(PdfText(over, 2), "行45") && !Contains(PdfText(over, 1), "行45"));

    std::string fullB = RenderDetailed(Rows(50), "detailed-one-page.pdf");
    QCOMPARE(PdfPageCount(fullB), 1);
    QVERIFY(Contains(PdfText(fullB), "页码：1/1"));
    std::string overB = RenderDetailed(Rows(51), "detailed-two-pages.pdf");
    QCOMPARE(PdfPageCount(overB), 2);
    QVERIFY(Contains(PdfText(overB, 2), "页码：2/2"));
    // Every page repeats the page header and the column captions.
    QVERIFY(Contains(PdfText(overB, 2), "名字列表"));
    QVERIFY(Contains(PdfText(overB, 2), "笔画组合[繁]"));
}

void ReportLayoutTest::longListsShowTheirTotalOnEveryPage() {
    std::vector<ResultRow> rows = Rows(2000);
    std::string detailed = RenderDetailed(rows, "detailed-2000.pdf");
    QCOMPARE(PdfPageCount(detailed), 40);
    for (int page = 1; page <= 40; ++page) {
        std::string text = PdfText(detailed, page);
        std::string number = "页码：" + std::to_string(page) + "/40";
        QVERIFY2(Contains(text, number), number.c_str());
        // The first row of the page carries the next number in the list's order.
        int firstRow = (page - 1) * 50 + 1;
        QVERIFY(Contains(text, " " + rows[firstRow - 1].Caption() + " "));
    }

    // 200 name lines, the blank line and the count line: 202 bands, 45 a page.
    std::string simple = RenderSimple(RebuildNameMemo(rows, rows.size()), "simple-2000.pdf");
    QCOMPARE(PdfPageCount(simple), 5);
    for (int page = 1; page <= 5; ++page) {
        QVERIFY(Contains(PdfText(simple, page), "页码：" + std::to_string(page) + "/5"));
    }
    QVERIFY(Contains(PdfText(simple, 5), "查询共取得 2000 个名字"));
    QVERIFY(Contains(PdfText(simple, 5), "1991 "));
}

void ReportLayoutTest::emptyListsPrintOnePage() {
    std::string simple = RenderSimple("", "simple-empty.pdf");
    QCOMPARE(PdfPageCount(simple), 1);
    std::string text = PdfText(simple);
    for (const char* part : {"名字列表", "以下名字列表由", "打印时间：", "页码：1/1"}) {
        QVERIFY2(Contains(text, part), part);
    }

    std::vector<ResultRow> none;
    std::string detailed = RenderDetailed(none, "detailed-empty.pdf");
    QCOMPARE(PdfPageCount(detailed), 1);
    text = PdfText(detailed);
    for (const char* part : {"名字列表", "打印时间：", "页码：1/1"}) {
        QVERIFY2(Contains(text, part), part);
    }
    for (const DetailedReportColumn& column : DetailedReportColumns) {
        QVERIFY2(Contains(text, std::string(column.caption)), std::string(column.caption).c_str());
    }
}

void ReportLayoutTest::headerAndFooterTexts() {
    std::string simple = RenderSimple("甲", "simple-header.pdf");
    std::string detailed = RenderDetailed(Rows(1), "detailed-header.pdf");
    for (const std::string& pdf : {simple, detailed}) {
        std::string text = PdfText(pdf);
        QVERIFY(Contains(text, "以下名字列表由 [澜庭起名软件] 生成，"));
        QVERIFY(Contains(text, std::string(kSiteRootAddress)));
        QVERIFY(Contains(text, "14:05:09"));
    }
    struct Place {
        std::string pdf;
        double leftMarginMm, addressMm, pageNumberMm, timeMm;
    };
    for (const Place& place :
         {Place{simple, 10, 80.7, 156.6, 2.1}, Place{detailed, 5, 77.8, 167.2, 1.6}}) {
        std::vector<PdfWord> words = PdfWords(place.pdf, 1);
        const PdfWord* address = FindWord(words, std::string(kSiteRootAddress));
        QVERIFY(address != nullptr);
        QVERIFY(std::abs(address->xMin - Points(place.leftMarginMm + place.addressMm)) <
                kTolerancePt);
        const PdfWord* page = FindWord(words, "页码：1/1");
        QVERIFY(page != nullptr);
        QVERIFY(std::abs(page->xMin - Points(place.leftMarginMm + place.pageNumberMm)) <
                kTolerancePt);
        auto time = std::find_if(words.begin(), words.end(),
                                 [](const PdfWord& w) { return StartsWith(w.text, "打印时间："); });
        QVERIFY(time != words.end());
        QVERIFY(std::abs(time->xMin - Points(place.leftMarginMm + place.timeMm)) < kTolerancePt);
        // The footer sits at the bottom margin, below the title at the top.
        const PdfWord* title = FindWord(words, "名字列表");
        QVERIFY(title != nullptr);
        QVERIFY(title->yMin < Points(place.leftMarginMm == 10 ? 15 : 13));
        QVERIFY(page->yMax > Points(297 - 20) && page->yMax < Points(297 - 8));
    }
}

void ReportLayoutTest::textIsEmbeddedInArPlFonts() {
    std::string pdf = RenderDetailed(Rows(2), "detailed-fonts.pdf");
    QString fonts = QString::fromStdString(PdfFonts(pdf)).toLower();
    QVERIFY2(fonts.contains(QStringLiteral("ukai")), qPrintable(fonts));
    QVERIFY2(fonts.contains(QStringLiteral("uming")), qPrintable(fonts));
    QVERIFY2(!fonts.contains(QStringLiteral("noto")), qPrintable(fonts));
}

void ReportLayoutTest::firstPagesRenderToPng() {
    std::vector<ResultRow> rows = Rows(60);
    std::string simple = RenderSimple(RebuildNameMemo(rows, rows.size()), "simple-60.pdf");
    std::string detailed = RenderDetailed(rows, "detailed-60.pdf");
    for (const auto& [pdf, png] : {std::pair{simple, OutputPath("simple-page1.png")},
                                   std::pair{detailed, OutputPath("detailed-page1.png")}}) {
        QFile::remove(QString::fromStdString(png));
        QVERIFY(RenderFirstPage(pdf, png));
        // An A4 page at 100 dpi is 827 x 1170 pixels.
        QImage image(QString::fromStdString(png));
        QCOMPARE(image.width(), 827);
        QCOMPARE(image.height(), 1170);
    }
}

QTEST_MAIN(ReportLayoutTest)
#include "report_layout_test.moc"
