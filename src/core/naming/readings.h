#pragma once
// The reading chooser: which reading of a character to show where a name or a
// character is read out. A family name takes its family-name reading (单 shàn,
// 曾 zēng; 尉迟 yù chí as a whole), a given-name character its name reading
// (晟 shèng, 偲 sī), any other character its most used reading.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/naming/family_name.h"

namespace lumivane {

enum class ReadingRole { Plain, Family, Given };

// The toned readings of a record in common use, most used first; a record with
// none in common use gives its usual reading. Empty for the empty record.
[[nodiscard]] std::vector<std::string> CommonReadingsOf(std::uint32_t index);
// The record's other readings (old or rare: 王 wàng yù, 明 mèng), in its order.
[[nodiscard]] std::vector<std::string> RareReadingsOf(std::uint32_t index);
// The reading a character takes as a family name; empty when no source gives one.
[[nodiscard]] std::string SurnameReadingOf(std::uint32_t index);
// The reading a character takes in given names; empty when no source gives one.
[[nodiscard]] std::string NameReadingOf(std::uint32_t index);
// The reading to show for a character in the role; "?" for the empty record.
[[nodiscard]] std::string ReadingOf(std::uint32_t index, ReadingRole role);

// A family name's reading, its syllables separated by blanks: a compound
// family name as a whole where the table has it, else each character's.
[[nodiscard]] std::string FamilyNameReadingOf(const FamilyName& name);
// The reading of each of a family name's characters, from the whole (万俟:
// mò, qí); the second is empty for a one-character family name.
[[nodiscard]] std::array<std::string, 2> FamilyCharacterReadings(const FamilyName& name);
// The full name's pinyin: the family name, then the given name's characters
// (kNoSecondCharacter or any index beyond the dictionary is left out).
[[nodiscard]] std::string FullNamePinyin(const FamilyName& family, std::uint32_t first,
                                         std::uint32_t second);

// One line for a given-name character with several readings in common use:
// "乐 在名字中通常读 lè，也读 yuè。"; empty for a character with one.
[[nodiscard]] std::string PolyphoneNote(std::uint32_t index);

}  // namespace lumivane
