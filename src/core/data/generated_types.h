#pragma once
// Element types of the tables that the build generates from data/ (the
// generated .inc files are included by exactly one source file each).

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/data/name_corpora.h"
#include "core/data/radical_table.h"

namespace lumivane::generated {

struct GeneratedCharacterText {
    std::string_view text;
    std::string_view reading;
};

struct GeneratedAttributeWords {
    std::uint32_t a;
    std::uint32_t b;
};

using GeneratedRadical = RadicalEntry;
using GeneratedPositionEntry = PositionEntry;

}  // namespace lumivane::generated
