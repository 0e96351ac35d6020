#include "core/app/json_reader.h"

#include <cctype>

#include "core/text/characters.h"

namespace lumivane {
namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    std::optional<std::map<std::string, JsonScalar>> Object(std::string& error) {
        std::map<std::string, JsonScalar> result;
        SkipBlanks();
        if (!Take('{'))
            return Fail(error, "此处应为“{”");
        SkipBlanks();
        if (Take('}'))
            return Finish(result, error);
        while (true) {
            SkipBlanks();
            std::string key;
            if (!String(key))
                return Fail(error, "此处应为双引号括起的键名");
            SkipBlanks();
            if (!Take(':'))
                return Fail(error, "此处应为“:”");
            SkipBlanks();
            JsonScalar value;
            if (!Scalar(value))
                return Fail(error, "此处应为字符串、数字、true、false 或 null");
            if (!result.emplace(key, value).second)
                return Fail(error, "键“" + key + "”重复");
            SkipBlanks();
            if (Take(','))
                continue;
            if (Take('}'))
                return Finish(result, error);
            return Fail(error, "此处应为“,”或“}”");
        }
    }

private:
    std::optional<std::map<std::string, JsonScalar>> Finish(std::map<std::string, JsonScalar>& r,
                                                            std::string& error) {
        SkipBlanks();
        if (m_pos != m_text.size())
            return Fail(error, "对象之后不应再有文字");
        return std::move(r);
    }

    std::nullopt_t Fail(std::string& error, const std::string& what) {
        error = "第 " + std::to_string(m_pos) + " 字节：" + what;
        return std::nullopt;
    }

    void SkipBlanks() {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
    }
    bool Take(char c) {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    bool Literal(std::string_view word) {
        if (m_text.substr(m_pos, word.size()) == word) {
            m_pos += word.size();
            return true;
        }
        return false;
    }

    bool Hex4(unsigned& value) {
        if (m_pos + 4 > m_text.size())
            return false;
        value = 0;
        for (int k = 0; k < 4; ++k) {
            char c = m_text[m_pos++];
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= static_cast<unsigned>(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }

    bool String(std::string& out) {
        if (!Take('"'))
            return false;
        while (m_pos < m_text.size()) {
            char c = m_text[m_pos++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_pos >= m_text.size())
                return false;
            char e = m_text[m_pos++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned code = 0;
                    if (!Hex4(code))
                        return false;
                    if (code >= 0xD800 && code < 0xDC00) {
                        unsigned low = 0;
                        if (!Take('\\') || !Take('u') || !Hex4(low) || low < 0xDC00 ||
                            low > 0xDFFF) {
                            return false;
                        }
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    } else if (code >= 0xDC00 && code < 0xE000) {
                        return false;
                    }
                    out += Utf8OfCodePoint(code);
                    break;
                }
                default:
                    return false;
            }
        }
        return false;
    }

    bool Scalar(JsonScalar& value) {
        if (m_pos >= m_text.size())
            return false;
        char c = m_text[m_pos];
        if (c == '"') {
            value.kind = JsonScalar::Kind::String;
            return String(value.text);
        }
        if (Literal("true")) {
            value.kind = JsonScalar::Kind::Boolean;
            value.boolean = true;
            return true;
        }
        if (Literal("false")) {
            value.kind = JsonScalar::Kind::Boolean;
            return true;
        }
        if (Literal("null")) {
            value.kind = JsonScalar::Kind::Null;
            return true;
        }
        std::size_t start = m_pos;
        if (c == '-')
            ++m_pos;
        while (m_pos < m_text.size() &&
               (std::isdigit(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '.' ||
                m_text[m_pos] == 'e' || m_text[m_pos] == 'E' || m_text[m_pos] == '+' ||
                m_text[m_pos] == '-')) {
            ++m_pos;
        }
        if (m_pos == start || (m_pos == start + 1 && c == '-'))
            return false;
        value.kind = JsonScalar::Kind::Number;
        value.text = std::string(m_text.substr(start, m_pos - start));
        return true;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace

std::optional<std::map<std::string, JsonScalar>> ParseFlatJsonObject(std::string_view text,
                                                                     std::string& error) {
    return Reader(text).Object(error);
}

}  // namespace lumivane
