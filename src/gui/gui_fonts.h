#pragma once
// The window fonts. The layout names the Windows faces 宋体 and 楷体_GB2312;
// they are mapped to installed CJK faces so Chinese text never falls back to
// whatever face fontconfig happens to pick.

#include <QColor>
#include <QFont>
#include <QStringList>

class QWidget;

namespace lumivane::gui {

inline constexpr const char* kSongFamily = "宋体";
inline constexpr const char* kKaiFamily = "楷体_GB2312";

void InstallFontSubstitutions();
[[nodiscard]] QFont SongFont(int pixelSize);
[[nodiscard]] QFont KaiFont(int pixelSize);

// Colours and emphasis through palette and font rather than style sheets: a
// style sheet puts every widget below it through the style-sheet style, which
// made building the windows several times slower.
// Sets the font when the widget is first shown: each new size of a face costs
// loading it, which a list hidden at start need not pay then.
void SetFontWhenFirstShown(QWidget* widget, const QFont& font);

// Width in whole pixels that the widest of the texts needs in the font, never
// less than its laid-out width: the sum of its characters' advances, each
// character measured once. Laying out every entry of the date lists cost the
// start several million instructions of text shaping.
[[nodiscard]] int WidestText(const QFont& font, const QStringList& texts);

void SetTextColor(QWidget* widget, const QColor& color);
void SetBold(QWidget* widget);
// Sets a caption apart in the chart panel's caption colour, in the window's own
// face: a bold face is one more face to look up, load and draw at start.
void SetEmphasis(QWidget* widget);
void StyleAsLink(QWidget* widget);

}  // namespace lumivane::gui
