// The favourites and settings files under damaged folders, full disks and
// interrupted writes: failures are reported (favourites) or harmless
// (settings), and the file on disk is always the previous one or the new one.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/ini_file.h"
#include "core/app/settings.h"
#include "core/naming/naming_state.h"
#include "core/platform/file_io.h"
#include "core/results/favorites_file.h"
#include "file_faults.h"

namespace lumivane::robustness {
namespace {

namespace fs = std::filesystem;

const std::string kFavoritesName = "Favorites.Velisora";
const std::string kSettingsName = "config.ini";
// Two favourites as the program writes them, and a third to add.
const std::string kTwoFavorites = "100,200\r\n300,400\r\n";
constexpr Favorite kAdded{1000, 2000};

std::vector<Favorite> Loaded(const fs::path& path) {
    FavoritesLoad load = LoadFavorites(path);
    EXPECT_TRUE(load.ok()) << load.error;
    return load.shown;
}

const std::vector<Favorite> kTwo{{27, 163}, {227, 363}};

std::string AddOne(const fs::path& path) {
    FavoritesWrite write = AddFavorites(path, {&kAdded, 1});
    return write.ok() ? "ok" : write.error;
}

// Enough favourites that the file outgrows a small size limit.
std::string AddMany(const fs::path& path) {
    std::vector<Favorite> many;
    for (std::uint32_t i = 0; i < 500; ++i)
        many.push_back({i, i * 7});
    FavoritesWrite write = AddFavorites(path, many);
    return write.ok() ? "ok" : write.error;
}

MainInputs SomeInputs() {
    MainInputs inputs;
    inputs.firstName = "欧阳";
    inputs.NameLength = 1;
    inputs.Sex = 1;
    inputs.Year = 40;
    return inputs;
}

std::string SaveSome(const fs::path& path) {
    FilterSet filters;
    filters.chk1_1 = true;
    filters.edt1_1 = "明";
    std::string error = SaveSettingsTo(path, SomeInputs(), filters);
    return error.empty() ? "ok" : error;
}

const std::string kOldSettings =
    "; mine\r\n[Birthday]\r\nfirstName=Li\r\nYear=12\r\n[Other]\r\nkeep=1\r\n";

class FileFaults : public testing::Test {
protected:
    void SetUp() override {
        favorites = scratch.Path() / kFavoritesName;
        settings = scratch.Path() / kSettingsName;
    }
    ScratchFolder scratch;
    fs::path favorites;
    fs::path settings;
};

TEST_F(FileFaults, ReadOnlyFolderRefusesEveryChangeAndKeepsTheFiles) {
    WriteBytes(favorites, kTwoFavorites);
    WriteBytes(settings, kOldSettings);
    if (!MakeReadOnly(scratch.Path())) {
        GTEST_SKIP() << "no way to make a folder read-only here";
    }
    FavoritesWrite added = AddFavorites(favorites, {&kAdded, 1});
    EXPECT_FALSE(added.ok());
    EXPECT_NE(added.error.find(scratch.Path().string()), std::string::npos)
        << "the message names the folder: " << added.error;
    bool removed = true;
    EXPECT_FALSE(RemoveFavorite(favorites, kTwo[0], removed).ok());
    EXPECT_FALSE(WriteFavorites(favorites, kTwo).ok());
    EXPECT_FALSE(RemoveFavorites(favorites, kTwo, kTwo).ok());
    EXPECT_NE(SaveSome(settings), "ok");
    MakeWritable(scratch.Path());

    EXPECT_EQ(ReadBytes(favorites), kTwoFavorites);
    EXPECT_EQ(ReadBytes(settings), kOldSettings);
    EXPECT_EQ(Loaded(favorites), kTwo);
    EXPECT_EQ(OtherEntries(scratch.Path(), kFavoritesName), 1u) << "only config.ini besides";
}

TEST_F(FileFaults, DataFolderBehindARegularFileFailsClearly) {
    const fs::path blocker = scratch.Path() / "Velisora";
    WriteBytes(blocker, "not a folder");
    const fs::path path = blocker / kFavoritesName;

    FavoritesLoad load = LoadFavorites(path);
    EXPECT_FALSE(load.ok());
    EXPECT_FALSE(load.error.empty());
    EXPECT_EQ(load.errorLine, 0u);
    FavoritesWrite added = AddFavorites(path, {&kAdded, 1});
    EXPECT_FALSE(added.ok());
    EXPECT_FALSE(WriteFavorites(path, kTwo).ok());

    EXPECT_FALSE(EnsureFileExists(blocker / kSettingsName));
    EXPECT_NE(SaveSome(blocker / kSettingsName), "ok");
    StoredSettings loaded = LoadSettingsFrom(blocker / kSettingsName, 2024);
    EXPECT_EQ(loaded.inputs.Year, 2024 - 1949) << "defaults when nothing can be read";
    EXPECT_EQ(ReadBytes(blocker), "not a folder");
}

TEST_F(FileFaults, FavoritesFileReplacedByAFolderIsReportedNotReplaced) {
    fs::create_directory(favorites);
    WriteBytes(favorites / "inside", "x");

    FavoritesLoad load = LoadFavorites(favorites);
    EXPECT_FALSE(load.ok());
    EXPECT_NE(load.error.find(kFavoritesName), std::string::npos) << load.error;
    CandidateList candidates;
    candidates.codes = {5, 6};
    EXPECT_FALSE(LoadFavorites(favorites, candidates).ok());
    EXPECT_EQ(candidates.codes, (std::vector<GivenNameCode>{5, 6})) << "the list is kept";

    EXPECT_FALSE(AddFavorites(favorites, {&kAdded, 1}).ok());
    bool removed = true;
    EXPECT_FALSE(RemoveFavorite(favorites, kAdded, removed).ok());
    EXPECT_FALSE(removed);
    EXPECT_FALSE(WriteFavorites(favorites, kTwo).ok());
    EXPECT_TRUE(fs::is_directory(favorites));
    EXPECT_EQ(ReadBytes(favorites / "inside"), "x");
    EXPECT_EQ(OtherEntries(scratch.Path(), kFavoritesName), 0u) << "no temporary file left";
}

TEST_F(FileFaults, SettingsFileReplacedByAFolderReadsAsDefaultsAndIsLeftAlone) {
    fs::create_directory(settings);
    StoredSettings loaded = LoadSettingsFrom(settings, 2030);
    EXPECT_EQ(loaded.inputs.firstName, "");
    EXPECT_EQ(loaded.inputs.Year, 2030 - 1949);
    EXPECT_NE(SaveSome(settings), "ok");
    EXPECT_TRUE(fs::is_directory(settings));
    EXPECT_EQ(OtherEntries(scratch.Path(), kSettingsName), 0u);
}

TEST_F(FileFaults, FullDiskKeepsThePreviousFiles) {
    WriteBytes(favorites, kTwoFavorites);
    WriteBytes(settings, kOldSettings);

    // The size limit lets the old files be read but no larger file be written.
    const std::string favoritesAnswer = RunWithFileSizeLimit(512, AddMany, favorites);
    EXPECT_NE(favoritesAnswer, "ok");
    EXPECT_NE(favoritesAnswer, "<died>") << "a full disk must not end the program";
    EXPECT_NE(favoritesAnswer.find("写入文件时出错"), std::string::npos) << favoritesAnswer;
    const std::string settingsAnswer = RunWithFileSizeLimit(64, SaveSome, settings);
    EXPECT_NE(settingsAnswer, "ok");
    EXPECT_NE(settingsAnswer, "<died>");

    EXPECT_EQ(ReadBytes(favorites), kTwoFavorites);
    EXPECT_EQ(ReadBytes(settings), kOldSettings);
    EXPECT_EQ(OtherEntries(scratch.Path(), kFavoritesName), 1u) << "temporary files removed";

    // A disk that fails only at the flush, as delayed allocation does.
    InjectFault(Fault::FsyncFails);
    FavoritesWrite added = AddFavorites(favorites, {&kAdded, 1});
    std::string settingsError = SaveSome(settings);
    InjectFault(Fault::None);
    EXPECT_FALSE(added.ok());
    EXPECT_EQ(added.lineCount, 0u);
    EXPECT_NE(settingsError, "ok");
    EXPECT_EQ(ReadBytes(favorites), kTwoFavorites);
    EXPECT_EQ(ReadBytes(settings), kOldSettings);
    EXPECT_EQ(OtherEntries(scratch.Path(), kFavoritesName), 1u);
}

TEST_F(FileFaults, FailedRenameKeepsThePreviousFiles) {
    WriteBytes(favorites, kTwoFavorites);
    WriteBytes(settings, kOldSettings);
    InjectFault(Fault::RenameFails);
    FavoritesWrite added = AddFavorites(favorites, {&kAdded, 1});
    bool removed = false;
    FavoritesWrite removal = RemoveFavorite(favorites, kTwo[1], removed);
    std::string settingsError = SaveSome(settings);
    InjectFault(Fault::None);

    EXPECT_FALSE(added.ok());
    EXPECT_NE(added.error.find("无法替换文件"), std::string::npos) << added.error;
    EXPECT_FALSE(removal.ok());
    EXPECT_NE(settingsError, "ok");
    EXPECT_EQ(ReadBytes(favorites), kTwoFavorites);
    EXPECT_EQ(ReadBytes(settings), kOldSettings);
    EXPECT_EQ(OtherEntries(scratch.Path(), kFavoritesName), 1u);

    // And once the disk works again, nothing stands in the way.
    ASSERT_TRUE(AddFavorites(favorites, {&kAdded, 1}).ok());
    // Rewrites sort the lines as text: "100,200", "1073,2037", "300,400".
    EXPECT_EQ(Loaded(favorites), (std::vector<Favorite>{kTwo[0], kAdded, kTwo[1]}));
}

TEST_F(FileFaults, WriteKilledBeforeTheRenameLeavesThePreviousFiles) {
    WriteBytes(favorites, kTwoFavorites);
    WriteBytes(settings, kOldSettings);
    ASSERT_TRUE(RunKilledAtRename(AddMany, favorites));
    ASSERT_TRUE(RunKilledAtRename(SaveSome, settings));

    EXPECT_EQ(ReadBytes(favorites), kTwoFavorites);
    EXPECT_EQ(Loaded(favorites), kTwo);
    EXPECT_EQ(ReadBytes(settings), kOldSettings);

    // The next save still works; it only leaves alone the temporary files a
    // killed process could not remove.
    ASSERT_EQ(AddOne(favorites), "ok");
    EXPECT_EQ(Loaded(favorites).size(), 3u);
    ASSERT_EQ(SaveSome(settings), "ok");
    IniFile::LoadResult reread = IniFile::Load(settings);
    ASSERT_TRUE(reread.ok());
    EXPECT_EQ(reread.file.ReadString("Other", "keep", ""), "1") << "other sections kept";
    EXPECT_EQ(reread.file.ReadString("Birthday", "firstName", ""), "欧阳");
}

TEST_F(FileFaults, DamagedFavoritesFileIsNeverRewritten) {
    const std::string damaged = "100,200\r\n\x01garbage\r\n300,400\r\n";
    WriteBytes(favorites, damaged);
    FavoritesLoad load = LoadFavorites(favorites);
    EXPECT_FALSE(load.ok());
    EXPECT_EQ(load.errorLine, 2u);
    EXPECT_NE(load.error.find("\\x01garbage"), std::string::npos) << load.error;
    EXPECT_FALSE(AddFavorites(favorites, {&kAdded, 1}).ok());
    bool removed = true;
    EXPECT_FALSE(RemoveFavorite(favorites, kTwo[0], removed).ok());
    EXPECT_EQ(ReadBytes(favorites), damaged);
}

}  // namespace
}  // namespace lumivane::robustness
