// The sound-word table generated from data/sound-words.tsv.

#include "core/data/sound_words.h"

#include <algorithm>
#include <iterator>

#include "core/data/generated_types.h"

namespace lumivane {
namespace generated {
#include "core/data/sound_word_tables.inc"
}  // namespace generated

namespace {

std::string_view KeyOf(const generated::GeneratedSoundWord& row) {
    return {generated::kGeneratedSoundWordBlob + row.keyOffset, row.keyLength};
}

SoundKind KindOf(std::uint8_t kind) {
    switch (kind) {
        case 1:
            return SoundKind::Person;
        case 2:
            return SoundKind::Pun;
        case 3:
            return SoundKind::Ill;
        case 4:
            return SoundKind::Brand;
        case 5:
            return SoundKind::Follow;
        default:
            return SoundKind::Word;
    }
}

}  // namespace

std::vector<SoundWord> FindSoundWords(std::string_view key) {
    const auto* begin = std::begin(generated::kGeneratedSoundWords);
    const auto* end = std::end(generated::kGeneratedSoundWords);
    // Rows are in byte order of their keys, most used first within a key.
    const auto* first = std::lower_bound(
        begin, end, key, [](const generated::GeneratedSoundWord& row, std::string_view k) {
            return KeyOf(row) < k;
        });
    std::vector<SoundWord> out;
    for (const auto* row = first; row != end && KeyOf(*row) == key; ++row) {
        out.push_back({std::string_view(generated::kGeneratedSoundWordBlob + row->textOffset,
                                        row->textLength),
                       KindOf(row->kind), row->frequency});
    }
    return out;
}

}  // namespace lumivane
