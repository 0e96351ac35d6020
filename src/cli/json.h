#pragma once
// A small JSON value for the command line's output: objects keep the order in
// which keys were added, so the output reads like the design's tables.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace lumivane::cli {

class Json {
public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;

    Json() = default;
    Json(std::nullptr_t) {}
    Json(bool value) : m_value(value) {}
    Json(int value) : m_value(static_cast<std::int64_t>(value)) {}
    Json(unsigned value) : m_value(static_cast<std::int64_t>(value)) {}
    Json(long value) : m_value(static_cast<std::int64_t>(value)) {}
    Json(unsigned long value) : m_value(static_cast<std::int64_t>(value)) {}
    Json(long long value) : m_value(static_cast<std::int64_t>(value)) {}
    Json(double value) : m_value(value) {}
    Json(const char* value) : m_value(std::string(value)) {}
    Json(std::string value) : m_value(std::move(value)) {}
    Json(std::string_view value) : m_value(std::string(value)) {}
    Json(Array value) : m_value(std::move(value)) {}
    Json(Object value) : m_value(std::move(value)) {}

    static Json MakeObject() { return Json(Object{}); }
    static Json MakeArray() { return Json(Array{}); }

    // Appends a key to an object (the value must be an object).
    Json& Set(std::string key, Json value);
    // Appends an element to an array (the value must be an array).
    Json& Push(Json value);

    // Compact by default; indent > 0 pretty-prints.
    [[nodiscard]] std::string Dump(int indent = 0) const;

private:
    void DumpTo(std::string& out, int indent, int depth) const;
    std::variant<std::nullptr_t, bool, std::int64_t, double, std::string, Array, Object> m_value;
};

[[nodiscard]] std::string JsonQuote(std::string_view text);

}  // namespace lumivane::cli
