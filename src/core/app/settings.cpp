#include "core/app/settings.h"

#include <ctime>

#include "core/app/data_folder.h"
#include "core/app/ini_file.h"
#include "core/chart/birth_chart.h"
#include "core/data/radical_table.h"
#include "core/naming/filter_controls.h"
#include "core/naming/filter_dialog_rules.h"
#include "core/platform/file_io.h"

namespace lumivane {
namespace {

constexpr std::string_view kBirthday = "Birthday";
constexpr std::string_view kSelect = "Select";
constexpr std::string_view kBirthTime = "BirthTime";
constexpr int kFirstYear = kFirstBirthYear;

struct IntegerKey {
    std::string_view name;
    int MainInputs::*field;
};

constexpr IntegerKey kIntegerKeys[] = {
    {"NameLength", &MainInputs::NameLength},
    {"Sex", &MainInputs::Sex},
    {"CalendarType", &MainInputs::CalendarType},
    {"Year", &MainInputs::Year},
    {"Month", &MainInputs::Month},
    {"Day", &MainInputs::Day},
    {"Hour", &MainInputs::Hour},
};

int CurrentLocalYear() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 2024;
    }
    return local.tm_year + 1900;
}

// The radical list of a row after its stroke count is applied and clicked.
std::size_t RadicalListSize(int strokePosition) {
    return RadicalsOfStrokeCount(strokePosition + 1).size();
}

}  // namespace

std::string SaveNameSourceTo(const std::filesystem::path& path, const NameSourceChoice& choice) {
    EnsureFileExists(path);
    IniFile::LoadResult loaded = IniFile::Load(path);
    if (!loaded.ok()) {
        return loaded.error;
    }
    loaded.file.WriteInteger(kNameSourceSection, "Source", choice.Source);
    loaded.file.WriteInteger(kNameSourceSection, "Collection", choice.Collection);
    return loaded.file.Save(path);
}

NameSourceChoice LoadNameSourceFrom(const std::filesystem::path& path) {
    IniFile ini = IniFile::Load(path).file;  // unreadable reads as empty: the defaults
    NameSourceChoice choice;
    choice.Source = ini.ReadInteger(kNameSourceSection, "Source", 0);
    choice.Collection = ini.ReadInteger(kNameSourceSection, "Collection", 0);
    if (choice.Source < 0 || choice.Source > 1) {
        choice.Source = 0;
    }
    if (choice.Collection < 0 || choice.Collection > 5) {
        choice.Collection = 0;
    }
    return choice;
}

std::string SaveAvoidCharactersTo(const std::filesystem::path& path, std::string_view text) {
    EnsureFileExists(path);
    IniFile::LoadResult loaded = IniFile::Load(path);
    if (!loaded.ok()) {
        return loaded.error;
    }
    if (!loaded.file.WriteString(kAvoidSection, kAvoidKey, std::string(text))) {
        return "不用的字“" + std::string(text) + "”无法以 GBK 保存";
    }
    return loaded.file.Save(path);
}

std::string LoadAvoidCharactersFrom(const std::filesystem::path& path) {
    return IniFile::Load(path).file.ReadString(kAvoidSection, kAvoidKey, "");
}

std::vector<std::string_view> BirthdayKeys() {
    std::vector<std::string_view> keys{"firstName"};
    for (const IntegerKey& key : kIntegerKeys) {
        keys.push_back(key.name);
    }
    return keys;
}

std::string SaveSettingsTo(const std::filesystem::path& path, const MainInputs& inputs,
                           const FilterSet& filters) {
    EnsureFileExists(path);
    IniFile::LoadResult loaded = IniFile::Load(path);
    if (!loaded.ok()) {
        return loaded.error;
    }
    IniFile& ini = loaded.file;
    if (!ini.WriteString(kBirthday, "firstName", inputs.firstName)) {
        return "姓氏“" + inputs.firstName + "”无法以 GBK 保存";
    }
    for (const IntegerKey& key : kIntegerKeys) {
        ini.WriteInteger(kBirthday, key.name, inputs.*(key.field));
    }
    for (const FilterControl& control : FilterControls()) {
        switch (control.kind) {
            case FilterControlKind::TextBox:
                if (!ini.WriteString(kSelect, control.name, filters.*(control.text))) {
                    return std::string(control.name) + " 的文字无法以 GBK 保存";
                }
                break;
            case FilterControlKind::CheckBox:
                ini.WriteBool(kSelect, control.name, filters.*(control.check));
                break;
            case FilterControlKind::SpinBox:
            case FilterControlKind::ComboBox:
                ini.WriteInteger(kSelect, control.name, filters.*(control.number));
                break;
        }
    }
    ini.WriteInteger(kBirthTime, "Minute", inputs.Minute);
    ini.WriteBool(kBirthTime, "KeepFavourable", inputs.KeepFavourable);
    if (!ini.WriteString(kBirthTime, "Longitude", inputs.Longitude)) {
        return "出生地经度“" + inputs.Longitude + "”无法以 GBK 保存";
    }
    return ini.Save(path);
}

std::string SaveSettings(const MainInputs& inputs, const FilterSet& filters) {
    std::filesystem::path path = SettingsFilePath();
    if (path.empty()) {
        return "找不到数据文件夹";
    }
    return SaveSettingsTo(path, inputs, filters);
}

