#include "core/platform/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <system_error>
#include <thread>
#include <vector>

#include "core/platform/system_error.h"

namespace lumivane {
namespace {

std::string ErrnoText(const std::string& what, const std::filesystem::path& path) {
    const int error = errno;
    return what + " " + path.string() + "：" + SystemErrorText(error);
}

}  // namespace

bool EnsureFileExists(const std::filesystem::path& path) {
    if (path.empty() || !path.has_filename()) {
        return false;
    }
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        return std::filesystem::is_regular_file(path, error);
    }
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), error);
        if (error) {
            return false;
        }
    }
    // O_EXCL: never truncate a file that appeared meanwhile.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return errno == EEXIST;
    }
    ::close(fd);
    return true;
}

FileReadResult ReadFileBytes(const std::filesystem::path& path, bool missingIsEmpty,
                             std::uintmax_t maxBytes) {
    FileReadResult result;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        if (!missingIsEmpty) {
            result.error = "文件不存在：" + path.string();
        }
        return result;
    }
    // A folder opens like a file and only fails at the first read; a device
    // or a pipe may never end or never answer.
    if (!std::filesystem::is_regular_file(path, error)) {
        result.error = "无法读取文件（不是普通文件）：" + path.string();
        return result;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > maxBytes) {
        result.error =
            "文件太大（超过 " + std::to_string(maxBytes) + " 字节），未读取：" + path.string();
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "无法读取文件：" + path.string();
        return result;
    }
    // The stream buffer throws on a failed read rather than setting badbit.
    try {
        std::istreambuf_iterator<char> it(in);
        const std::istreambuf_iterator<char> end;
        // The size was checked, but the file may grow while it is read.
        for (; it != end; ++it) {
            if (result.bytes.size() >= maxBytes) {
                result.bytes.clear();
                result.error = "文件太大（超过 " + std::to_string(maxBytes) + " 字节），未读取：" +
                               path.string();
                return result;
            }
            result.bytes.push_back(*it);
        }
    } catch (const std::ios_base::failure&) {
        in.setstate(std::ios::badbit);
    }
    if (in.bad()) {
        result.bytes.clear();
        result.error = "读取文件时出错：" + path.string();
    }
    return result;
}

std::filesystem::path LockPathBeside(const std::filesystem::path& path) {
    return path.parent_path() / ("." + path.filename().string() + ".lock");
}

FileLockBeside::FileLockBeside(const std::filesystem::path& path,
                               std::chrono::milliseconds patience) {
    if (path.empty() || !path.has_filename()) {
        m_error = "无效的文件路径";
        return;
    }
    const std::filesystem::path lockPath = LockPathBeside(path);
    if (path.has_parent_path()) {
        std::error_code ignored;
        std::filesystem::create_directories(path.parent_path(), ignored);
    }
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = ErrnoText("无法创建锁文件", lockPath);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fd = fd;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_error = ErrnoText("无法锁定文件", lockPath);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            m_error = "文件正被另一个程序修改，请稍后再试：" + path.string();
            break;
        }
        // Writers hold the lock for one read and one write of a small file.
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::close(fd);
}

FileLockBeside::~FileLockBeside() {
    if (m_fd >= 0) {
        ::close(m_fd);  // closing releases the lock
    }
}

}  // namespace lumivane
