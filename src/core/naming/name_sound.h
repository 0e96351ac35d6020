#pragma once
// How a full name sounds: the tones of its syllables with a plain verdict, and
// the well-known people and words it sounds like.

#include <cstdint>
#include <string>
#include <vector>

#include "core/naming/family_name.h"

namespace lumivane {

struct Syllable {
    std::string Toned;     // "lǐ"
    std::string Toneless;  // "li"; ü written v
    int Tone = 0;          // 1-4, 0 for a neutral or unknown tone
};

// A toned reading split into its toneless form and tone.
[[nodiscard]] Syllable SyllableOf(std::string_view toned);

struct ToneReport {
    std::vector<Syllable> Syllables;   // the full name's, family first
    std::string PingZe;                // 平 for tones 1 and 2, 仄 for 3 and 4: "仄平平"
    std::vector<std::string> Remarks;  // what a reader hears amiss
    std::string Verdict;               // "读来顺口" or the remarks joined
};

// The full name's syllables as the reading chooser reads them, and:
// - three syllables all 平 or all 仄 read flat (the voice neither rises nor falls),
//   and all 上声 twist the tongue (each but the last is said rising);
// - the given name ending in the family name's syllable, or two neighbouring
//   syllables alike, sound repeated;
// - a syllable ending in n or ng before one that begins with a vowel runs into
//   it (张恩 zhāng ēn is heard zhā ngēn).
[[nodiscard]] ToneReport TonesOfName(const FamilyName& family, std::uint32_t first,
                                     std::uint32_t second);

struct SoundAlike {
    std::string Text;  // 李嘉诚, 文明
    std::string Kind;  // 名人, 谐音, 贬义 (of ill meaning), 品牌 or 常用词
    std::string Words;  // "与名人 李嘉诚 同音", "谐音 肚子疼", "与品牌 宝洁 同音"
};

// The well-known people whose names sound like the full name (same toneless
// syllables); one word the full name sounds like: of ill meaning (范统 饭桶),
// a one-character one of ill meaning and a word that may follow it (史珍香
// 屎真香), or else the most used three-character word (杜子腾 肚子疼); a word
// of ill meaning or a brand a two-character given name sounds like (子吉
// 仔鸡); and the given name when it is itself a common word.
[[nodiscard]] std::vector<SoundAlike> SoundAlikesOf(const FamilyName& family, std::uint32_t first,
                                                    std::uint32_t second);

}  // namespace lumivane
