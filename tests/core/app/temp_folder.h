#pragma once
// A fresh folder per test, with XDG_DATA_HOME pointing into it, so no test
// touches the real data folder.

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace lumivane::testing {

class TempDataHome {
public:
    TempDataHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumivane-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            m_root = pattern;
        }
        if (const char* old = std::getenv("XDG_DATA_HOME")) {
            m_saved = old;
        }
        setenv("XDG_DATA_HOME", (m_root / "data").c_str(), 1);
    }
    ~TempDataHome() {
        if (m_saved) {
            setenv("XDG_DATA_HOME", m_saved->c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }
    TempDataHome(const TempDataHome&) = delete;
    TempDataHome& operator=(const TempDataHome&) = delete;

    [[nodiscard]] const std::filesystem::path& root() const { return m_root; }

private:
    std::filesystem::path m_root;
    std::optional<std::string> m_saved;
};

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace lumivane::testing
