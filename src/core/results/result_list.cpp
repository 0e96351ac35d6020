#include "core/results/result_list.h"

#include <algorithm>

#include "core/text/characters.h"
#include "core/text/gbk_order.h"

namespace lumivane {

const std::array<std::string_view, 12> SortKeyCaptions = {
    "姓名",     "天格",     "人格",         "地格",         "外格",         "总格",
    "格局评分", "五行格局", "笔画总数[简]", "笔画总数[繁]", "第二个字部首", "第三个字部首"};

std::vector<ResultRow> FillResultList(NamingState& state, const FillProgress& progress) {
    std::vector<ResultRow> rows;
    const auto& codes = state.candidates.codes;
    rows.reserve(codes.size());
    const bool favorites =
        state.showingFavorites && state.candidates.familyCodes.size() == codes.size();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        std::string familyText;
        if (favorites) {
            state.familyName = FamilyNameOfCode(state.candidates.familyCodes[i]);
            familyText = state.familyName.firstText + state.familyName.secondText;
        } else {
            familyText = state.familyText;
        }
        rows.push_back(BuildResultRow(state.familyName, familyText, codes[i]));
        if (state.verseList && !favorites) {
            rows.back().verse = VerseOfName(state.workingSet.sex, codes[i]);
        }
        if (progress && i % 100 == 0) {
            progress(i);
        }
    }
    return rows;
}

int CompareResultRows(const ResultRow& a, const ResultRow& b, int column, bool ascending) {
    int order = CompareBytesFoldingAscii(a.SortKey(column), b.SortKey(column));
    return ascending ? order : -order;
}

void SortResultRows(std::vector<ResultRow>& rows, int column, bool ascending) {
    std::stable_sort(rows.begin(), rows.end(), [&](const ResultRow& a, const ResultRow& b) {
        return CompareResultRows(a, b, column, ascending) < 0;
    });
}

void ResultSorter::HeaderClick(std::vector<ResultRow>& rows, int column) {
    SortResultRows(rows, column, m_ascending);
    m_ascending = !m_ascending;
}

void ResultSorter::SortByKey(std::vector<ResultRow>& rows, int key) {
    m_ascending = true;
    if (key < 0 || key >= static_cast<int>(SortColumnMap.size())) {
        return;
    }
    SortResultRows(rows, SortColumnMap[static_cast<std::size_t>(key)], true);
}

std::string RebuildNameMemo(const std::vector<ResultRow>& rows, std::size_t candidateCount) {
    std::string text;
    // Names from verse stand one to a line, each with its line and source.
    const bool verses = std::any_of(rows.begin(), rows.end(),
                                    [](const ResultRow& row) { return row.verse.has_value(); });
    for (std::size_t p = 0; p < rows.size(); ++p) {
        if (verses) {
            text += rows[p].Caption() + "  " + ShortVerseTextOf(rows[p]) + "\r\n";
            continue;
        }
        text += rows[p].Caption();
        text += "  ";
        if (p % 10 == 9) {
            text += "\r\n";
        }
    }
    // The memo adds its lines after the text, on a line of their own.
    if (!text.empty() && text.back() != '\n') {
        text += "\r\n";
    }
    text += " \r\n";
    text += "查询共取得 " + std::to_string(candidateCount) + " 个名字";
    return text;
}

std::string ResultCountText(std::size_t rows) {
    return "查询一共获得 " + std::to_string(rows) + " 个名字";
}

std::string FillProgressText(std::size_t row) {
    static const std::vector<std::string> characters = SplitCharacters("正在计算数据， 请稍等....");
    std::size_t n = (row / 50) % 15;
    std::string text;
    for (std::size_t k = 0; k < n && k < characters.size(); ++k) {
        text += characters[k];
    }
    return text;
}

}  // namespace lumivane
