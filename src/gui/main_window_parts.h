#pragma once
// What the main window's source files share: its result pages and small
// conversions between the core's texts and the widgets'.

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane::gui::main_window_parts {

// The pages of pc_Result.
inline constexpr int kSimplePage = 0;
inline constexpr int kDetailedPage = 1;
inline constexpr int kWelcomePage = 2;

[[nodiscard]] QString Utf8(std::string_view text);
// A memo's text with its CR LF line ends as the widget wants them.
[[nodiscard]] QString MemoText(const std::string& memo);
[[nodiscard]] QStringList ToStringList(const std::vector<std::string>& items);
[[nodiscard]] std::vector<std::string> ItemsOf(const QComboBox* combo);
// Replaces the items only when they differ, then selects index (or nothing).
void SetItems(QComboBox* combo, const std::vector<std::string>& items, int index);

}  // namespace lumivane::gui::main_window_parts
