#pragma once
// Reads the small JSON objects the command line takes as input (the filter
// file): one object whose values are strings, numbers or booleans.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lumivane {

struct JsonScalar {
    enum class Kind { String, Number, Boolean, Null } kind = Kind::Null;
    std::string text;      // String; for Number the literal as written
    bool boolean = false;  // Boolean
};

// Fails with a message naming the position for anything else (nested values,
// duplicate keys, trailing text, bad escapes).
[[nodiscard]] std::optional<std::map<std::string, JsonScalar>> ParseFlatJsonObject(
    std::string_view text, std::string& error);

}  // namespace lumivane
