#pragma once
// Button icons: the freedesktop icon theme where it has the icon, else a small
// icon painted here, so every button carries an icon on any desktop.

#include <QColor>
#include <QIcon>
#include <QString>

namespace lumivane::gui {

// Picks an installed theme when the platform names none.
void SelectIconTheme();

// Reads the icon theme's index and lists the image readers: work the tool
// bar's icons need before the first paint, done early where it overlaps the
// reading of the font configuration.
void PrepareIconLookup();

// The theme's icon of that name, or a rounded badge with the glyph.
[[nodiscard]] QIcon ThemeIcon(const QString& themeName, const QString& glyph, QColor colour);

// The filter dialog's 取消, which "移出收藏" also carries.
[[nodiscard]] QIcon CancelIcon();

}  // namespace lumivane::gui
