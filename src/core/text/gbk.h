#pragma once
// GBK <-> UTF-8 through glibc's iconv. Lumivane keeps UTF-8 inside and writes
// GBK at its edges (settings file, favourites file, web addresses), as the
// original program stored everything in the GBK code page.

#include <cstddef>
#include <string>
#include <string_view>

namespace lumivane {

struct ConversionResult {
    std::string text;             // converted text; empty when the conversion failed
    std::string error;            // empty on success, a message for the user otherwise
    std::size_t errorOffset = 0;  // byte offset of the first bad input position
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// A character that GBK cannot hold is an error naming that character; no
// replacement character is ever written.
[[nodiscard]] ConversionResult Utf8ToGbk(std::string_view utf8);
[[nodiscard]] ConversionResult GbkToUtf8(std::string_view gbk);

[[nodiscard]] bool IsGbkEncodable(std::string_view utf8);

// Message for text that GBK cannot hold, naming the first offending character,
// e.g. "“𠀀”不是 GBK 字符，无法使用。". Empty when the whole text is encodable.
[[nodiscard]] std::string GbkRejectionMessage(std::string_view utf8);

// Bytes of the text in GBK; a character GBK cannot hold counts two.
[[nodiscard]] std::size_t GbkByteLength(std::string_view utf8);

// The whole characters from the start of the text whose GBK bytes fit in
// maxBytes ("欧阳修明" in 6 bytes keeps "欧阳修").
[[nodiscard]] std::string GbkPrefixThatFits(std::string_view utf8, std::size_t maxBytes);

}  // namespace lumivane
