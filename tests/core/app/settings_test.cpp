// config.ini: the two sections, their key order, defaults and the restore order.

#include "core/app/settings.h"

#include <gtest/gtest.h>

#include "core/app/data_folder.h"
#include "core/naming/filter_controls.h"
#include "core/platform/file_io.h"
#include "temp_folder.h"

namespace lumivane {
namespace {

using testing::ReadAll;
using testing::TempDataHome;
using testing::WriteAll;

std::vector<std::string> KeyOrder(const std::string& bytes) {
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        std::string line = bytes.substr(start, end - start);
        keys.push_back(line.substr(0, line.find('=')));
        start = end + 2;
    }
    return keys;
}

TEST(SaveSettings, WritesBothSectionsInKeyOrderIntoAnEmptyFile) {
    TempDataHome home;
    MainInputs inputs{"王", 1, 1, 1, 75, 3, 14, 9};
    FilterSet filters;
    filters.chk1_3 = true;
    filters.edt1_3 = "华";
    filters.sedt5_11 = -4;
    filters.cmb6_2B = -1;
    ASSERT_EQ(SaveSettings(inputs, filters), "");
    std::string bytes = ReadAll(SettingsFilePath());
    std::vector<std::string> expected{"[Birthday]",   "firstName", "NameLength", "Sex",
                                      "CalendarType", "Year",      "Month",      "Day",
                                      "Hour",         "[Select]"};
    for (const FilterControl& c : FilterControls()) {
        expected.emplace_back(c.name);
    }
    for (const char* key : {"[BirthTime]", "Minute", "KeepFavourable", "Longitude"}) {
        expected.emplace_back(key);
    }
    EXPECT_EQ(KeyOrder(bytes), expected);
    EXPECT_NE(bytes.find("firstName=\xCD\xF5\r\n"), std::string::npos) << "王 in GBK";
    EXPECT_NE(bytes.find("Year=75\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("chk1_3=1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("chk1_1=0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("edt1_3=\xBB\xAA\r\n"), std::string::npos) << "华 in GBK";
    EXPECT_NE(bytes.find("sedt5_11=-4\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("cmb6_2B=-1\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("rg_"), std::string::npos) << "the stroke kind is not stored";

    // Saving again replaces the values in place: same size, same order.
    inputs.Sex = 0;
    ASSERT_EQ(SaveSettings(inputs, filters), "");
    std::string again = ReadAll(SettingsFilePath());
    EXPECT_EQ(again.size(), bytes.size());
    EXPECT_EQ(KeyOrder(again), expected);
    EXPECT_NE(again.find("Sex=0\r\n"), std::string::npos);
}

TEST(SaveSettings, KeepsForeignLinesAndRefusesTextGbkCannotHold) {
    TempDataHome home;
    ASSERT_TRUE(EnsureFileExists(SettingsFilePath()));
    WriteAll(SettingsFilePath(), "; kept\r\n[other]\r\na=b\r\n[select]\r\nEDT1_1=x\r\n");
    ASSERT_EQ(SaveSettings(MainInputs{}, FilterSet{}), "");
    std::string bytes = ReadAll(SettingsFilePath());
    EXPECT_EQ(bytes.rfind("; kept\r\n[other]\r\na=b\r\n[select]\r\nEDT1_1=\r\n", 0), 0u) << bytes;
    EXPECT_EQ(bytes.find("[Select]"), std::string::npos)
        << "the section matched regardless of case";

    FilterSet bad;
    bad.edt4_1 = "\xF0\xA0\x80\x80";
    EXPECT_NE(SaveSettings(MainInputs{}, bad), "");
    EXPECT_EQ(ReadAll(SettingsFilePath()), bytes) << "nothing written, no '?'";
    MainInputs badName;
    badName.firstName = "\xF0\xA0\x80\x80";
    EXPECT_NE(SaveSettings(badName, FilterSet{}), "");
    EXPECT_EQ(ReadAll(SettingsFilePath()), bytes);
}

TEST(SaveSettings, FailsSilentlyWhenTheFolderCannotBeMade) {
    TempDataHome home;
    WriteAll(home.root() / "data", "a file where the data home should be");
    EXPECT_NE(SaveSettings(MainInputs{"王"}, FilterSet{}), "");
    EXPECT_EQ(ReadAll(home.root() / "data"), "a file where the data home should be");
}

TEST(LoadSettings, DefaultsOnAFirstStart) {
    TempDataHome home;
    StoredSettings s = LoadSettingsFrom(SettingsFilePath(), 2026);
    EXPECT_TRUE(std::filesystem::exists(SettingsFilePath())) << "created empty";
    EXPECT_EQ(std::filesystem::file_size(SettingsFilePath()), 0u);
    EXPECT_EQ(s.inputs.firstName, "");
    EXPECT_EQ(s.inputs.NameLength, 0) << "单字";
    EXPECT_EQ(s.inputs.Sex, 0);
    EXPECT_EQ(s.inputs.CalendarType, 0);
    EXPECT_EQ(s.inputs.Year, 2026 - 1949);
    EXPECT_EQ(s.inputs.Month, 0);
    EXPECT_EQ(s.inputs.Day, 0);
    EXPECT_EQ(s.inputs.Hour, 0);
    for (const FilterControl& c : FilterControls()) {
        switch (c.kind) {
            case FilterControlKind::CheckBox:
                EXPECT_FALSE(s.filters.*(c.check)) << c.name;
                break;
            case FilterControlKind::TextBox:
                EXPECT_EQ(s.filters.*(c.text), "") << c.name;
                break;
            case FilterControlKind::SpinBox:
                EXPECT_EQ(s.filters.*(c.number), 1) << c.name << ": bounds default to 1";
                break;
            case FilterControlKind::ComboBox:
                EXPECT_EQ(s.filters.*(c.number), 0) << c.name << ": 一画, and 丨";
                break;
        }
    }
}

TEST(LoadSettings, RoundTripAndBadValues) {
    TempDataHome home;
    MainInputs inputs{"欧阳", 1, 1, 2, 40, 12, 29, 24};
    FilterSet filters;
    filters.chk1_1 = filters.chk2_25 = filters.chk6_3 = true;
    filters.edt1_1 = "华";
    filters.edt4_2 = "zhang";
    filters.sedt5_31 = 19;
    filters.sedt5_32 = 23;
    filters.cmb6_1A = 1;
    filters.cmb6_1B = 22;
    filters.strokeKind = StrokeKind::Kangxi;
    ASSERT_EQ(SaveSettings(inputs, filters), "");
    StoredSettings s = LoadSettings();
    EXPECT_EQ(s.inputs.firstName, "欧阳");
    EXPECT_EQ(s.inputs.CalendarType, 2);
    EXPECT_EQ(s.inputs.Month, 12);
    EXPECT_EQ(s.inputs.Hour, 24);
    EXPECT_TRUE(s.filters.chk1_1 && s.filters.chk2_25 && s.filters.chk6_3);
    EXPECT_FALSE(s.filters.chk2_1);
    EXPECT_EQ(s.filters.edt1_1, "华");
    EXPECT_EQ(s.filters.edt4_2, "zhang");
    EXPECT_EQ(s.filters.sedt5_31, 19);
    EXPECT_EQ(s.filters.sedt5_32, 23);
    EXPECT_EQ(s.filters.cmb6_1A, 1);
    EXPECT_EQ(s.filters.cmb6_1B, 22);
    EXPECT_EQ(s.filters.strokeKind, StrokeKind::Simplified) << "back to 简体笔画";

    WriteAll(SettingsFilePath(),
             "[Birthday]\r\nSex=女\r\nYear=x\r\n[Select]\r\nchk2_1=2\r\nsedt5_11=abc\r\n"
             "cmb6_1A=1\r\ncmb6_1B=29\r\ncmb6_2A=15\r\ncmb6_2B=0\r\ncmb6_3A=-1\r\ncmb6_3B=0\r\n");
    StoredSettings bad = LoadSettingsFrom(SettingsFilePath(), 2030);
    EXPECT_EQ(bad.inputs.Sex, 0) << "a hand-edited Sex that is not a number";
    EXPECT_EQ(bad.inputs.Year, 2030 - 1949);
    EXPECT_TRUE(bad.filters.chk2_1);
    EXPECT_EQ(bad.filters.sedt5_11, 1);
    EXPECT_EQ(bad.filters.cmb6_1B, -1) << "two strokes have 29 radicals: 0 … 28";
    EXPECT_EQ(bad.filters.cmb6_2A, -1) << "no sixteen-stroke entry";
    EXPECT_EQ(bad.filters.cmb6_2B, -1) << "its radical list stays empty";
    EXPECT_EQ(bad.filters.cmb6_3A, -1);
    EXPECT_EQ(bad.filters.cmb6_3B, -1);
}

TEST(RestoreSequence, InputsThenTextsTicksBoundsStrokeCountsThenRadicals) {
    StoredSettings s;
    s.inputs.CalendarType = 1;
    s.filters.cmb6_2A = 3;
    s.filters.cmb6_2B = 5;
    std::vector<RestoreStep> steps = RestoreSequence(s);
    ASSERT_EQ(steps.size(), 8u + 66u + 3u);
    EXPECT_EQ(steps[76].control, "edt_Longitude");
    EXPECT_EQ(steps[74].control, "cmb_Minute");
    EXPECT_EQ(steps[75].control, "chk_KeepFavourable");
    EXPECT_EQ(steps[75].kind, RestoreStep::Kind::Tick);
    const char* head[] = {"edt_FirstName", "cmb_NameLength", "cmb_Sex", "cmb_CalendarType",
                          "cmb_Year",      "cmb_Month",      "cmb_Day", "cmb_Hour"};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(steps[i].control, head[i]);
    }
    EXPECT_EQ(steps[3].then, RestoreStep::Then::CalendarTypeChange);
    EXPECT_EQ(steps[3].value, 1);
    EXPECT_EQ(steps[4].then, RestoreStep::Then::YearClick);
    // The last three steps are the radical lists, after every stroke-count list.
    EXPECT_EQ(steps[71].control, "cmb6_1B");
    EXPECT_EQ(steps[72].control, "cmb6_2B");
    EXPECT_EQ(steps[72].value, 5);
    EXPECT_EQ(steps[73].control, "cmb6_3B");
    std::size_t lastA = 0, firstB = steps.size();
    for (std::size_t i = 8; i < steps.size(); ++i) {
        std::string_view name = steps[i].control;
        if (name.starts_with("cmb6_") && name.back() == 'A') {
            lastA = i;
            EXPECT_EQ(steps[i].then, RestoreStep::Then::StrokeCountClick) << name;
        }
        if (name.starts_with("cmb6_") && name.back() == 'B' && i < firstB) {
            firstB = i;
            EXPECT_EQ(steps[i].then, RestoreStep::Then::Nothing) << name;
        }
        if (name.starts_with("chk") && name != "chk_KeepFavourable") {
            EXPECT_EQ(steps[i].kind, RestoreStep::Kind::Tick);
            EXPECT_EQ(steps[i].then, RestoreStep::Then::RowBoxClick);
        }
    }
    EXPECT_LT(lastA, firstB);
    EXPECT_EQ(steps[8].control, "chk1_3") << "the dialog in component order";
}

}  // namespace
}  // namespace lumivane

namespace lumivane {
namespace {

using testing::ReadAll;
using testing::TempDataHome;

TEST(NameSourceSettings, OwnSectionRoundTripAndBadValues) {
    TempDataHome home;
    const std::filesystem::path path = home.root() / "config.ini";
    EXPECT_EQ(LoadNameSourceFrom(path).Source, 0);
    ASSERT_EQ(SaveSettingsTo(path, MainInputs{}, FilterSet{}), "");
    ASSERT_EQ(SaveNameSourceTo(path, {1, 5}), "");
    const NameSourceChoice read = LoadNameSourceFrom(path);
    EXPECT_EQ(read.Source, 1);
    EXPECT_EQ(read.Collection, 5);
    // The design's sections are untouched and the new one stands apart.
    const std::string text = ReadAll(path);
    EXPECT_NE(text.find("[Birthday]"), std::string::npos);
    EXPECT_NE(text.find("[NameSource]\r\nSource=1\r\nCollection=5"), std::string::npos) << text;
    ASSERT_EQ(SaveNameSourceTo(path, {7, -2}), "");
    EXPECT_EQ(LoadNameSourceFrom(path).Source, 0);
    EXPECT_EQ(LoadNameSourceFrom(path).Collection, 0);
}

TEST(SaveSettings, BirthTimeSectionRoundTrips) {
    TempDataHome home;
    MainInputs inputs{"王", 1, 1, 1, 75, 3, 14, 17};
    inputs.Minute = 28;  // 16:27
    inputs.KeepFavourable = true;
    inputs.Longitude = "113.26";
    ASSERT_EQ(SaveSettings(inputs, FilterSet{}), "");
    const std::string bytes = ReadAll(SettingsFilePath());
    EXPECT_NE(bytes.find("[BirthTime]\r\nMinute=28\r\nKeepFavourable=1\r\nLongitude=113.26\r\n"),
              std::string::npos);
    const StoredSettings loaded = LoadSettingsFrom(SettingsFilePath(), 2024);
    EXPECT_EQ(loaded.inputs.Minute, 28);
    EXPECT_TRUE(loaded.inputs.KeepFavourable);
    EXPECT_EQ(loaded.inputs.Longitude, "113.26");
    // An older file without the section reads as 未知 and unticked.
    WriteAll(SettingsFilePath(), "[Birthday]\r\nHour=9\r\n");
    const StoredSettings old = LoadSettingsFrom(SettingsFilePath(), 2024);
    EXPECT_EQ(old.inputs.Minute, 0);
    EXPECT_FALSE(old.inputs.KeepFavourable);
}

}  // namespace
}  // namespace lumivane
