#include "core/text/gbk_order.h"

#include <algorithm>

#include "core/text/gbk.h"

namespace lumivane {
namespace {

template <typename Map>
int CompareMapped(std::string_view a, std::string_view b, Map map) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        int x = map(static_cast<unsigned char>(a[i]));
        int y = map(static_cast<unsigned char>(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

std::string GbkSortKey(std::string_view utf8) {
    ConversionResult gbk = Utf8ToGbk(utf8);
    return gbk.ok() ? std::move(gbk.text) : std::string(utf8);
}

int CompareBytes(std::string_view a, std::string_view b) {
    return CompareMapped(a, b, [](unsigned char c) { return static_cast<int>(c); });
}

int CompareBytesFoldingAscii(std::string_view a, std::string_view b) {
    return CompareMapped(a, b, [](unsigned char c) {
        return static_cast<int>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    });
}

}  // namespace lumivane
