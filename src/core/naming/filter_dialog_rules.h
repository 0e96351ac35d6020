#pragma once
// The filter dialog's state rules as pure functions over a FilterSet, so the
// dialog only copies values into its widgets: which controls are shown and
// enabled, the coupling of the fixed-character rows, reset, the radical list
// of a stroke count, and what OK accepts.

#include <string>
#include <string_view>
#include <vector>

#include "core/naming/avoid_characters.h"
#include "core/naming/filter_controls.h"
#include "core/naming/filter_set.h"

namespace lumivane {

struct ControlAppearance {
    std::string_view name;  // a control name of the dialog, e.g. "edt1_1", "chk2_11"
    bool visible = true;
    bool enabled = true;
};

// The shown / enabled state of every control a row box governs, for a set in
// which each tick has had its reaction: the companions of a row (text boxes
// shown, element boxes, bound boxes and lists enabled) follow the row box, and
// the rows 1 and 2 of the pages 2 to 6 are enabled only while the fixed
// character of that row (chk1_1, chk1_2) is off. Text boxes are never
// disabled, the other controls never hidden.
[[nodiscard]] std::vector<ControlAppearance> DialogAppearance(const FilterSet& filters);

// The appearance of one control by name; visible and enabled for names the
// rules do not govern.
[[nodiscard]] ControlAppearance AppearanceOf(const FilterSet& filters, std::string_view name);

struct DialogReaction {
    FilterSet filters;
    std::vector<ControlAppearance> controls;
};

// A row box (chk1_1 … chk6_3) was clicked; `afterClick` holds its new tick.
// Ticking chk1_1 unticks chk2_1 … chk6_1 (and chk1_2 the row-2 boxes), which
// are disabled while it stays ticked. Other names change nothing.
[[nodiscard]] DialogReaction RowBoxClicked(const FilterSet& afterClick, std::string_view sender);

// Every time the dialog is shown: each row box reacts in page and row order.
[[nodiscard]] DialogReaction DialogShown(const FilterSet& filters);

// 重置: every row box and element box unticked; texts, bounds, list positions
// and the stroke kind kept.
[[nodiscard]] FilterSet ResetFilters(const FilterSet& filters);

// The 15 entries of a stroke-count list: "一画" … "十五画".
[[nodiscard]] std::vector<std::string> StrokeCountItems();

// The radical list of a stroke-count position (0 = 一画), in table order;
// empty for a position outside 0 … 14.
[[nodiscard]] std::vector<std::string> RadicalItemsOfStrokePosition(int position);

// The hint of a radical in the lists: the radical, its reading, its own stroke
// count and the Kangxi radical it is a form of, e.g. "囗 wéi，3画；康熙部首第31部"
// beside "口 kǒu，3画；康熙部首第30部", "亻 rén，2画；康熙部首第9部“人”的变形";
// a radical no dictionary character carries says so, as choosing it lets
// nothing pass.
[[nodiscard]] std::string RadicalHint(std::uint32_t radicalIndex);

// Which character of the given name row 1 or 2 (captions 第二个字 …, 第三个字 …,
// counted as for a one-character family name) means for the family name
// typed; for 欧阳 row 1 is the given name's first character, the third of the
// full name. Empty for other rows.
[[nodiscard]] std::string PositionHint(int row, std::string_view familyText);

// The user picked a stroke count in row 1, 2 or 3: the row's A position
// becomes it and its radical list selects the first entry (-1 when the list is
// empty). Other rows change nothing.
[[nodiscard]] FilterSet StrokeCountPicked(const FilterSet& filters, int row, int position);

// The radical a row filters for: entry B of the list of stroke count A + 1, as
// FindRadical answers it (0, 丨, for an empty list or nothing selected).
[[nodiscard]] std::uint32_t RadicalOfRow(const FilterSet& filters, int row);

// The row (1, 2 or 3) a stored control of the dialog belongs to; 0 for the
// controls of no row (the stroke kind) and unknown names.
[[nodiscard]] int RowOfControl(std::string_view name);

// A one-character given name has no second character and no pair: the
// one-character path tests row 1 alone, so rows 2 and 3 of every page play no
// part. They are disabled while 单字 is chosen, their ticks and values kept
// for the next two-character request; the dialog says why in this line.
inline constexpr std::string_view kSingleCharacterRowsNote =
    "单字名只按“第二个字”一行筛选，其余两行不起作用，已停用。";
void DisableRowsUnusedBySingleCharacter(std::vector<ControlAppearance>& controls);

struct FilterAcceptance {
    FilterSet filters;    // the trimmed set, to store and to test
    std::string error;    // empty when accepted; otherwise a message for the user
    std::string control;  // the control the message is about, to focus it
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// The values a stroke-range bound takes; two characters of the dictionary have
// far fewer strokes than the highest.
inline constexpr int kStrokeBoundLowest = 0;
inline constexpr int kStrokeBoundHighest = 200;

// Why a number does not fit a spin box or list of the dialog, for the user;
// empty when it fits. Bounds lie within kStrokeBoundLowest … kStrokeBoundHighest,
// a stroke-count position within 一画 … 十五画 and a radical position within the
// radical list of its row's stroke count (either may be -1, nothing selected).
// The settings file, the command line and the dialog all go by this.
[[nodiscard]] std::string FilterValueError(const FilterSet& filters, const FilterControl& control,
                                           long long value);

// 确定: trims the six text boxes and writes the pinyin boxes in the
// dictionary's form (NormalizePinyin), then rejects text GBK cannot hold (every text
// box, as all of them are stored), numbers FilterValueError refuses, and a
// ticked fixed character (edt1_1, edt1_2, edt1_3) that the dictionary does not
// have; an empty fixed first or second character is rejected too, as it would
// make a blank name. For a one-character given name (nameLengthIndex 0, 单字)
// rows 2 and 3 play no part, so their fixed characters are not asked for; the
// accepted set keeps their ticks for the next two-character request.
[[nodiscard]] FilterAcceptance AcceptFilters(const FilterSet& filters, int nameLengthIndex = 1);

// A ticked fixed first or second character (edt1_1, edt1_2) that is also one
// to avoid lets no name pass: the accepted set with a message naming it and
// the control, or with no error when there is none. Row 2 plays no part for a
// one-character name (nameLengthIndex 0).
[[nodiscard]] FilterAcceptance RefuseAvoidedFixedCharacters(const FilterSet& filters,
                                                            const AvoidCharacters& avoid,
                                                            int nameLengthIndex = 1);

// For a request that found nothing: the ticked stroke range whose lower bound
// is above its upper one, e.g. "第二个字笔画数范围 9 至 3：下限大于上限，没有名字能通过。";
// empty when there is none.
[[nodiscard]] std::string InvertedStrokeRangeMessage(const FilterSet& filters, int nameLengthIndex);

}  // namespace lumivane
