#pragma once
// Pinyin as a user types it, brought to the form the dictionary stores:
// lower case, no tones, ü written v.

#include <string>
#include <string_view>

namespace lumivane {

// The rule, as shown beside the pinyin boxes.
inline constexpr std::string_view kPinyinRuleText =
    "拼音不分大小写、不标声调：Míng、ming2 都按 ming 查找；\n"
    "ü 写作 v（lü 即 lv）。";

// Capitals become small letters (full-width letters too), tone marks and
// tone numbers go, ü (also "u:" and u with a combining diaeresis) becomes v,
// but u after j, q, x and y, where the dictionary writes ü as u (居 ju).
// Anything else is kept as it is, so text that is no pinyin still matches
// nothing.
[[nodiscard]] std::string NormalizePinyin(std::string_view typed);

}  // namespace lumivane
