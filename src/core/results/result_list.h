#pragma once
// The result list: filling it from the candidates, its twelve sort keys, and
// the text of the simple ten-names-a-line list.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/naming/naming_state.h"
#include "core/results/result_row.h"

namespace lumivane {

// Sort key (combo item / popup Tag) -> column.
inline constexpr std::array<int, 12> SortColumnMap = {0, 5, 6, 7, 8, 9, 1, 2, 10, 11, 12, 13};
extern const std::array<std::string_view, 12> SortKeyCaptions;

// Progress of a fill: called at row 0, 100, 200 … with the row index.
using FillProgress = std::function<void(std::size_t row)>;

// Every candidate becomes a row. In the favourites view each row takes its
// family name from the parallel family codes, and state.familyName ends as
// that of the last row.
[[nodiscard]] std::vector<ResultRow> FillResultList(NamingState& state,
                                                    const FillProgress& progress = {});

// Byte comparison of the column's texts (GBK, a-z folded to upper case), negated
// when descending.
[[nodiscard]] int CompareResultRows(const ResultRow& a, const ResultRow& b, int column,
                                    bool ascending);
// Stable, so rows that compare equal keep their order.
void SortResultRows(std::vector<ResultRow>& rows, int column, bool ascending);

// The sort direction rules of the list's header, combos and popup entries.
class ResultSorter {
public:
    // Sorts by the column with the current direction, then inverts the direction:
    // the first header click sorts descending.
    void HeaderClick(std::vector<ResultRow>& rows, int column);
    // Combos and popup entries always sort ascending by SortColumnMap[key].
    void SortByKey(std::vector<ResultRow>& rows, int key);
    [[nodiscard]] bool SortAscending() const { return m_ascending; }

private:
    bool m_ascending = false;
};

// Captions ten to a line, each followed by two blanks, lines ended by CR LF;
// then a line of one blank and the line "查询共取得 n 个名字". A list from
// verse shows one name a line, followed by two blanks and its verse.
[[nodiscard]] std::string RebuildNameMemo(const std::vector<ResultRow>& rows,
                                          std::size_t candidateCount);

// "查询一共获得 n 个名字" (the count label of the detailed list).
[[nodiscard]] std::string ResultCountText(std::size_t rows);

// Status text shown while row i is filled: the first (i / 50) mod 15 characters
// of "正在计算数据， 请稍等....".
[[nodiscard]] std::string FillProgressText(std::size_t row);

inline constexpr std::string_view kResultHintText = "双击网格标题栏进行排序，双击记录行可分析姓名";

}  // namespace lumivane
