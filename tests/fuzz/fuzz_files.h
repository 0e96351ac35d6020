#pragma once
// A scratch folder per fuzz process, removed when the run ends, and whole-file
// reads and writes for the targets that work on real files.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fuzz_files {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
        : m_path(fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        fs::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    [[nodiscard]] const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

inline void Put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string Get(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace fuzz_files
