#pragma once
// The character dictionary: every character that can stand in a proposed given
// name, with its reading, five elements, radical and stroke counts. The tables
// are generated at build time from data/characters.tsv (see data/README.md).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

// Number of real records; the index DictionarySize addresses the empty record.
inline constexpr std::uint32_t DictionarySize = 7227;

// Five elements as bits: 16 金, 8 木, 4 水, 2 火, 1 土.
using ElementMask = std::uint8_t;
inline constexpr ElementMask kMetal = 16;
inline constexpr ElementMask kWood = 8;
inline constexpr ElementMask kWater = 4;
inline constexpr ElementMask kFire = 2;
inline constexpr ElementMask kEarth = 1;

struct CharacterRecord {
    std::string_view Text;     // UTF-8; one character in every real record
    std::string_view Reading;  // "hua", or ",chang,zhang," for several readings
    ElementMask MeaningElements = 0;
    std::uint16_t RadicalIndex = 0;  // into the radical table, 0 .. 266
    ElementMask RadicalElements = 0;
    std::uint8_t SimplifiedStrokes = 0;
    std::uint8_t KangxiStrokes = 0;
};

// The packed attribute words as the data defines them (bits 9-13 meaning
// elements, 16-24 radical, 26-30 radical elements; B: 0-7 simplified, 8-15 Kangxi).
[[nodiscard]] std::uint32_t AttributeWordA(std::uint32_t index);
[[nodiscard]] std::uint32_t AttributeWordB(std::uint32_t index);

// Field access for any index: an index of DictionarySize or beyond reads the empty record.
[[nodiscard]] CharacterRecord Character(std::uint32_t index);
[[nodiscard]] std::string_view CharacterText(std::uint32_t index);
[[nodiscard]] std::string_view CharacterReading(std::uint32_t index);
// The readings with tone marks, the usual one first, separated by commas without
// leading or trailing commas ("míng", "cháng,zhǎng"); empty for the empty record.
[[nodiscard]] std::string_view CharacterTonedReadings(std::uint32_t index);
[[nodiscard]] ElementMask MeaningElementsOf(std::uint32_t index);
[[nodiscard]] std::uint32_t RadicalIndexOf(std::uint32_t index);
[[nodiscard]] ElementMask RadicalElementsOf(std::uint32_t index);
[[nodiscard]] std::uint32_t SimplifiedStrokesOf(std::uint32_t index);
[[nodiscard]] std::uint32_t KangxiStrokesOf(std::uint32_t index);
// How the national statistics divide the character's bearers between the
// sexes, in thousandths: -1000 all female .. +1000 all male; 0 for a character
// they do not hold and for the empty record.
[[nodiscard]] int CharacterGenderIndex(std::uint32_t index);

// Index of the record whose text equals the argument byte for byte (UTF-8);
// DictionarySize when none does (also for an empty text or several characters).
[[nodiscard]] std::uint32_t FindCharacter(std::string_view text);

// True when one of the character's readings, or their whole stored text, is
// the syllable.
[[nodiscard]] bool HasReading(std::uint32_t index, std::string_view syllable);

// The readings of a reading list as the tables hold them ("hua", ",chang,zhang,"
// or "cháng,zhǎng"), in order, without empty parts.
[[nodiscard]] std::vector<std::string> SplitReadingList(std::string_view list);
// The first reading of such a list, without copying.
[[nodiscard]] std::string_view FirstReadingOf(std::string_view list);

}  // namespace lumivane
