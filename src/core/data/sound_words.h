#pragma once
// Words and well-known people by their toneless readings, for the sound-alike
// check. Generated from data/sound-words.tsv (see data/README.md).

#include <cstdint>
#include <string_view>
#include <vector>

namespace lumivane {

enum class SoundKind {
    Word,    // a common word
    Person,  // a well-known person
    Pun,     // a three-character word a full name may sound like (肚子疼)
    Ill,     // a word of ill or laughable meaning (饭桶, 仔鸡, 屎)
    Brand,   // a brand or company (宝洁)
    Follow,  // a two-character word that may follow a one-character Ill word (一群)
};

struct SoundWord {
    std::string_view Text;
    SoundKind Kind = SoundKind::Word;
    std::uint32_t Frequency = 0;
};

// Every word or person one of whose readings is the key (toneless syllables
// joined by blanks: "li jia cheng"), most used first.
[[nodiscard]] std::vector<SoundWord> FindSoundWords(std::string_view key);

}  // namespace lumivane
