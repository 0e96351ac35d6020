#pragma once
// Sections of the name analysis and dictionary pages that stand on their own:
// the readings a name takes, the 三才 and the notes on a name's shape.

#include <cstdint>
#include <optional>
#include <string>

#include "core/data/name_corpora.h"
#include "core/naming/numerology.h"
#include "core/naming/readings.h"

namespace lumivane::site {

// A character's readings for a table cell: the chosen reading first, marked
// by `role` when there is one (姓; 复姓万俟 for 万 read mò only there), then its
// other readings in common use.
[[nodiscard]] std::string ReadingsCell(std::uint32_t index, const std::string& chosen,
                                       std::string_view role);
// The dictionary's readings row: the common readings, most used first, the
// family-name and name readings marked, then the rare ones as such.
[[nodiscard]] std::string DictionaryReadingsCell(std::uint32_t index);
// One note per polyphonic given-name character; empty when there is none.
[[nodiscard]] std::string PolyphoneNotes(std::uint32_t first, std::uint32_t second);

// The 三才 section: the standard pattern with its verdict, and the design's
// pattern that the score uses with its value in words.
[[nodiscard]] std::string SanCaiSection(const FiveGrids& grids);
// The note under the grids for a one-character family and given name, whose
// 外格 is 2 by the rule; empty for other shapes.
[[nodiscard]] std::string WaiGeNote(const FamilyName& family, bool oneCharacterGiven);

// The 重名 section: how many people bear the full name, on what basis, and
// the given name's trend.
[[nodiscard]] std::string SameNameSection(const FamilyName& family, std::uint32_t first,
                                          std::uint32_t second, std::optional<Sex> sex);

// The 声律 section: the tones with their verdict, and the people and words the
// name sounds like.
[[nodiscard]] std::string SoundSection(const FamilyName& family, std::uint32_t first,
                                       std::uint32_t second);

// The 字义 section: per given-name character its common words and Unicode's
// English gloss, labelled as such; nothing is said where the sources say nothing.
[[nodiscard]] std::string MeaningSection(std::uint32_t first, std::uint32_t second);
// The dictionary page's rows of the same facts for one character.
[[nodiscard]] std::string MeaningRows(std::uint32_t index);

}  // namespace lumivane::site
