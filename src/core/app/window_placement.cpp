#include "core/app/window_placement.h"

#include <algorithm>
#include <cstdlib>

#include "core/app/ini_file.h"
#include "core/platform/file_io.h"

namespace lumivane {

namespace {

// A value no integer key can hold, to tell a missing or damaged key apart.
constexpr int kMissing = -2147483647 - 1;

}  // namespace

std::string SaveWindowPlacementTo(const std::filesystem::path& path,
                                  const WindowPlacement& placement) {
    EnsureFileExists(path);
    IniFile::LoadResult loaded = IniFile::Load(path);
    if (!loaded.ok()) {
        return loaded.error;
    }
    loaded.file.WriteInteger(kWindowSection, "X", placement.X);
    loaded.file.WriteInteger(kWindowSection, "Y", placement.Y);
    loaded.file.WriteInteger(kWindowSection, "Width", placement.Width);
    loaded.file.WriteInteger(kWindowSection, "Height", placement.Height);
    loaded.file.WriteBool(kWindowSection, "Maximized", placement.Maximized);
    return loaded.file.Save(path);
}

std::optional<WindowPlacement> LoadWindowPlacementFrom(const std::filesystem::path& path) {
    const IniFile ini = IniFile::Load(path).file;  // unreadable reads as empty
    WindowPlacement placement;
    placement.X = ini.ReadInteger(kWindowSection, "X", kMissing);
    placement.Y = ini.ReadInteger(kWindowSection, "Y", kMissing);
    placement.Width = ini.ReadInteger(kWindowSection, "Width", kMissing);
    placement.Height = ini.ReadInteger(kWindowSection, "Height", kMissing);
    const int maximized = ini.ReadInteger(kWindowSection, "Maximized", kMissing);
    for (const int value :
         {placement.X, placement.Y, placement.Width, placement.Height, maximized}) {
        if (value == kMissing) {
            return std::nullopt;
        }
    }
    const auto inBounds = [](int side) { return side >= kWindowMinSide && side <= kWindowMaxSide; };
    if (!inBounds(placement.Width) || !inBounds(placement.Height)) {
        return std::nullopt;
    }
    // Far outside any desktop: damaged, not merely on a screen that is gone.
    if (std::abs(placement.X) > kWindowMaxSide * 4 || std::abs(placement.Y) > kWindowMaxSide * 4) {
        return std::nullopt;
    }
    placement.Maximized = maximized != 0;
    return placement;
}

std::optional<WindowPlacement> FitToScreens(const WindowPlacement& placement,
                                            const std::vector<ScreenArea>& screens) {
    // The strip along the top that must show: enough of the title bar to grab.
    constexpr int kGrabWidth = 120;
    constexpr int kGrabHeight = 30;
    WindowPlacement fitted = placement;
    int widest = 0;
    int tallest = 0;
    for (const ScreenArea& screen : screens) {
        widest = std::max(widest, screen.Width);
        tallest = std::max(tallest, screen.Height);
    }
    if (widest <= 0 || tallest <= 0) {
        return std::nullopt;
    }
    fitted.Width = std::min(fitted.Width, widest);
    fitted.Height = std::min(fitted.Height, tallest);
    for (const ScreenArea& screen : screens) {
        const long left = std::max<long>(fitted.X, screen.X);
        const long right = std::min<long>(static_cast<long>(fitted.X) + fitted.Width,
                                          static_cast<long>(screen.X) + screen.Width);
        const long top = std::max<long>(fitted.Y, screen.Y);
        const long bottom = std::min<long>(static_cast<long>(fitted.Y) + kGrabHeight,
                                           static_cast<long>(screen.Y) + screen.Height);
        if (right - left >= kGrabWidth && bottom - top >= kGrabHeight) {
            return fitted;
        }
    }
    return std::nullopt;
}

}  // namespace lumivane
