#include "core/data/traditional_characters.h"

#include <algorithm>
#include <cstddef>

#include "core/data/character_dictionary.h"
#include "core/data/traditional_tables.inc"
#include "core/text/characters.h"

namespace lumivane {

std::vector<std::string> TraditionalFormsOf(std::uint32_t index) {
    std::vector<std::string> forms;
    if (index >= DictionarySize) {
        return forms;
    }
    for (std::size_t k = 0; k < kGeneratedTraditionalCount; ++k) {
        if (kGeneratedTraditionalIndexes[k] == index) {
            forms.push_back(Utf8OfCodePoint(kGeneratedTraditionalCodePoints[k]));
        }
    }
    return forms;
}

std::uint32_t FindSimplifiedOfTraditional(std::string_view text) {
    const std::uint32_t codePoint = SingleCodePoint(text);
    const std::uint32_t* begin = kGeneratedTraditionalCodePoints;
    const std::uint32_t* end = begin + kGeneratedTraditionalCount;
    const std::uint32_t* found = std::lower_bound(begin, end, codePoint);
    if (codePoint == 0 || found == end || *found != codePoint) {
        return DictionarySize;
    }
    return kGeneratedTraditionalIndexes[found - begin];
}

}  // namespace lumivane
