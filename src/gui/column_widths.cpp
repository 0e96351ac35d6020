#include "gui/column_widths.h"

#include <algorithm>
#include <numeric>

namespace lumivane::gui {

std::vector<int> ShareColumnWidths(const std::vector<int>& base, const std::vector<int>& first,
                                   int available) {
    std::vector<int> widths = base;
    const int total = std::accumulate(base.begin(), base.end(), 0);
    int extra = available - total;
    if (extra <= 0 || total <= 0) {
        return widths;
    }
    std::vector<int> growing;
    for (const int column : first) {
        if (column >= 0 && column < static_cast<int>(base.size())) {
            growing.push_back(column);
        }
    }
    if (!growing.empty()) {
        const int each = extra / static_cast<int>(growing.size());
        for (const int column : growing) {
            const int grow = std::min(each, base[static_cast<std::size_t>(column)]);
            widths[static_cast<std::size_t>(column)] += grow;
            extra -= grow;
        }
    }
    int given = 0;
    for (std::size_t k = 0; k < widths.size(); ++k) {
        const int share = static_cast<int>(static_cast<long long>(extra) * base[k] / total);
        widths[k] += share;
        given += share;
    }
    // The pixels the division left over go to the last column.
    if (!widths.empty()) {
        widths.back() += extra - given;
    }
    return widths;
}

}  // namespace lumivane::gui
