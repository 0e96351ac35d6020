#pragma once
// The traditional form whose strokes a character's Kangxi count takes: the
// form names use (华 華, 里 里, 志 志, 后 后). Generated from
// data/kangxi-forms.tsv (see data/README.md).

#include <cstdint>
#include <string>

namespace lumivane {

// The form as UTF-8: the character itself where it counts its own form; empty
// for an index beyond the dictionary.
[[nodiscard]] std::string KangxiFormOf(std::uint32_t index);

}  // namespace lumivane
