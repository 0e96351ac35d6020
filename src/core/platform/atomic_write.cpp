// The atomic replacement of a file, apart from the rest of file_io.cpp: the
// printing module links it into a shared object, so it uses no streams and
// no directory iterators, whose code cannot be relocated there.

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <climits>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <vector>

#include "core/platform/file_io.h"
#include "core/platform/system_error.h"

namespace lumivane {
namespace {

std::string ErrnoText(const std::string& what, const std::filesystem::path& path) {
    const int error = errno;
    return what + " " + path.string() + "：" + SystemErrorText(error);
}

}  // namespace

std::filesystem::path ResolveLinks(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    // The kernel's own limit of links in a path.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return current;
        }
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t length = ::readlink(current.c_str(), target.data(), PATH_MAX);
        if (length <= 0) {
            return {};
        }
        const std::filesystem::path next(
            std::string(target.data(), static_cast<std::size_t>(length)));
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return {};
}

std::size_t RemoveStaleTemporaries(const std::filesystem::path& path) {
    const std::string prefix = "." + path.filename().string() + ".";
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    // readdir rather than a directory_iterator: the printing module links
    // this file into a shared object, where the iterator's shared state
    // cannot be relocated.
    std::vector<std::filesystem::path> candidates;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name(entry->d_name);
            // mkstemp's six letters and digits; the lock file does not match.
            if (name.size() != prefix.size() + 6 || !name.starts_with(prefix)) {
                continue;
            }
            const std::string_view letters = name.substr(prefix.size());
            if (std::all_of(letters.begin(), letters.end(),
                            [](unsigned char c) { return std::isalnum(c) != 0; })) {
                candidates.push_back(folder / std::string(name));
            }
        }
        ::closedir(dir);
    }
    std::size_t removed = 0;
    for (const std::filesystem::path& candidate : candidates) {
        // A living writer holds a lock on its temporary file until the rename.
        // Regular files only: O_NOFOLLOW refuses a link, the mode the rest.
        int fd = ::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat status {};
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(fd);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(candidate.c_str()) == 0) {
            ++removed;
        }
        ::close(fd);
    }
    return removed;
}

namespace {

std::string WriteAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return SystemErrorText(errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return {};
}

// Devices and pipes cannot be replaced by a rename: write into them.
std::string WriteInPlace(const std::filesystem::path& path, std::string_view bytes) {
    // Without a reader a pipe would block the open for ever.
    int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return ErrnoText("无法写入文件", path);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::string reason = WriteAll(fd, bytes);
    // Devices that cannot be synced answer EINVAL; that is no failure.
    if (reason.empty() && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        reason = SystemErrorText(errno);
    }
    if (::close(fd) != 0 && reason.empty()) {
        reason = SystemErrorText(errno);
    }
    return reason.empty() ? reason : "写入文件时出错 " + path.string() + "：" + reason;
}

}  // namespace

std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    if (path.empty() || !path.has_filename()) {
        return "无效的文件路径";
    }
    const std::filesystem::path target = ResolveLinks(path);
    if (target.empty() || !target.has_filename()) {
        return "无法写入 " + path.string() + "：符号链接太多或成环";
    }
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        return "无法写入 " + target.string() + "：这是一个文件夹";
    }
    if (exists && !S_ISREG(old.st_mode)) {
        return WriteInPlace(target, bytes);
    }
    // Root may write anything, so the mode is looked at as well: a file the
    // user made read-only stays as it is.
    if (exists && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        return "文件是只读的，未改动：" + target.string();
    }
    RemoveStaleTemporaries(target);

    std::filesystem::path folder = target.parent_path();
    std::string pattern = (folder.empty() ? std::string(".") : folder.string()) + "/." +
                          target.filename().string() + ".XXXXXX";
    int fd = -1;
    std::filesystem::path temporary;
    for (int attempt = 0; fd < 0 && attempt < 5; ++attempt) {
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd = ::mkstemp(name.data());
        if (fd < 0) {
            return ErrnoText("无法写入文件", target);
        }
        temporary = name.data();
        // The lock tells RemoveStaleTemporaries of other writers that this
        // one lives; one that took the file for stale between mkstemp and
        // flock has removed it, and the link count says so.
        struct stat own {};
        if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &own) != 0 || own.st_nlink == 0) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0) {
        return "无法创建临时文件 " + pattern;
    }
    // Messages name the file the user knows, not the temporary one.
    auto fail = [&](const std::string& what) {
        std::string message = ErrnoText(what, target);
        ::close(fd);
        ::unlink(temporary.c_str());
        return message;
    };
    // Keep the permissions of the file being replaced.
    mode_t mode = exists ? (old.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0) {
        return fail("无法设置文件权限");
    }
    if (std::string reason = WriteAll(fd, bytes); !reason.empty()) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return "写入文件时出错 " + target.string() + "：" + reason;
    }
    if (::fsync(fd) != 0) {
        return fail("写入文件时出错");
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        std::string message = ErrnoText("无法替换文件", target);
        ::close(fd);
        ::unlink(temporary.c_str());
        return message;
    }
    // Closed after the rename, so the lock covers the temporary name's life.
    ::close(fd);
    return {};
}

}  // namespace lumivane
