#include "core/app/ini_file.h"

#include <charconv>
#include <limits>

#include "core/platform/file_io.h"
#include "core/text/gbk.h"

namespace lumivane {
namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// "[name]" → name; nullopt for a line that is not a section header.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.size() < 2 || t.front() != '[') {
        return std::nullopt;
    }
    std::size_t close = t.find(']');
    if (close == npos) {
        return std::nullopt;
    }
    return Trim(t.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    std::string_view t = Trim(line);
    return !t.empty() && (t.front() == ';' || t.front() == '#');
}

// "key=value" → key; nullopt for a line without '='.
std::optional<std::string_view> KeyName(std::string_view line) {
    if (IsComment(line)) {
        return std::nullopt;
    }
    std::size_t eq = line.find('=');
    if (eq == npos) {
        return std::nullopt;
    }
    return Trim(line.substr(0, eq));
}

bool UsableName(std::string_view name, char forbidden) {
    if (Trim(name).empty() || Trim(name).size() != name.size()) {
        return false;
    }
    for (char c : name) {
        if (c == '\n' || c == '\r' || c == forbidden) {
            return false;
        }
    }
    return true;
}

// A key line must read back as that key: not as a comment, and not as a
// section header once its value holds a ']'.
bool UsableKey(std::string_view key) {
    return UsableName(key, '=') && key.front() != ';' && key.front() != '#' && key.front() != '[';
}

}  // namespace

IniFile IniFile::FromBytes(std::string_view bytes) {
    IniFile file;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t nl = bytes.find('\n', start);
        Line line;
        if (nl == npos) {
            line.text = std::string(bytes.substr(start));
            start = bytes.size();
        } else {
            std::size_t end = nl;
            if (end > start && bytes[end - 1] == '\r') {
                --end;
                line.ending = "\r\n";
            } else {
                line.ending = "\n";
            }
            line.text = std::string(bytes.substr(start, end - start));
            start = nl + 1;
        }
        file.m_lines.push_back(std::move(line));
    }
    return file;
}

IniFile::LoadResult IniFile::Load(const std::filesystem::path& path) {
    FileReadResult read = ReadFileBytes(path, true);
    if (!read.ok()) {
        return {IniFile(), read.error};
    }
    return {FromBytes(read.bytes), {}};
}

IniFile::Location IniFile::Find(std::string_view section, std::string_view key) const {
    Location found{npos, npos, 0};
    std::size_t i = 0;
    for (; i < m_lines.size(); ++i) {
        auto name = SectionName(m_lines[i].text);
        if (name && EqualsFolded(*name, section)) {
            break;
        }
    }
    if (i == m_lines.size()) {
        return found;
    }
    found.sectionHeader = i;
    found.sectionEnd = i + 1;
    for (std::size_t j = i + 1; j < m_lines.size(); ++j) {
        const std::string& text = m_lines[j].text;
        if (SectionName(text)) {
            break;
        }
        if (!Trim(text).empty()) {
            found.sectionEnd = j + 1;
        }
        if (found.keyLine == npos) {
            auto name = KeyName(text);
            if (name && EqualsFolded(*name, key)) {
                found.keyLine = j;
            }
        }
    }
    return found;
}

std::optional<std::string> IniFile::RawValue(std::string_view section, std::string_view key) const {
    Location at = Find(section, key);
    if (at.keyLine == npos) {
        return std::nullopt;
    }
    const std::string& text = m_lines[at.keyLine].text;
    return std::string(Trim(std::string_view(text).substr(text.find('=') + 1)));
}

std::optional<std::string> IniFile::ReadString(std::string_view section,
                                               std::string_view key) const {
    std::optional<std::string> raw = RawValue(section, key);
    if (!raw) {
        return std::nullopt;
    }
    ConversionResult utf8 = GbkToUtf8(*raw);
    if (!utf8.ok()) {
        return std::nullopt;
    }
    return utf8.text;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    std::optional<std::string> value = ReadString(section, key);
    return value ? *value : std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    std::optional<std::string> raw = RawValue(section, key);
    if (!raw || raw->empty()) {
        return fallback;
    }
    std::string_view digits = *raw;
    if (digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') {
            return fallback;
        }
    }
    long long value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() ||
        value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return fallback;
    }
    return static_cast<int>(value);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    // Two probes tell a stored 0 from a value that is not an integer.
    int a = ReadInteger(section, key, 0);
    int b = ReadInteger(section, key, 1);
    if (a != b) {
        return fallback;
    }
    return a != 0;
}

void IniFile::Put(std::string_view section, std::string_view key, std::string_view gbkValue) {
    Location at = Find(section, key);
    if (at.keyLine != npos) {
        // Keep the key as the file spells it and the line's own ending.
        Line& line = m_lines[at.keyLine];
        line.text = std::string(Trim(std::string_view(line.text).substr(0, line.text.find('=')))) +
                    "=" + std::string(gbkValue);
        return;
    }
    Line keyLine{std::string(key) + "=" + std::string(gbkValue), "\r\n"};
    if (at.sectionHeader != npos) {
        std::size_t pos = at.sectionEnd;
        if (m_lines[pos - 1].ending.empty()) {
            m_lines[pos - 1].ending = "\r\n";
        }
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(pos), std::move(keyLine));
        return;
    }
    if (!m_lines.empty() && m_lines.back().ending.empty()) {
        m_lines.back().ending = "\r\n";
    }
    m_lines.push_back({"[" + std::string(section) + "]", "\r\n"});
    m_lines.push_back(std::move(keyLine));
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (!UsableName(section, ']') || !UsableKey(key)) {
        return false;
    }
    for (char c : value) {
        if (c == '\n' || c == '\r') {
            return false;
        }
    }
    ConversionResult gbk = Utf8ToGbk(value);
    if (!gbk.ok()) {
        return false;
    }
    Put(section, key, gbk.text);
    return true;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    if (UsableName(section, ']') && UsableKey(key)) {
        Put(section, key, std::to_string(value));
    }
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteInteger(section, key, value ? 1 : 0);
}

std::string IniFile::Bytes() const {
    std::string bytes;
    for (const Line& line : m_lines) {
        bytes += line.text;
        bytes += line.ending;
    }
    return bytes;
}

std::string IniFile::Save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, Bytes());
}

}  // namespace lumivane
