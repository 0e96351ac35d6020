#pragma once
// Character-level helpers on UTF-8 text. Family names and given names are
// split by characters, never by bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

[[nodiscard]] bool IsValidUtf8(std::string_view text);

// Length in bytes of the UTF-8 sequence that starts the text (1 for a stray
// byte, so that scanning always advances; 0 for an empty text).
[[nodiscard]] std::size_t Utf8SequenceLength(std::string_view text);

// The code point of a text that is exactly one well-formed UTF-8 character
// (a multi-byte sequence or plain ASCII); 0 for anything else.
[[nodiscard]] std::uint32_t SingleCodePoint(std::string_view text);
// The UTF-8 sequence of a code point.
[[nodiscard]] std::string Utf8OfCodePoint(std::uint32_t codePoint);

// A code point of the Han script: the CJK unified ideographs with their
// extensions, the compatibility ideographs and 〇.
[[nodiscard]] bool IsHanCodePoint(std::uint32_t codePoint);

[[nodiscard]] std::size_t CharacterCount(std::string_view text);
[[nodiscard]] std::vector<std::string> SplitCharacters(std::string_view text);

// Character n (0-based) of the text, empty when the text is shorter.
[[nodiscard]] std::string CharacterAt(std::string_view text, std::size_t n);

// Removes leading and trailing blanks and control characters: every code
// point up to U+0020 as the classic Trim does, and also every other Unicode
// blank (U+3000 typed by Chinese input methods, no-break and thin spaces,
// zero-width characters, C1 controls). Nothing inside the text.
[[nodiscard]] std::string TrimBlanks(std::string_view text);

}  // namespace lumivane
