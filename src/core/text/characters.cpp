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

bool IsBlankOrControl(unsigned char c) {
    return c <= 0x20 || c == 0x7F;
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
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(static_cast<unsigned char>(text[begin]))) {
        ++begin;
    }
    while (end > begin && IsBlankOrControl(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

}  // namespace lumivane
