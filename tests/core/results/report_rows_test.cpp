#include "core/results/report_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/results/result_list.h"
#include "core/text/characters.h"

namespace lumivane {
namespace {

ResultRow RowWithCaption(const std::string& caption) {
    ResultRow row;
    row.columns[kColumnName] = caption;
    return row;
}

std::vector<ResultRow> NumberedCaptions(int count) {
    std::vector<ResultRow> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back(RowWithCaption("王" + std::to_string(i)));
    }
    return rows;
}

std::vector<std::string> PrintedLines(const std::string& memo) {
    SimpleReportFeed feed;
    feed.BeforePrint(memo);
    std::vector<std::string> lines;
    std::string text;
    while (feed.NeedData(text)) {
        lines.push_back(text);
    }
    return lines;
}

TEST(ReportTexts, HeaderAndFooterTexts) {
    EXPECT_EQ(PageNumberText(2, 5), "页码：2/5");
    EXPECT_EQ(PageNumberText(1, 1), "页码：1/1");
    EXPECT_EQ(PageNumberText(12, 130), "页码：12/130");
    EXPECT_EQ(PrintTimeText("2024/5/3 14:05:09"), "打印时间：2024/5/3 14:05:09");
    EXPECT_EQ(kReportGeneratedBy, "以下名字列表由 [澜庭起名软件] 生成，　网址： ");
    EXPECT_EQ(kPrintingStatusText, "正在打印， 请稍候...");
}

TEST(SplitMemoLines, AnyLineBreakEndsALine) {
    EXPECT_EQ(SplitMemoLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitMemoLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitMemoLines("a\n\n"), (std::vector<std::string>{"a", ""}));
}

TEST(SplitMemoLines, ABreakAtTheEndStartsNoLine) {
    EXPECT_EQ(SplitMemoLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitMemoLines("a\n"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(SplitMemoLines("").empty());
    EXPECT_EQ(SplitMemoLines("\n"), (std::vector<std::string>{""}));
}

TEST(NumberingLimit, TheLastBlankLineEndsTheNumbering) {
    EXPECT_EQ(NumberingLimit({"a", "b", " ", "c"}), 2u);
    EXPECT_EQ(NumberingLimit({"a", "", "b", "\t ", "c"}), 3u) << "the last blank line counts";
    EXPECT_EQ(NumberingLimit({"a", "b"}), 2u) << "without a blank line every line is numbered";
    EXPECT_EQ(NumberingLimit({" ", "a"}), 0u);
    EXPECT_EQ(NumberingLimit({"a", "　"}), 2u) << "an ideographic space is not a blank";
    EXPECT_EQ(NumberingLimit({}), 0u);
}

TEST(NumberedLineText, PositionInFourPlacesThenThreeBlanksAndDoubledBlanks) {
    EXPECT_EQ(NumberedLineText(0, "王明  王亮  "), "   1   王明    王亮    ");
    EXPECT_EQ(NumberedLineText(1, "a b"), "  11   a  b");
    EXPECT_EQ(NumberedLineText(99, ""), " 991   ");
    EXPECT_EQ(NumberedLineText(999, "x"), "9991   x");
    EXPECT_EQ(NumberedLineText(1000, "x"), "10001   x") << "wider numbers are not cut";
    EXPECT_EQ(NumberedLineText(0, "　a"), "   1   　a") << "only ASCII blanks are doubled";
}

TEST(SimpleReportFeed, TwentyFiveNamesGiveThreeNumberedLinesAndTwoPlainOnes) {
    std::string memo = RebuildNameMemo(NumberedCaptions(25), 25);
    std::vector<std::string> lines = PrintedLines(memo);
    ASSERT_EQ(lines.size(), 5u);
    std::string first = "   1   ";
    for (int i = 1; i <= 10; ++i) {
        first += "王" + std::to_string(i) + "    ";
    }
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1].substr(0, 7 + 5), "  11   王11");
    EXPECT_EQ(lines[2], "  21   王21    王22    王23    王24    王25    ");
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(lines[4], "查询共取得 25 个名字");
}

TEST(SimpleReportFeed, TypedTextPrintsAsShown) {
    std::vector<std::string> lines =
        PrintedLines("张三  李四\n我的备注 多 空格\n \n查询共取得 2 个名字");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "   1   张三    李四");
    EXPECT_EQ(lines[1], "  11   我的备注  多  空格");
    EXPECT_EQ(lines[2], " ");
    EXPECT_EQ(lines[3], "查询共取得 2 个名字");
}

