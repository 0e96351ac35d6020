#pragma once
// The readings names take: which readings of a character are in common use,
// a family name's reading (compound family names as wholes) and the reading
// of a character in given names. Generated from data/readings.tsv (see
// data/README.md).

#include <optional>
#include <string_view>

namespace lumivane {

struct ReadingRecord {
    std::string_view Common;  // toned readings in common use, most used first, comma-separated
    std::string_view
        Surname;  // the family-name reading, space-separated for a compound; empty if none
    std::string_view Name;  // the reading in given names; empty if none
};

// The record of one character or compound family name (UTF-8); none when the
// table does not hold the text.
[[nodiscard]] std::optional<ReadingRecord> FindReadingRecord(std::string_view text);

}  // namespace lumivane
