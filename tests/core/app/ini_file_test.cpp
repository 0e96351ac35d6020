// Profile semantics of the INI file.

#include "core/app/ini_file.h"

#include <gtest/gtest.h>

#include "core/text/gbk.h"
#include "temp_folder.h"

namespace lumivane {
namespace {

using testing::ReadAll;
using testing::TempDataHome;
using testing::WriteAll;

TEST(IniFileWrite, ReplacesInPlaceAppendsKeysAndSections) {
    struct Case {
        const char* label;
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } cases[] = {
        {"replace in place, other lines untouched", "; note\r\n[A]\r\nx=1\r\ny=2\r\n[B]\r\nx=3\r\n",
         "A", "x", "9", "; note\r\n[A]\r\nx=9\r\ny=2\r\n[B]\r\nx=3\r\n"},
        {"case-insensitive section and key, file spelling kept", "[select]\r\nCHK1_1=0\r\n",
         "Select", "chk1_1", "1", "[select]\r\nCHK1_1=1\r\n"},
        {"new key at the end of its section, before the next", "[A]\r\nx=1\r\n\r\n[B]\r\nz=3\r\n",
         "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n"},
        {"new section at the end of the file", "[A]\r\nx=1\r\n", "B", "k", "v",
         "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"empty file", "", "Birthday", "Sex", "0", "[Birthday]\r\nSex=0\r\n"},
        {"last line without a line end", "[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
        {"LF file keeps its line ends", "[A]\nx=1\ny=2\n", "A", "y", "5", "[A]\nx=1\ny=5\n"},
        {"first of two equal keys is the one", "[A]\r\nx=1\r\nx=2\r\n", "A", "x", "7",
         "[A]\r\nx=7\r\nx=2\r\n"},
        {"comment that looks like a key is not one", "[A]\r\n;x=1\r\n", "A", "x", "4",
         "[A]\r\n;x=1\r\nx=4\r\n"},
        {"blanks around the key", "[A]\r\n  x = 1\r\n", "A", "x", "2", "[A]\r\nx=2\r\n"},
    };
    for (const Case& c : cases) {
        IniFile ini = IniFile::FromBytes(c.before);
        ASSERT_TRUE(ini.WriteString(c.section, c.key, c.value)) << c.label;
        EXPECT_EQ(ini.Bytes(), c.after) << c.label;
    }
}

TEST(IniFileWrite, RefusesWhatCannotBeStored) {
    IniFile ini = IniFile::FromBytes("[A]\r\nx=1\r\n");
    struct Case {
        const char* label;
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"text GBK cannot hold", "A", "x", "\xF0\xA0\x80\x80"},
        {"line break in the value", "A", "x", "1\r\ny=2"},
        {"'=' in the key", "A", "x=y", "1"},
        {"empty key", "A", "", "1"},
        {"']' in the section", "A]", "x", "1"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ini.WriteString(c.section, c.key, c.value)) << c.label;
        EXPECT_EQ(ini.Bytes(), "[A]\r\nx=1\r\n") << c.label;
    }
}

TEST(IniFileRead, DefaultsAndIntegers) {
    IniFile ini = IniFile::FromBytes(
        "[Birthday]\r\nSex=abc\r\nYear= 75 \r\nDay=-1\r\nHour=3x\r\nMonth=\r\n"
        "Big=99999999999\r\nPlus=+4\r\nfirstName=王\r\n[Select]\r\nchk1_1=1\r\nchk1_2=0\r\n"
        "chk1_3=7\r\nchk2_1=yes\r\n");
    struct IntCase {
        const char* label;
        const char* section;
        const char* key;
        int fallback;
        int expected;
    } ints[] = {
        {"not a number", "Birthday", "Sex", 0, 0},  {"blanks around", "Birthday", "Year", 5, 75},
        {"minus one", "Birthday", "Day", 0, -1},    {"trailing junk", "Birthday", "Hour", 0, 0},
        {"empty value", "Birthday", "Month", 3, 3}, {"beyond int", "Birthday", "Big", 8, 8},
        {"plus sign", "Birthday", "Plus", 0, 4},    {"missing key", "Birthday", "Nothing", 6, 6},
        {"missing section", "Nope", "Sex", 2, 2},   {"key case", "birthday", "YEAR", 0, 75},
    };
    for (const IntCase& c : ints) {
        EXPECT_EQ(ini.ReadInteger(c.section, c.key, c.fallback), c.expected) << c.label;
    }
    EXPECT_TRUE(ini.ReadBool("Select", "chk1_1", false));
    EXPECT_FALSE(ini.ReadBool("Select", "chk1_2", true));
    EXPECT_TRUE(ini.ReadBool("Select", "chk1_3", false)) << "any integer but 0 is true";
    EXPECT_FALSE(ini.ReadBool("Select", "chk2_1", false)) << "not an integer: the default";
    EXPECT_TRUE(ini.ReadBool("Select", "chk2_1", true));
    EXPECT_FALSE(ini.ReadString("Select", "edt1_1").has_value());
    EXPECT_EQ(ini.ReadString("Select", "edt1_1", "x"), "x");
}

TEST(IniFileDisk, GbkBytesOnDiskAndDamagedFiles) {
    TempDataHome home;
    std::filesystem::path path = home.root() / "config.ini";
    IniFile ini;
    ASSERT_TRUE(ini.WriteString("Birthday", "firstName", "欧阳"));
    ASSERT_EQ(ini.Save(path), "");
    // 欧阳 in GBK: C5 B7 D1 F4.
    EXPECT_EQ(ReadAll(path), "[Birthday]\r\nfirstName=\xC5\xB7\xD1\xF4\r\n");
    IniFile::LoadResult loaded = IniFile::Load(path);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.file.ReadString("Birthday", "firstName", ""), "欧阳");

    // A damaged file: bytes that are not GBK, binary junk, a stray header.
    using namespace std::string_literals;
    std::string damaged =
        "\x81\r\n[Birthday]\r\nfirstName=\xFF\xFF\r\nSex=1\r\n[broken\r\n\x00\x01=\x02\r\n\0"s;
    WriteAll(path, damaged);
    IniFile broken = IniFile::Load(path).file;
    EXPECT_FALSE(broken.ReadString("Birthday", "firstName").has_value())
        << "a value that is not GBK reads as absent";
    EXPECT_EQ(broken.ReadInteger("Birthday", "Sex", 0), 1);
    ASSERT_TRUE(broken.WriteString("Birthday", "firstName", "李"));
    std::string expected = damaged;
    expected.replace(expected.find("\xFF\xFF"), 2, "\xC0\xEE");  // 李
    EXPECT_EQ(broken.Bytes(), expected) << "every other byte is kept";

    EXPECT_TRUE(IniFile::Load(home.root() / "missing.ini").ok()) << "a missing file is empty";
}

TEST(IniFileDisk, FailedSaveLeavesTheOldFile) {
    TempDataHome home;
    std::filesystem::path blocker = home.root() / "plain-file";
    WriteAll(blocker, "keep");
    IniFile ini = IniFile::FromBytes("[A]\r\nx=1\r\n");
    // A path whose parent is a regular file cannot be written, even by root.
    EXPECT_NE(ini.Save(blocker / "config.ini"), "");
    EXPECT_EQ(ReadAll(blocker), "keep");

    std::filesystem::path path = home.root() / "config.ini";
    WriteAll(path, "[A]\r\nx=0\r\n");
    ASSERT_EQ(ini.Save(path), "");
    EXPECT_EQ(ReadAll(path), "[A]\r\nx=1\r\n");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(home.root())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2) << "no temporary file is left behind";
}

}  // namespace
}  // namespace lumivane
