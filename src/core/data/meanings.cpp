// The meanings table generated from data/meanings.tsv.

#include "core/data/meanings.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "core/data/character_dictionary.h"
#include "core/data/generated_types.h"
#include "core/data/verse_table.h"

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

std::string VerseLineHolding(std::string_view character) {
    if (character.empty()) {
        return {};
    }
    // A name character has its example chosen with the rules of the poetry
    // names; any other character takes its first line in a stanza fit to tell.
    if (const std::uint32_t index = FindCharacter(character); index < DictionarySize) {
        if (std::optional<VerseLine> example = VerseExampleOf(index)) {
            return VerseLineWithCitation(*example);
        }
    }
    for (std::uint32_t id = 0; id < VerseStanzaCount(); ++id) {
        const VerseStanza stanza = VerseStanzaAt(id);
        // An example of the character is one a parent can tell: not 泣涕如雨.
        if (!stanza.fit || stanza.text.find(character) == std::string_view::npos) {
            continue;
        }
        const std::vector<std::string_view> lines = VerseLinesOf(stanza.text);
        for (std::size_t number = 0; number < lines.size(); ++number) {
            if (lines[number].find(character) != std::string_view::npos) {
                return VerseLineWithCitation(
                    {id, static_cast<std::uint16_t>(number), lines[number]});
            }
        }
    }
    return {};
}

}  // namespace lumivane
