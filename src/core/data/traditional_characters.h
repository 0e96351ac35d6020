#pragma once
// Traditional characters the dictionary has no record of, mapped to the record
// of their simplified form (OpenCC's traditional→simplified table, see
// data/README.md), so that a family name typed as 張 scores as 张.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

// The index of the simplified record of a traditional character that the
// dictionary lacks; DictionarySize for any other text (a character with its
// own record, one without a simplified record, several characters).
[[nodiscard]] std::uint32_t FindSimplifiedOfTraditional(std::string_view text);

// The traditional forms that map to the record of index, in code-point order
// (发 → 發, 髮); empty when the character is written the same in traditional
// text or its traditional form has a record of its own.
[[nodiscard]] std::vector<std::string> TraditionalFormsOf(std::uint32_t index);

}  // namespace lumivane
