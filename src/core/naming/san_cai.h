#pragma once
// 三才 as parents know it: the elements of 天格, 人格 and 地格 and how they
// get on, beside the design's own pattern (天格, 地格, 外格) that the score uses.

#include <string>

#include "core/naming/numerology.h"

namespace lumivane {

struct StandardSanCai {
    std::string Pattern;   // elements of 天格, 人格, 地格: "土木木"
    std::string Relation;  // "天格与人格相克，人格与地格比和"
    std::string Verdict;   // 吉, 半吉 or 凶
};

// Each neighbouring pair (天格–人格, 人格–地格) is 比和 (same element), 相生
// (one produces the other: 木→火→土→金→水→木) or 相克 (one overcomes the
// other: 木→土→水→火→金→木). No 相克 is 吉, one 半吉, two 凶.
[[nodiscard]] StandardSanCai StandardSanCaiOf(const FiveGrids& grids);

// The design's pattern value in words: where it stands among the 125 values of
// the table. 较好 when it is above at least two thirds of them, 较差 when at
// most a third are below it, else 一般.
struct PatternStanding {
    int Below = 0;  // how many of the 125 patterns have a lower value
    std::string Words;
};
[[nodiscard]] PatternStanding StandingOfPatternValue(int value);

}  // namespace lumivane
