#pragma once
// How the detailed list's columns share a wider list: the name and the
// element pattern, whose texts are the longest, grow first, up to twice their
// width; what is left goes to every column in proportion to its width.

#include <vector>

namespace lumivane::gui {

// The widths for `available` pixels. Narrower than the sum of `base`, the
// columns keep their base widths (the list scrolls). `first` holds indexes
// into `base`.
[[nodiscard]] std::vector<int> ShareColumnWidths(const std::vector<int>& base,
                                                 const std::vector<int>& first, int available);

}  // namespace lumivane::gui
