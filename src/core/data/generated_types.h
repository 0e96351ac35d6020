#pragma once
// Element types of the tables that the build generates from data/ (the
// generated .inc files are included by exactly one source file each).

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/data/name_corpora.h"
#include "core/data/radical_table.h"

namespace lumivane::generated {

// Offsets and lengths into kGeneratedCharacterBlob.
struct GeneratedCharacterText {
    std::uint32_t textOffset;
    std::uint8_t textLength;
    std::uint32_t readingOffset;
    std::uint8_t readingLength;
    std::uint32_t tonedOffset;
    std::uint8_t tonedLength;
};

struct GeneratedAttributeWords {
    std::uint32_t a;
    std::uint32_t b;
};

using GeneratedRadical = RadicalEntry;
using GeneratedRadicalName = RadicalName;

// A family name: offset and length into kGeneratedFamilyNameBlob.
struct GeneratedFamilyName {
    std::uint32_t textOffset;
    std::uint8_t textLength;
    std::uint32_t bearers;
};
using GeneratedPositionEntry = PositionEntry;

using GeneratedPairFit = PairFitEntry;
using GeneratedHeardSound = HeardSound;

// A stanza: collection and group by number, then offsets and lengths into
// kGeneratedVerseBlob of title, section, author and text.
struct GeneratedVerseStanza {
    std::uint8_t collection;
    std::uint8_t group;
    std::uint32_t titleOffset;
    std::uint16_t titleLength;
    std::uint32_t sectionOffset;
    std::uint16_t sectionLength;
    std::uint32_t authorOffset;
    std::uint16_t authorLength;
    std::uint32_t textOffset;
    std::uint16_t textLength;
    bool fit;  // its lines may be told to parents
};

// A name from verse: its code, its stanza and the line of the stanza.
struct GeneratedVerseName {
    std::uint32_t code;
    std::uint32_t stanza;
    std::uint16_t line;
};

// A row of the readings table: offsets and lengths into kGeneratedReadingBlob.
struct GeneratedReadingRecord {
    std::uint32_t textOffset;
    std::uint8_t textLength;
    std::uint32_t commonOffset;
    std::uint8_t commonLength;
    std::uint32_t surnameOffset;
    std::uint8_t surnameLength;
    std::uint32_t nameOffset;
    std::uint8_t nameLength;
};

// Bearers of a name character or a whole given name; the rates, in
// thousandths of a bearer per million births, only for characters.
struct GeneratedNameCount {
    std::uint32_t textOffset;
    std::uint8_t textLength;
    std::uint32_t male;
    std::uint32_t female;
    std::uint32_t ppm[6];  // thousandths per million births of each cohort
};

// A word or well-known person by one toneless reading of its characters;
// kind 1 a person, 0 a common word, 2 a word a full name may sound like.
struct GeneratedSoundWord {
    std::uint32_t keyOffset;
    std::uint8_t keyLength;
    std::uint32_t textOffset;
    std::uint8_t textLength;
    std::uint8_t kind;
    std::uint32_t frequency;
};

// A character's common words (comma-separated) and English gloss: offsets and
// lengths into kGeneratedMeaningBlob.
struct GeneratedMeaning {
    std::uint32_t textOffset;
    std::uint16_t textLength;
    std::uint32_t wordsOffset;
    std::uint16_t wordsLength;
    std::uint32_t glossOffset;
    std::uint16_t glossLength;
};

}  // namespace lumivane::generated
