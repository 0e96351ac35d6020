// The INI file: any bytes parse, print back unchanged, and a written key reads
// back without changing what any other key reads.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/app/ini_file.h"
#include "fuzz_check.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string Trim(std::string text) {
    while (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    return text.substr(start);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

// Every (section, key) the bytes might hold, found by a naive scan: the
// harness asks the file about each of them before and after a write.
std::vector<std::pair<std::string, std::string>> NamesIn(const std::string& bytes) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = Trim(bytes.substr(start, end - start));
        if (!line.empty() && line.front() == '[' && line.find(']') != std::string::npos) {
            section = Trim(line.substr(1, line.find(']') - 1));
        } else if (std::size_t eq = line.find('='); eq != std::string::npos) {
            names.emplace_back(section, Trim(line.substr(0, eq)));
        }
        start = end + 1;
    }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::string section = input.ConsumeRandomLengthString(16);
    std::string key = input.ConsumeRandomLengthString(16);
    std::string value = input.ConsumeRandomLengthString(32);
    const bool writeNumber = input.ConsumeBool();
    const int number = input.ConsumeIntegral<int>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    lumivane::IniFile file = lumivane::IniFile::FromBytes(bytes);
    FUZZ_CHECK(file.Bytes() == bytes);

    std::vector<std::pair<std::string, std::string>> names = NamesIn(bytes);
    std::vector<std::optional<std::string>> before;
    for (const auto& [s, k] : names) {
        before.push_back(file.ReadString(s, k));
        (void)file.ReadInteger(s, k, 7);
        (void)file.ReadBool(s, k, true);
    }

    bool written = true;
    if (writeNumber) {
        // WriteInteger answers nothing: the same write as text tells whether
        // the names were usable, and must give the same bytes.
        lumivane::IniFile asText = file;
        written = asText.WriteString(section, key, std::to_string(number));
        file.WriteInteger(section, key, number);
        FUZZ_CHECK(file.Bytes() == asText.Bytes());
    } else {
        written = file.WriteString(section, key, value);
    }
    if (!written) {
        FUZZ_CHECK(file.Bytes() == bytes);  // a refused write changes nothing
        return 0;
    }

    // What a later start reads: the bytes as saved, parsed again.
    lumivane::IniFile reread = lumivane::IniFile::FromBytes(file.Bytes());
    FUZZ_CHECK(reread.Bytes() == file.Bytes());
    // A name the file accepted must read back as written (values lose their
    // outer blanks, as every profile reader trims them).
    if (writeNumber) {
        FUZZ_CHECK(reread.ReadInteger(section, key, number == 0 ? 1 : 0) == number);
    } else {
        std::optional<std::string> back = reread.ReadString(section, key);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(*back == Trim(value));
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& [s, k] = names[i];
        if (SameName(s, section) && SameName(k, key))
            continue;
        FUZZ_CHECK(reread.ReadString(s, k) == before[i]);
    }
    return 0;
}
