// The filter file the command line reads: bounded, regular files only, and the
// values checked by the ranges the dialog and the settings file use.

#include "core/app/filter_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>

#include "core/app/settings.h"
#include "temp_folder.h"

namespace lumivane {
namespace {

using testing::TempDataHome;
using testing::WriteAll;

TEST(FilterFile, OnlyABoundedRegularFileIsRead) {
    TempDataHome home;
    const auto fifo = home.root() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto big = home.root() / "big.json";
    WriteAll(big, "{\"edt1_1\": \"" + std::string(kFilterFileMaxBytes, 'a') + "\"}");
    struct Case {
        const char* label;
        std::filesystem::path path;
        const char* message;
    } cases[] = {
        {"endless device", "/dev/zero", "不是普通文件"},
        {"pipe without a writer", fifo, "不是普通文件"},
        {"folder", home.root(), "不是普通文件"},
        {"larger than the limit", big, "文件太大"},
        {"missing", home.root() / "none.json", "文件不存在"},
    };
    for (const Case& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        FilterFileRead read = ReadFilterFile(c.path, 1);
        EXPECT_FALSE(read.filters.has_value()) << c.label;
        EXPECT_NE(read.error.find(c.message), std::string::npos) << c.label << ": " << read.error;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.label;
    }
}

TEST(FilterFile, ValuesGoByTheDialogsRules) {
    TempDataHome home;
    const auto path = home.root() / "filters.json";
    struct Case {
        const char* label;
        const char* json;
        int length;
        const char* message;  // nullptr when accepted
    } cases[] = {
        {"bounds", R"({"chk5_3": 1, "sedt5_31": 10, "sedt5_32": 30})", 1, nullptr},
        {"highest bound", R"({"sedt5_32": 200})", 1, nullptr},
        {"bound too high", R"({"sedt5_32": 201})", 1, "sedt5_32"},
        {"negative bound", R"({"sedt5_11": -1})", 1, "sedt5_11"},
        {"stroke count of int's end", R"({"cmb6_1A": 2147483647})", 1, "cmb6_1A"},
        {"stroke count past 十五画", R"({"cmb6_2A": 15})", 1, "cmb6_2A"},
        {"nothing selected", R"({"cmb6_1A": -1, "cmb6_1B": -1})", 1, nullptr},
        {"radical past its list", R"({"cmb6_1A": 0, "cmb6_1B": 40})", 1, "cmb6_1B"},
        {"fixed third character empty, 双字", R"({"chk1_2": 1})", 1, "请填写一个汉字"},
        {"fixed third character empty, 单字", R"({"chk1_2": 1})", 0, nullptr},
        {"unknown fixed last character, 单字", R"({"chk1_3": 1, "edt1_3": "丂"})", 0, nullptr},
        {"fixed second character still asked for, 单字", R"({"chk1_1": 1})", 0, "请填写一个汉字"},
    };
    for (const Case& c : cases) {
        WriteAll(path, c.json);
        FilterFileRead read = ReadFilterFile(path, c.length);
        if (c.message == nullptr) {
            EXPECT_TRUE(read.filters.has_value()) << c.label << ": " << read.error;
        } else {
            EXPECT_FALSE(read.filters.has_value()) << c.label;
            EXPECT_NE(read.error.find(c.message), std::string::npos)
                << c.label << ": " << read.error;
        }
    }
    // A one-character request keeps the ticks of the rows it does not use.
    WriteAll(path, R"({"chk1_2": 1})");
    FilterFileRead kept = ReadFilterFile(path, 0);
    ASSERT_TRUE(kept.filters.has_value());
    EXPECT_TRUE(kept.filters->chk1_2);
}

TEST(FilterFile, TheSettingsFileGoesByTheSameBounds) {
    TempDataHome home;
    const auto path = home.root() / "config.ini";
    WriteAll(path, "[Select]\r\nsedt5_11=7\r\nsedt5_12=100000\r\nsedt5_21=-3\r\nsedt5_22=200\r\n");
    StoredSettings settings = LoadSettingsFrom(path, 2024);
    EXPECT_EQ(settings.filters.sedt5_11, 7);
    EXPECT_EQ(settings.filters.sedt5_12, 1) << "out of range reads as the default";
    EXPECT_EQ(settings.filters.sedt5_21, 1);
    EXPECT_EQ(settings.filters.sedt5_22, 200);
}

}  // namespace
}  // namespace lumivane
