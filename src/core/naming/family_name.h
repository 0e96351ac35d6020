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

// The record of a family-name character: its own, or for a traditional
// character the dictionary lacks (張, 陳) that of its simplified form;
// DictionarySize when there is neither.
[[nodiscard]] std::uint32_t FindFamilyCharacter(std::string_view character);

// Splits a trimmed family-name text: its first two characters are looked up
// with FindFamilyCharacter (characters beyond the second are ignored); a
// missing or unknown character has the index DictionarySize. The texts stay as
// typed.
[[nodiscard]] FamilyName MakeFamilyName(std::string_view trimmedText);

// A message naming the first of the two family-name characters that has no
// record, whose strokes would count 0 and so give a wrong score; empty when
// both are known (or the second is absent).
[[nodiscard]] std::string UnknownFamilyCharacterMessage(const FamilyName& name);

// The family name held by the favourites file as a packed code (first index in
// the upper 16 bits); the texts come from the dictionary.
[[nodiscard]] FamilyName FamilyNameOfCode(std::uint32_t familyCode);
// The same code of a family name, packed as a given name's code is.
[[nodiscard]] std::uint32_t FamilyCodeOf(const FamilyName& family);

}  // namespace lumivane
