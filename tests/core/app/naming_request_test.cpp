#include "core/app/naming_request.h"

#include <gtest/gtest.h>

#include "core/text/characters.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace lumivane {
namespace {

NamingState Seeded() {
    return NamingState{RandomSource(77)};
}

TEST(NamingRequest, TrimsAndSplitsTheFamilyName) {
    NamingState state = Seeded();
    NamingResult r = RunNamingRequest(state, {"  王 \t", 1, 0, false}, {});
    ASSERT_EQ(r.outcome, NamingOutcome::Filled);
    EXPECT_EQ(r.trimmedFamilyText, "王");
    EXPECT_EQ(state.familyName.firstIndex, FindCharacter("王"));
    EXPECT_EQ(state.familyName.secondIndex, DictionarySize);
    EXPECT_EQ(state.familyName.secondText, "");

    (void)RunNamingRequest(state, {"欧阳", 1, 0, false}, {});
    EXPECT_EQ(state.familyName.firstText, "欧");
    EXPECT_EQ(state.familyName.secondText, "阳");
    EXPECT_EQ(state.familyName.secondIndex, FindCharacter("阳"));

    // Three characters would be scored as two: refused, the state kept.
    NamingResult three = RunNamingRequest(state, {"司马光", 1, 0, false}, {});
    EXPECT_EQ(three.outcome, NamingOutcome::InvalidFamilyName);
    EXPECT_EQ(state.familyName.secondText, "阳");
}

// Chinese input methods type the ideographic space U+3000; as a leading
// character it would leave the first family character empty (天格 04).
TEST(NamingRequest, UnicodeBlanksAroundTheFamilyNameAreTrimmed) {
    struct Case {
        const char* label;
        const char* typed;
    } cases[] = {{"ideographic space before", "\xE3\x80\x80王"},
                 {"ideographic spaces around", "\xE3\x80\x80王\xE3\x80\x80"},
                 {"no-break space after", "王\xC2\xA0"},
                 {"zero-width space before", "\xE2\x80\x8B王"}};
    for (const Case& c : cases) {
        NamingState state = Seeded();
        NamingResult r = RunNamingRequest(state, {c.typed, 1, 0, false}, {});
        ASSERT_EQ(r.outcome, NamingOutcome::Filled) << c.label;
        EXPECT_EQ(r.trimmedFamilyText, "王") << c.label;
        EXPECT_EQ(state.familyName.firstIndex, FindCharacter("王")) << c.label;
        EXPECT_EQ(r.rows.front().columns[kColumnTianGe], "05") << c.label << ": 王 4 + 1";
    }
    NamingState state = Seeded();
    EXPECT_EQ(RunNamingRequest(state, {"\xE3\x80\x80", 1, 0, false}, {}).outcome,
              NamingOutcome::EmptyFamilyName);
}

// A family name in traditional characters scores as its simplified record.
TEST(NamingRequest, TraditionalFamilyCharactersUseTheirSimplifiedRecords) {
    struct Case {
        const char* traditional;
        const char* simplified;
        std::uint32_t kangxi;  // full-radical counts of the family name
    } cases[] = {{"張", "张", 11}, {"陳", "陈", 16}, {"劉", "刘", 15}, {"歐陽", "欧阳", 15}};
    for (const Case& c : cases) {
        NamingState traditional = Seeded();
        NamingState simplified = Seeded();
        NamingResult t = RunNamingRequest(traditional, {c.traditional, 1, 0, false}, {});
        NamingResult s = RunNamingRequest(simplified, {c.simplified, 1, 0, false}, {});
        ASSERT_EQ(t.outcome, NamingOutcome::Filled) << c.traditional << ": " << t.message;
        EXPECT_EQ(traditional.familyName.firstIndex, simplified.familyName.firstIndex);
        EXPECT_EQ(traditional.familyName.secondIndex, simplified.familyName.secondIndex);
        EXPECT_EQ(traditional.familyName.firstText, CharacterAt(c.traditional, 0))
            << "the text stays as typed";
        EXPECT_EQ(KangxiStrokesOf(traditional.familyName.firstIndex), c.kangxi) << c.traditional;
        ASSERT_EQ(t.rows.size(), s.rows.size());
        EXPECT_EQ(t.rows.front().columns[kColumnScore], s.rows.front().columns[kColumnScore]);
        EXPECT_EQ(t.rows.front().columns[kColumnTianGe], s.rows.front().columns[kColumnTianGe]);
        EXPECT_EQ(t.rows.front().familyCode, s.rows.front().familyCode)
            << "one favourite for 張 and 张, not a merged unknown code";
    }
    // A character with a record of its own keeps it (於 is a family name of its own).
    EXPECT_EQ(FindFamilyCharacter("於"), FindCharacter("於"));
    ASSERT_NE(FindCharacter("於"), DictionarySize);
}

TEST(NamingRequest, AFamilyCharacterWithoutARecordStopsTheRequest) {
    NamingState state = Seeded();
    (void)RunNamingRequest(state, {"李", 1, 0, false}, {});
    const auto before = state.candidates.codes;
    for (const char* text : {"丂", "王丂", "A", "丂王"}) {
        bool chartShown = false;
        NamingHooks hooks;
        hooks.showBirthChart = [&] { return chartShown = true; };
        NamingResult r = RunNamingRequest(state, {text, 1, 0, false}, hooks);
        EXPECT_EQ(r.outcome, NamingOutcome::InvalidFamilyName) << text;
        EXPECT_NE(r.message.find("不在字库中"), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(std::string(text) == "A" ? "A" : "丂"), std::string::npos)
            << "names the character: " << r.message;
        EXPECT_FALSE(chartShown) << text;
    }
    EXPECT_EQ(state.candidates.codes, before);
    // A third character would be left out of the score: refused, not cut.
    for (const char* text : {"司马丂", "王王王", "欧阳修"}) {
        NamingResult r = RunNamingRequest(state, {text, 1, 0, false}, {});
        EXPECT_EQ(r.outcome, NamingOutcome::InvalidFamilyName) << text;
        EXPECT_NE(r.message.find("一个或两个汉字"), std::string::npos) << r.message;
    }
    EXPECT_EQ(state.candidates.codes, before);
}

TEST(NamingRequest, ALengthOrSexNobodyChoseIsAskedFor) {
    NamingState state = Seeded();
    (void)RunNamingRequest(state, {"李", 1, 0, false}, {});
    const auto before = state.candidates.codes;
    struct Case {
        const char* label;
        int length, sex;
        std::string_view message;
    } cases[] = {
        {"no length", -1, 0, kChooseNameLengthMessage},
        {"length past the list", 2, 1, kChooseNameLengthMessage},
        {"no sex", 1, -1, kChooseSexMessage},
        {"sex past the list", 0, 5, kChooseSexMessage},
    };
    for (const Case& c : cases) {
        bool chartShown = false;
        NamingHooks hooks;
        hooks.showBirthChart = [&] { return chartShown = true; };
        NamingResult r = RunNamingRequest(state, {"王", c.length, c.sex, false}, hooks);
        EXPECT_EQ(r.outcome, NamingOutcome::MissingChoice) << c.label;
        EXPECT_EQ(r.message, c.message) << c.label;
        EXPECT_FALSE(chartShown) << c.label;
    }
    EXPECT_EQ(state.candidates.codes, before);
}

TEST(NamingRequest, AnEmptyResultOfAnInvertedRangeSaysWhy) {
    NamingState state = Seeded();
    FilterSet filters;
    filters.chk5_3 = true;
    filters.sedt5_31 = 20;
    filters.sedt5_32 = 5;
    NamingHooks hooks;
    hooks.runFilterDialog = [&] { return std::optional<FilterSet>(filters); };
    NamingResult r = RunNamingRequest(state, {"王", 1, 0, true}, hooks);
    EXPECT_EQ(r.outcome, NamingOutcome::NoMatchingNames);
    EXPECT_EQ(r.message.rfind(kNoMatchingNamesMessage, 0), 0u) << r.message;
    EXPECT_NE(r.message.find("名字笔画数（不含姓） 20 至 5：下限大于上限"), std::string::npos)
        << r.message;
}

TEST(NamingRequest, EmptyOrUnusableFamilyNamesChangeNothing) {
    NamingState state = Seeded();
    (void)RunNamingRequest(state, {"李", 1, 0, false}, {});
    const auto before = state.candidates.codes;
    bool chartShown = false;
    NamingHooks hooks;
    hooks.showBirthChart = [&] { return chartShown = true; };
    for (const char* text : {"", "   ", "\t\r\n"}) {
        NamingResult r = RunNamingRequest(state, {text, 1, 0, false}, hooks);
        EXPECT_EQ(r.outcome, NamingOutcome::EmptyFamilyName);
        EXPECT_EQ(r.message, "请输入姓氏!");
    }
    NamingResult outside = RunNamingRequest(state, {"王\xF0\xA0\x80\x80", 1, 0, false}, hooks);
    EXPECT_EQ(outside.outcome, NamingOutcome::InvalidFamilyName);
    EXPECT_NE(outside.message.find("GBK"), std::string::npos);
    EXPECT_FALSE(chartShown);
    EXPECT_EQ(state.candidates.codes, before);
    EXPECT_EQ(state.familyText, "李");
}

TEST(NamingRequest, StepsRunInOrderAndStopWhereTheyShould) {
    NamingState state = Seeded();
    std::vector<std::string> steps;
    NamingHooks hooks;
    hooks.showBirthChart = [&] {
        steps.push_back("chart");
        return true;
    };
    hooks.runFilterDialog = [&]() -> std::optional<FilterSet> {
        steps.push_back("dialog");
        return FilterSet{};
    };
    hooks.saveSettings = [&] { steps.push_back("save"); };
    NamingResult r = RunNamingRequest(state, {"王", 1, 0, true}, hooks);
    ASSERT_EQ(r.outcome, NamingOutcome::Filled);
    EXPECT_EQ(steps, (std::vector<std::string>{"chart", "dialog", "save"}));
    EXPECT_LE(r.generated, 1001u);

    // Simple requests do not show the dialog.
    steps.clear();
    (void)RunNamingRequest(state, {"王", 1, 0, false}, hooks);
    EXPECT_EQ(steps, (std::vector<std::string>{"chart", "save"}));

    // A refused chart ends the request before the dialog and the save.
    steps.clear();
    hooks.showBirthChart = [&] {
        steps.push_back("chart");
        return false;
    };
    EXPECT_EQ(RunNamingRequest(state, {"王", 1, 0, true}, hooks).outcome,
              NamingOutcome::ChartFailed);
    EXPECT_EQ(steps, (std::vector<std::string>{"chart"}));
}

TEST(NamingRequest, CancelledDialogLeavesThePreviousList) {
    NamingState state = Seeded();
    (void)RunNamingRequest(state, {"李", 1, 0, false}, {});
    const auto before = state.candidates.codes;
    state.showingFavorites = true;
    bool saved = false;
    NamingHooks hooks;
    hooks.runFilterDialog = [] { return std::optional<FilterSet>(); };
    hooks.saveSettings = [&] { saved = true; };
    NamingResult r = RunNamingRequest(state, {"王", 1, 1, true}, hooks);
    EXPECT_EQ(r.outcome, NamingOutcome::FilterDialogClosed);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_FALSE(saved);
    EXPECT_EQ(state.candidates.codes, before);
    // The family name and the view flag are already those of the new request.
    EXPECT_FALSE(state.showingFavorites);
    EXPECT_EQ(state.familyName.firstText, "王");
}

TEST(NamingRequest, FiltersThatLetNothingPassKeepThePreviousCandidates) {
    // Strokes of the first given character from 7 to 6: nothing passes, on
    // either path.
    FilterSet nothing;
    nothing.chk5_1 = true;
    nothing.sedt5_11 = 7;
    nothing.sedt5_12 = 6;
    for (int length : {1, 0}) {
        NamingState state = Seeded();
        (void)RunNamingRequest(state, {"李", 1, 0, false}, {});
        const auto before = state.candidates.codes;
        bool saved = false;
        NamingHooks hooks;
        hooks.runFilterDialog = [&] { return std::optional<FilterSet>(nothing); };
        hooks.saveSettings = [&] { saved = true; };
        NamingResult r = RunNamingRequest(state, {"王", length, 0, true}, hooks);
        EXPECT_EQ(r.outcome, NamingOutcome::NoMatchingNames) << "length " << length;
        // The message says which range lets nothing pass.
        EXPECT_EQ(r.message,
                  "没有符合条件的名字：第二个字笔画数范围 7 至 6：下限大于上限，没有名字能通过。");
        EXPECT_EQ(r.generated, 0u);
        EXPECT_TRUE(r.rows.empty());
        EXPECT_EQ(state.candidates.codes, before);
        // The filters were accepted, so they are stored for the next request.
        EXPECT_TRUE(saved);
    }
}

TEST(NamingRequest, SimpleTwoCharacterRequestsDrawTwoThousandCodes) {
    for (int sex : {0, 1}) {
        NamingState state = Seeded();
        NamingResult r = RunNamingRequest(state, {"张", 1, sex, false}, {});
        ASSERT_EQ(r.outcome, NamingOutcome::Filled);
        EXPECT_EQ(r.generated, 2000u);
        EXPECT_EQ(r.rows.size(), state.candidates.count());
        EXPECT_LE(r.rows.size(), 2000u);
        EXPECT_EQ(state.workingSet.sex, sex == 0 ? Sex::Male : Sex::Female);
    }
}

TEST(NamingRequest, OneCharacterRequestsKeepEachCharacterOnce) {
    NamingState state = Seeded();
    NamingResult r = RunNamingRequest(state, {"张", 0, 0, false}, {});
    ASSERT_EQ(r.outcome, NamingOutcome::Filled);
    EXPECT_GT(r.generated, r.rows.size());  // frequent in both places: listed twice, kept once
    std::set<GivenNameCode> codes(state.candidates.codes.begin(), state.candidates.codes.end());
    EXPECT_EQ(codes.size(), r.rows.size());
    for (GivenNameCode code : codes)
        EXPECT_EQ(SecondIndexOf(code), kNoSecondCharacter);
}

TEST(NamingRequest, ProgressIsReportedEveryHundredRows) {
    NamingState state = Seeded();
    std::vector<std::size_t> rows;
    NamingHooks hooks;
    hooks.progress = [&](std::size_t i) { rows.push_back(i); };
    NamingResult r = RunNamingRequest(state, {"张", 1, 0, false}, hooks);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.size(), (r.rows.size() + 99) / 100);
    EXPECT_EQ(rows[1], 100u);
}

}  // namespace
}  // namespace lumivane

