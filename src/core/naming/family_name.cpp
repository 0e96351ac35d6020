#include "core/naming/family_name.h"

#include "core/text/characters.h"

namespace lumivane {

FamilyName MakeFamilyName(std::string_view trimmedText) {
    FamilyName name;
    name.firstText = CharacterAt(trimmedText, 0);
    name.secondText = CharacterAt(trimmedText, 1);
    name.firstIndex = FindCharacter(name.firstText);
    name.secondIndex = name.secondText.empty() ? DictionarySize : FindCharacter(name.secondText);
    return name;
}

FamilyName FamilyNameOfCode(std::uint32_t familyCode) {
    FamilyName name;
    name.firstIndex = familyCode >> 16;
    name.secondIndex = familyCode & 0xFFFF;
    name.firstText = std::string(CharacterText(name.firstIndex));
    name.secondText = std::string(CharacterText(name.secondIndex));
    return name;
}

}  // namespace lumivane