TEST(SimpleReportFeed, WithoutBlankLinesEveryLineIsNumbered) {
    std::vector<std::string> lines = PrintedLines("甲\r\n乙\r\n丙");
    EXPECT_EQ(lines, (std::vector<std::string>{"   1   甲", "  11   乙", "  21   丙"}));
}

TEST(SimpleReportFeed, EveryGenerationStartsAgain) {
    SimpleReportFeed feed;
    feed.BeforePrint("a\n\nb");
    std::string text;
    ASSERT_TRUE(feed.NeedData(text));
    EXPECT_EQ(text, "   1   a");
    feed.BeforePrint("a\n\nb");
    ASSERT_TRUE(feed.NeedData(text));
    EXPECT_EQ(text, "   1   a") << "a second pass prints the same rows";
    ASSERT_TRUE(feed.NeedData(text));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(feed.NeedData(text));
    EXPECT_EQ(text, "b");
    EXPECT_FALSE(feed.NeedData(text));
    EXPECT_EQ(feed.RowCount(), 3u);
    EXPECT_EQ(feed.NumberingLimit(), 1u);
}

TEST(SimpleReportFeed, AnEmptyListHasNoRows) {
    SimpleReportFeed feed;
    feed.BeforePrint("");
    std::string text = "unchanged";
    EXPECT_FALSE(feed.NeedData(text));
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(PrintedLines(RebuildNameMemo({}, 0)),
              (std::vector<std::string>{" ", "查询共取得 0 个名字"}));
}

TEST(DetailedReportColumns, CaptionsAndEdgesInPrintOrder) {
    ASSERT_EQ(DetailedReportColumns.size(), 13u);
    EXPECT_EQ(DetailedReportColumns[0].caption, "序号");
    EXPECT_FALSE(DetailedReportColumns[0].centred);
    EXPECT_EQ(DetailedReportColumns[1].caption, "姓名");
    EXPECT_FALSE(DetailedReportColumns[1].centred);
    EXPECT_EQ(DetailedReportColumns[5].caption, "总数[简]");
    EXPECT_DOUBLE_EQ(DetailedReportColumns[5].leftMm, 90.8);
    EXPECT_EQ(DetailedReportColumns[12].caption, "总格");
    EXPECT_DOUBLE_EQ(DetailedReportColumns[12].leftMm, 190.2);
    for (std::size_t i = 2; i < DetailedReportColumns.size(); ++i) {
        EXPECT_TRUE(DetailedReportColumns[i].centred) << DetailedReportColumns[i].caption;
        EXPECT_LT(DetailedReportColumns[i - 1].leftMm, DetailedReportColumns[i].leftMm);
    }
}

TEST(WithoutLeadingZeros, DropsThePaddingOnly) {
    EXPECT_EQ(WithoutLeadingZeros("0034"), "34");
    EXPECT_EQ(WithoutLeadingZeros("0000"), "0");
    EXPECT_EQ(WithoutLeadingZeros("0100"), "100");
    EXPECT_EQ(WithoutLeadingZeros("1234"), "1234");
    EXPECT_EQ(WithoutLeadingZeros(""), "");
}

ResultRow FullRow(const std::string& caption, const std::string& simplifiedTotal) {
    ResultRow row = RowWithCaption(caption);
    row.columns[kColumnScore] = "87.50";
    row.columns[kColumnElements] = "土火水木";
    row.columns[kColumnSimplifiedStrokes] = "04-08-10";
    row.columns[kColumnKangxiStrokes] = "04-12-10";
    row.columns[kColumnTianGe] = "05";
    row.columns[kColumnRenGe] = "12";
    row.columns[kColumnDiGe] = "18";
    row.columns[kColumnWaiGe] = "11";
    row.columns[kColumnZongGe] = "22";
    row.columns[kColumnSimplifiedTotal] = simplifiedTotal;
    row.columns[kColumnKangxiTotal] = "0026";
    row.columns[kColumnFirstRadicalElements] = "0008";
    row.columns[kColumnSecondRadicalElements] = "0004";
    row.columns[kColumnCode] = "123";
    row.columns[kColumnFamilyName] = "王";
    return row;
}