namespace lumivane {
namespace {

// 补喜用神: with the condition the chart hands over, every kept name's meaning elements
// include a wanted element and no unwanted one, in both lengths and both modes of
// drawing; without the tick every row is still marked.
TEST(NamingRequest, KeepFavourableLeavesOnlyNamesThatSupplyTheElements) {
    struct Case {
        const char* label;
        int length;
        int sex;
        ElementCondition condition;
    } const cases[] = {
        {"two characters, 金 水 wanted, 土 火 not", 1, 0, {kMetal | kWater, kEarth | kFire}},
        {"two characters, girl, 木 wanted, 金 not", 1, 1, {kWood, kMetal}},
        {"one character, 火 wanted, 水 not", 0, 0, {kFire, kWater}},
    };
    for (const Case& c : cases) {
        for (bool keep : {true, false}) {
            NamingState state{RandomSource(91)};
            NamingInputs inputs{"王", c.length, c.sex, false};
            inputs.keepFavourable = keep;
            NamingHooks hooks;
            hooks.favourableCondition = [&c] { return std::optional(c.condition); };
            NamingResult r = RunNamingRequest(state, inputs, hooks);
            ASSERT_EQ(r.outcome, NamingOutcome::Filled) << c.label;
            ASSERT_FALSE(r.rows.empty()) << c.label;
            std::size_t supplying = 0;
            for (const ResultRow& row : r.rows) {
                const bool meets = MeetsElementCondition(row.Code(), c.condition);
                EXPECT_EQ(row.suppliesFavourable, meets ? 1 : 0) << c.label;
                supplying += meets ? 1 : 0;
                if (keep) {
                    const ElementMask mask = GivenNameMeaningElements(row.Code());
                    EXPECT_NE(mask & c.condition.wanted, 0) << c.label << " " << row.Caption();
                    EXPECT_EQ(mask & c.condition.unwanted, 0) << c.label << " " << row.Caption();
                }
            }
            if (!keep) {
                EXPECT_LT(supplying, r.rows.size()) << c.label << ": the mark tells them apart";
            }
        }
    }
}

TEST(NamingRequest, NoConditionNoMarkAndNoFilter) {
    NamingState state{RandomSource(5)};
    NamingInputs inputs{"王", 1, 0, false};
    inputs.keepFavourable = true;  // without a chart's elements there is nothing to keep by
    NamingHooks hooks;
    hooks.favourableCondition = [] { return std::optional<ElementCondition>(); };
    NamingResult r = RunNamingRequest(state, inputs, hooks);
    ASSERT_EQ(r.outcome, NamingOutcome::Filled);
    for (const ResultRow& row : r.rows) {
        EXPECT_EQ(row.suppliesFavourable, -1);
    }
    // Nothing can meet an impossible condition: the list shown before stays, with a message.
    NamingHooks impossible;
    impossible.favourableCondition = [] {
        return std::optional(ElementCondition{0, kMetal | kWood | kWater | kFire | kEarth});
    };
    const std::size_t before = state.candidates.count();
    NamingResult none = RunNamingRequest(state, inputs, impossible);
    EXPECT_EQ(none.outcome, NamingOutcome::NoMatchingNames);
    EXPECT_EQ(none.message, kNoFavourableNamesMessage);
    EXPECT_EQ(state.candidates.count(), before);
}

// The characters most often given in a list, the two commonest first.
std::string CommonestCharacters(const std::vector<ResultRow>& rows) {
    std::map<std::uint32_t, int> counts;
    for (const ResultRow& row : rows) {
        ++counts[FirstIndexOf(row.Code())];
        if (SecondIndexOf(row.Code()) < DictionarySize) {
            ++counts[SecondIndexOf(row.Code())];
        }
    }
    std::vector<std::pair<int, std::uint32_t>> ranked;
    for (const auto& [index, count] : counts) {
        ranked.emplace_back(count, index);
    }
    std::sort(ranked.rbegin(), ranked.rend());
    std::string text;
    for (std::size_t k = 0; k < 2 && k < ranked.size(); ++k) {
        text += std::string(CharacterText(ranked[k].second));
    }
    return text;
}

// Each mode's list, made again with its two commonest characters to avoid,
// holds neither of them and is still a list.
TEST(NamingRequest, AvoidedCharactersLeaveTheListOfEveryMode) {
    struct Case {
        const char* label;
        int length;  // 0 单字, 1 双字
        int sex;
        bool advanced;
        NameSource source;
    } cases[] = {
        {"simple two-character", 1, 1, false, NameSource::Common},
        {"advanced two-character", 1, 0, true, NameSource::Common},
        {"one-character", 0, 1, false, NameSource::Common},
        {"advanced one-character", 0, 0, true, NameSource::Common},
        {"poetry", 1, 1, false, NameSource::Poetry},
    };
    for (const Case& c : cases) {
        NamingInputs inputs{"王", c.length, c.sex, c.advanced, c.source};
        NamingHooks hooks;
        hooks.runFilterDialog = [] { return std::optional<FilterSet>(FilterSet{}); };
        NamingState first{RandomSource(11)};
        const NamingResult plain = RunNamingRequest(first, inputs, hooks);
        ASSERT_EQ(plain.outcome, NamingOutcome::Filled) << c.label;
        const std::string avoided = CommonestCharacters(plain.rows);
        ASSERT_EQ(CharacterCount(avoided), 2u) << c.label;

        hooks.avoidCharacters = [&] { return avoided; };
        NamingState second{RandomSource(11)};
        const NamingResult kept = RunNamingRequest(second, inputs, hooks);
        ASSERT_EQ(kept.outcome, NamingOutcome::Filled) << c.label;
        EXPECT_GT(kept.rows.size(), plain.rows.size() / 2) << c.label;
        const std::uint32_t a = FindCharacter(CharacterAt(avoided, 0));
        const std::uint32_t b = FindCharacter(CharacterAt(avoided, 1));
        for (const ResultRow& row : kept.rows) {
            const GivenNameCode code = row.Code();
            ASSERT_TRUE(FirstIndexOf(code) != a && FirstIndexOf(code) != b &&
                        SecondIndexOf(code) != a && SecondIndexOf(code) != b)
                << c.label << ": " << row.Caption() << " holds one of " << avoided;
        }
    }
}

TEST(NamingRequest, UnusableCharactersToAvoidStopTheRequestBeforeSaving) {
    NamingState state = Seeded();
    bool saved = false;
    NamingHooks hooks;
    hooks.avoidCharacters = [] { return std::string("佳x"); };
    hooks.saveSettings = [&] { saved = true; };
    const NamingResult r = RunNamingRequest(state, {"王", 1, 0, false}, hooks);
    EXPECT_EQ(r.outcome, NamingOutcome::InvalidAvoidCharacters);
    EXPECT_NE(r.message.find("“x”不是汉字"), std::string::npos) << r.message;
    EXPECT_FALSE(saved);
    EXPECT_EQ(state.candidates.count(), 0u);
}

}  // namespace
}  // namespace lumivane
