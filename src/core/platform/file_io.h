#pragma once
// Whole-file reads, atomic replacement and a lock beside a file: what the
// settings, the favourites and the printed lists share when they touch disk.

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace lumivane {

// Creates the missing folders on the way and, when nothing exists at the path,
// an empty file. An existing file is left untouched. Failures are only reported
// by the result, which callers may ignore.
bool EnsureFileExists(const std::filesystem::path& path);

struct FileReadResult {
    std::string bytes;
    std::string error;  // empty on success
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads a whole file as bytes. A missing file is an error unless
// missingIsEmpty, when it reads as empty.
[[nodiscard]] FileReadResult ReadFileBytes(const std::filesystem::path& path, bool missingIsEmpty);

// Replaces the file with the bytes: writes a temporary file in the same
// folder, flushes it to disk and renames it over the old one, so a failure at
// any point leaves the old file as it was. Returns an error text, empty on
// success.
[[nodiscard]] std::string WriteFileAtomically(const std::filesystem::path& path,
                                              std::string_view bytes);

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
