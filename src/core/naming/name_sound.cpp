// Tones and sound-alikes of a full name (see name_sound.h).

#include "core/naming/name_sound.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/data/character_dictionary.h"
#include "core/data/sound_words.h"
#include "core/naming/readings.h"
#include "core/text/characters.h"

namespace lumivane {
namespace {

struct Mark {
    std::string_view text;
    char base;
    int tone;
};

constexpr std::array<Mark, 25> kMarks = {{
    {"ā", 'a', 1}, {"á", 'a', 2}, {"ǎ", 'a', 3}, {"à", 'a', 4}, {"ē", 'e', 1},
    {"é", 'e', 2}, {"ě", 'e', 3}, {"è", 'e', 4}, {"ī", 'i', 1}, {"í", 'i', 2},
    {"ǐ", 'i', 3}, {"ì", 'i', 4}, {"ō", 'o', 1}, {"ó", 'o', 2}, {"ǒ", 'o', 3},
    {"ò", 'o', 4}, {"ū", 'u', 1}, {"ú", 'u', 2}, {"ǔ", 'u', 3}, {"ù", 'u', 4},
    {"ǖ", 'v', 1}, {"ǘ", 'v', 2}, {"ǚ", 'v', 3}, {"ǜ", 'v', 4}, {"ü", 'v', 0},
}};

std::vector<Syllable> SyllablesOfName(const FamilyName& family, std::uint32_t first,
                                      std::uint32_t second) {
    std::vector<Syllable> out;
    for (const std::string& reading : FamilyCharacterReadings(family)) {
        if (!reading.empty()) {
            out.push_back(SyllableOf(reading));
        }
    }
    for (std::uint32_t index : {first, second}) {
        if (index < DictionarySize) {
            out.push_back(SyllableOf(ReadingOf(index, ReadingRole::Given)));
        }
    }
    return out;
}

// The toneless syllables [from, to) joined by blanks.
std::string Key(const std::vector<Syllable>& syllables, std::size_t from,
                std::size_t to = std::string::npos) {
    std::string key;
    for (std::size_t i = from; i < std::min(to, syllables.size()); ++i) {
        key += (key.empty() ? "" : " ") + syllables[i].Toneless;
    }
    return key;
}

// The most used word of the kind and character count one of whose readings
// is the key, or an empty text.
std::string_view FirstOfKind(std::string_view key, SoundKind kind, std::size_t characters) {
    for (const SoundWord& word : FindSoundWords(key)) {
        if (word.Kind == kind && CharacterCount(word.Text) == characters) {
            return word.Text;
        }
    }
    return {};
}

bool StartsWithVowel(const std::string& syllable) {
    return !syllable.empty() && (syllable[0] == 'a' || syllable[0] == 'o' || syllable[0] == 'e');
}

bool EndsWithNasal(const std::string& syllable) {
    return syllable.ends_with('n') || syllable.ends_with("ng");
}

}  // namespace

Syllable SyllableOf(std::string_view toned) {
    Syllable out{std::string(toned), {}, 0};
    for (std::size_t at = 0; at < toned.size();) {
        bool marked = false;
        for (const Mark& mark : kMarks) {
            if (toned.substr(at, mark.text.size()) == mark.text) {
                out.Toneless += mark.base;
                out.Tone = mark.tone != 0 ? mark.tone : out.Tone;
                at += mark.text.size();
                marked = true;
                break;
            }
        }
        if (!marked) {
            out.Toneless += toned[at];
            ++at;
        }
    }
    return out;
}

ToneReport TonesOfName(const FamilyName& family, std::uint32_t first, std::uint32_t second) {
    ToneReport report;
    report.Syllables = SyllablesOfName(family, first, second);
    const std::vector<Syllable>& s = report.Syllables;
    int level = 0;
    int oblique = 0;
    for (const Syllable& syllable : s) {
        const bool isLevel = syllable.Tone == 1 || syllable.Tone == 2;
        report.PingZe += syllable.Tone == 0 ? "轻" : isLevel ? "平" : "仄";
        level += isLevel;
        oblique += syllable.Tone >= 3;
    }
    const bool allThird = std::all_of(s.begin(), s.end(),
                                      [](const Syllable& syllable) { return syllable.Tone == 3; });
    if (s.size() >= 3 && allThird) {
        // Said aloud, each 上声 but the last turns rising (李禧宇 lí xí yǔ):
        // parents hear a tongue-twister rather than a flat line.
        std::string readings;
        for (const Syllable& syllable : s) {
            readings += (readings.empty() ? "" : " ") + syllable.Toned;
        }
        report.Remarks.push_back("字字上声（" + readings + "），连读要变调，读来拗口");
    } else if (s.size() >= 3 &&
               (level == static_cast<int>(s.size()) || oblique == static_cast<int>(s.size()))) {
        report.Remarks.push_back(std::string(level > 0 ? "字字平声" : "字字仄声") +
                                 "，声调没有起伏，读来平板");
    }
    const std::size_t familySize = family.secondText.empty() ? 1 : 2;
    const bool endsLikeFamily =
        s.size() > familySize && s.back().Toneless == s[familySize - 1].Toneless;
    if (endsLikeFamily) {
        report.Remarks.push_back("名字末字与姓同音（" + s[familySize - 1].Toned + "、" +
                                 s.back().Toned + "），读来重复");
    }
    for (std::size_t i = 1; i < s.size(); ++i) {
        // The family name and a one-character given name are said above.
        const bool saidAbove = endsLikeFamily && i + 1 == s.size() && i == familySize;
        if (s[i].Toneless == s[i - 1].Toneless && !saidAbove) {
            report.Remarks.push_back("相邻两字同音（" + s[i - 1].Toned + "、" + s[i].Toned +
                                     "），读来重复");
        }
        if (EndsWithNasal(s[i - 1].Toneless) && StartsWithVowel(s[i].Toneless)) {
            report.Remarks.push_back(s[i - 1].Toned + " 的鼻音韵尾会连到 " + s[i].Toned +
                                     " 上，两字界限不清");
        }
    }
    if (report.Remarks.empty()) {
        report.Verdict = "声调有起伏，读来顺口";
    } else {
        for (const std::string& remark : report.Remarks) {
            report.Verdict += (report.Verdict.empty() ? "" : "；") + remark;
        }
    }
    return report;
}

std::vector<SoundAlike> SoundAlikesOf(const FamilyName& family, std::uint32_t first,
                                      std::uint32_t second) {
    std::vector<SoundAlike> out;
    const std::vector<Syllable> syllables = SyllablesOfName(family, first, second);
    std::string fullText =
        std::string(CharacterText(family.firstIndex)) +
        std::string(family.secondText.empty() ? std::string_view{}
                                              : CharacterText(family.secondIndex));
    std::string givenText;
    for (std::uint32_t index : {first, second}) {
        if (index < DictionarySize) {
            givenText += CharacterText(index);
        }
    }
    fullText += givenText;
    for (const SoundWord& word : FindSoundWords(Key(syllables, 0))) {
        if (word.Kind == SoundKind::Person) {
            const bool same = word.Text == fullText;
            out.push_back({std::string(word.Text), "名人",
                           "与名人 " + std::string(word.Text) + (same ? " 同名" : " 同音")});
        }
    }
    const std::size_t familySize = family.secondText.empty() ? 1 : 2;
    // The full name heard as one word, the worst first: a word of ill meaning
    // (范统 饭桶), a one-character one followed by a word (史珍香 屎 + 真香),
    // then any three-character word (杜子腾 肚子疼). One says enough.
    std::string pun;
    if (syllables.size() == 2 || syllables.size() == 3) {
        pun = FirstOfKind(Key(syllables, 0), SoundKind::Ill, syllables.size());
    }
    const char* punKind = "贬义";
    if (pun.empty() && syllables.size() == 3 && familySize == 1) {
        const std::string_view ill = FirstOfKind(Key(syllables, 0, 1), SoundKind::Ill, 1);
        const std::string_view next = FirstOfKind(Key(syllables, 1), SoundKind::Follow, 2);
        if (!ill.empty() && !next.empty()) {
            pun = std::string(ill) + std::string(next);
        }
    }
    if (pun.empty() && syllables.size() == 3) {
        punKind = "谐音";
        for (const SoundWord& word : FindSoundWords(Key(syllables, 0))) {
            if ((word.Kind == SoundKind::Word || word.Kind == SoundKind::Pun) &&
                word.Text != fullText && CharacterCount(word.Text) == 3) {
                pun = word.Text;
                break;  // the most used one
            }
        }
    }
    if (!pun.empty()) {
        out.push_back({pun, punKind, "谐音 " + pun});
    }
    if (syllables.size() >= familySize + 2) {
        const std::string givenKey = Key(syllables, familySize);
        // A two-character given name heard as a word of ill meaning whatever
        // the family name (子吉 仔鸡), or as a brand (宝洁).
        const std::string_view ill = FirstOfKind(givenKey, SoundKind::Ill, 2);
        if (!ill.empty() && ill != pun) {
            out.push_back({std::string(ill), "贬义", "谐音 " + std::string(ill)});
        }
        const std::string_view brand = FirstOfKind(givenKey, SoundKind::Brand, 2);
        if (!brand.empty()) {
            out.push_back({std::string(brand), "品牌", "与品牌 " + std::string(brand) + " 同音"});
        }
        for (const SoundWord& word : FindSoundWords(givenKey)) {
            if (word.Kind == SoundKind::Word && word.Text == givenText) {
                out.push_back({givenText, "常用词", "名字是常用词 " + givenText});
            }
        }
    }
    return out;
}

}  // namespace lumivane
