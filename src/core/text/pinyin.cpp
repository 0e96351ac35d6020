#include "core/text/pinyin.h"

#include <cstdint>

#include "core/text/characters.h"

namespace lumivane {
namespace {

struct Replacement {
    std::string_view from;
    char to;
};

// Vowels with tone marks, upper and lower case, as precomposed characters.
constexpr Replacement kToneVowels[] = {
    {"ā", 'a'}, {"á", 'a'}, {"ǎ", 'a'}, {"à", 'a'}, {"Ā", 'a'}, {"Á", 'a'}, {"Ǎ", 'a'}, {"À", 'a'},
    {"ē", 'e'}, {"é", 'e'}, {"ě", 'e'}, {"è", 'e'}, {"Ē", 'e'}, {"É", 'e'}, {"Ě", 'e'}, {"È", 'e'},
    {"ê", 'e'}, {"Ê", 'e'}, {"ī", 'i'}, {"í", 'i'}, {"ǐ", 'i'}, {"ì", 'i'}, {"Ī", 'i'}, {"Í", 'i'},
    {"Ǐ", 'i'}, {"Ì", 'i'}, {"ō", 'o'}, {"ó", 'o'}, {"ǒ", 'o'}, {"ò", 'o'}, {"Ō", 'o'}, {"Ó", 'o'},
    {"Ǒ", 'o'}, {"Ò", 'o'}, {"ū", 'u'}, {"ú", 'u'}, {"ǔ", 'u'}, {"ù", 'u'}, {"Ū", 'u'}, {"Ú", 'u'},
    {"Ǔ", 'u'}, {"Ù", 'u'}, {"ǖ", 'v'}, {"ǘ", 'v'}, {"ǚ", 'v'}, {"ǜ", 'v'}, {"ü", 'v'}, {"Ǖ", 'v'},
    {"Ǘ", 'v'}, {"Ǚ", 'v'}, {"Ǜ", 'v'}, {"Ü", 'v'}, {"ḿ", 'm'}, {"Ḿ", 'm'}, {"ń", 'n'}, {"ň", 'n'},
    {"ǹ", 'n'}, {"Ń", 'n'}, {"Ň", 'n'}, {"Ǹ", 'n'},
};

// Combining marks of decomposed input: the four tones, and the diaeresis
// that makes u into ü.
constexpr std::string_view kCombiningTones[] = {"\xCC\x80", "\xCC\x81", "\xCC\x84", "\xCC\x8C"};
constexpr std::string_view kCombiningDiaeresis = "\xCC\x88";

// Full-width Latin letters (Ａ U+FF21 … ｚ U+FF5A), typed in an input
// method's full-width mode: EF BC A1 … EF BC BA and EF BD 81 … EF BD 9A.
char FullWidthLetter(std::string_view character) {
    if (character.size() != 3 || static_cast<unsigned char>(character[0]) != 0xEF) {
        return 0;
    }
    auto second = static_cast<unsigned char>(character[1]);
    auto third = static_cast<unsigned char>(character[2]);
    if (second == 0xBC && third >= 0xA1 && third <= 0xBA) {
        return static_cast<char>('a' + (third - 0xA1));
    }
    if (second == 0xBD && third >= 0x81 && third <= 0x9A) {
        return static_cast<char>('a' + (third - 0x81));
    }
    return 0;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string NormalizePinyin(std::string_view typed) {
    std::string out;
    for (const std::string& character : SplitCharacters(typed)) {
        if (character.size() == 1) {
            char c = Lower(character[0]);
            if (c >= '0' && c <= '5') {
                continue;  // tone number; 0 and 5 mark the neutral tone
            }
            if (c == ':' && !out.empty() && out.back() == 'u') {
                out.back() = 'v';  // lu: for lü
                continue;
            }
            out += c;
            continue;
        }
        bool done = false;
        for (std::string_view mark : kCombiningTones) {
            if (character == mark) {
                done = true;
            }
        }
        if (character == kCombiningDiaeresis) {
            if (!out.empty() && out.back() == 'u') {
                out.back() = 'v';
            }
            done = true;
        }
        for (const Replacement& vowel : kToneVowels) {
            if (!done && character == vowel.from) {
                out += vowel.to;
                done = true;
            }
        }
        if (!done) {
            if (char letter = FullWidthLetter(character)) {
                out += letter;
            } else {
                out += character;
            }
        }
    }
    // After j, q, x and y the dictionary writes ü as u: ju, qu, xu, yu.
    for (std::size_t i = 1; i < out.size(); ++i) {
        char before = out[i - 1];
        if (out[i] == 'v' && (before == 'j' || before == 'q' || before == 'x' || before == 'y')) {
            out[i] = 'u';
        }
    }
    return out;
}

}  // namespace lumivane
