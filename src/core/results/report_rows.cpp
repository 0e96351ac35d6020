#include "core/results/report_rows.h"

#include <algorithm>
#include <cstdio>

#include "core/text/characters.h"

namespace lumivane {

const std::array<DetailedReportColumn, kDetailedReportColumnCount> DetailedReportColumns = {{
    {"序号", 1.6, false},
    {"姓名", 13.8, false},
    {"格局评分", 33.6, true},
    {"五行格局", 50.5, true},
    {"笔画组合[简]", 67.5, true},
    {"总数[简]", 90.8, true},
    {"笔画组合[繁]", 107.7, true},
    {"总数[繁]", 131.0, true},
    {"天格", 147.9, true},
    {"人格", 158.5, true},
    {"地格", 169.1, true},
    {"外格", 179.7, true},
    {"总格", 190.2, true},
}};

std::string PrintTimeText(std::string_view printTime) {
    return "打印时间：" + std::string(printTime);
}

std::string PageNumberText(int page, int totalPages) {
    return "页码：" + std::to_string(page) + "/" + std::to_string(totalPages);
}

std::vector<std::string> SplitMemoLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::size_t NumberingLimit(const std::vector<std::string>& lines) {
    // Blank as the classic Trim sees it: control characters and spaces only
    // (an ideographic space is text here, as the printed list always had it).
    auto blank = [](const std::string& line) {
        return std::all_of(line.begin(), line.end(), [](char c) {
            auto u = static_cast<unsigned char>(c);
            return u <= 0x20 || u == 0x7F;
        });
    };
    for (std::size_t i = lines.size(); i > 0; --i) {
        if (blank(lines[i - 1])) {
            return i - 1;
        }
    }
    return lines.size();
}

std::string NumberedLineText(std::size_t row, std::string_view line, std::size_t namesPerLine) {
    char number[32];
    std::snprintf(number, sizeof number, "%4zu%3s", row * namesPerLine + 1, " ");
    std::string text = number;
    for (char c : line) {
        if (c == ' ') {
            text += "  ";
        } else {
            text += c;
        }
    }
    return text;
}

void SimpleReportFeed::BeforePrint(std::string_view memoText) {
    m_lines = SplitMemoLines(memoText);
    m_row = 0;
    m_numberingLimit = lumivane::NumberingLimit(m_lines);
    m_namesPerLine = std::any_of(m_lines.begin(), m_lines.end(),
                                 [](const std::string& line) {
                                     return line.find(kVerseMark) != std::string::npos;
                                 })
                         ? 1
                         : 10;
}

bool SimpleReportFeed::NeedData(std::string& text) {
    if (m_row >= m_lines.size()) {
        return false;
    }
    text = m_row < m_numberingLimit ? NumberedLineText(m_row, m_lines[m_row], m_namesPerLine)
                                    : m_lines[m_row];
    ++m_row;
    return true;
}

std::string WithoutLeadingZeros(std::string_view padded) {
    std::size_t first = 0;
    while (first + 1 < padded.size() && padded[first] == '0') {
        ++first;
    }
    return std::string(padded.substr(first));
}

std::array<std::string, kDetailedReportColumnCount> DetailedReportValues(const ResultRow& row,
                                                                         std::size_t rowNumber) {
    const auto& c = row.columns;
    return {std::to_string(rowNumber),
            c[kColumnName],
            c[kColumnScore],
            c[kColumnElements],
            c[kColumnSimplifiedStrokes],
            WithoutLeadingZeros(c[kColumnSimplifiedTotal]),
            c[kColumnKangxiStrokes],
            WithoutLeadingZeros(c[kColumnKangxiTotal]),
            c[kColumnTianGe],
            c[kColumnRenGe],
            c[kColumnDiGe],
            c[kColumnWaiGe],
            c[kColumnZongGe]};
}

void DetailedReportFeed::BeforePrint(const std::vector<ResultRow>& rows) {
    m_rows = &rows;
    m_row = 0;
}

bool DetailedReportFeed::HasVerses() const {
    return m_rows != nullptr &&
           std::any_of(m_rows->begin(), m_rows->end(),
                       [](const ResultRow& row) { return row.verse.has_value(); });
}

bool DetailedReportFeed::NeedData(std::array<std::string, kDetailedReportColumnCount>& values,
                                  std::string* verse) {
    if (m_rows == nullptr || m_row >= m_rows->size()) {
        return false;
    }
    values = DetailedReportValues((*m_rows)[m_row], m_row + 1);
    if (verse != nullptr) {
        *verse = ShortVerseTextOf((*m_rows)[m_row]);
    }
    ++m_row;
    return true;
}

}  // namespace lumivane
