#pragma once
// Orders used for sorting the result list and the favourites file: byte order
// of the GBK encoding, as the original program compared its GBK strings.

#include <string>
#include <string_view>

namespace lumivane {

// GBK bytes of UTF-8 text for use as a sort key. Text that GBK cannot hold
// keeps its UTF-8 bytes (it never reaches the sorted lists through the inputs,
// which reject it).
[[nodiscard]] std::string GbkSortKey(std::string_view utf8);

// Compares byte strings as unsigned bytes; the shorter of a prefix pair is smaller.
// Returns <0, 0 or >0.
[[nodiscard]] int CompareBytes(std::string_view a, std::string_view b);

// As CompareBytes, with the ASCII letters a-z folded to upper case and no other folding.
[[nodiscard]] int CompareBytesFoldingAscii(std::string_view a, std::string_view b);

}  // namespace lumivane
