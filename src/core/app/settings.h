#pragma once
// The settings of the last naming request in config.ini: the main window's
// inputs in [Birthday] and every stored control of the filter dialog in
// [Select], by control name. Saving never corrupts the file: the whole file is
// rewritten through a temporary file and a rename, or not at all.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/naming/filter_set.h"

namespace lumivane {

// The main window's stored inputs: the trimmed family-name text and the item
// indexes of its lists (-1 when nothing is selected).
struct MainInputs {
    std::string firstName;  // edt_FirstName
    int NameLength = 0;     // cmb_NameLength: 0 单字, 1 双字
    int Sex = 0;            // cmb_Sex: 0 男, 1 女
    int CalendarType = 0;   // cmb_CalendarType: 0 阳历, 1 农历, 2 未知日期
    int Year = 0;           // cmb_Year: year - 1949
    int Month = 0;          // cmb_Month: index in the month list of the type and year
    int Day = 0;            // cmb_Day: day - 1
    int Hour = 0;           // cmb_Hour: 0 未知, k = hour k - 1
    // In [BirthTime], a section of its own:
    int Minute = 0;               // cmb_Minute: 0 未知, k = minute k - 1
    bool KeepFavourable = false;  // chk_KeepFavourable: 补喜用神
    std::string Longitude{};      // edt_Longitude: the birthplace's east degrees, as typed
};

struct StoredSettings {
    MainInputs inputs;
    FilterSet filters;  // strokeKind is never stored: always 简体笔画 after loading
};

// The name source of the main window, in a section of its own so that the
// design's keys stay as they are: [NameSource] Source (0 常用名, 1 诗词) and
// Collection (the item of the collection list, 0 全部).
inline constexpr std::string_view kNameSourceSection = "NameSource";
struct NameSourceChoice {
    int Source = 0;
    int Collection = 0;
};
// Writes the section, keeping the rest of the file; an error text or empty.
std::string SaveNameSourceTo(const std::filesystem::path& path, const NameSourceChoice& choice);
// Absent or out-of-range values read as 0.
[[nodiscard]] NameSourceChoice LoadNameSourceFrom(const std::filesystem::path& path);

// The characters no proposed name may hold (不用的字, the filter dialog's
// edt_Avoid), as typed, in a section of their own: [Avoid] Characters.
inline constexpr std::string_view kAvoidSection = "Avoid";
inline constexpr std::string_view kAvoidKey = "Characters";
inline constexpr std::string_view kAvoidControlName = "edt_Avoid";
// Writes the section, keeping the rest of the file; an error text or empty
// (also when the text cannot be written in GBK: the file is then unchanged).
std::string SaveAvoidCharactersTo(const std::filesystem::path& path, std::string_view text);
// Empty when absent.
[[nodiscard]] std::string LoadAvoidCharactersFrom(const std::filesystem::path& path);

// The [Birthday] keys in the order they are written.
[[nodiscard]] std::vector<std::string_view> BirthdayKeys();

// Writes both sections into the file at the path, creating it when missing.
// Returns an error text, empty on success; the file is unchanged on failure
// (also when a text cannot be written in GBK).
std::string SaveSettingsTo(const std::filesystem::path& path, const MainInputs& inputs,
                           const FilterSet& filters);

// The same on config.ini in the data folder. Callers may ignore the result.
std::string SaveSettings(const MainInputs& inputs, const FilterSet& filters);

// Reads both sections; absent keys and bad values give the defaults: Year
// currentYear - 1949, every bound 1, every other number 0, texts empty, boxes
// unticked. List positions are as the dialog ends up after the restore: a
// stroke-count position outside 一画 … 十五画 and a radical position outside
// the refilled list read as -1 (nothing selected).
[[nodiscard]] StoredSettings LoadSettingsFrom(const std::filesystem::path& path, int currentYear);

// The same on config.ini in the data folder (created empty when missing), with
// the current local year.
[[nodiscard]] StoredSettings LoadSettings();

// One step of putting stored settings back into the windows, in the order the
// list-building handlers need: the family name, the length and sex, the
// calendar type (then cmb_CalendarTypeChange), the year (then cmb_YearClick),
// month, day and hour; then the dialog in component order: texts, ticks (each
// reacting like a click), bounds and stroke-count positions (each then running
// cmb6_1AClick, which refills its radical list); last the radical positions,
// which a refill would otherwise undo.
struct RestoreStep {
    enum class Kind { Text, Tick, Value, ItemIndex };
    // The handler to run right after: cmb_CalendarTypeChange, cmb_YearClick,
    // chk1_1Click (a row box's click) or cmb6_1AClick (a stroke-count list's).
    enum class Then { Nothing, CalendarTypeChange, YearClick, RowBoxClick, StrokeCountClick };
    std::string_view control;  // "edt_FirstName", "cmb_Year", "chk2_11", "cmb6_1B" …
    Kind kind;
    std::string text;  // Kind::Text
    int value = 0;     // Tick (0/1), Value, ItemIndex
    Then then = Then::Nothing;
};

[[nodiscard]] std::vector<RestoreStep> RestoreSequence(const StoredSettings& settings);

}  // namespace lumivane
