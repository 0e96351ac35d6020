#pragma once
// What a character means, as far as sources say it: the common words that
// contain it (jieba's dictionary, most used first) and Unicode's English gloss.
// Generated from data/meanings.tsv (see data/README.md).

#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

struct CharacterMeaning {
    std::vector<std::string> Words;  // most used first; none for a rare character
    std::string_view Gloss;          // Unihan kDefinition, English; empty if none
};

// The meaning of a dictionary character; empty for any other text.
[[nodiscard]] CharacterMeaning MeaningOf(std::string_view character);

// A classical line that holds the character, with its source: the first one
// in the verse table's order (its collections in their order, 诗经 first) of a
// stanza fit to tell parents; empty when no such stanza holds it.
[[nodiscard]] std::string VerseLineHolding(std::string_view character);

}  // namespace lumivane
