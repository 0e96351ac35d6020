// The readings table generated from data/readings.tsv, searched by text.

#include "core/data/name_readings.h"

#include <algorithm>
#include <iterator>

#include "core/data/generated_types.h"

namespace lumivane {
namespace generated {
#include "core/data/reading_tables.inc"
}  // namespace generated

namespace {

std::string_view Field(std::uint32_t offset, std::uint8_t length) {
    return {generated::kGeneratedReadingBlob + offset, length};
}

std::string_view TextOf(const generated::GeneratedReadingRecord& record) {
    return Field(record.textOffset, record.textLength);
}

}  // namespace

std::optional<ReadingRecord> FindReadingRecord(std::string_view text) {
    const auto* begin = std::begin(generated::kGeneratedReadingRecords);
    const auto* end = std::end(generated::kGeneratedReadingRecords);
    // The rows are in byte order of their texts (the generator checks it).
    const auto* found = std::lower_bound(begin, end, text,
                                         [](const generated::GeneratedReadingRecord& record,
                                            std::string_view key) { return TextOf(record) < key; });
    if (found == end || TextOf(*found) != text) {
        return std::nullopt;
    }
    return ReadingRecord{Field(found->commonOffset, found->commonLength),
                         Field(found->surnameOffset, found->surnameLength),
                         Field(found->nameOffset, found->nameLength)};
}

}  // namespace lumivane
