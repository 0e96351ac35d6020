#pragma once
// Where the main window stood when it was last closed, in config.ini's
// [Window] section: a section of its own beside [Birthday] and [Select], whose
// keys stay as they are. Frame position and size in pixels, and whether the
// window was maximised (the size is then the one it returns to).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

inline constexpr std::string_view kWindowSection = "Window";

struct WindowPlacement {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool Maximized = false;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// An area of the desktop: a screen's free space (without panels).
struct ScreenArea {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

// Sizes outside these bounds are a damaged value, not a window.
inline constexpr int kWindowMinSide = 320;
inline constexpr int kWindowMaxSide = 16384;

// Writes the section, keeping the rest of the file; an error text or empty.
std::string SaveWindowPlacementTo(const std::filesystem::path& path,
                                  const WindowPlacement& placement);

// The stored placement; nullopt when the section is absent, a key is missing
// or not a number, or a size lies outside the bounds above.
[[nodiscard]] std::optional<WindowPlacement> LoadWindowPlacementFrom(
    const std::filesystem::path& path);

// The placement as it can be shown on these screens: too large a size shrinks
// to the largest screen's, and a window whose top strip (where it is grabbed
// to move it) is not at least partly on a screen is nullopt, so the caller
// centres it instead.
[[nodiscard]] std::optional<WindowPlacement> FitToScreens(const WindowPlacement& placement,
                                                          const std::vector<ScreenArea>& screens);

}  // namespace lumivane
