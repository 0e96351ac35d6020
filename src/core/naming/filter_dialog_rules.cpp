#include "core/naming/filter_dialog_rules.h"

#include <array>

#include "core/data/character_dictionary.h"
#include "core/data/radical_table.h"
#include "core/naming/filter_controls.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"
#include "core/text/pinyin.h"

namespace lumivane {
namespace {

// The row boxes that a fixed character of row 1 or 2 switches off.
constexpr std::array<std::string_view, 5> kCoupledRow1{"chk2_1", "chk3_1", "chk4_1", "chk5_1",
                                                       "chk6_1"};
constexpr std::array<std::string_view, 5> kCoupledRow2{"chk2_2", "chk3_2", "chk4_2", "chk5_2",
                                                       "chk6_2"};

bool Contains(const std::array<std::string_view, 5>& names, std::string_view name) {
    for (std::string_view n : names) {
        if (n == name) {
            return true;
        }
    }
    return false;
}

bool& Tick(FilterSet& filters, std::string_view name) {
    return filters.*(FindFilterControl(name)->check);
}

int& RadicalPosition(FilterSet& filters, int row) {
    return row == 1 ? filters.cmb6_1B : row == 2 ? filters.cmb6_2B : filters.cmb6_3B;
}

struct TextRule {
    std::string FilterSet::*text;
    std::string_view name;
    std::string_view caption;  // page and row, for the messages
};

constexpr std::array<TextRule, 6> kTextBoxes{{
    {&FilterSet::edt1_1, "edt1_1", "指定文字“第二个字限定”"},
    {&FilterSet::edt1_2, "edt1_2", "指定文字“第三个字限定”"},
    {&FilterSet::edt1_3, "edt1_3", "指定文字“名字中必须含”"},
    {&FilterSet::edt4_1, "edt4_1", "指定拼音“第二个字限定”"},
    {&FilterSet::edt4_2, "edt4_2", "指定拼音“第三个字限定”"},
    {&FilterSet::edt4_3, "edt4_3", "指定拼音“名字中必须含”"},
}};

}  // namespace

namespace {

ControlAppearance AppearanceOfControl(const FilterSet& filters, const FilterControl& control) {
    ControlAppearance appearance{control.name, true, true};
    if (IsRowBox(control)) {
        if (Contains(kCoupledRow1, control.name)) {
            appearance.enabled = !filters.chk1_1;
        } else if (Contains(kCoupledRow2, control.name)) {
            appearance.enabled = !filters.chk1_2;
        }
        return appearance;
    }
    // A companion follows the row box of its Tag.
    if (const FilterControl* row = RowBoxOfTag(control.tag)) {
        const bool ticked = filters.*(row->check);
        if (control.kind == FilterControlKind::TextBox) {
            appearance.visible = ticked;
        } else {
            appearance.enabled = ticked;
        }
    }
    return appearance;
}

}  // namespace

ControlAppearance AppearanceOf(const FilterSet& filters, std::string_view name) {
    const FilterControl* control = FindFilterControl(name);
    if (control == nullptr) {
        return ControlAppearance{name, true, true};
    }
    return AppearanceOfControl(filters, *control);
}

std::vector<ControlAppearance> DialogAppearance(const FilterSet& filters) {
    std::vector<ControlAppearance> result;
    result.reserve(FilterControls().size());
    for (const FilterControl& control : FilterControls()) {
        result.push_back(AppearanceOfControl(filters, control));
    }
    return result;
}

DialogReaction RowBoxClicked(const FilterSet& afterClick, std::string_view sender) {
    FilterSet filters = afterClick;
    // Unticking a coupled box reacts only on its own companions, which the
    // appearance below already derives from the tick.
    if (sender == "chk1_1" && filters.chk1_1) {
        for (std::string_view name : kCoupledRow1) {
            Tick(filters, name) = false;
        }
    } else if (sender == "chk1_2" && filters.chk1_2) {
        for (std::string_view name : kCoupledRow2) {
            Tick(filters, name) = false;
        }
    }
    return {filters, DialogAppearance(filters)};
}

DialogReaction DialogShown(const FilterSet& filters) {
    FilterSet shown = filters;
    for (std::string_view name : RowBoxNames()) {
        shown = RowBoxClicked(shown, name).filters;
    }
    return {shown, DialogAppearance(shown)};
}

FilterSet ResetFilters(const FilterSet& filters) {
    FilterSet reset = filters;
    for (const FilterControl& control : FilterControls()) {
        if (control.kind == FilterControlKind::CheckBox) {
            reset.*(control.check) = false;
        }
    }
    return reset;
}

std::vector<std::string> StrokeCountItems() {
    std::vector<std::string> items;
    for (std::string_view numeral : StrokeNumerals) {
        items.push_back(std::string(numeral) + "画");
    }
    return items;
}

std::string RadicalHint(std::uint32_t radicalIndex) {
    const RadicalEntry entry = Radical(radicalIndex);
    if (entry.RadicalName.empty()) {
        return {};
    }
    // How many dictionary characters carry each radical, counted once.
    static const std::vector<std::uint32_t> carriers = [] {
        std::vector<std::uint32_t> counts(RadicalTableSize, 0);
        for (std::uint32_t i = 0; i < DictionarySize; ++i) {
            if (const std::uint32_t r = RadicalIndexOf(i); r < RadicalTableSize) {
                ++counts[r];
            }
        }
        return counts;
    }();
    const RadicalName name = RadicalNameOf(radicalIndex);
    std::string hint = std::string(entry.RadicalName) + " " + std::string(name.Reading) + "，" +
                       std::string(entry.RadicalStrokes) + "画";
    if (name.KangxiNumber > 0) {
        hint += "；康熙部首第" + std::to_string(name.KangxiNumber) + "部";
        if (name.KangxiRadical != entry.RadicalName) {
            hint += "“" + std::string(name.KangxiRadical) + "”" +
                    (name.SimplifiedForm ? "的简化形" : "的变形");
        }
    }
    if (carriers[radicalIndex] == 0) {
        hint += "（字库中没有这个部首的字）";
    }
    return hint;
}

std::string PositionHint(int row, std::string_view familyText) {
    if (row != 1 && row != 2) {
        return {};
    }
    const std::string which = row == 1 ? "第一个字" : "第二个字";
    const std::string family(familyText);
    const std::size_t count = CharacterCount(family);
    if (count >= 2) {
        return "指名字的" + which + "。姓“" + family + "”有两个字，它是全名“" + family +
               (row == 1 ? "□○" : "○□") + "”中的□，即全名的" +
               (row == 1 ? "第三个字" : "第四个字") + "。";
    }
    if (count == 1) {
        return "指名字的" + which + "，即全名“" + family + (row == 1 ? "□○" : "○□") + "”中的□。";
    }
    return "指名字的" + which + "：单字姓时是全名的" + (row == 1 ? "第二个字" : "第三个字") +
           "，复姓（如欧阳）时是全名的" + (row == 1 ? "第三个字" : "第四个字") + "。";
}

std::vector<std::string> RadicalItemsOfStrokePosition(int position) {
    std::vector<std::string> items;
    for (std::string_view name : RadicalsOfStrokeCount(position + 1)) {
        items.emplace_back(name);
    }
    return items;
}

FilterSet StrokeCountPicked(const FilterSet& filters, int row, int position) {
    FilterSet picked = filters;
    if (row < 1 || row > 3) {
        return picked;
    }
    (row == 1 ? picked.cmb6_1A : row == 2 ? picked.cmb6_2A : picked.cmb6_3A) = position;
    RadicalPosition(picked, row) = RadicalsOfStrokeCount(position + 1).empty() ? -1 : 0;
    return picked;
}

std::uint32_t RadicalOfRow(const FilterSet& filters, int row) {
    int a = row == 1 ? filters.cmb6_1A : row == 2 ? filters.cmb6_2A : filters.cmb6_3A;
    int b = row == 1 ? filters.cmb6_1B : row == 2 ? filters.cmb6_2B : filters.cmb6_3B;
    return SelectedRadical(a, b);
}

int RowOfControl(std::string_view name) {
    const FilterControl* control = FindFilterControl(name);
    const FilterControl* row = control != nullptr ? RowBoxOfTag(control->tag) : nullptr;
    if (row == nullptr || row->name.empty()) {
        return 0;
    }
    return row->name.back() - '0';  // "chk3_2" -> 2
}

void DisableRowsUnusedBySingleCharacter(std::vector<ControlAppearance>& controls) {
    for (ControlAppearance& appearance : controls) {
        if (RowOfControl(appearance.name) >= 2) {
            appearance.enabled = false;
        }
    }
}

namespace {
FilterAcceptance AcceptChecked(const FilterSet& filters);
}  // namespace

std::string FilterValueError(const FilterSet& filters, const FilterControl& control,
                             long long value) {
    const std::string name(control.name);
    if (control.kind == FilterControlKind::SpinBox) {
        if (value < kStrokeBoundLowest || value > kStrokeBoundHighest) {
            return name + " 只能是 " + std::to_string(kStrokeBoundLowest) + " 到 " +
                   std::to_string(kStrokeBoundHighest) + " 之间的笔画数，“" +
                   std::to_string(value) + "”不行。";
        }
        return {};
    }
    if (control.kind != FilterControlKind::ComboBox) {
        return {};
    }
    long long size = 0;
    if (IsStrokeCountList(control)) {
        size = static_cast<long long>(StrokeCountItems().size());
    } else {
        const int row = RowOfControl(control.name);
        const int a = row == 1 ? filters.cmb6_1A : row == 2 ? filters.cmb6_2A : filters.cmb6_3A;
        size = static_cast<long long>(RadicalItemsOfStrokePosition(a).size());
    }
    if (value < -1 || value >= size) {
        return name + " 只能是 -1（不选）到 " + std::to_string(size - 1) + " 之间的位置，“" +
               std::to_string(value) + "”不行。";
    }
    return {};
}

FilterAcceptance RefuseAvoidedFixedCharacters(const FilterSet& filters,
                                              const AvoidCharacters& avoid, int nameLengthIndex) {
    FilterAcceptance result{filters, {}, {}};
    const struct {
        bool ticked;
        const std::string& text;
        const char* control;
        const char* row;
    } rows[] = {{filters.chk1_1, filters.edt1_1, "edt1_1", "第二个字"},
                {filters.chk1_2 && nameLengthIndex != 0, filters.edt1_2, "edt1_2", "第三个字"}};
    for (const auto& row : rows) {
        if (row.ticked && avoid.Holds(FindCharacter(row.text))) {
            result.error = std::string("限定的") + row.row + "“" + row.text +
                           "”也在不用的字里，没有名字能通过。请改其中一处。";
            result.control = row.control;
            return result;
        }
    }
    return result;
}

std::string InvertedStrokeRangeMessage(const FilterSet& filters, int nameLengthIndex) {
    const struct {
        bool ticked;
        int low, high;
        const char* caption;
        int row;
    } ranges[] = {
        {filters.chk5_1, filters.sedt5_11, filters.sedt5_12, "第二个字笔画数范围", 1},
        {filters.chk5_2, filters.sedt5_21, filters.sedt5_22, "第三个字笔画数范围", 2},
        {filters.chk5_3, filters.sedt5_31, filters.sedt5_32, "名字笔画数（不含姓）", 3},
    };
    for (const auto& range : ranges) {
        if (nameLengthIndex == 0 && range.row >= 2) {
            continue;  // rows a one-character name does not use
        }
        if (range.ticked && range.low > range.high) {
            return std::string(range.caption) + " " + std::to_string(range.low) + " 至 " +
                   std::to_string(range.high) + "：下限大于上限，没有名字能通过。";
        }
    }
    return {};
}

FilterAcceptance AcceptFilters(const FilterSet& shown, int nameLengthIndex) {
    FilterSet filters = shown;
    if (nameLengthIndex == 0) {
        // The fixed characters of the rows a one-character name does not use
        // are not asked for: the dialog disables them, so the user could not
        // reach their boxes to mend them.
        filters.chk1_2 = false;
        filters.chk1_3 = false;
    }
    FilterAcceptance result = AcceptChecked(filters);
    result.filters.chk1_2 = shown.chk1_2;
    result.filters.chk1_3 = shown.chk1_3;
    return result;
}

namespace {

FilterAcceptance AcceptChecked(const FilterSet& filters) {
    FilterAcceptance result{filters, {}, {}};
    for (const FilterControl& control : FilterControls()) {
        if (control.kind == FilterControlKind::SpinBox ||
            control.kind == FilterControlKind::ComboBox) {
            std::string message = FilterValueError(filters, control, filters.*(control.number));
            if (!message.empty()) {
                result.error = std::move(message);
                result.control = std::string(control.name);
                return result;
            }
        }
    }
    for (const TextRule& box : kTextBoxes) {
        result.filters.*(box.text) = TrimBlanks(filters.*(box.text));
    }
    // Pinyin in the dictionary's form, whatever the user typed for tones and ü.
    for (std::string FilterSet::*pinyin :
         {&FilterSet::edt4_1, &FilterSet::edt4_2, &FilterSet::edt4_3}) {
        result.filters.*pinyin = NormalizePinyin(result.filters.*pinyin);
    }
    for (const TextRule& box : kTextBoxes) {
        const std::string& text = result.filters.*(box.text);
        if (!IsValidUtf8(text)) {
            result.error = std::string(box.caption) + "的内容不是有效的文字。";
            result.control = box.name;
            return result;
        }
        if (std::string message = GbkRejectionMessage(text); !message.empty()) {
            result.error = std::string(box.caption) + "：" + message;
            result.control = box.name;
            return result;
        }
    }
    const struct {
        bool ticked;
        const TextRule& box;
        bool emptyAllowed;  // an empty "must contain" text only lets nothing pass
    } fixed[] = {{result.filters.chk1_1, kTextBoxes[0], false},
                 {result.filters.chk1_2, kTextBoxes[1], false},
                 {result.filters.chk1_3, kTextBoxes[2], true}};
    for (const auto& entry : fixed) {
        if (!entry.ticked) {
            continue;
        }
        const std::string& text = result.filters.*(entry.box.text);
        if (text.empty()) {
            if (entry.emptyAllowed) {
                continue;
            }
            result.error = "已勾选" + std::string(entry.box.caption) + "，请填写一个汉字。";
            result.control = entry.box.name;
            return result;
        }
        if (CharacterCount(text) != 1) {
            result.error =
                std::string(entry.box.caption) + "只能填写一个汉字，“" + text + "”不是一个字。";
            result.control = entry.box.name;
            return result;
        }
        if (FindCharacter(text) == DictionarySize) {
            result.error =
                std::string(entry.box.caption) + "：“" + text + "”不在字库中，请换一个汉字。";
            result.control = entry.box.name;
            return result;
        }
    }
    return result;
}

}  // namespace

}  // namespace lumivane
