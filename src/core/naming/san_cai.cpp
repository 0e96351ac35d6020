// The standard 三才 and the standing of the design's pattern value.

#include "core/naming/san_cai.h"

#include <array>
#include <string_view>

namespace lumivane {
namespace {

// The production cycle: each element produces the next.
constexpr std::array<std::string_view, 5> kProduces = {"木", "火", "土", "金", "水"};

int CycleIndex(std::string_view element) {
    for (int k = 0; k < 5; ++k) {
        if (kProduces[static_cast<std::size_t>(k)] == element) {
            return k;
        }
    }
    return -1;
}

// 比和, 相生 or 相克 of two elements; empty when either is unknown.
std::string_view RelationOf(std::string_view a, std::string_view b) {
    const int x = CycleIndex(a);
    const int y = CycleIndex(b);
    if (x < 0 || y < 0) {
        return {};
    }
    if (x == y) {
        return "比和";
    }
    // One step along the cycle produces, two steps overcome (木 produces 火, overcomes 土).
    const int step = ((y - x) % 5 + 5) % 5;
    return step == 1 || step == 4 ? "相生" : "相克";
}

std::string_view ElementOfGrid(int number) {
    return number > 0 ? ElementOfNumber(number % 10) : std::string_view{};
}

}  // namespace

StandardSanCai StandardSanCaiOf(const FiveGrids& grids) {
    const std::string_view tian = ElementOfGrid(grids.TianGe);
    const std::string_view ren = ElementOfGrid(grids.RenGe);
    const std::string_view di = ElementOfGrid(grids.DiGe);
    StandardSanCai out;
    out.Pattern = std::string(tian) + std::string(ren) + std::string(di);
    const std::string_view upper = RelationOf(tian, ren);
    const std::string_view lower = RelationOf(ren, di);
    if (upper.empty() || lower.empty()) {
        return out;
    }
    out.Relation = "天格与人格" + std::string(upper) + "，人格与地格" + std::string(lower);
    const int overcoming = (upper == "相克" ? 1 : 0) + (lower == "相克" ? 1 : 0);
    out.Verdict = overcoming == 0 ? "吉" : overcoming == 1 ? "半吉" : "凶";
    return out;
}

PatternStanding StandingOfPatternValue(int value) {
    PatternStanding out;
    for (std::string_view a : kProduces) {
        for (std::string_view b : kProduces) {
            for (std::string_view c : kProduces) {
                out.Below += SanCaiValue(std::string(a) + std::string(b) + std::string(c)) < value;
            }
        }
    }
    out.Words = out.Below * 3 >= 125 * 2 ? "较好" : out.Below * 3 <= 125 ? "较差" : "一般";
    return out;
}

}  // namespace lumivane
