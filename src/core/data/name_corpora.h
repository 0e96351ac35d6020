#pragma once
// Given-name corpora and position frequency tables per sex, and the code in
// which every given name travels.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/data/character_dictionary.h"

namespace lumivane {

// First character index in the upper 16 bits, second in the lower; 0xFFFF in
// the lower half marks a one-character given name.
using GivenNameCode = std::uint32_t;
inline constexpr std::uint32_t kNoSecondCharacter = 0xFFFF;

[[nodiscard]] constexpr GivenNameCode MakeGivenNameCode(std::uint32_t first, std::uint32_t second) {
    return (first << 16) | (second & 0xFFFF);
}
[[nodiscard]] constexpr std::uint32_t FirstIndexOf(GivenNameCode code) {
    return code >> 16;
}
[[nodiscard]] constexpr std::uint32_t SecondIndexOf(GivenNameCode code) {
    return code & 0xFFFF;
}

enum class Sex { Male, Female };

// The sex list of the main window: item 0 (男) is male, every other item female.
[[nodiscard]] constexpr Sex SexOfItemIndex(int itemIndex) {
    return itemIndex == 0 ? Sex::Male : Sex::Female;
}

struct PositionEntry {
    std::uint32_t CharIndex;
    std::uint32_t Count;
};

// Four tiers of ranks per sex, and how many names each tier yields.
using RankBounds = std::array<std::uint32_t, 4>;
inline constexpr std::array<std::uint32_t, 4> TierQuotas{400, 300, 150, 50};

// The data of one sex selected for a request. Position tables have
// DictionarySize + 1 entries (the last is {0, 0}); the corpus holds only real
// names, so its size is per sex (see data/README.md).
struct WorkingSet {
    Sex sex = Sex::Male;
    // Free pairs and corpus names are drawn with the chance of the product of
    // their characters' counts raised to this power: real names gather on the
    // common pairs more than independent characters would (data/README.md).
    double PairExponent = 1.0;
    std::span<const PositionEntry> FirstPosition;
    std::span<const PositionEntry> SecondPosition;
    std::span<const GivenNameCode> Corpus;
    // The corpus's first names are those the national lists of the 1990s and
    // 2000s name; older national names and those found in text follow.
    std::size_t ListedNames = 0;
    RankBounds Bounds{};
};

[[nodiscard]] WorkingSet SelectWorkingSet(Sex sex);

// How well a character drawn for a free pair fits its place in a name of the
// sex, as the readers' verdicts taught (data/README.md, data/pair-fit.tsv): a
// pair is proposed only when its two characters' fits sum to at least the
// bar, neither fit falls below the floor, each character's share of good
// verdicts in its place reaches the panel's bar, and the readers neither heard
// the pair as an ill word or a well-known person nor mostly found it odd.
// Fits, shares, bars and floor are in thousandths.
struct PairFitEntry {
    std::uint32_t CharIndex;
    std::int32_t Thousandths;
    std::int32_t Panel;
};
// A given name's reading that readers, after the family name, heard as a
// well-known person or an ill word in many of its pairs (李 jiā qí: 李佳琦).
struct HeardSound {
    std::string_view Family;   // 李
    std::string_view Reading;  // "jiā qí": each character's toned reading, a blank between
};

struct PairFitTable {
    std::int32_t Bar = 0;
    std::int32_t PanelBar = 0;
    std::int32_t PartFloor = 0;
    std::span<const PairFitEntry> First;     // the drawn characters of the first place
    std::span<const PairFitEntry> Second;    // and of the second
    std::span<const GivenNameCode> Refused;  // in ascending order
    std::span<const HeardSound> Sounds;      // by family name, then reading
};
[[nodiscard]] PairFitTable PairFitsOf(Sex sex);
[[nodiscard]] std::uint32_t NameCorpusSize(Sex sex);

}  // namespace lumivane
