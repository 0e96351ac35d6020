#pragma once
// Characters no proposed name may hold: a grandparent's name, a character the
// family keeps clear of (避讳). Typed once, honoured by every generator and
// every source of names, simple or advanced, two-character, one-character or
// from verse.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/name_corpora.h"

namespace lumivane {

inline constexpr std::size_t kAvoidCharactersMax = 20;

struct AvoidCharactersInput;
[[nodiscard]] AvoidCharactersInput ParseAvoidCharacters(std::string_view typed);

class AvoidCharacters {
public:
    [[nodiscard]] bool empty() const { return m_text.empty(); }
    // The record of a character is one to avoid.
    [[nodiscard]] bool Holds(std::uint32_t index) const;
    // Either character of a given name is one to avoid.
    [[nodiscard]] bool HoldsAny(GivenNameCode code) const;
    // The characters, each once, in the order typed, without separators.
    [[nodiscard]] const std::string& Text() const { return m_text; }

private:
    friend AvoidCharactersInput ParseAvoidCharacters(std::string_view typed);
    std::string m_text;
    std::vector<std::uint32_t> m_indexes;  // sorted records; a character without one has none
};

struct AvoidCharactersInput {
    AvoidCharacters avoid;
    std::string error;  // empty when usable; else a message for the user
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads the characters as typed: blanks and the usual separators (，、,;；)
// between them are allowed and dropped; every other character must be a Han
// character GBK can hold, at most kAvoidCharactersMax different ones. A
// traditional character the dictionary lacks keeps its simplified record out.
[[nodiscard]] AvoidCharactersInput ParseAvoidCharacters(std::string_view typed);

}  // namespace lumivane
