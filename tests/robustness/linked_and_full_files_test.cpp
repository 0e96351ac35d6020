// The favourites and settings files where they are links, read-only, on a
// full disk or a device, and beside the temporary files of killed writers.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/file_io.h"
#include "core/results/favorites_file.h"
#include "file_faults.h"
#include "small_filesystem.h"

namespace lumivane::robustness {
namespace {

namespace fs = std::filesystem;

constexpr Favorite kAdded{1000, 2000};
const std::string kTwoFavorites = "100,200\r\n300,400\r\n";

std::string AddOne(const fs::path& path) {
    FavoritesWrite write = AddFavorites(path, {&kAdded, 1});
    return write.ok() ? "ok" : write.error;
}

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? (status.st_mode & 07777) : 0;
}

std::size_t Temporaries(const fs::path& folder, const std::string& name) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string entryName = entry.path().filename().string();
        count += entryName.rfind("." + name + ".", 0) == 0 && entryName.size() == name.size() + 8;
    }
    return count;
}

TEST(LinkedFiles, ALinkedFavoritesFileStaysALinkAndItsTargetIsWritten) {
    ScratchFolder scratch;
    const fs::path synced = scratch.Path() / "synced";
    fs::create_directories(synced);
    const fs::path target = synced / "Favorites.Velisora";
    const fs::path link = scratch.Path() / "Favorites.Velisora";
    WriteBytes(target, kTwoFavorites);
    ::chmod(target.c_str(), 0600);
    fs::create_symlink(fs::path("synced") / "Favorites.Velisora", link);  // a relative link

    ASSERT_EQ(AddOne(link), "ok");
    EXPECT_TRUE(fs::is_symlink(link)) << "the link is not replaced by a plain file";
    EXPECT_EQ(ReadBytes(target), "100,200\r\n1073,2037\r\n300,400\r\n");
    EXPECT_EQ(ModeOf(target), 0600u) << "the file keeps its mode";
    EXPECT_EQ(Temporaries(synced, "Favorites.Velisora"), 0u);

    // A link to a file not there yet makes the file at the target.
    const fs::path dangling = scratch.Path() / "other.Velisora";
    fs::create_symlink(synced / "new.Velisora", dangling);
    ASSERT_TRUE(WriteFileAtomically(dangling, "74,39\r\n").empty());
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadBytes(synced / "new.Velisora"), "74,39\r\n");

    // A loop of links is refused, not followed for ever.
    fs::create_symlink(scratch.Path() / "loop-b", scratch.Path() / "loop-a");
    fs::create_symlink(scratch.Path() / "loop-a", scratch.Path() / "loop-b");
    EXPECT_FALSE(WriteFileAtomically(scratch.Path() / "loop-a", "x").empty());
}

TEST(LinkedFiles, AReadOnlyFileIsRefusedNotReplaced) {
    ScratchFolder scratch;
    const fs::path favorites = scratch.Path() / "Favorites.Velisora";
    WriteBytes(favorites, kTwoFavorites);
    ::chmod(favorites.c_str(), 0444);
    const std::string answer = AddOne(favorites);
    EXPECT_NE(answer.find("只读"), std::string::npos) << answer;
    EXPECT_EQ(ReadBytes(favorites), kTwoFavorites);
    EXPECT_EQ(ModeOf(favorites), 0444u);
}

TEST(LinkedFiles, TemporariesOfKilledWritersAreRemovedAtTheNextWrite) {
    ScratchFolder scratch;
    const fs::path favorites = scratch.Path() / "Favorites.Velisora";
    WriteBytes(favorites, kTwoFavorites);
    for (int kill = 0; kill < 5; ++kill) {
        ASSERT_TRUE(RunKilledAtRename(AddOne, favorites));
    }
    // Each write cleared the one killed before it: only the last is left.
    EXPECT_EQ(Temporaries(scratch.Path(), "Favorites.Velisora"), 1u);

    // A living writer's temporary file carries its lock and stays.
    const fs::path living = scratch.Path() / ".Favorites.Velisora.Ab12Cd";
    WriteBytes(living, "half");
    int fd = ::open(living.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);

    ASSERT_EQ(AddOne(favorites), "ok");
    EXPECT_EQ(Temporaries(scratch.Path(), "Favorites.Velisora"), 1u);
    EXPECT_TRUE(fs::exists(living));
    ::close(fd);
    EXPECT_EQ(RemoveStaleTemporaries(favorites), 1u);
    EXPECT_EQ(OtherEntries(scratch.Path(), "Favorites.Velisora"), 0u);
    // Names that only look alike are not touched.
    WriteBytes(scratch.Path() / ".Favorites.Velisora.damaged1", "x");
    WriteBytes(scratch.Path() / "Favorites.Velisora.damaged", "x");
    EXPECT_EQ(RemoveStaleTemporaries(favorites), 0u);
}

TEST(FullDisks, DevFullIsAFailureAndStaysADevice) {
    const std::string error = WriteFileAtomically("/dev/full", "7300,65701\r\n");
    EXPECT_NE(error.find("磁盘空间不足"), std::string::npos) << error;
    struct stat device {};
    ASSERT_EQ(::stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode));

    // The favourites file linked to it: refused as no regular file, unchanged.
    ScratchFolder scratch;
    const fs::path favorites = scratch.Path() / "Favorites.Velisora";
    fs::create_symlink("/dev/full", favorites);
    const std::string answer = AddOne(favorites);
    EXPECT_NE(answer, "ok");
    EXPECT_TRUE(fs::is_symlink(favorites));
}

TEST(FullDisks, AFullSmallFileSystemKeepsThePreviousFavorites) {
    testing::SmallFilesystem disk(400);
    if (!disk.Mounted()) {
        GTEST_SKIP() << "no small file system here: " << disk.Reason();
    }
    const fs::path favorites = disk.Path() / "Favorites.Velisora";
    WriteBytes(favorites, kTwoFavorites);
    disk.Fill();
    std::vector<Favorite> many;
    for (std::uint32_t i = 0; i < 5000; ++i) {
        many.push_back({i % 7000, (i % 7000) << 16});
    }
    FavoritesWrite write = AddFavorites(favorites, many);
    EXPECT_FALSE(write.ok());
    EXPECT_NE(write.error.find("磁盘空间不足"), std::string::npos) << write.error;
    EXPECT_EQ(ReadBytes(favorites), kTwoFavorites);
    EXPECT_EQ(Temporaries(disk.Path(), "Favorites.Velisora"), 0u);
}

}  // namespace
}  // namespace lumivane::robustness
