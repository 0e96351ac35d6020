#pragma once
// The texts of the two printed name lists: the simple list's numbered lines,
// the detailed list's thirteen values per row, and the header and footer texts.
// The report layouts only place these texts on the page.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/result_row.h"

namespace lumivane {

inline constexpr std::string_view kReportTitle = "名字列表";
inline constexpr std::string_view kReportGeneratedBy =
    "以下名字列表由 [澜庭起名软件] 生成，　网址： ";
inline constexpr std::string_view kPrintingStatusText = "正在打印， 请稍候...";

// "打印时间：" followed by the print time as the platform formats it.
[[nodiscard]] std::string PrintTimeText(std::string_view printTime);
// "页码：2/5".
[[nodiscard]] std::string PageNumberText(int page, int totalPages);

// The lines of the simple list's text as the text area shows them. Line breaks
// may be CR LF, LF or CR; a break at the very end does not start another line,
// and an empty text has no lines.
[[nodiscard]] std::vector<std::string> SplitMemoLines(std::string_view text);

// Lines before this index get a number: the index of the last line that is
// empty after trimming blanks, or the line count when there is none.
[[nodiscard]] std::size_t NumberingLimit(const std::vector<std::string>& lines);

// A numbered line: row × 10 + 1 as "%4d%3s" with one blank (the position of the
// line's first name, then three blanks), then the line with every blank doubled.
[[nodiscard]] std::string NumberedLineText(std::size_t row, std::string_view line,
                                           std::size_t namesPerLine = 10);

// The data of the simple list's layout between the engine's calls.
class SimpleReportFeed {
public:
    // Starts a generation over the list's current text.
    void BeforePrint(std::string_view memoText);
    // The text of the next detail band, or false when every line is printed.
    [[nodiscard]] bool NeedData(std::string& text);

    [[nodiscard]] std::size_t RowCount() const { return m_lines.size(); }
    [[nodiscard]] std::size_t NumberingLimit() const { return m_numberingLimit; }

private:
    std::vector<std::string> m_lines;
    std::size_t m_row = 0;
    std::size_t m_numberingLimit = 0;
    // A list from verse has one name a line, each with its verse.
    std::size_t m_namesPerLine = 10;
};

// One column of the detailed printed list.
struct DetailedReportColumn {
    std::string_view caption;
    double leftMm;  // caption's left edge within the printable band
    bool centred;   // value centred on the caption's place, else left-aligned
};
inline constexpr std::size_t kDetailedReportColumnCount = 13;
extern const std::array<DetailedReportColumn, kDetailedReportColumnCount> DetailedReportColumns;

// A zero-padded number without its leading zeros ("0034" -> "34", "0000" -> "0").
[[nodiscard]] std::string WithoutLeadingZeros(std::string_view padded);

// The thirteen printed values of a row; rowNumber counts from 1 in the list's order.
[[nodiscard]] std::array<std::string, kDetailedReportColumnCount> DetailedReportValues(
    const ResultRow& row, std::size_t rowNumber);

// The data of the detailed list's layout between the engine's calls. The rows
// are read in place, in the order the list shows them, and must outlive the
// generation.
class DetailedReportFeed {
public:
    void BeforePrint(const std::vector<ResultRow>& rows);
    // verse, when given, receives the row's verse line ("" without one).
    [[nodiscard]] bool NeedData(std::array<std::string, kDetailedReportColumnCount>& values,
                                std::string* verse = nullptr);
    // Whether any row carries a verse, which the layout prints under its values.
    [[nodiscard]] bool HasVerses() const;

    [[nodiscard]] std::size_t RowCount() const { return m_rows ? m_rows->size() : 0; }

private:
    const std::vector<ResultRow>* m_rows = nullptr;
    std::size_t m_row = 0;
};

}  // namespace lumivane