StoredSettings LoadSettingsFrom(const std::filesystem::path& path, int currentYear) {
    EnsureFileExists(path);
    IniFile ini = IniFile::Load(path).file;  // unreadable reads as empty: all defaults
    StoredSettings settings;
    MainInputs& in = settings.inputs;
    in.firstName = ini.ReadString(kBirthday, "firstName", "");
    for (const IntegerKey& key : kIntegerKeys) {
        int fallback = key.field == &MainInputs::Year ? currentYear - kFirstYear : 0;
        in.*(key.field) = ini.ReadInteger(kBirthday, key.name, fallback);
    }
    in.Minute = ini.ReadInteger(kBirthTime, "Minute", 0);
    in.KeepFavourable = ini.ReadBool(kBirthTime, "KeepFavourable", false);
    in.Longitude = ini.ReadString(kBirthTime, "Longitude", "");
    FilterSet& f = settings.filters;
    for (const FilterControl& control : FilterControls()) {
        switch (control.kind) {
            case FilterControlKind::TextBox:
                f.*(control.text) = ini.ReadString(kSelect, control.name, "");
                break;
            case FilterControlKind::CheckBox:
                f.*(control.check) = ini.ReadBool(kSelect, control.name, false);
                break;
            case FilterControlKind::SpinBox: {
                // A bound the dialog cannot show reads as the default, as a
                // value that is no number does.
                const int value = ini.ReadInteger(kSelect, control.name, 1);
                f.*(control.number) = FilterValueError(f, control, value).empty() ? value : 1;
                break;
            }
            case FilterControlKind::ComboBox:
                f.*(control.number) = ini.ReadInteger(kSelect, control.name, 0);
                break;
        }
    }
    // A position the list does not have selects nothing, as the lists do.
    int* rows[3][2] = {
        {&f.cmb6_1A, &f.cmb6_1B}, {&f.cmb6_2A, &f.cmb6_2B}, {&f.cmb6_3A, &f.cmb6_3B}};
    for (auto& row : rows) {
        int& a = *row[0];
        int& b = *row[1];
        if (a < 0 || a >= static_cast<int>(StrokeNumerals.size())) {
            a = -1;
        }
        if (b < 0 || static_cast<std::size_t>(b) >= RadicalListSize(a)) {
            b = -1;
        }
    }
    f.strokeKind = StrokeKind::Simplified;
    return settings;
}

StoredSettings LoadSettings() {
    return LoadSettingsFrom(SettingsFilePath(), CurrentLocalYear());
}

std::vector<RestoreStep> RestoreSequence(const StoredSettings& settings) {
    using Kind = RestoreStep::Kind;
    using Then = RestoreStep::Then;
    const MainInputs& in = settings.inputs;
    std::vector<RestoreStep> steps{
        {"edt_FirstName", Kind::Text, in.firstName, 0, Then::Nothing},
        {"cmb_NameLength", Kind::ItemIndex, {}, in.NameLength, Then::Nothing},
        {"cmb_Sex", Kind::ItemIndex, {}, in.Sex, Then::Nothing},
        {"cmb_CalendarType", Kind::ItemIndex, {}, in.CalendarType, Then::CalendarTypeChange},
        {"cmb_Year", Kind::ItemIndex, {}, in.Year, Then::YearClick},
        {"cmb_Month", Kind::ItemIndex, {}, in.Month, Then::Nothing},
        {"cmb_Day", Kind::ItemIndex, {}, in.Day, Then::Nothing},
        {"cmb_Hour", Kind::ItemIndex, {}, in.Hour, Then::Nothing},
    };
    const FilterSet& f = settings.filters;
    for (const FilterControl& control : FilterControls()) {
        switch (control.kind) {
            case FilterControlKind::TextBox:
                steps.push_back({control.name, Kind::Text, f.*(control.text), 0, Then::Nothing});
                break;
            case FilterControlKind::CheckBox:
                steps.push_back(
                    {control.name, Kind::Tick, {}, f.*(control.check) ? 1 : 0, Then::RowBoxClick});
                break;
            case FilterControlKind::SpinBox:
                steps.push_back(
                    {control.name, Kind::Value, {}, f.*(control.number), Then::Nothing});
                break;
            case FilterControlKind::ComboBox:
                if (IsStrokeCountList(control)) {
                    steps.push_back({control.name,
                                     Kind::ItemIndex,
                                     {},
                                     f.*(control.number),
                                     Then::StrokeCountClick});
                }
                break;
        }
    }
    for (const FilterControl& control : FilterControls()) {
        if (control.kind == FilterControlKind::ComboBox && !IsStrokeCountList(control)) {
            steps.push_back(
                {control.name, Kind::ItemIndex, {}, f.*(control.number), Then::Nothing});
        }
    }
    // [BirthTime] last, after the design's sequence.
    steps.push_back({"cmb_Minute", Kind::ItemIndex, {}, in.Minute, Then::Nothing});
    steps.push_back(
        {"chk_KeepFavourable", Kind::Tick, {}, in.KeepFavourable ? 1 : 0, Then::Nothing});
    steps.push_back({"edt_Longitude", Kind::Text, in.Longitude, 0, Then::Nothing});
    return steps;
}

}  // namespace lumivane
