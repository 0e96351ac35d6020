#pragma once
// The family name of the current request, split by characters and looked up.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/data/character_dictionary.h"

namespace lumivane {

struct FamilyName {
    std::string firstText;   // first character of the trimmed input
    std::string secondText;  // second character, empty when the input has one
    std::uint32_t firstIndex = DictionarySize;
    std::uint32_t secondIndex = DictionarySize;
};

// Splits a trimmed family-name text: its first two characters are looked up in
// the dictionary (characters beyond the second are ignored); a missing or
// unknown character has the index DictionarySize.
[[nodiscard]] FamilyName MakeFamilyName(std::string_view trimmedText);

// The family name held by the favourites file as a packed code (first index in
// the upper 16 bits); the texts come from the dictionary.
[[nodiscard]] FamilyName FamilyNameOfCode(std::uint32_t familyCode);

}  // namespace lumivane
