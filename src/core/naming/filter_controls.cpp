#include "core/naming/filter_controls.h"

#include <array>
#include <unordered_map>

namespace lumivane {
namespace {

// Element boxes carry the Tag of their row box; the dialog uses no Tag 9.
constexpr std::array<FilterControl, 66> kControls{{
    {"chk1_3", FilterControlKind::CheckBox, 3, &FilterSet::chk1_3, nullptr, nullptr},
    {"chk1_1", FilterControlKind::CheckBox, 1, &FilterSet::chk1_1, nullptr, nullptr},
    {"chk1_2", FilterControlKind::CheckBox, 2, &FilterSet::chk1_2, nullptr, nullptr},
    {"edt1_3", FilterControlKind::TextBox, 3, nullptr, &FilterSet::edt1_3, nullptr},
    {"edt1_2", FilterControlKind::TextBox, 2, nullptr, &FilterSet::edt1_2, nullptr},
    {"edt1_1", FilterControlKind::TextBox, 1, nullptr, &FilterSet::edt1_1, nullptr},
    {"chk2_1", FilterControlKind::CheckBox, 4, &FilterSet::chk2_1, nullptr, nullptr},
    {"chk2_11", FilterControlKind::CheckBox, 4, &FilterSet::chk2_11, nullptr, nullptr},
    {"chk2_12", FilterControlKind::CheckBox, 4, &FilterSet::chk2_12, nullptr, nullptr},
    {"chk2_13", FilterControlKind::CheckBox, 4, &FilterSet::chk2_13, nullptr, nullptr},
    {"chk2_14", FilterControlKind::CheckBox, 4, &FilterSet::chk2_14, nullptr, nullptr},
    {"chk2_15", FilterControlKind::CheckBox, 4, &FilterSet::chk2_15, nullptr, nullptr},
    {"chk2_25", FilterControlKind::CheckBox, 5, &FilterSet::chk2_25, nullptr, nullptr},
    {"chk2_24", FilterControlKind::CheckBox, 5, &FilterSet::chk2_24, nullptr, nullptr},
    {"chk2_23", FilterControlKind::CheckBox, 5, &FilterSet::chk2_23, nullptr, nullptr},
    {"chk2_22", FilterControlKind::CheckBox, 5, &FilterSet::chk2_22, nullptr, nullptr},
    {"chk2_21", FilterControlKind::CheckBox, 5, &FilterSet::chk2_21, nullptr, nullptr},
    {"chk2_2", FilterControlKind::CheckBox, 5, &FilterSet::chk2_2, nullptr, nullptr},
    {"chk2_3", FilterControlKind::CheckBox, 6, &FilterSet::chk2_3, nullptr, nullptr},
    {"chk2_31", FilterControlKind::CheckBox, 6, &FilterSet::chk2_31, nullptr, nullptr},
    {"chk2_32", FilterControlKind::CheckBox, 6, &FilterSet::chk2_32, nullptr, nullptr},
    {"chk2_33", FilterControlKind::CheckBox, 6, &FilterSet::chk2_33, nullptr, nullptr},
    {"chk2_34", FilterControlKind::CheckBox, 6, &FilterSet::chk2_34, nullptr, nullptr},
    {"chk2_35", FilterControlKind::CheckBox, 6, &FilterSet::chk2_35, nullptr, nullptr},
    {"chk3_1", FilterControlKind::CheckBox, 7, &FilterSet::chk3_1, nullptr, nullptr},
    {"chk3_11", FilterControlKind::CheckBox, 7, &FilterSet::chk3_11, nullptr, nullptr},
    {"chk3_12", FilterControlKind::CheckBox, 7, &FilterSet::chk3_12, nullptr, nullptr},
    {"chk3_13", FilterControlKind::CheckBox, 7, &FilterSet::chk3_13, nullptr, nullptr},
    {"chk3_14", FilterControlKind::CheckBox, 7, &FilterSet::chk3_14, nullptr, nullptr},
    {"chk3_15", FilterControlKind::CheckBox, 7, &FilterSet::chk3_15, nullptr, nullptr},
    {"chk3_25", FilterControlKind::CheckBox, 8, &FilterSet::chk3_25, nullptr, nullptr},
    {"chk3_24", FilterControlKind::CheckBox, 8, &FilterSet::chk3_24, nullptr, nullptr},
    {"chk3_23", FilterControlKind::CheckBox, 8, &FilterSet::chk3_23, nullptr, nullptr},
    {"chk3_22", FilterControlKind::CheckBox, 8, &FilterSet::chk3_22, nullptr, nullptr},
    {"chk3_21", FilterControlKind::CheckBox, 8, &FilterSet::chk3_21, nullptr, nullptr},
    {"chk3_2", FilterControlKind::CheckBox, 8, &FilterSet::chk3_2, nullptr, nullptr},
    {"chk3_3", FilterControlKind::CheckBox, 10, &FilterSet::chk3_3, nullptr, nullptr},
    {"chk3_31", FilterControlKind::CheckBox, 10, &FilterSet::chk3_31, nullptr, nullptr},
    {"chk3_32", FilterControlKind::CheckBox, 10, &FilterSet::chk3_32, nullptr, nullptr},
    {"chk3_33", FilterControlKind::CheckBox, 10, &FilterSet::chk3_33, nullptr, nullptr},
    {"chk3_34", FilterControlKind::CheckBox, 10, &FilterSet::chk3_34, nullptr, nullptr},
    {"chk3_35", FilterControlKind::CheckBox, 10, &FilterSet::chk3_35, nullptr, nullptr},
    {"chk4_1", FilterControlKind::CheckBox, 11, &FilterSet::chk4_1, nullptr, nullptr},
    {"chk4_2", FilterControlKind::CheckBox, 12, &FilterSet::chk4_2, nullptr, nullptr},
    {"chk4_3", FilterControlKind::CheckBox, 13, &FilterSet::chk4_3, nullptr, nullptr},
    {"edt4_3", FilterControlKind::TextBox, 13, nullptr, &FilterSet::edt4_3, nullptr},
    {"edt4_2", FilterControlKind::TextBox, 12, nullptr, &FilterSet::edt4_2, nullptr},
    {"edt4_1", FilterControlKind::TextBox, 11, nullptr, &FilterSet::edt4_1, nullptr},
    {"chk5_1", FilterControlKind::CheckBox, 14, &FilterSet::chk5_1, nullptr, nullptr},
    {"chk5_2", FilterControlKind::CheckBox, 15, &FilterSet::chk5_2, nullptr, nullptr},
    {"chk5_3", FilterControlKind::CheckBox, 16, &FilterSet::chk5_3, nullptr, nullptr},
    {"sedt5_11", FilterControlKind::SpinBox, 14, nullptr, nullptr, &FilterSet::sedt5_11},
    {"sedt5_12", FilterControlKind::SpinBox, 14, nullptr, nullptr, &FilterSet::sedt5_12},
    {"sedt5_21", FilterControlKind::SpinBox, 15, nullptr, nullptr, &FilterSet::sedt5_21},
    {"sedt5_22", FilterControlKind::SpinBox, 15, nullptr, nullptr, &FilterSet::sedt5_22},
    {"sedt5_31", FilterControlKind::SpinBox, 16, nullptr, nullptr, &FilterSet::sedt5_31},
    {"sedt5_32", FilterControlKind::SpinBox, 16, nullptr, nullptr, &FilterSet::sedt5_32},
    {"chk6_1", FilterControlKind::CheckBox, 17, &FilterSet::chk6_1, nullptr, nullptr},
    {"chk6_2", FilterControlKind::CheckBox, 18, &FilterSet::chk6_2, nullptr, nullptr},
    {"chk6_3", FilterControlKind::CheckBox, 19, &FilterSet::chk6_3, nullptr, nullptr},
    {"cmb6_1A", FilterControlKind::ComboBox, 17, nullptr, nullptr, &FilterSet::cmb6_1A},
    {"cmb6_2A", FilterControlKind::ComboBox, 18, nullptr, nullptr, &FilterSet::cmb6_2A},
    {"cmb6_3A", FilterControlKind::ComboBox, 19, nullptr, nullptr, &FilterSet::cmb6_3A},
    {"cmb6_1B", FilterControlKind::ComboBox, 17, nullptr, nullptr, &FilterSet::cmb6_1B},
    {"cmb6_2B", FilterControlKind::ComboBox, 18, nullptr, nullptr, &FilterSet::cmb6_2B},
    {"cmb6_3B", FilterControlKind::ComboBox, 19, nullptr, nullptr, &FilterSet::cmb6_3B},
}};

constexpr std::array<std::string_view, 18> kRowBoxes{
    "chk1_1", "chk1_2", "chk1_3", "chk2_1", "chk2_2", "chk2_3", "chk3_1", "chk3_2", "chk3_3",
    "chk4_1", "chk4_2", "chk4_3", "chk5_1", "chk5_2", "chk5_3", "chk6_1", "chk6_2", "chk6_3"};

}  // namespace

std::span<const FilterControl> FilterControls() {
    return kControls;
}

const FilterControl* FindFilterControl(std::string_view name) {
    // Looked up for every control at each dialog reaction and restore step, so
    // by hash rather than by walking the table.
    static const std::unordered_map<std::string_view, const FilterControl*> byName = [] {
        std::unordered_map<std::string_view, const FilterControl*> map;
        for (const FilterControl& control : kControls) {
            map.emplace(control.name, &control);
        }
        return map;
    }();
    const auto found = byName.find(name);
    return found != byName.end() ? found->second : nullptr;
}

std::size_t FilterControlIndex(const FilterControl& control) {
    return static_cast<std::size_t>(&control - kControls.data());
}

const FilterControl* RowBoxOfTag(int tag) {
    static const std::array<const FilterControl*, 32> byTag = [] {
        std::array<const FilterControl*, 32> table{};
        for (std::string_view name : kRowBoxes) {
            const FilterControl* control = FindFilterControl(name);
            table[static_cast<std::size_t>(control->tag)] = control;
        }
        return table;
    }();
    return tag >= 0 && static_cast<std::size_t>(tag) < byTag.size()
               ? byTag[static_cast<std::size_t>(tag)]
               : nullptr;
}

bool IsRowBox(const FilterControl& control) {
    return RowBoxOfTag(control.tag) == &control;
}

bool IsStrokeCountList(const FilterControl& control) {
    return control.number == &FilterSet::cmb6_1A || control.number == &FilterSet::cmb6_2A ||
           control.number == &FilterSet::cmb6_3A;
}

std::span<const std::string_view> RowBoxNames() {
    return kRowBoxes;
}

}  // namespace lumivane
