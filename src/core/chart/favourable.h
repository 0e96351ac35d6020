#pragma once
// 喜用神: the strength of the day master (身强, 身弱, 中和) and the elements that help
// the chart towards balance, by the weighted count set out in docs/favourable-elements.md.

#include <string>
#include <vector>

#include "core/calendar/pillars.h"

namespace lumivane {

enum class Strength { Weak, Balanced, Strong };  // 身弱, 中和, 身强

struct FavourableElements {
    bool known = false;         // false without a birth date
    bool threePillars = false;  // the hour unknown: year, month and day only
    int dayMaster = -1;         // element index (0 金, 1 木, 2 水, 3 火, 4 土)
    Strength strength = Strength::Balanced;
    double supportShare = 50;            // the day master's party, in percent of all points
    double margin = 0;                   // |supportShare - 50|, percentage points
    int useful = -1;                     // 用神
    std::vector<int> favourable;         // 喜用: 用神 first, then 喜神
    std::vector<int> unfavourable;       // 忌神
    std::vector<std::string> reasoning;  // the steps, in words a parent can follow
};

// Points of the weighting (docs/favourable-elements.md).
inline constexpr double kStemPoints = 1.0;          // a visible stem (year, month, hour)
inline constexpr double kMainQiPoints = 1.0;        // a branch's main hidden stem (本气)
inline constexpr double kOtherQiPoints = 0.3;       // each other hidden stem (中气, 余气)
inline constexpr double kMonthCommandPoints = 3.0;  // the month branch's main qi (月令)
// 身强 above, 身弱 below 50 ± this many percentage points; 中和 within, the ends included.
inline constexpr double kBalancedBand = 5.0;

// With hourKnown false the hour pillar is left out.
[[nodiscard]] FavourableElements AnalyseFavourable(const Pillars& pillars, bool hourKnown);

[[nodiscard]] std::string_view StrengthName(Strength strength);
// "金、水"
[[nodiscard]] std::string ElementList(const std::vector<int>& elements);
// ElementMask bits (16 金, 8 木, 4 水, 2 火, 1 土) of element indices.
[[nodiscard]] unsigned ElementMaskOf(const std::vector<int>& elements);
// One line for the chart panel: "喜用神：金、水（身弱）　忌：土、火".
[[nodiscard]] std::string FavourableLine(const FavourableElements& favourable);

}  // namespace lumivane
