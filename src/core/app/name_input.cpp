#include "core/app/name_input.h"

#include "core/app/naming_request.h"
#include "core/data/character_dictionary.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane {
namespace {

// The checks both names share; empty when the text is one or two characters
// GBK can write.
std::string CheckCharacters(const std::string& trimmed, const char* what) {
    if (!IsValidUtf8(trimmed)) {
        return std::string(what) + "不是有效的文字。";
    }
    if (std::string message = GbkRejectionMessage(trimmed); !message.empty()) {
        return message;
    }
    const std::size_t count = CharacterCount(trimmed);
    if (count > 2) {
        return std::string(what) + "“" + trimmed + "”只能是一个或两个汉字。";
    }
    return {};
}

}  // namespace

FamilyNameInput ParseFamilyNameInput(std::string_view typed) {
    FamilyNameInput input;
    input.trimmed = TrimBlanks(typed);
    if (input.trimmed.empty()) {
        input.error = std::string(kEmptyFamilyNameMessage);
        return input;
    }
    input.error = CheckCharacters(input.trimmed, "姓氏");
    if (!input.error.empty()) {
        return input;
    }
    input.name = MakeFamilyName(input.trimmed);
    input.error = UnknownFamilyCharacterMessage(input.name);
    return input;
}

GivenNameInput ParseGivenNameInput(std::string_view typed) {
    GivenNameInput input;
    input.trimmed = TrimBlanks(typed);
    if (input.trimmed.empty()) {
        input.error = "请输入名字。";
        return input;
    }
    input.error = CheckCharacters(input.trimmed, "名字");
    if (!input.error.empty()) {
        return input;
    }
    input.characters = SplitCharacters(input.trimmed);
    std::uint32_t indexes[2] = {kNoSecondCharacter, kNoSecondCharacter};
    for (std::size_t k = 0; k < input.characters.size(); ++k) {
        indexes[k] = FindCharacter(input.characters[k]);
        if (indexes[k] >= DictionarySize) {
            input.error = "名字中的“" + input.characters[k] + "”不在字库中。";
            return input;
        }
    }
    input.code = MakeGivenNameCode(indexes[0], indexes[1]);
    return input;
}

}  // namespace lumivane
