#pragma once
// Whole-file reads, atomic replacement and a lock beside a file: what the
// settings, the favourites and the printed lists share when they touch disk.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace lumivane {

// Creates the missing folders on the way and, when nothing exists at the path,
// an empty file. An existing file is left untouched. Failures are only reported
// by the result, which callers may ignore.
bool EnsureFileExists(const std::filesystem::path& path);

inline constexpr std::uintmax_t kNoSizeLimit = ~std::uintmax_t{0};

struct FileReadResult {
    std::string bytes;
    std::string error;  // empty on success
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads a whole file as bytes. A missing file is an error unless
// missingIsEmpty, when it reads as empty. Only regular files are read (a
// device or a pipe could be endless or never answer); a file larger than
// maxBytes is refused without reading it.
[[nodiscard]] FileReadResult ReadFileBytes(const std::filesystem::path& path, bool missingIsEmpty,
                                           std::uintmax_t maxBytes = kNoSizeLimit);

// Replaces the file with the bytes: writes a temporary file in the same
// folder, flushes it to disk and renames it over the old one, so a failure at
// any point leaves the old file as it was. Returns an error text, empty on
// success.
// A symbolic link is followed and its target replaced, so the link stays (a
// file linked into a synced folder keeps being synced); the mode of the file
// is kept, and a file nobody may write is refused rather than replaced. A
// target that is not a regular file (a device such as /dev/full, a pipe) is
// written in place, as a rename would put a plain file in its stead.
// Temporary files that writers killed before their rename left beside the
// target are removed first.
[[nodiscard]] std::string WriteFileAtomically(const std::filesystem::path& path,
                                              std::string_view bytes);

// The file a path stands for: the path itself, or the final target of a chain
// of symbolic links (which need not exist yet). Empty when the chain loops or
// is too long.
[[nodiscard]] std::filesystem::path ResolveLinks(const std::filesystem::path& path);

// The temporary files "." + name + ".XXXXXX" beside the file that no living
// writer holds; returns how many were removed.
std::size_t RemoveStaleTemporaries(const std::filesystem::path& path);

// The lock file of a file: "." + its name + ".lock" in the same folder.
[[nodiscard]] std::filesystem::path LockPathBeside(const std::filesystem::path& path);

// An exclusive advisory lock (flock) on the lock file beside a file, held for
// the object's life, so that programs changing the file take turns: each one
// reads what the one before it wrote. The file itself cannot carry the lock,
// as every change replaces it by a rename. The lock file is created when
// missing and never removed (removing it would let two programs lock two
// different files). Waits at most `patience` for another holder.
class FileLockBeside {
public:
    FileLockBeside(const std::filesystem::path& path, std::chrono::milliseconds patience);
    ~FileLockBeside();
    FileLockBeside(const FileLockBeside&) = delete;
    FileLockBeside& operator=(const FileLockBeside&) = delete;
    [[nodiscard]] bool locked() const { return m_fd >= 0; }
    // Why the lock could not be taken; empty when locked.
    [[nodiscard]] const std::string& error() const { return m_error; }

private:
    int m_fd = -1;
    std::string m_error;
};

}  // namespace lumivane
