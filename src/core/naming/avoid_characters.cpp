#include "core/naming/avoid_characters.h"

#include <algorithm>

#include "core/data/traditional_characters.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane {
namespace {

bool IsSeparator(std::string_view character) {
    static constexpr std::string_view kSeparators[] = {",", "，", "、", ";", "；"};
    return std::find(std::begin(kSeparators), std::end(kSeparators), character) !=
               std::end(kSeparators) ||
           TrimBlanks(character).empty();
}

}  // namespace

bool AvoidCharacters::Holds(std::uint32_t index) const {
    return std::binary_search(m_indexes.begin(), m_indexes.end(), index);
}

bool AvoidCharacters::HoldsAny(GivenNameCode code) const {
    return !m_indexes.empty() && (Holds(FirstIndexOf(code)) || Holds(SecondIndexOf(code)));
}

AvoidCharactersInput ParseAvoidCharacters(std::string_view typed) {
    AvoidCharactersInput input;
    if (!IsValidUtf8(typed)) {
        input.error = "不用的字不是有效的文字。";
        return input;
    }
    std::vector<std::string> kept;
    for (const std::string& character : SplitCharacters(typed)) {
        if (IsSeparator(character)) {
            continue;
        }
        if (std::string message = GbkRejectionMessage(character); !message.empty()) {
            input.error = "不用的字：" + message;
            return input;
        }
        if (!IsHanCodePoint(SingleCodePoint(character))) {
            input.error = "不用的字只能是汉字，“" + character + "”不是汉字。";
            return input;
        }
        if (std::find(kept.begin(), kept.end(), character) == kept.end()) {
            kept.push_back(character);
        }
    }
    if (kept.size() > kAvoidCharactersMax) {
        input.error = "不用的字最多 " + std::to_string(kAvoidCharactersMax) + " 个，现有 " +
                      std::to_string(kept.size()) + " 个。";
        return input;
    }
    for (const std::string& character : kept) {
        input.avoid.m_text += character;
        std::uint32_t index = FindCharacter(character);
        if (index >= DictionarySize) {
            index = FindSimplifiedOfTraditional(character);
        }
        if (index < DictionarySize) {
            input.avoid.m_indexes.push_back(index);
        }
    }
    std::sort(input.avoid.m_indexes.begin(), input.avoid.m_indexes.end());
    return input;
}

}  // namespace lumivane
