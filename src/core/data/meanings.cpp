// The meanings table generated from data/meanings.tsv.

#include "core/data/meanings.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "core/data/generated_types.h"

namespace lumivane {
namespace generated {
#include "core/data/meaning_tables.inc"
}  // namespace generated

namespace {

std::string_view Field(std::uint32_t offset, std::uint16_t length) {
    return {generated::kGeneratedMeaningBlob + offset, length};
}

}  // namespace

CharacterMeaning MeaningOf(std::string_view character) {
    const auto* begin = std::begin(generated::kGeneratedMeanings);
    const auto* end = std::end(generated::kGeneratedMeanings);
    // Rows are in byte order of their characters (the generator checks it).
    const auto* found = std::lower_bound(
        begin, end, character, [](const generated::GeneratedMeaning& row, std::string_view key) {
            return Field(row.textOffset, row.textLength) < key;
        });
    CharacterMeaning out;
    if (found == end || Field(found->textOffset, found->textLength) != character) {
        return out;
    }
    std::string_view words = Field(found->wordsOffset, found->wordsLength);
    while (!words.empty()) {
        const std::size_t comma = words.find(',');
        out.Words.emplace_back(words.substr(0, comma));
        words = comma == std::string_view::npos ? std::string_view{} : words.substr(comma + 1);
    }
    out.Gloss = Field(found->glossOffset, found->glossLength);
    return out;
}

}  // namespace lumivane
