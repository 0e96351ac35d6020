#pragma once
// The stored controls of the filter dialog by name, kind and Tag, in the
// dialog's component order. The settings file, the dialog's state rules and
// the command line address a FilterSet field through this one table.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/naming/filter_set.h"

namespace lumivane {

enum class FilterControlKind { CheckBox, TextBox, SpinBox, ComboBox };

struct FilterControl {
    std::string_view name;
    FilterControlKind kind;
    int tag;  // the row the control belongs to: the Tag of that row's check box
    bool FilterSet::*check = nullptr;        // CheckBox
    std::string FilterSet::*text = nullptr;  // TextBox
    int FilterSet::*number = nullptr;        // SpinBox, ComboBox
};

// The 66 stored controls, in the order their keys are first written.
[[nodiscard]] std::span<const FilterControl> FilterControls();

// The control of that exact name, or nullptr.
[[nodiscard]] const FilterControl* FindFilterControl(std::string_view name);

// The position of a control of FilterControls() in that table.
[[nodiscard]] std::size_t FilterControlIndex(const FilterControl& control);

// The row check box whose Tag is tag, or nullptr.
[[nodiscard]] const FilterControl* RowBoxOfTag(int tag);

// True for the 18 row check boxes.
[[nodiscard]] bool IsRowBox(const FilterControl& control);

// True for the three stroke-count lists (cmb6_1A …), whose choice refills the
// radical list beside them.
[[nodiscard]] bool IsStrokeCountList(const FilterControl& control);

// The 18 row check boxes chk1_1 … chk6_3, page by page, row by row.
[[nodiscard]] std::span<const std::string_view> RowBoxNames();

}  // namespace lumivane
