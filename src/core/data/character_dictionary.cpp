// The character dictionary over the tables generated from data/characters.tsv.

#include "core/data/character_dictionary.h"

#include <algorithm>
#include <vector>

#include <cstddef>
#include <iterator>

#include "core/data/generated_types.h"

namespace lumivane {
namespace generated {
// The texts and readings of all records are one literal, indexed by offsets, so
// that the table needs no relocations; it is longer than the 65,536 characters
// the standard asks every compiler to accept, which GCC and Clang both do.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverlength-strings"
#include "core/data/character_tables.inc"
#pragma GCC diagnostic pop
}  // namespace generated

namespace {

using generated::kGeneratedAttributeWords;
using generated::kGeneratedCharacterTexts;

static_assert(generated::kGeneratedCharacterCount == DictionarySize);
static_assert(std::size(kGeneratedCharacterTexts) == DictionarySize + 1);
static_assert(std::size(kGeneratedAttributeWords) == DictionarySize + 1);
static_assert(std::size(generated::kGeneratedGenderIndex) == DictionarySize + 1);
static_assert(generated::kGeneratedGenderIndex[DictionarySize] == 0);
static_assert(kGeneratedAttributeWords[DictionarySize].a == 0 &&
              kGeneratedAttributeWords[DictionarySize].b == 0);

// Every index past the real records reads the empty record.
constexpr std::uint32_t Clamp(std::uint32_t index) {
    return index < DictionarySize ? index : DictionarySize;
}

constexpr std::string_view Piece(std::uint32_t offset, std::uint8_t length) {
    return std::string_view(generated::kGeneratedCharacterBlob + offset, length);
}

constexpr std::string_view TextAt(std::uint32_t index) {
    const auto& entry = kGeneratedCharacterTexts[index];
    return Piece(entry.textOffset, entry.textLength);
}

}  // namespace

std::uint32_t AttributeWordA(std::uint32_t index) {
    return kGeneratedAttributeWords[Clamp(index)].a;
}

std::uint32_t AttributeWordB(std::uint32_t index) {
    return kGeneratedAttributeWords[Clamp(index)].b;
}

std::string_view CharacterText(std::uint32_t index) {
    return TextAt(Clamp(index));
}

std::string_view CharacterReading(std::uint32_t index) {
    const auto& entry = kGeneratedCharacterTexts[Clamp(index)];
    return Piece(entry.readingOffset, entry.readingLength);
}

std::string_view CharacterTonedReadings(std::uint32_t index) {
    const auto& entry = kGeneratedCharacterTexts[Clamp(index)];
    return Piece(entry.tonedOffset, entry.tonedLength);
}

ElementMask MeaningElementsOf(std::uint32_t index) {
    return static_cast<ElementMask>((AttributeWordA(index) >> 9) & 0x1F);
}

std::uint32_t RadicalIndexOf(std::uint32_t index) {
    return (AttributeWordA(index) >> 16) & 0x1FF;
}

ElementMask RadicalElementsOf(std::uint32_t index) {
    return static_cast<ElementMask>((AttributeWordA(index) >> 26) & 0x1F);
}

std::uint32_t SimplifiedStrokesOf(std::uint32_t index) {
    return AttributeWordB(index) & 0xFF;
}

std::uint32_t KangxiStrokesOf(std::uint32_t index) {
    return (AttributeWordB(index) >> 8) & 0xFF;
}

int CharacterGenderIndex(std::uint32_t index) {
    return generated::kGeneratedGenderIndex[Clamp(index)];
}

CharacterRecord Character(std::uint32_t index) {
    CharacterRecord record;
    record.Text = CharacterText(index);
    record.Reading = CharacterReading(index);
    record.MeaningElements = MeaningElementsOf(index);
    record.RadicalIndex = static_cast<std::uint16_t>(RadicalIndexOf(index));
    record.RadicalElements = RadicalElementsOf(index);
    record.SimplifiedStrokes = static_cast<std::uint8_t>(SimplifiedStrokesOf(index));
    record.KangxiStrokes = static_cast<std::uint8_t>(KangxiStrokesOf(index));
    return record;
}

std::uint32_t FindCharacter(std::string_view text) {
    // The built-in pages look up every character of a query, so the records
    // are kept sorted by text once (the first record of a text first). The
    // empty record is not among them, so an empty text finds nothing.
    static const std::vector<std::uint32_t> byText = [] {
        std::vector<std::uint32_t> order(DictionarySize);
        for (std::uint32_t index = 0; index < DictionarySize; ++index) {
            order[index] = index;
        }
        std::stable_sort(order.begin(), order.end(),
                         [](std::uint32_t a, std::uint32_t b) { return TextAt(a) < TextAt(b); });
        return order;
    }();
    auto it =
        std::lower_bound(byText.begin(), byText.end(), text,
                         [](std::uint32_t index, std::string_view t) { return TextAt(index) < t; });
    if (it != byText.end() && TextAt(*it) == text) {
        return *it;
    }
    return DictionarySize;
}

namespace {

// Calls visit on each non-empty reading of a list until it answers true.
template <typename Visit>
bool AnyReading(std::string_view list, Visit visit) {
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view one = list.substr(0, comma);
        if (!one.empty() && visit(one)) {
            return true;
        }
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    }
    return false;
}

}  // namespace

bool HasReading(std::uint32_t index, std::string_view syllable) {
    // The whole stored text counts too, as the pinyin filter always took it.
    const std::string_view readings = CharacterReading(index);
    return readings == syllable ||
           AnyReading(readings, [syllable](std::string_view one) { return one == syllable; });
}

std::vector<std::string> SplitReadingList(std::string_view list) {
    std::vector<std::string> readings;
    AnyReading(list, [&readings](std::string_view one) {
        readings.emplace_back(one);
        return false;
    });
    return readings;
}

std::string_view FirstReadingOf(std::string_view list) {
    std::string_view first;
    AnyReading(list, [&first](std::string_view one) {
        first = one;
        return true;
    });
    return first;
}

}  // namespace lumivane
