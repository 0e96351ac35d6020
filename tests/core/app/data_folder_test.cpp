// The data folder and the file helpers.

#include "core/app/data_folder.h"
#include "core/platform/file_io.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace lumivane {
namespace {

using testing::ReadAll;
using testing::TempDataHome;
using testing::WriteAll;

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (m_old) {
            setenv(m_name, m_old->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(GetProgramFilesDir, FollowsTheXdgRules) {
    struct Case {
        const char* label;
        const char* xdg;
        const char* home;
        const char* expected;
    } cases[] = {
        {"absolute XDG_DATA_HOME", "/srv/data", "/home/a", "/srv/data"},
        {"trailing slash dropped", "/srv/data/", "/home/a", "/srv/data"},
        {"relative XDG_DATA_HOME ignored", "rel/data", "/home/a", "/home/a/.local/share"},
        {"empty XDG_DATA_HOME ignored", "", "/home/a", "/home/a/.local/share"},
        {"unset XDG_DATA_HOME", nullptr, "/home/b/", "/home/b/.local/share"},
    };
    for (const Case& c : cases) {
        ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
        ScopedEnv home("HOME", c.home);
        EXPECT_EQ(GetProgramFilesDir(), c.expected) << c.label;
    }
    ScopedEnv xdg("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(DataFolderPath(), std::filesystem::path("/srv/data/Velisora/"));
    EXPECT_EQ(SettingsFilePath(), std::filesystem::path("/srv/data/Velisora/config.ini"));
}

TEST(EnsureFileExists, CreatesTheChainAndKeepsExistingFiles) {
    TempDataHome home;
    std::filesystem::path path = SettingsFilePath();
    ASSERT_EQ(path, home.root() / "data" / "Velisora" / "config.ini");
    EXPECT_TRUE(EnsureFileExists(path));
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);

    WriteAll(path, "[A]\r\n");
    EXPECT_TRUE(EnsureFileExists(path));
    EXPECT_EQ(ReadAll(path), "[A]\r\n");

    std::filesystem::path blocker = home.root() / "plain";
    WriteAll(blocker, "x");
    EXPECT_FALSE(EnsureFileExists(blocker / "sub" / "f.txt"));
    EXPECT_FALSE(EnsureFileExists(home.root()));  // a folder is not a file
}

TEST(WriteFileAtomically, ReplacesWholeOrNotAtAll) {
    TempDataHome home;
    std::filesystem::path path = home.root() / "f.txt";
    EXPECT_EQ(WriteFileAtomically(path, "one"), "");
    EXPECT_EQ(ReadAll(path), "one");
    EXPECT_EQ(WriteFileAtomically(path, "two"), "");
    EXPECT_EQ(ReadAll(path), "two");
    std::filesystem::path blocker = home.root() / "plain";
    WriteAll(blocker, "x");
    EXPECT_NE(WriteFileAtomically(blocker / "f.txt", "three"), "");
    EXPECT_EQ(ReadAll(blocker), "x");

    FileReadResult missing = ReadFileBytes(home.root() / "none", false);
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(ReadFileBytes(home.root() / "none", true).ok());
    EXPECT_EQ(ReadFileBytes(path, false).bytes, "two");
}

}  // namespace
}  // namespace lumivane
