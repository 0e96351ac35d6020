#include "core/text/characters.h"

namespace lumivane {
namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Expected length of a sequence from its lead byte; 0 for a byte that cannot lead.
std::size_t LeadLength(unsigned char c) {
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 0;
}

// The code point of a well-formed sequence, or -1.
long CodePoint(std::string_view sequence) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(sequence[k]); };
    switch (sequence.size()) {
        case 1:
            return byte(0) < 0x80 ? byte(0) : -1;
        case 2:
            return ((byte(0) & 0x1FL) << 6) | (byte(1) & 0x3F);
        case 3:
            return ((byte(0) & 0x0FL) << 12) | ((byte(1) & 0x3FL) << 6) | (byte(2) & 0x3F);
        case 4:
            return ((byte(0) & 0x07L) << 18) | ((byte(1) & 0x3FL) << 12) |
                   ((byte(2) & 0x3FL) << 6) | (byte(3) & 0x3F);
        default:
            return -1;
    }
}

// Controls (C0, DEL, C1), every Unicode White_Space character (among them the
// ideographic space U+3000 that Chinese input methods type) and the invisible
// separators that pasted text brings along (zero-width space and joiners,
// word joiner, byte-order mark).
bool IsBlankOrControl(long c) {
    return (c >= 0 && c <= 0x20) || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || c == 0x180E ||
           (c >= 0x2000 && c <= 0x200D) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x2060 || c == 0x3000 || c == 0xFEFF;
}

// Length of the sequence that ends the text (at least 1 for a non-empty text).
std::size_t LastSequenceLength(std::string_view text) {
    std::size_t start = text.size();
    while (start > 0 && text.size() - start < 4) {
        --start;
        if (!IsContinuation(static_cast<unsigned char>(text[start]))) {
            break;
        }
    }
    std::string_view last = text.substr(start);
    return Utf8SequenceLength(last) == last.size() ? last.size() : 1;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = LeadLength(lead);
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) {
                return false;
            }
        }
        if (length >= 3) {
            auto second = static_cast<unsigned char>(text[i + 1]);
            // Reject overlong forms, surrogates and code points above U+10FFFF.
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
                (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::size_t Utf8SequenceLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    std::size_t length = LeadLength(static_cast<unsigned char>(text[0]));
    if (length == 0 || length > text.size()) {
        return 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(text[k]))) {
            return 1;
        }
    }
    return length;
}

std::uint32_t SingleCodePoint(std::string_view text) {
    if (text.empty() || Utf8SequenceLength(text) != text.size() || !IsValidUtf8(text)) {
        return 0;
    }
    return static_cast<std::uint32_t>(CodePoint(text));
}

std::string Utf8OfCodePoint(std::uint32_t codePoint) {
    std::string out;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

bool IsHanCodePoint(std::uint32_t c) {
    return c == 0x3007 || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x323AF);
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    while (!text.empty()) {
        text.remove_prefix(Utf8SequenceLength(text));
        ++count;
    }
    return count;
}

std::vector<std::string> SplitCharacters(std::string_view text) {
    std::vector<std::string> result;
    while (!text.empty()) {
        std::size_t length = Utf8SequenceLength(text);
        result.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return result;
}

std::string CharacterAt(std::string_view text, std::size_t n) {
    for (std::size_t k = 0; !text.empty(); ++k) {
        std::size_t length = Utf8SequenceLength(text);
        if (k == n) {
            return std::string(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return {};
}

std::string TrimBlanks(std::string_view text) {
    while (!text.empty()) {
        std::size_t length = Utf8SequenceLength(text);
        if (!IsBlankOrControl(CodePoint(text.substr(0, length)))) {
            break;
        }
        text.remove_prefix(length);
    }
    while (!text.empty()) {
        std::size_t length = LastSequenceLength(text);
        if (!IsBlankOrControl(CodePoint(text.substr(text.size() - length)))) {
            break;
        }
        text.remove_suffix(length);
    }
    return std::string(text);
}

}  // namespace lumivane
