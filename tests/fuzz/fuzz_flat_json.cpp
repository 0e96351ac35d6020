// The flat JSON reader of filter files: any text parses or fails with a
// message naming a position inside it, and a parsed object written out again
// parses to the same values.

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

#include "core/app/json_reader.h"
#include "fuzz_check.h"

namespace {

using lumivane::JsonScalar;

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Written(const std::map<std::string, JsonScalar>& object) {
    std::string out = "{";
    for (const auto& [key, value] : object) {
        if (out.size() > 1)
            out += ", ";
        out += Quoted(key) + ": ";
        switch (value.kind) {
            case JsonScalar::Kind::String:
                out += Quoted(value.text);
                break;
            case JsonScalar::Kind::Number:
                out += value.text;
                break;
            case JsonScalar::Kind::Boolean:
                out += value.boolean ? "true" : "false";
                break;
            case JsonScalar::Kind::Null:
                out += "null";
                break;
        }
    }
    return out + "}";
}

bool SameValues(const std::map<std::string, JsonScalar>& a,
                const std::map<std::string, JsonScalar>& b) {
    if (a.size() != b.size())
        return false;
    for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
        if (i->first != j->first || i->second.kind != j->second.kind ||
            i->second.text != j->second.text || i->second.boolean != j->second.boolean) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    auto object = lumivane::ParseFlatJsonObject(text, error);
    if (!object) {
        FUZZ_CHECK(!error.empty());
        // "第 N 字节：…": the offset named lies within the input.
        FUZZ_CHECK(error.rfind("第 ", 0) == 0);
        FUZZ_CHECK(std::stoull(error.substr(4)) <= size);
        return 0;
    }
    for (const auto& [key, value] : *object) {
        if (value.kind == JsonScalar::Kind::Number) {
            FUZZ_CHECK(!value.text.empty() && value.text != "-");
        }
    }
    std::string again;
    auto reparsed = lumivane::ParseFlatJsonObject(Written(*object), again);
    FUZZ_CHECK(reparsed.has_value());
    FUZZ_CHECK(SameValues(*object, *reparsed));
    return 0;
}
