// The radical vocabulary over the table generated from data/radicals.tsv.

#include "core/data/radical_table.h"

#include <iterator>
#include <string>

#include "core/data/generated_types.h"

namespace lumivane {
namespace generated {
#include "core/data/radical_tables.inc"
}  // namespace generated

namespace {
using generated::kGeneratedRadicalNames;
using generated::kGeneratedRadicals;
static_assert(std::size(kGeneratedRadicals) == RadicalTableSize);
static_assert(std::size(kGeneratedRadicalNames) == RadicalTableSize);
}  // namespace

const std::array<std::string_view, 15> StrokeNumerals{"一",   "二",   "三",   "四",   "五",
                                                      "六",   "七",   "八",   "九",   "十",
                                                      "十一", "十二", "十三", "十四", "十五"};

RadicalEntry Radical(std::uint32_t index) {
    return index < RadicalTableSize ? kGeneratedRadicals[index] : RadicalEntry{};
}

RadicalName RadicalNameOf(std::uint32_t index) {
    return index < RadicalTableSize ? kGeneratedRadicalNames[index] : RadicalName{{}, 0, false, {}};
}

std::uint32_t FindRadical(std::string_view name) {
    for (std::uint32_t index = 0; index < RadicalTableSize; ++index) {
        if (kGeneratedRadicals[index].RadicalName == name) {
            return index;
        }
    }
    // An absent name acts as the first radical, as the filter compares indexes.
    return 0;
}

std::vector<std::string_view> RadicalsOfStrokeCount(int n) {
    // Compare the whole decimal text, so 1 does not pick the radicals of 11.
    const std::string wanted = std::to_string(n);
    std::vector<std::string_view> names;
    for (const RadicalEntry& entry : kGeneratedRadicals) {
        if (entry.RadicalStrokes == wanted) {
            names.push_back(entry.RadicalName);
        }
    }
    return names;
}

}  // namespace lumivane
