#pragma once
// Faults for the file tests: a scratch folder, a folder that refuses writes
// even to root, and failures of the calls the atomic write makes, injected
// by defining rename and fsync in the test program ahead of the C library's.

#include <filesystem>
#include <string>

namespace lumivane::robustness {

// What the next rename or fsync of the program does.
enum class Fault {
    None,
    RenameFails,   // rename answers EIO, as a failing disk would
    KillAtRename,  // the process dies between the temporary file and the rename
    FsyncFails,    // fsync answers ENOSPC, as a full disk with delayed allocation does
};
void InjectFault(Fault fault);

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Makes the folder refuse new entries: by its mode for a normal user, by the
// immutable attribute for root (whom modes do not stop). False when neither
// works here, or when a probe shows that writes still succeed.
bool MakeReadOnly(const std::filesystem::path& folder);
void MakeWritable(const std::filesystem::path& folder);

void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
[[nodiscard]] std::string ReadBytes(const std::filesystem::path& path);
// Names in the folder other than the given one: left-over temporary files.
[[nodiscard]] std::size_t OtherEntries(const std::filesystem::path& folder,
                                       const std::string& name);

// Runs the action in a forked child whose files may grow to at most
// limitBytes (RLIMIT_FSIZE, with SIGXFSZ ignored so writes fail with EFBIG).
// Returns what the action returned, or "<died>" when the child did not end
// normally.
[[nodiscard]] std::string RunWithFileSizeLimit(long limitBytes,
                                               std::string (*action)(const std::filesystem::path&),
                                               const std::filesystem::path& path);

// Runs the action in a forked child that is killed at its first rename.
// True when the child died that way.
[[nodiscard]] bool RunKilledAtRename(std::string (*action)(const std::filesystem::path&),
                                     const std::filesystem::path& path);

}  // namespace lumivane::robustness
