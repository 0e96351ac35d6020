#include "core/naming/family_name.h"

#include <utility>

#include "core/data/name_corpora.h"
#include "core/data/traditional_characters.h"
#include "core/text/characters.h"

namespace lumivane {

std::uint32_t FindFamilyCharacter(std::string_view character) {
    std::uint32_t index = FindCharacter(character);
    return index < DictionarySize ? index : FindSimplifiedOfTraditional(character);
}

FamilyName MakeFamilyName(std::string_view trimmedText) {
    FamilyName name;
    name.firstText = CharacterAt(trimmedText, 0);
    name.secondText = CharacterAt(trimmedText, 1);
    name.firstIndex = FindFamilyCharacter(name.firstText);
    name.secondIndex =
        name.secondText.empty() ? DictionarySize : FindFamilyCharacter(name.secondText);
    return name;
}

std::string UnknownFamilyCharacterMessage(const FamilyName& name) {
    for (const auto& [text, index] : {std::pair{&name.firstText, name.firstIndex},
                                      std::pair{&name.secondText, name.secondIndex}}) {
        if (!text->empty() && index >= DictionarySize) {
            return "姓氏中的“" + *text + "”不在字库中，无法计算笔画。请改用常见的写法。";
        }
    }
    return {};
}

FamilyName FamilyNameOfCode(std::uint32_t familyCode) {
    FamilyName name;
    name.firstIndex = FirstIndexOf(familyCode);
    name.secondIndex = SecondIndexOf(familyCode);
    name.firstText = std::string(CharacterText(name.firstIndex));
    name.secondText = std::string(CharacterText(name.secondIndex));
    return name;
}

std::uint32_t FamilyCodeOf(const FamilyName& family) {
    return MakeGivenNameCode(family.firstIndex, family.secondIndex);
}

}  // namespace lumivane
