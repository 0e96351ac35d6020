#include "file_faults.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lumivane::robustness {
namespace {

std::atomic<Fault> g_fault{Fault::None};

bool SetImmutable(const std::filesystem::path& folder, bool on) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// Sends the child's answer through a pipe; "<died>" when it never comes.
template <typename Child>
std::string InChild(Child child, int* status) {
    int fds[2];
    if (::pipe(fds) != 0)
        throw std::runtime_error("pipe");
    pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork");
    if (pid == 0) {
        ::close(fds[0]);
        std::string answer = child();
        const char* data = answer.data();
        std::size_t left = answer.size();
        while (left > 0) {
            ssize_t n = ::write(fds[1], data, left);
            if (n <= 0)
                break;
            data += n;
            left -= static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string answer;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        answer.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    ::waitpid(pid, status, 0);
    if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0)
        return "<died>";
    return answer;
}

}  // namespace

void InjectFault(Fault fault) {
    g_fault = fault;
}

ScratchFolder::ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "lumivane-faults-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp");
    m_path = pattern;
}

ScratchFolder::~ScratchFolder() {
    InjectFault(Fault::None);
    std::error_code ignored;
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored))
            MakeWritable(it->path());
    }
    MakeWritable(m_path);
    std::filesystem::remove_all(m_path, ignored);
}

bool MakeReadOnly(const std::filesystem::path& folder) {
    if (::geteuid() != 0) {
        if (::chmod(folder.c_str(), 0555) != 0)
            return false;
    } else if (!SetImmutable(folder, true)) {
        return false;
    }
    const std::filesystem::path probe = folder / ".probe";
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.c_str());
        MakeWritable(folder);
        return false;
    }
    return true;
}

void MakeWritable(const std::filesystem::path& folder) {
    if (::geteuid() == 0)
        SetImmutable(folder, false);
    ::chmod(folder.c_str(), 0755);
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<unreadable>";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t OtherEntries(const std::filesystem::path& folder, const std::string& name) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        // The lock file beside the favourites stays on purpose.
        if (entry.path().filename() != name && entry.path().extension() != ".lock")
            ++count;
    }
    return count;
}

std::string RunWithFileSizeLimit(long limitBytes,
                                 std::string (*action)(const std::filesystem::path&),
                                 const std::filesystem::path& path) {
    int status = 0;
    return InChild(
        [&] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{static_cast<rlim_t>(limitBytes), static_cast<rlim_t>(limitBytes)};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return std::string("<no limit>");
            return action(path);
        },
        &status);
}

bool RunKilledAtRename(std::string (*action)(const std::filesystem::path&),
                       const std::filesystem::path& path) {
    int status = 0;
    (void)InChild(
        [&] {
            InjectFault(Fault::KillAtRename);
            return action(path);
        },
        &status);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

}  // namespace lumivane::robustness

// The program's own rename and fsync come first in symbol resolution, so the
// core's atomic write meets the injected faults; without one they do the
// system call as the C library would.
extern "C" int rename(const char* from, const char* to) noexcept {
    using lumivane::robustness::Fault;
    switch (lumivane::robustness::g_fault.load()) {
        case Fault::RenameFails:
            errno = EIO;
            return -1;
        case Fault::KillAtRename:
            ::kill(::getpid(), SIGKILL);
            break;
        default:
            break;
    }
    return static_cast<int>(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}

extern "C" int fsync(int fd) {
    if (lumivane::robustness::g_fault.load() == lumivane::robustness::Fault::FsyncFails) {
        errno = ENOSPC;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}
