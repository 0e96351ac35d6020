// The filter dialog's state rules: coupling, appearance, reset, radical lists
// and what OK accepts.

#include "core/naming/filter_dialog_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "core/data/radical_table.h"
#include "core/naming/filter_controls.h"

namespace lumivane {
namespace {

ControlAppearance Find(const std::vector<ControlAppearance>& controls, std::string_view name) {
    for (const ControlAppearance& c : controls) {
        if (c.name == name) {
            return c;
        }
    }
    ADD_FAILURE() << "no appearance for " << name;
    return {};
}

TEST(FilterControls, SixtySixStoredControlsInComponentOrder) {
    auto controls = FilterControls();
    ASSERT_EQ(controls.size(), 66u);
    EXPECT_EQ(controls.front().name, "chk1_3");
    EXPECT_EQ(controls[6].name, "chk2_1");
    EXPECT_EQ(controls[12].name, "chk2_25");
    EXPECT_EQ(controls.back().name, "cmb6_3B");
    int checks = 0, texts = 0, spins = 0, combos = 0;
    for (const FilterControl& c : controls) {
        switch (c.kind) {
            case FilterControlKind::CheckBox:
                ++checks;
                EXPECT_NE(c.check, nullptr) << c.name;
                break;
            case FilterControlKind::TextBox:
                ++texts;
                EXPECT_NE(c.text, nullptr) << c.name;
                break;
            case FilterControlKind::SpinBox:
            case FilterControlKind::ComboBox:
                (c.kind == FilterControlKind::SpinBox ? spins : combos)++;
                EXPECT_NE(c.number, nullptr) << c.name;
                break;
        }
    }
    EXPECT_EQ(checks, 48);  // 18 row boxes, 30 element boxes
    EXPECT_EQ(texts, 6);
    EXPECT_EQ(spins, 6);
    EXPECT_EQ(combos, 6);
    EXPECT_EQ(FindFilterControl("chk3_3")->tag, 10);
    EXPECT_EQ(FindFilterControl("chk3_35")->tag, 10);
    EXPECT_EQ(FindFilterControl("cmb6_2B")->tag, 18);
    EXPECT_EQ(FindFilterControl("rg_Jiti"), nullptr);
}

TEST(FilterControls, NamesTagsAndRowBoxesLeadToTheSameEntries) {
    auto controls = FilterControls();
    for (const FilterControl& c : controls) {
        ASSERT_EQ(FindFilterControl(c.name), &c) << c.name;
        EXPECT_EQ(&controls[FilterControlIndex(c)], &c) << c.name;
        // Every control belongs to a row whose check box carries its Tag.
        const FilterControl* row = RowBoxOfTag(c.tag);
        ASSERT_NE(row, nullptr) << c.name;
        EXPECT_EQ(row->tag, c.tag);
    }
    int rowBoxes = 0;
    for (const FilterControl& c : controls) {
        rowBoxes += IsRowBox(c) ? 1 : 0;
    }
    EXPECT_EQ(rowBoxes, 18);
    for (std::string_view name : RowBoxNames()) {
        EXPECT_TRUE(IsRowBox(*FindFilterControl(name))) << name;
    }
    EXPECT_FALSE(IsRowBox(*FindFilterControl("chk2_11")));  // an element box of row chk2_1
    EXPECT_EQ(RowBoxOfTag(4)->name, "chk2_1");
    EXPECT_EQ(RowBoxOfTag(9), nullptr);  // the dialog uses no Tag 9
    EXPECT_EQ(RowBoxOfTag(-1), nullptr);
    EXPECT_EQ(RowBoxOfTag(1000), nullptr);
    EXPECT_EQ(FindFilterControl(""), nullptr);
    EXPECT_EQ(FindFilterControl("chk1_1 "), nullptr);
}

TEST(FilterControls, EachNameAddressesItsOwnField) {
    FilterSet filters;
    for (const FilterControl& c : FilterControls()) {
        FilterSet probe;
        switch (c.kind) {
            case FilterControlKind::CheckBox:
                probe.*(c.check) = true;
                break;
            case FilterControlKind::TextBox:
                probe.*(c.text) = "x";
                break;
            default:
                probe.*(c.number) = 42;
        }
        // Exactly one stored control differs from a default set.
        int differing = 0;
        for (const FilterControl& other : FilterControls()) {
            bool differs = other.check  ? probe.*(other.check) != filters.*(other.check)
                           : other.text ? probe.*(other.text) != filters.*(other.text)
                                        : probe.*(other.number) != filters.*(other.number);
            differing += differs ? 1 : 0;
        }
        EXPECT_EQ(differing, 1) << c.name;
    }
}

TEST(RowBoxClicked, FixedFirstCharacterUnticksAndDisablesRowOne) {
    FilterSet filters;
    filters.chk2_1 = filters.chk3_1 = filters.chk4_1 = filters.chk5_1 = filters.chk6_1 = true;
    filters.chk2_2 = filters.chk2_3 = true;
    filters.chk1_1 = true;
    DialogReaction ticked = RowBoxClicked(filters, "chk1_1");
    for (const char* name : {"chk2_1", "chk3_1", "chk4_1", "chk5_1", "chk6_1"}) {
        EXPECT_FALSE(ticked.filters.*(FindFilterControl(name)->check)) << name;
        EXPECT_FALSE(Find(ticked.controls, name).enabled) << name;
    }
    EXPECT_TRUE(ticked.filters.chk2_2) << "row 2 untouched";
    EXPECT_TRUE(ticked.filters.chk2_3) << "row 3 untouched";
    EXPECT_TRUE(Find(ticked.controls, "chk2_2").enabled);
    EXPECT_TRUE(Find(ticked.controls, "chk2_3").enabled);
    EXPECT_TRUE(Find(ticked.controls, "edt1_1").visible);
    EXPECT_FALSE(Find(ticked.controls, "chk2_11").enabled) << "companion of unticked chk2_1";

    FilterSet unticked = ticked.filters;
    unticked.chk1_1 = false;
    DialogReaction again = RowBoxClicked(unticked, "chk1_1");
    for (const char* name : {"chk2_1", "chk3_1", "chk4_1", "chk5_1", "chk6_1"}) {
        EXPECT_FALSE(again.filters.*(FindFilterControl(name)->check)) << name << " stays off";
        EXPECT_TRUE(Find(again.controls, name).enabled) << name;
    }
    EXPECT_FALSE(Find(again.controls, "edt1_1").visible);
}

TEST(RowBoxClicked, FixedSecondCharacterCouplesRowTwoOnly) {
    FilterSet filters;
    filters.chk2_1 = filters.chk3_2 = filters.chk6_2 = filters.chk6_3 = true;
    filters.chk1_2 = true;
    DialogReaction r = RowBoxClicked(filters, "chk1_2");
    EXPECT_TRUE(r.filters.chk2_1);
    EXPECT_FALSE(r.filters.chk3_2);
    EXPECT_FALSE(r.filters.chk6_2);
    EXPECT_TRUE(r.filters.chk6_3);
    EXPECT_FALSE(Find(r.controls, "chk5_2").enabled);
    EXPECT_TRUE(Find(r.controls, "chk5_1").enabled);
    EXPECT_TRUE(Find(r.controls, "chk5_3").enabled);
}

TEST(RowBoxClicked, CompanionsFollowTheirRowBox) {
    struct Case {
        const char* rowBox;
        const char* companion;
        bool textBox;
    } cases[] = {
        {"chk1_3", "edt1_3", true},   {"chk2_2", "chk2_24", false},  {"chk3_3", "chk3_31", false},
        {"chk4_1", "edt4_1", true},   {"chk5_3", "sedt5_32", false}, {"chk6_2", "cmb6_2A", false},
        {"chk6_2", "cmb6_2B", false},
    };
    for (const Case& c : cases) {
        for (bool tick : {true, false}) {
            FilterSet filters;
            filters.*(FindFilterControl(c.rowBox)->check) = tick;
            DialogReaction r = RowBoxClicked(filters, c.rowBox);
            ControlAppearance a = Find(r.controls, c.companion);
            if (c.textBox) {
                EXPECT_EQ(a.visible, tick) << c.companion;
                EXPECT_TRUE(a.enabled) << c.companion;
            } else {
                EXPECT_EQ(a.enabled, tick) << c.companion;
                EXPECT_TRUE(a.visible) << c.companion;
            }
        }
    }
    // Clicking a row-3 box never changes the ticks of other rows.
    FilterSet filters;
    filters.chk1_3 = filters.chk2_1 = filters.chk2_2 = true;
    EXPECT_TRUE(RowBoxClicked(filters, "chk1_3").filters.chk2_1);
    EXPECT_TRUE(RowBoxClicked(filters, "chk1_3").filters.chk2_2);
}

TEST(DialogShown, ReappliesEveryRowInOrder) {
    // A hand-edited settings file may tick chk1_1 and chk2_1 together.
    FilterSet filters;
    filters.chk1_1 = filters.chk2_1 = filters.chk2_11 = true;
    filters.chk4_3 = true;
    DialogReaction shown = DialogShown(filters);
    EXPECT_FALSE(shown.filters.chk2_1);
    EXPECT_TRUE(shown.filters.chk2_11) << "element boxes are not unticked by the coupling";
    EXPECT_FALSE(Find(shown.controls, "chk2_11").enabled);
    EXPECT_FALSE(Find(shown.controls, "chk2_1").enabled);
    EXPECT_TRUE(Find(shown.controls, "edt4_3").visible);
    EXPECT_FALSE(Find(shown.controls, "edt4_2").visible);
}

TEST(SingleCharacter, DisablesRowsTwoAndThreeOfEveryPageOnly) {
    FilterSet filters;
    filters.chk1_3 = true;
    filters.chk2_2 = true;
    filters.chk2_1 = true;
    std::vector<ControlAppearance> controls = DialogAppearance(filters);
    DisableRowsUnusedBySingleCharacter(controls);
    int disabled = 0;
    for (const ControlAppearance& c : controls) {
        const int row = RowOfControl(c.name);
        if (row >= 2) {
            EXPECT_FALSE(c.enabled) << c.name;
            ++disabled;
        } else {
            EXPECT_EQ(c.enabled, AppearanceOf(filters, c.name).enabled) << c.name;
        }
        // Shown or hidden as before: a ticked row keeps its text box in view.
        EXPECT_EQ(c.visible, AppearanceOf(filters, c.name).visible) << c.name;
    }
    // Rows 2 and 3 of six pages: 2 row boxes each, with 2 text boxes (pages 1
    // and 4), 5 element boxes a row (pages 2 and 3), 2 bounds (5), 2 lists (6).
    EXPECT_EQ(disabled, 6 * 2 + 2 * 2 + 2 * 2 * 5 + 2 * 2 + 2 * 2);
    EXPECT_TRUE(Find(controls, "chk2_11").enabled);
    EXPECT_TRUE(Find(controls, "edt1_3").visible);
}

TEST(SingleCharacter, RowOfControl) {
    struct Case {
        const char* name;
        int row;
    };
    for (const Case& c :
         {Case{"chk1_1", 1}, Case{"edt4_2", 2}, Case{"chk3_35", 3}, Case{"sedt5_31", 3},
          Case{"cmb6_2B", 2}, Case{"chk2_14", 1}, Case{"rg_Jiti", 0}, Case{"nothing", 0}}) {
        EXPECT_EQ(RowOfControl(c.name), c.row) << c.name;
    }
}

TEST(ResetFilters, UnticksEveryBoxAndKeepsTheRest) {
    FilterSet filters;
    for (const FilterControl& c : FilterControls()) {
        if (c.kind == FilterControlKind::CheckBox) {
            filters.*(c.check) = true;
        }
    }
    filters.edt1_3 = "华";
    filters.edt4_1 = "hua";
    filters.sedt5_11 = 3;
    filters.sedt5_32 = 30;
    filters.cmb6_2A = 4;
    filters.cmb6_2B = 2;
    filters.strokeKind = StrokeKind::Kangxi;
    FilterSet reset = ResetFilters(filters);
    for (const FilterControl& c : FilterControls()) {
        if (c.kind == FilterControlKind::CheckBox) {
            EXPECT_FALSE(reset.*(c.check)) << c.name;
        }
    }
    EXPECT_EQ(reset.edt1_3, "华");
    EXPECT_EQ(reset.edt4_1, "hua");
    EXPECT_EQ(reset.sedt5_11, 3);
    EXPECT_EQ(reset.sedt5_32, 30);
    EXPECT_EQ(reset.cmb6_2A, 4);
    EXPECT_EQ(reset.cmb6_2B, 2);
    EXPECT_EQ(reset.strokeKind, StrokeKind::Kangxi);
    auto appearance = DialogAppearance(reset);
    EXPECT_TRUE(Find(appearance, "chk2_1").enabled);
    EXPECT_FALSE(Find(appearance, "edt1_3").visible);
}

TEST(StrokeCountLists, ItemsAndRadicalRefill) {
    std::vector<std::string> items = StrokeCountItems();
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(items[0], "一画");
    EXPECT_EQ(items[9], "十画");
    EXPECT_EQ(items[14], "十五画");

    std::vector<std::string> one = RadicalItemsOfStrokePosition(0);
    ASSERT_EQ(one.size(), 8u);
    EXPECT_EQ(one.front(), "丨");
    EXPECT_EQ(RadicalItemsOfStrokePosition(1).size(), 29u);
    EXPECT_TRUE(RadicalItemsOfStrokePosition(-1).empty());
    EXPECT_TRUE(RadicalItemsOfStrokePosition(15).empty());

    FilterSet filters;
    filters.cmb6_2B = 7;
    FilterSet picked = StrokeCountPicked(filters, 2, 1);
    EXPECT_EQ(picked.cmb6_2A, 1);
    EXPECT_EQ(picked.cmb6_2B, 0) << "the first radical is selected";
    EXPECT_EQ(RadicalOfRow(picked, 2), FindRadical(RadicalItemsOfStrokePosition(1)[0]));
    EXPECT_EQ(picked.cmb6_1A, 0) << "other rows untouched";

    FilterSet outside = StrokeCountPicked(filters, 3, 20);
    EXPECT_EQ(outside.cmb6_3B, -1) << "an empty list selects nothing";
    EXPECT_EQ(RadicalOfRow(outside, 3), 0u) << "nothing selected reads as 丨";
}

TEST(AcceptFilters, TrimsTheSixTextBoxes) {
    FilterSet filters;
    filters.chk1_3 = true;
    filters.edt1_3 = " 华 ";
    filters.edt4_1 = "\thua\r\n";
    filters.edt4_3 = "  ";
    FilterAcceptance accepted = AcceptFilters(filters);
    ASSERT_TRUE(accepted.ok()) << accepted.error;
    EXPECT_EQ(accepted.filters.edt1_3, "华");
    EXPECT_EQ(accepted.filters.edt4_1, "hua");
    EXPECT_EQ(accepted.filters.edt4_3, "");
    EXPECT_TRUE(WholeNameTest(accepted.filters,
                              MakeGivenNameCode(FindCharacter("建"), FindCharacter("华"))));
    EXPECT_FALSE(
        WholeNameTest(filters, MakeGivenNameCode(FindCharacter("建"), FindCharacter("华"))))
        << "untrimmed text matches nothing";
}

TEST(AcceptFilters, TrimsUnicodeBlanksAndWritesPinyinAsTheDictionaryDoes) {
    FilterSet filters;
    filters.chk1_3 = filters.chk4_1 = filters.chk4_2 = filters.chk4_3 = true;
    filters.edt1_3 = "\xE3\x80\x80华\xE3\x80\x80";  // ideographic spaces
    filters.edt4_1 = "\xE3\x80\x80Míng";
    filters.edt4_2 = "ming2\xC2\xA0";
    filters.edt4_3 = "lü";
    FilterAcceptance accepted = AcceptFilters(filters);
    ASSERT_TRUE(accepted.ok()) << accepted.error;
    EXPECT_EQ(accepted.filters.edt1_3, "华");
    EXPECT_EQ(accepted.filters.edt4_1, "ming");
    EXPECT_EQ(accepted.filters.edt4_2, "ming");
    EXPECT_EQ(accepted.filters.edt4_3, "lv");
    const std::uint32_t ming = FindCharacter("明");
    EXPECT_TRUE(FirstCharacterTest(accepted.filters, ming));
    EXPECT_TRUE(SecondCharacterTest(accepted.filters, ming));
    EXPECT_TRUE(WholeNameTest(accepted.filters,
                              MakeGivenNameCode(FindCharacter("吕"), FindCharacter("华"))));
    EXPECT_FALSE(FirstCharacterTest(filters, ming)) << "as typed, nothing matches";
}

TEST(AcceptFilters, RejectsWithAMessageNamingTheText) {
    struct Case {
        const char* label;
        std::function<void(FilterSet&)> setup;
        const char* control;  // empty when accepted
        const char* messagePart;
    } cases[] = {
        {"fixed first character not in the dictionary",
         [](FilterSet& f) {
             f.chk1_1 = true;
             f.edt1_1 = "A";
         },
         "edt1_1", "“A”不在字库中"},
        {"fixed second character of two characters",
         [](FilterSet& f) {
             f.chk1_2 = true;
             f.edt1_2 = "建华";
         },
         "edt1_2", "“建华”"},
        {"empty fixed first character", [](FilterSet& f) { f.chk1_1 = true; }, "edt1_1",
         "请填写一个汉字"},
        {"must-contain character not in the dictionary",
         [](FilterSet& f) {
             f.chk1_3 = true;
             f.edt1_3 = "a";
         },
         "edt1_3", "“a”不在字库中"},
        {"text GBK cannot hold, in a pinyin box",
         [](FilterSet& f) { f.edt4_2 = "h\xF0\xA0\x80\x80"; }, "edt4_2", "\xF0\xA0\x80\x80"},
        {"text GBK cannot hold, in an unticked fixed box",
         [](FilterSet& f) { f.edt1_1 = "\xF0\xA0\x80\x80"; }, "edt1_1", "GBK"},
        {"unticked row: any dictionary miss is fine", [](FilterSet& f) { f.edt1_1 = "A"; }, "", ""},
        {"empty must-contain text is allowed", [](FilterSet& f) { f.chk1_3 = true; }, "", ""},
        {"dictionary characters are accepted",
         [](FilterSet& f) {
             f.chk1_1 = f.chk1_2 = f.chk1_3 = true;
             f.edt1_1 = "建";
             f.edt1_2 = " 华";
             f.edt1_3 = "生";
         },
         "", ""},
    };
    for (const Case& c : cases) {
        FilterSet filters;
        c.setup(filters);
        FilterAcceptance result = AcceptFilters(filters);
        EXPECT_EQ(result.control, c.control) << c.label;
        EXPECT_EQ(result.ok(), std::string(c.control).empty()) << c.label;
        EXPECT_NE(result.error.find(c.messagePart), std::string::npos)
            << c.label << ": " << result.error;
    }
}

}  // namespace
}  // namespace lumivane

