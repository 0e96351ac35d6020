#pragma once
// The window fonts. The layout names the Windows faces 宋体 and 楷体_GB2312;
// they are mapped to installed CJK faces so Chinese text never falls back to
// whatever face fontconfig happens to pick.

#include <QFont>

namespace lumivane::gui {

inline constexpr const char* kSongFamily = "宋体";
inline constexpr const char* kKaiFamily = "楷体_GB2312";

void InstallFontSubstitutions();
[[nodiscard]] QFont SongFont(int pixelSize);
[[nodiscard]] QFont KaiFont(int pixelSize);

}  // namespace lumivane::gui
