#pragma once
// The naming request: from the main window's inputs to the filled,
// de-duplicated result list. The chart, the filter dialog and the settings
// save are attached by the caller at their fixed places of the sequence.

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/verse_table.h"
#include "core/naming/element_condition.h"
#include "core/naming/filter_set.h"
#include "core/naming/naming_state.h"
#include "core/results/result_list.h"

namespace lumivane {

inline constexpr std::string_view kEmptyFamilyNameMessage = "请输入姓氏!";
inline constexpr std::string_view kChooseNameLengthMessage = "请选择单字或双字。";
inline constexpr std::string_view kChooseSexMessage = "请选择性别（男或女）。";
// The filters let no name pass; the list shown before stays.
inline constexpr std::string_view kNoMatchingNamesMessage = "没有符合条件的名字";
// 补喜用神 left no name: the list shown before stays.
inline constexpr std::string_view kNoFavourableNamesMessage =
    "没有能补喜用神的名字：候选名字的字义五行都缺少喜用的五行，或带有忌的五行。";
// The family-name box holds at most this many GBK bytes (three characters).
inline constexpr std::size_t kFamilyNameMaxBytes = 6;

// Where the names come from: the common names of the corpora and position
// tables, or classical verse.
enum class NameSource { Common, Poetry };
inline constexpr std::array<std::string_view, 2> kNameSourceItems = {"常用名", "诗词"};

struct NamingInputs {
    std::string familyNameText;  // as typed; the request trims it
    int nameLengthIndex = 1;     // cmb_NameLength: 0 "单字", 1 "双字"
    int sexIndex = 0;            // cmb_Sex: 0 "男", otherwise female
    bool advanced = false;       // btn_SelectName rather than btn_CreateName
    NameSource source = NameSource::Common;
    VerseGroup verseGroup = VerseGroup::All;  // poetry only
    bool keepFavourable = false;  // 补喜用神: keep only the names that supply the chart's
                                  // favourable elements (when the chart has them)
};

struct NamingHooks {
    // Computes and shows the birth chart; false ends the request (the hook has
    // reported why). Absent: no chart.
    std::function<bool()> showBirthChart;
    // Advanced requests only: the filter dialog; nullopt unless it closed with OK.
    std::function<std::optional<FilterSet>()> runFilterDialog;
    // After the chart: its favourable elements as a condition on names, nullopt when the
    // chart has none (no date). Marks every row, and filters with keepFavourable.
    std::function<std::optional<ElementCondition>()> favourableCondition;
    // After the filter dialog: the characters no proposed name may hold, as
    // typed (see ParseAvoidCharacters). Absent: none.
    std::function<std::string()> avoidCharacters;
    // Writes the inputs and the filter state to the settings file.
    std::function<void()> saveSettings;
    FillProgress progress;
};

enum class NamingOutcome {
    EmptyFamilyName,         // "请输入姓氏!"; nothing else changed
    InvalidFamilyName,       // not GBK, longer than the box holds, or a character without a
                             // record; nothing else changed
    MissingChoice,           // no length or no sex chosen (a settings file may hold -1):
                             // the message asks for it; nothing else changed
    ChartFailed,             // the chart hook refused the date
    FilterDialogClosed,      // advanced request not confirmed; the list is untouched
    InvalidAvoidCharacters,  // 不用的字 holds something that is not a GBK Han character,
                             // or too many; nothing saved, the list is untouched
    NoMatchingNames,         // the filters let nothing pass; the candidate list is as before
    Filled,
};

struct NamingResult {
    NamingOutcome outcome = NamingOutcome::EmptyFamilyName;
    std::string trimmedFamilyText;  // written back into the family-name box
    std::string message;            // for the user; empty when Filled, ChartFailed, dialog closed
    std::size_t generated = 0;      // codes before de-duplication
    std::vector<ResultRow> rows;    // Filled only; one per kept candidate
};

// Empty when the trimmed family-name text is acceptable, else the message of
// ParseFamilyNameInput: an empty text, text GBK cannot hold, more than two
// characters, or a character without a record (a traditional character finds
// its simplified record).
[[nodiscard]] std::string ValidateFamilyNameText(std::string_view trimmed);

// Generation for the request's mode and length; the candidate list is
// emptied first. filters is needed for advanced requests. A poetry request
// makes two-character names whatever the length asks.
void GenerateCandidates(NamingState& state, int nameLengthIndex, int sexIndex,
                        const FilterSet* filters, NameSource source = NameSource::Common,
                        VerseGroup group = VerseGroup::All);

[[nodiscard]] NamingResult RunNamingRequest(NamingState& state, const NamingInputs& inputs,
                                            const NamingHooks& hooks);

}  // namespace lumivane