namespace lumivane {
namespace {

TEST(DialogHints, RadicalsSayTheirReadingStrokesAndKangxiRadical) {
    struct Case {
        const char* radical;
        const char* hint;
    } cases[] = {{"口", "口 kǒu，3画；康熙部首第30部"},
                 {"囗", "囗 wéi，3画；康熙部首第31部"},
                 {"亻", "亻 rén，2画；康熙部首第9部“人”的变形"},
                 {"讠", "讠 yán，2画；康熙部首第149部“言”的简化形"},
                 {"丷", "丷 bā，2画"},
                 {"忄", "忄 xin，3画；康熙部首第61部“心”的变形"},
                 {"見", "見 jiàn，7画；康熙部首第147部（字库中没有这个部首的字）"}};
    for (const Case& c : cases) {
        EXPECT_EQ(RadicalHint(FindRadical(c.radical)), c.hint) << c.radical;
    }
    EXPECT_EQ(RadicalHint(RadicalTableSize), "");
}

TEST(RefuseAvoidedFixedCharacters, AFixedCharacterToAvoidIsNamed) {
    struct Case {
        const char* label;
        bool first, second;
        int length;
        const char* control;  // empty: accepted
    } cases[] = {{"fixed first avoided", true, false, 1, "edt1_1"},
                 {"fixed second avoided", false, true, 1, "edt1_2"},
                 {"second plays no part for one character", false, true, 0, ""},
                 {"nothing fixed", false, false, 1, ""}};
    const AvoidCharacters avoid = ParseAvoidCharacters("佳子").avoid;
    for (const Case& c : cases) {
        FilterSet filters;
        filters.chk1_1 = c.first;
        filters.edt1_1 = "佳";
        filters.chk1_2 = c.second;
        filters.edt1_2 = "子";
        const FilterAcceptance r = RefuseAvoidedFixedCharacters(filters, avoid, c.length);
        EXPECT_EQ(r.control, c.control) << c.label;
        EXPECT_EQ(r.ok(), std::string(c.control).empty()) << c.label << ": " << r.error;
    }
    FilterSet fixed;
    fixed.chk1_1 = true;
    fixed.edt1_1 = "佳";
    EXPECT_EQ(RefuseAvoidedFixedCharacters(fixed, avoid).error,
              "限定的第二个字“佳”也在不用的字里，没有名字能通过。请改其中一处。");
}

TEST(DialogHints, PositionRowsNameTheGivenCharacterForTheFamilyName) {
    struct Case {
        int row;
        const char* family;
        const char* hint;
    } cases[] = {
        {1, "王", "指名字的第一个字，即全名“王□○”中的□。"},
        {2, "王", "指名字的第二个字，即全名“王○□”中的□。"},
        {1, "欧阳",
         "指名字的第一个字。姓“欧阳”有两个字，它是全名“欧阳□○”中的□，即全名的第三个字。"},
        {2, "欧阳",
         "指名字的第二个字。姓“欧阳”有两个字，它是全名“欧阳○□”中的□，即全名的第四个字。"},
        {1, "", "指名字的第一个字：单字姓时是全名的第二个字，复姓（如欧阳）时是全名的第三个字。"},
        {3, "欧阳", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PositionHint(c.row, c.family), c.hint) << c.row << c.family;
    }
}

}  // namespace
}  // namespace lumivane
