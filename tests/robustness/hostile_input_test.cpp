// Inputs the fuzz targets found mishandled, kept as plain cases.

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "core/app/ini_file.h"
#include "core/calendar/lunar_conversion.h"
#include "core/platform/file_io.h"
#include "file_faults.h"

namespace lumivane::robustness {
namespace {

TEST(HostileInput, IniKeysThatWouldNotReadBackAreRefused) {
    const std::string bytes = "[Select]\r\nchk1_1=1\r\n";
    IniFile file = IniFile::FromBytes(bytes);
    // ";k=v" and "#k=v" read as comments, "[k=]" as a section header.
    for (const char* key : {";k", "#k", "[k"}) {
        EXPECT_FALSE(file.WriteString("Select", key, "]")) << key;
        file.WriteInteger("Select", key, 5);
        EXPECT_EQ(file.Bytes(), bytes) << key;
    }
    ASSERT_TRUE(file.WriteString("Select", "k;#[", "v"));
    EXPECT_EQ(IniFile::FromBytes(file.Bytes()).ReadString("Select", "k;#[", ""), "v");
    EXPECT_EQ(file.ReadInteger("Select", "chk1_1", 0), 1);
}

TEST(HostileInput, SolarToLunarFailsForMonthsAndDaysBeyondAnyMonth) {
    for (auto [month, day] : {std::pair{0, 1},
                              {13, 1},
                              {1, 0},
                              {1, 32},
                              {-1, 5},
                              {INT_MAX, INT_MAX},
                              {1, INT_MIN},
                              {INT_MIN, 1}}) {
        EXPECT_FALSE(SolarToLunar(2000, month, day).has_value()) << month << "-" << day;
    }
    // Within 1-31 a day past the month's end still counts on.
    ASSERT_TRUE(SolarToLunar(2023, 2, 30).has_value());
    EXPECT_EQ(SolarToLunar(2023, 2, 30), SolarToLunar(2023, 3, 2));
}

TEST(HostileInput, LunarToSolarFailsOutsideTheTables) {
    for (int year : {INT_MIN, INT_MIN + 1, -100000, -851, 2101, 100000, INT_MAX - 1, INT_MAX}) {
        EXPECT_FALSE(LunarToSolar(year, 1, 1, false).has_value()) << year;
        EXPECT_FALSE(LunarToSolar(year, 4, 1, true).has_value()) << year;
    }
    // The last day of the tables still goes both ways.
    std::optional<LunarDate> last = SolarToLunar(2100, 12, 31);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(LunarToSolar(last->Year, last->Month, last->Day, last->IsLeap),
              (WesternDate{2100, 12, 31}));
    EXPECT_EQ(LunarToSolar(2023, 2, 29, true), (WesternDate{2023, 4, 19}));
}

TEST(HostileInput, ReadingAFolderAsAFileIsAnError) {
    ScratchFolder scratch;
    FileReadResult read = ReadFileBytes(scratch.Path(), false);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.error.find(scratch.Path().string()), std::string::npos) << read.error;
    EXPECT_TRUE(read.bytes.empty());
    IniFile::LoadResult ini = IniFile::Load(scratch.Path());
    EXPECT_FALSE(ini.ok());
}

}  // namespace
}  // namespace lumivane::robustness
