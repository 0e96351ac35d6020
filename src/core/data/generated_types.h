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

// A family name: offset and length into kGeneratedFamilyNameBlob.
struct GeneratedFamilyName {
    std::uint32_t textOffset;
    std::uint8_t textLength;
    std::uint32_t bearers;
};
using GeneratedPositionEntry = PositionEntry;

}  // namespace lumivane::generated
