// The name-count tables generated from data/name-counts.tsv.

#include "core/data/name_counts.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "core/data/generated_types.h"

namespace lumivane {
namespace generated {
#include "core/data/name_count_tables.inc"
}  // namespace generated

namespace {

std::string_view TextOf(const generated::GeneratedNameCount& row) {
    return {generated::kGeneratedNameCountBlob + row.textOffset, row.textLength};
}

std::optional<NameCount> Find(std::span<const generated::GeneratedNameCount> rows,
                              std::string_view text) {
    // Rows are in byte order of their texts (the generator checks it).
    const auto found = std::lower_bound(rows.begin(), rows.end(), text,
                                        [](const generated::GeneratedNameCount& row,
                                           std::string_view key) { return TextOf(row) < key; });
    if (found == rows.end() || TextOf(*found) != text) {
        return std::nullopt;
    }
    NameCount count{found->male, found->female, {}};
    for (std::size_t i = 0; i < count.Ppm.size(); ++i) {
        count.Ppm[i] = found->ppm[i] / 1000.0;
    }
    return count;
}

}  // namespace

std::uint32_t PopulationOf(Sex sex) {
    return sex == Sex::Male ? generated::kGeneratedPopulationMale
                            : generated::kGeneratedPopulationFemale;
}

std::optional<NameCount> FindCharacterCount(std::string_view character) {
    return Find(generated::kGeneratedCharacterCounts, character);
}

std::optional<NameCount> FindGivenNameCount(std::string_view name) {
    return Find(generated::kGeneratedGivenNameCounts, name);
}

std::optional<NameCount> FindDecadeNameCount(std::string_view name) {
    return Find(generated::kGeneratedDecadeNameCounts, name);
}

double CharacterSlotsOf(Sex sex) {
    double total = 0;
    for (const generated::GeneratedNameCount& row : generated::kGeneratedCharacterCounts) {
        total += sex == Sex::Male ? row.male : row.female;
    }
    return total;
}

}  // namespace lumivane
