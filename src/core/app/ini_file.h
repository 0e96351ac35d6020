#pragma once
// An INI file with the usual profile semantics: section and key names match
// without regard to ASCII case, writing a key replaces the value of its line
// in place, a new key goes to the end of its section and a new section to the
// end of the file. Every other line is kept byte for byte. On disk the file
// is GBK; values cross this interface as UTF-8.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

class IniFile {
public:
    IniFile() = default;

    // Parses GBK bytes as they are on disk.
    [[nodiscard]] static IniFile FromBytes(std::string_view bytes);

    struct LoadResult;
    // A missing file loads as empty; an unreadable one is an error.
    [[nodiscard]] static LoadResult Load(const std::filesystem::path& path);

    // The value of the first matching key of the first matching section,
    // trimmed of blanks; nullopt when absent or not valid GBK.
    [[nodiscard]] std::optional<std::string> ReadString(std::string_view section,
                                                        std::string_view key) const;
    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key,
                                         std::string_view fallback) const;
    // A whole decimal integer (an optional sign, then digits, within int);
    // anything else reads as the fallback.
    [[nodiscard]] int ReadInteger(std::string_view section, std::string_view key,
                                  int fallback) const;
    // Any integer other than 0 is true.
    [[nodiscard]] bool ReadBool(std::string_view section, std::string_view key,
                                bool fallback) const;

    // False, and nothing changed, when GBK cannot hold the value or a name is
    // unusable (empty, or holding a line break, '=' in a key, ']' in a section,
    // a key starting with ';', '#' or '[').
    [[nodiscard]] bool WriteString(std::string_view section, std::string_view key,
                                   std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The file's bytes as they would be written.
    [[nodiscard]] std::string Bytes() const;

    // Replaces the file through a temporary file and a rename; an error text,
    // empty on success.
    [[nodiscard]] std::string Save(const std::filesystem::path& path) const;

private:
    struct Line {
        std::string text;    // GBK bytes without the line end
        std::string ending;  // "\r\n", "\n" or "" for a last line without one
    };
    struct Location {
        std::size_t sectionHeader = 0;  // line of the header, or npos
        std::size_t keyLine = 0;        // line of the key, or npos
        std::size_t sectionEnd = 0;     // one past the last non-blank line of the section
    };
    [[nodiscard]] Location Find(std::string_view section, std::string_view key) const;
    [[nodiscard]] std::optional<std::string> RawValue(std::string_view section,
                                                      std::string_view key) const;
    void Put(std::string_view section, std::string_view key, std::string_view gbkValue);

    std::vector<Line> m_lines;
};

struct IniFile::LoadResult {
    IniFile file;
    std::string error;  // empty on success
    [[nodiscard]] bool ok() const { return error.empty(); }
};

}  // namespace lumivane
