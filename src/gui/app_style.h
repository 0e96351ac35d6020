#pragma once
// The program's few changes to the desktop style: drop-down lists open as a
// scrolling list of at most their maxVisibleItems rows (some styles open them
// as a menu as tall as the screen instead), the button with the keyboard focus
// carries a clear outline, and a press of Alt alone moves to the menu bar.

#include <QProxyStyle>

namespace lumivane::gui {

class AppStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps the style the application has now.
    AppStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// Rows a drop-down list shows before it scrolls.
inline constexpr int kDropDownRows = 20;

// Installs AppStyle once, on the application.
void InstallAppStyle();

}  // namespace lumivane::gui
