#pragma once
// Five-grid stroke numerology (五格剖象): the grids of a full name from its
// Kangxi stroke counts, the three-element pattern (三才) and the score.

#include <array>
#include <string>
#include <string_view>

#include "core/data/name_corpora.h"
#include "core/naming/family_name.h"

namespace lumivane {

struct FiveGrids {
    int TianGe = 0;  // 天格
    int RenGe = 0;   // 人格
    int DiGe = 0;    // 地格
    int WaiGe = 0;   // 外格
    int ZongGe = 0;  // 总格
};

// Grids from the stroke counts f, b (family name) and d, e (given name); a
// count of 0 means the character is absent.
[[nodiscard]] FiveGrids GridsOfStrokes(int f, int b, int d, int e);

// All five grids of FamilyName + the given name of the code.
[[nodiscard]] FiveGrids ComputeGrids(const FamilyName& family, GivenNameCode code);

// One grid by kind 1 天格 … 5 总格; any other kind yields 0.
[[nodiscard]] int ComputeGrid(const FamilyName& family, GivenNameCode code, int kind);

// Element name of a remainder 0 .. 9 ("木" for 1 and 2 …); empty otherwise.
[[nodiscard]] std::string_view ElementOfNumber(int remainder);

// Elements of 天格, 地格 and 外格, in that order.
[[nodiscard]] std::string SanCaiPattern(int tianGe, int diGe, int waiGe);

// Value of a pattern from the 125-row table; 4 for a pattern not in it.
[[nodiscard]] int SanCaiValue(std::string_view pattern);

// Points of a grid number from the 81-number table. A number above 81 counts
// as n - 80 (repeatedly), the usual 81-number cycle; 0 and negative numbers,
// which only characters without a stroke count produce, score 0.
[[nodiscard]] int NumberValue(int number);

// Score sum, capped at 50; the list shows it plus 50 as "00.00".
[[nodiscard]] double GejuScore(const FiveGrids& grids, int sanCaiValue);

// The displayed text of a score: score + 50 with two decimals.
[[nodiscard]] std::string FormatGejuScore(double score);

}  // namespace lumivane