TEST(DetailedReportValues, ThirteenValuesInCaptionOrder) {
    auto values = DetailedReportValues(FullRow("王明亮", "0022"), 7);
    EXPECT_EQ(values,
              (std::array<std::string, 13>{"7", "王明亮", "87.50", "土火水木", "04-08-10", "22",
                                           "04-12-10", "26", "05", "12", "18", "11", "22"}));
}

TEST(DetailedReportFeed, RowsInTheListsOrderNumberedFromOne) {
    std::vector<ResultRow> rows = {FullRow("王甲", "0034"), FullRow("王乙", "0010"),
                                   FullRow("王丙", "0021")};
    // Descending by the simplified total, as a header click would leave the list.
    SortResultRows(rows, kColumnSimplifiedTotal, false);
    DetailedReportFeed feed;
    feed.BeforePrint(rows);
    EXPECT_EQ(feed.RowCount(), 3u);
    std::array<std::string, 13> values;
    std::vector<std::string> printed;
    while (feed.NeedData(values)) {
        printed.push_back(values[0] + " " + values[1] + " " + values[5]);
    }
    EXPECT_EQ(printed, (std::vector<std::string>{"1 王甲 34", "2 王丙 21", "3 王乙 10"}));

    feed.BeforePrint(rows);
    ASSERT_TRUE(feed.NeedData(values));
    EXPECT_EQ(values[0], "1") << "a second pass starts at the first row again";
}

TEST(DetailedReportFeed, NoRowsNoData) {
    DetailedReportFeed feed;
    std::array<std::string, 13> values;
    EXPECT_FALSE(feed.NeedData(values)) << "before any generation";
    std::vector<ResultRow> none;
    feed.BeforePrint(none);
    EXPECT_FALSE(feed.NeedData(values));
    EXPECT_EQ(feed.RowCount(), 0u);
}

}  // namespace
}  // namespace lumivane

namespace lumivane {
namespace {

TEST(SimpleReportFeed, AListFromVerseNumbersEveryLine) {
    SimpleReportFeed feed;
    feed.BeforePrint(
        "王思齐  思齐大任。——《诗经·大雅·思齐》\r\n王子衿  青青子衿。——《诗经·郑风·子衿》\r\n "
        "\r\n查询共取得 2 个名字");
    std::string text;
    ASSERT_TRUE(feed.NeedData(text));
    EXPECT_EQ(text.substr(0, 7), "   1   ");
    ASSERT_TRUE(feed.NeedData(text));
    EXPECT_EQ(text.substr(0, 7), "   2   ");
}

TEST(DetailedReportFeed, VersePrintsShortUnderItsRow) {
    std::vector<ResultRow> rows(2);
    const std::vector<VerseLine> found = FindVerseLines("有", "仕");  // a passage of 孟子
    ASSERT_FALSE(found.empty());
    rows[1].verse = found.front();
    DetailedReportFeed feed;
    feed.BeforePrint(rows);
    EXPECT_TRUE(feed.HasVerses());
    std::array<std::string, kDetailedReportColumnCount> values;
    std::string verse = "x";
    ASSERT_TRUE(feed.NeedData(values, &verse));
    EXPECT_EQ(verse, "");
    ASSERT_TRUE(feed.NeedData(values, &verse));
    EXPECT_EQ(verse, ShortVerseTextOf(rows[1]));
    const std::string cut = ShortVerseTextOf(rows[1], 4);
    EXPECT_EQ(cut.find(kVerseMark), cut.find("…") + std::string("…").size());
    EXPECT_EQ(CharacterCount(cut.substr(0, cut.find("…"))), 4u);
    const std::vector<ResultRow> none;
    feed.BeforePrint(none);
    EXPECT_FALSE(feed.HasVerses());
}

}  // namespace
}  // namespace lumivane
