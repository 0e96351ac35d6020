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
    // Drop-downs get rows a little taller than their font: a CJK face can
    // fill its whole line, and a list popup packs the rows without a gap.
    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
};

// Rows a drop-down list shows before it scrolls.
inline constexpr int kDropDownRows = 20;

// Installs AppStyle once, on the application.
void InstallAppStyle();

}  // namespace lumivane::gui
