#pragma once
// One-character given names: every character frequent in either position.

#include "core/naming/filter_set.h"
#include "core/naming/naming_state.h"

namespace lumivane {

// A character is taken when its count at that position exceeds this.
inline constexpr std::uint32_t kSingleCharacterMinimumCount = 100;

// Appends the frequent characters of the first-position table, then of the
// second, as one-character codes. With filters (an advanced request) only those
// passing the first-character test, or only the fixed first character.
void AddSingleCharacters(NamingState& state, const FilterTests* filters);

// Puts the candidates in a random order in which a character comes early with
// the chance of its counts in both positions, so the first screen holds the
// characters parents give most, not a draw of the whole list's rare end.
void OrderSingleCharactersByUse(NamingState& state);

}  // namespace lumivane
