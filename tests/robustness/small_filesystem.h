#pragma once
// A real, small file system for the tests of full disks: a tmpfs of a few
// hundred kilobytes mounted on a fresh folder. Mounting needs privileges the
// test machine may not grant; the reason is then kept so the test can skip.

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace lumivane::testing {

class SmallFilesystem {
public:
    explicit SmallFilesystem(int kilobytes) {
        char pattern[] = "/tmp/lumivane-smallfs-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) {
            m_reason = std::strerror(errno);
            return;
        }
        m_path = pattern;
        const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0755";
        if (::mount("tmpfs", m_path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
            m_reason = "tmpfs 无法挂载：" + std::string(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~SmallFilesystem() {
        if (m_mounted) {
            ::umount2(m_path.c_str(), MNT_DETACH);
        }
        if (!m_path.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_path, ignored);
        }
    }
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;

    [[nodiscard]] bool Mounted() const { return m_mounted; }
    [[nodiscard]] const std::string& Reason() const { return m_reason; }
    [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }

    // Fills what is left with one file, so the next write of any size fails.
    void Fill() const {
        std::ofstream filler(m_path / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
        filler.clear();
        // Whatever is still buffered cannot be written either.
        filler.close();
        std::ofstream last(m_path / "filler2", std::ios::binary);
        while (last.put('x')) {
            last.flush();
        }
    }

private:
    std::filesystem::path m_path;
    std::string m_reason;
    bool m_mounted = false;
};

}  // namespace lumivane::testing
