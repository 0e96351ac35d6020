#include "core/data/traditional_characters.h"

#include <algorithm>
#include <cstddef>

#include "core/data/character_dictionary.h"
#include "core/data/traditional_tables.inc"

namespace lumivane {
namespace {

// The code point of a text of exactly one well-formed UTF-8 character, else 0.
std::uint32_t SingleCodePoint(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0x80   ? 1
                         : lead < 0xC2 ? 0
                         : lead < 0xE0 ? 2
                         : lead < 0xF0 ? 3
                         : lead < 0xF5 ? 4
                                       : 0;
    if (length == 0 || text.size() != length) {
        return 0;
    }
    std::uint32_t value = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        auto byte = static_cast<unsigned char>(text[k]);
        if ((byte & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (byte & 0x3Fu);
    }
    return value;
}

std::string Utf8Of(std::uint32_t codePoint) {
    std::string text;
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return text;
}

}  // namespace

std::vector<std::string> TraditionalFormsOf(std::uint32_t index) {
    std::vector<std::string> forms;
    if (index >= DictionarySize) {
        return forms;
    }
    for (std::size_t k = 0; k < kGeneratedTraditionalCount; ++k) {
        if (kGeneratedTraditionalIndexes[k] == index) {
            forms.push_back(Utf8Of(kGeneratedTraditionalCodePoints[k]));
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
