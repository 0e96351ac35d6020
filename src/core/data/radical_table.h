#pragma once
// The 267 radicals (部首) by stroke count, as the filter dialog offers them.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lumivane {

inline constexpr std::uint32_t RadicalTableSize = 267;

struct RadicalEntry {
    std::string_view RadicalName;     // UTF-8, one character
    std::string_view RadicalStrokes;  // decimal text "1" .. "15"
};

// What tells a radical from one that looks alike (口 and 囗): its reading as a
// character and the Kangxi radical it is a form of (data/radical-names.tsv,
// from Unihan).
struct RadicalName {
    std::string_view Reading;        // toned where Unihan tones it: "kǒu", "wéi"
    int KangxiNumber;                // 1 .. 214; 0 for a character that only stands under one (丷)
    bool SimplifiedForm;             // a simplified form of that radical (讠 of 言)
    std::string_view KangxiRadical;  // the radical's own character: "人" for 亻, "言" for 讠
};

// Entry access for 0 .. 266; any other index gives an empty entry.
[[nodiscard]] RadicalEntry Radical(std::uint32_t index);
[[nodiscard]] RadicalName RadicalNameOf(std::uint32_t index);

// First entry whose name equals the argument; 0 when none does.
[[nodiscard]] std::uint32_t FindRadical(std::string_view name);

// Names of the radicals whose stroke text is the decimal text of n, in index
// order; empty outside 1 .. 15.
[[nodiscard]] std::vector<std::string_view> RadicalsOfStrokeCount(int n);

// "一" .. "十五": the stroke counts 1 .. 15 as Chinese numerals.
extern const std::array<std::string_view, 15> StrokeNumerals;

}  // namespace lumivane
