// Family names over the table generated from data/family-names.tsv.

#include "core/data/family_names.h"

#include <iterator>

#include "core/data/generated_types.h"

namespace lumivane {
namespace generated {
#include "core/data/family_name_tables.inc"
}  // namespace generated

std::size_t FamilyNameCount() {
    return std::size(generated::kGeneratedFamilyNames);
}

std::optional<FamilyNameStatistic> FamilyNameOfRank(std::uint32_t rank) {
    if (rank < 1 || rank > FamilyNameCount()) {
        return std::nullopt;
    }
    const generated::GeneratedFamilyName& entry = generated::kGeneratedFamilyNames[rank - 1];
    return FamilyNameStatistic{
        std::string_view(generated::kGeneratedFamilyNameBlob + entry.textOffset, entry.textLength),
        entry.bearers, rank};
}

std::optional<FamilyNameStatistic> FindFamilyName(std::string_view text) {
    for (std::uint32_t rank = 1; rank <= FamilyNameCount(); ++rank) {
        std::optional<FamilyNameStatistic> name = FamilyNameOfRank(rank);
        if (name->Text == text) {
            return name;
        }
    }
    return std::nullopt;
}

}  // namespace lumivane
