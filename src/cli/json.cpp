#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace lumivane::cli {

Json& Json::Set(std::string key, Json value) {
    std::get<Object>(m_value).emplace_back(std::move(key), std::move(value));
    return *this;
}

Json& Json::Push(Json value) {
    std::get<Array>(m_value).push_back(std::move(value));
    return *this;
}

std::string JsonQuote(std::string_view text) {
    std::string out = "\"";
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += ch;  // UTF-8 passes through
                }
        }
    }
    out += '"';
    return out;
}

std::string Json::Dump(int indent) const {
    std::string out;
    DumpTo(out, indent, 0);
    return out;
}

void Json::DumpTo(std::string& out, int indent, int depth) const {
    auto newline = [&](int d) {
        if (indent > 0) {
            out += '\n';
            out.append(static_cast<std::size_t>(indent * d), ' ');
        }
    };
    if (std::holds_alternative<std::nullptr_t>(m_value)) {
        out += "null";
    } else if (const bool* b = std::get_if<bool>(&m_value)) {
        out += *b ? "true" : "false";
    } else if (const std::int64_t* i = std::get_if<std::int64_t>(&m_value)) {
        out += std::to_string(*i);
    } else if (const double* d = std::get_if<double>(&m_value)) {
        if (!std::isfinite(*d)) {
            out += "null";
        } else {
            // The shortest text that reads back as the same double: 29.65,
            // not 29.649999999999999.
            char buffer[32];
            auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, *d);
            out.append(buffer, error == std::errc() ? end : buffer);
        }
    } else if (const std::string* s = std::get_if<std::string>(&m_value)) {
        out += JsonQuote(*s);
    } else if (const Array* a = std::get_if<Array>(&m_value)) {
        out += '[';
        for (std::size_t k = 0; k < a->size(); ++k) {
            if (k > 0)
                out += ',';
            newline(depth + 1);
            (*a)[k].DumpTo(out, indent, depth + 1);
        }
        if (!a->empty())
            newline(depth);
        out += ']';
    } else if (const Object* o = std::get_if<Object>(&m_value)) {
        out += '{';
        for (std::size_t k = 0; k < o->size(); ++k) {
            if (k > 0)
                out += ',';
            newline(depth + 1);
            out += JsonQuote((*o)[k].first);
            out += indent > 0 ? ": " : ":";
            (*o)[k].second.DumpTo(out, indent, depth + 1);
        }
        if (!o->empty())
            newline(depth);
        out += '}';
    }
}

}  // namespace lumivane::cli
