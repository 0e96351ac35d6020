// config.ini's [Window] section: the round trip, damaged values, and fitting
// a stored placement to the screens there are now.

#include "core/app/window_placement.h"

#include <gtest/gtest.h>

#include "core/app/settings.h"
#include "temp_folder.h"

namespace lumivane {
namespace {

using testing::ReadAll;
using testing::TempDataHome;
using testing::WriteAll;

TEST(WindowPlacementFile, RoundTripsBesideTheDesignSections) {
    TempDataHome home;
    const std::filesystem::path path = home.root() / "config.ini";
    EXPECT_FALSE(LoadWindowPlacementFrom(path).has_value());
    ASSERT_EQ(SaveSettingsTo(path, MainInputs{"王"}, FilterSet{}), "");
    const std::string before = ReadAll(path);
    const WindowPlacement placement{-8, 24, 1500, 900, true};
    ASSERT_EQ(SaveWindowPlacementTo(path, placement), "");
    EXPECT_EQ(LoadWindowPlacementFrom(path), placement);
    const std::string after = ReadAll(path);
    // The design's sections stand as they were; the new one follows them.
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_NE(after.find("[Window]\r\nX=-8\r\nY=24\r\nWidth=1500\r\nHeight=900\r\nMaximized=1"),
              std::string::npos)
        << after;
    // Saving again replaces the values in place.
    ASSERT_EQ(SaveWindowPlacementTo(path, {10, 20, 800, 600, false}), "");
    const std::string again = ReadAll(path);
    EXPECT_EQ(again.find("[Window]"), again.rfind("[Window]"));
    EXPECT_NE(again.find("[Window]\r\nX=10\r\nY=20\r\nWidth=800"), std::string::npos) << again;
}

TEST(WindowPlacementFile, DamagedValuesReadAsNone) {
    struct Case {
        const char* label;
        const char* section;
    };
    const Case cases[] = {
        {"missing key", "[Window]\r\nX=1\r\nY=2\r\nWidth=800\r\nMaximized=0\r\n"},
        {"not a number", "[Window]\r\nX=1\r\nY=2\r\nWidth=8OO\r\nHeight=600\r\nMaximized=0\r\n"},
        {"too small", "[Window]\r\nX=1\r\nY=2\r\nWidth=40\r\nHeight=600\r\nMaximized=0\r\n"},
        {"too large", "[Window]\r\nX=1\r\nY=2\r\nWidth=800\r\nHeight=99999\r\nMaximized=0\r\n"},
        {"far away", "[Window]\r\nX=900000\r\nY=2\r\nWidth=800\r\nHeight=600\r\nMaximized=0\r\n"},
    };
    TempDataHome home;
    const std::filesystem::path path = home.root() / "config.ini";
    for (const Case& c : cases) {
        WriteAll(path, c.section);
        EXPECT_FALSE(LoadWindowPlacementFrom(path).has_value()) << c.label;
    }
}

TEST(WindowPlacementFit, KeepsVisibleWindowsAndRefusesLostOnes) {
    const std::vector<ScreenArea> two = {{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}};
    struct Case {
        const char* label;
        WindowPlacement stored;
        std::optional<WindowPlacement> expected;
    };
    const Case cases[] = {
        {"inside", {100, 80, 1200, 800, false}, WindowPlacement{100, 80, 1200, 800, false}},
        {"on the second screen",
         {2000, 10, 900, 700, true},
         WindowPlacement{2000, 10, 900, 700, true}},
        {"too large shrinks", {0, 0, 4000, 3000, false}, WindowPlacement{0, 0, 1920, 1050, false}},
        {"top strip above the screens", {100, -500, 800, 600, false}, std::nullopt},
        {"on a screen that is gone", {3500, 100, 800, 600, false}, std::nullopt},
        {"across two screens",
         {1900, 100, 800, 600, false},
         WindowPlacement{1900, 100, 800, 600, false}},
        {"left of every screen", {-790, 100, 800, 600, false}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitToScreens(c.stored, two), c.expected) << c.label;
    }
    EXPECT_FALSE(FitToScreens({0, 0, 800, 600, false}, {}).has_value());
}

}  // namespace
}  // namespace lumivane
