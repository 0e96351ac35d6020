// Soak: ten thousand random naming requests through the core (random family
// names in and outside the dictionary, lengths, sexes, simple and advanced
// requests with random filter sets, random and impossible dates), each result
// checked against the bounds of the design. Run under the sanitizers, it is
// also a search for memory and undefined-behaviour faults.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/app/naming_request.h"
#include "core/chart/birth_chart.h"
#include "core/data/character_dictionary.h"
#include "core/naming/filter_controls.h"
#include "core/naming/filter_dialog_rules.h"
#include "core/naming/filter_set.h"
#include "core/naming/naming_state.h"
#include "core/naming/remove_duplicate_codes.h"
#include "core/results/result_row.h"
#include "core/text/characters.h"

namespace lumivane {
namespace {

constexpr std::uint64_t kSeed = 20240917;
constexpr int kRequests = 10000;
// Every this many requests the whole result list is filled and checked row by
// row; the others stop after generation and de-duplication, which is where
// the codes come from and where the bounds hold.
constexpr int kFillEvery = 8;

constexpr std::size_t kTwoCharacterLimit = 2000;
constexpr std::size_t kAdvancedTwoCharacterLimit = 1001;

class Dice {
public:
    explicit Dice(std::uint64_t seed) : m_engine(seed) {}
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_engine);
    }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_engine); }
    std::string DictionaryCharacter() {
        return std::string(
            CharacterText(static_cast<std::uint32_t>(Between(0, DictionarySize - 1))));
    }

private:
    std::mt19937_64 m_engine;
};

// Characters a user might type that the dictionary lacks or GBK cannot hold,
// and plain bytes.
const std::vector<std::string> kStrangeTexts = {
    "A",  "z9", " ", "\t", "　", "𠀀", "😀",    "\xff\xfe", "\xe4\xb8", "·",  "—", "ㄅ",
    "あ", "ß",  "€", "龘", "亍", "齉", "\x7f", "\r\n",     "0",        "-1", ""};

std::string RandomText(Dice& dice) {
    return dice.Chance(0.7) ? dice.DictionaryCharacter()
                            : kStrangeTexts[static_cast<std::size_t>(
                                  dice.Between(0, static_cast<int>(kStrangeTexts.size()) - 1))];
}

std::string RandomFamilyName(Dice& dice) {
    std::string text;
    if (dice.Chance(0.1))
        text += " ";
    const int characters = dice.Chance(0.05) ? dice.Between(0, 4) : dice.Between(1, 2);
    for (int i = 0; i < characters; ++i)
        text += dice.Chance(0.85) ? dice.DictionaryCharacter() : RandomText(dice);
    if (dice.Chance(0.1))
        text += "\t ";
    return text;
}

FilterSet RandomFilters(Dice& dice) {
    FilterSet filters;
    // Few conditions at a time, or no name would pass and the paths past the
    // corpus would go untried.
    const double ticked = dice.Chance(0.5) ? 0.08 : 0.3;
    for (const FilterControl& control : FilterControls()) {
        switch (control.kind) {
            case FilterControlKind::CheckBox:
                filters.*(control.check) = dice.Chance(ticked);
                break;
            case FilterControlKind::TextBox:
                if (control.name.substr(0, 4) == "edt4") {
                    std::string reading(CharacterReading(
                        static_cast<std::uint32_t>(dice.Between(0, DictionarySize - 1))));
                    filters.*(control.text) = dice.Chance(0.8) ? reading : RandomText(dice);
                } else {
                    filters.*(control.text) = dice.Chance(0.2) ? std::string() : RandomText(dice);
                }
                break;
            case FilterControlKind::SpinBox:
                filters.*(control.number) =
                    dice.Chance(0.9) ? dice.Between(0, 40) : dice.Between(-100, 100000);
                break;
            case FilterControlKind::ComboBox:
                filters.*(control.number) =
                    dice.Chance(0.9) ? dice.Between(-1, 20) : dice.Between(-1000, 1000);
                break;
        }
    }
    filters.strokeKind = dice.Chance(0.5) ? StrokeKind::Simplified : StrokeKind::Kangxi;
    return filters;
}

DateInputs RandomDate(Dice& dice) {
    DateInputs date;
    date.calendarType = dice.Chance(0.95) ? dice.Between(0, 2) : dice.Between(-3, 5);
    const int year = dice.Chance(0.9) ? dice.Between(1949, 2039) : dice.Between(-2000, 12000);
    date.yearText = dice.Chance(0.95) ? std::to_string(year) : RandomText(dice);
    const CalendarType type =
        date.calendarType == 1 ? CalendarType::Lunar : CalendarType::Gregorian;
    std::vector<std::string> months = MonthItems(type, year >= 1949 && year <= 2039 ? year : 2000);
    int monthIndex = dice.Between(0, static_cast<int>(months.size()) - 1);
    date.monthText = dice.Chance(0.9) ? months[static_cast<std::size_t>(monthIndex)]
                                      : (dice.Chance(0.5) ? "13" : RandomText(dice));
    // Days of any month, so that 31 February and 30 of a short lunar month occur.
    std::vector<std::string> days = DayItems(type, 2000, 0);
    date.dayIndex = dice.Chance(0.9) ? dice.Between(0, 30) : dice.Between(-5, 40);
    date.dayText = date.dayIndex >= 0 && date.dayIndex < static_cast<int>(days.size())
                       ? days[static_cast<std::size_t>(date.dayIndex)]
                       : (dice.Chance(0.5) ? "31" : RandomText(dice));
    date.hourIndex = dice.Chance(0.95) ? dice.Between(0, 24) : dice.Between(-3, 30);
    return date;
}

bool IsScoreText(const std::string& text) {
    return text.size() == 5 && std::isdigit(static_cast<unsigned char>(text[0])) &&
           std::isdigit(static_cast<unsigned char>(text[1])) && text[2] == '.' &&
           std::isdigit(static_cast<unsigned char>(text[3])) &&
           std::isdigit(static_cast<unsigned char>(text[4]));
}

struct Tally {
    int filled = 0, generatedOnly = 0, empty = 0, invalid = 0, chartFailed = 0, dialogClosed = 0;
    int oneCharacter = 0, simpleTwo = 0, advancedTwo = 0, emptyResults = 0;
    std::size_t rows = 0;
};

TEST(Soak, TenThousandRandomRequestsStayWithinTheDesign) {
    std::printf("soak seed %llu, %d requests\n", static_cast<unsigned long long>(kSeed), kRequests);
    Dice dice(kSeed);
    NamingState state{RandomSource(kSeed)};
    const FixedClock clock({2024, 9, 17, 10, 30, 0});
    BirthFields fields;
    Tally tally;

    for (int request = 0; request < kRequests; ++request) {
        NamingInputs inputs;
        inputs.familyNameText = RandomFamilyName(dice);
        inputs.nameLengthIndex = dice.Chance(0.97) ? dice.Between(0, 1) : dice.Between(-2, 3);
        inputs.sexIndex = dice.Chance(0.97) ? dice.Between(0, 1) : dice.Between(-2, 3);
        inputs.advanced = dice.Chance(0.5);
        const DateInputs date = RandomDate(dice);
        // The dialog closes with OK only on a set it accepts; now and then the
        // generators also get a raw set, which no check of the dialog cleaned.
        const FilterSet random = RandomFilters(dice);
        const FilterAcceptance accepted = AcceptFilters(random);
        const bool raw = request % kFillEvery != 0 && dice.Chance(0.2);
        std::optional<FilterSet> filters;
        if (raw) {
            filters = random;
        } else if (accepted.ok() && dice.Chance(0.97)) {
            filters = accepted.filters;
        }
        const bool twoCharacters = inputs.nameLengthIndex != 0;
        SCOPED_TRACE("request " + std::to_string(request) + ", family \"" + inputs.familyNameText +
                     "\"" + (inputs.advanced ? ", advanced" : ", simple") + ", length index " +
                     std::to_string(inputs.nameLengthIndex) + ", sex index " +
                     std::to_string(inputs.sexIndex));

        const std::string error = ValidateFamilyNameText(TrimBlanks(inputs.familyNameText));
        std::vector<ResultRow> rows;
        std::size_t generated = 0;
        std::string familyText;
        if (request % kFillEvery == 0 || !error.empty()) {
            NamingHooks hooks;
            hooks.showBirthChart = [&] {
                BirthChartResult chart =
                    ComputeBirthChart(date, inputs.familyNameText, fields, clock);
                EXPECT_TRUE(chart.ok || !chart.error.empty());
                return chart.ok;
            };
            hooks.runFilterDialog = [&] { return filters; };
            NamingResult result = RunNamingRequest(state, inputs, hooks);
            switch (result.outcome) {
                case NamingOutcome::EmptyFamilyName:
                    ++tally.empty;
                    EXPECT_EQ(result.message, kEmptyFamilyNameMessage);
                    continue;
                case NamingOutcome::InvalidFamilyName:
                    ++tally.invalid;
                    EXPECT_FALSE(result.message.empty());
                    continue;
                case NamingOutcome::MissingChoice:
                    ++tally.invalid;
                    EXPECT_TRUE(inputs.nameLengthIndex < 0 || inputs.nameLengthIndex > 1 ||
                                inputs.sexIndex < 0 || inputs.sexIndex > 1);
                    continue;
                case NamingOutcome::ChartFailed:
                    ++tally.chartFailed;
                    continue;
                case NamingOutcome::InvalidAvoidCharacters:
                    ADD_FAILURE() << "no characters to avoid were given: " << result.message;
                    continue;
                case NamingOutcome::FilterDialogClosed:
                    ++tally.dialogClosed;
                    EXPECT_TRUE(inputs.advanced && !filters);
                    continue;
                case NamingOutcome::NoMatchingNames:
                    // The previous candidates stay, so only the outcome is checked.
                    ++tally.emptyResults;
                    EXPECT_TRUE(inputs.advanced && filters);
                    EXPECT_EQ(result.generated, 0u);
                    EXPECT_EQ(result.message.rfind(kNoMatchingNamesMessage, 0), 0u)
                        << result.message;
                    continue;
                case NamingOutcome::Filled:
                    break;
            }
            EXPECT_TRUE(error.empty()) << "filled although the name was refused: " << error;
            EXPECT_TRUE(!inputs.advanced || filters)
                << "advanced request without a confirmed dialog";
            ++tally.filled;
            rows = std::move(result.rows);
            generated = result.generated;
            familyText = result.trimmedFamilyText;
            EXPECT_EQ(rows.size(), state.candidates.count());
        } else {
            // The chart is computed as the request would, for its own faults.
            BirthChartResult chart = ComputeBirthChart(date, inputs.familyNameText, fields, clock);
            EXPECT_TRUE(chart.ok || !chart.error.empty());
            if (inputs.advanced && !filters)
                continue;
            GenerateCandidates(state, inputs.nameLengthIndex, inputs.sexIndex,
                               inputs.advanced ? &*filters : nullptr);
            generated = state.candidates.count();
            RemoveDuplicateCodes(state.candidates);
            ++tally.generatedOnly;
        }

        const std::vector<GivenNameCode>& codes = state.candidates.codes;
        EXPECT_LE(codes.size(), generated) << "de-duplication only removes";
        const std::set<GivenNameCode> unique(codes.begin(), codes.end());
        EXPECT_EQ(unique.size(), codes.size()) << "a code repeats after de-duplication";
        if (codes.empty())
            ++tally.emptyResults;
        if (twoCharacters) {
            (inputs.advanced ? tally.advancedTwo : tally.simpleTwo)++;
            EXPECT_LE(codes.size(),
                      inputs.advanced ? kAdvancedTwoCharacterLimit : kTwoCharacterLimit);
            EXPECT_LE(generated, inputs.advanced ? kAdvancedTwoCharacterLimit : kTwoCharacterLimit);
            for (GivenNameCode code : codes) {
                ASSERT_LT(code >> 16, raw ? DictionarySize + 1 : DictionarySize) << code;
                // Only a raw set, with an empty fixed character, names the empty record.
                ASSERT_LT(code & 0xFFFFu, raw ? DictionarySize + 1 : DictionarySize) << code;
            }
        } else {
            ++tally.oneCharacter;
            EXPECT_LE(generated, 2u * DictionarySize);
            for (GivenNameCode code : codes) {
                // As above: the empty record only from a raw set.
                ASSERT_LT(code >> 16, raw ? DictionarySize + 1 : DictionarySize) << code;
                ASSERT_EQ(code & 0xFFFFu, 0xFFFFu) << code;
            }
        }

        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ResultRow& row = rows[i];
            ASSERT_EQ(row.columns[kColumnCode], std::to_string(codes[i])) << "row " << i;
            ASSERT_EQ(row.Code(), codes[i]);
            ASSERT_EQ(row.Caption().rfind(familyText, 0), 0u) << row.Caption();
            ASSERT_GT(row.Caption().size(), familyText.size()) << "a caption without a given name";
            ASSERT_TRUE(IsScoreText(row.columns[kColumnScore])) << row.columns[kColumnScore];
        }
        tally.rows += rows.size();
    }

    std::printf(
        "filled %d (rows %zu), generated only %d, empty name %d, refused name %d, chart failed %d, "
        "dialog closed %d; one-character %d, simple two %d, advanced two %d, no candidates %d\n",
        tally.filled, tally.rows, tally.generatedOnly, tally.empty, tally.invalid,
        tally.chartFailed, tally.dialogClosed, tally.oneCharacter, tally.simpleTwo,
        tally.advancedTwo, tally.emptyResults);
    // The random inputs must reach every outcome and path, or the soak proves little.
    EXPECT_GT(tally.filled, 0);
    EXPECT_GT(tally.empty, 0);
    EXPECT_GT(tally.invalid, 0);
    EXPECT_GT(tally.dialogClosed, 0);
    EXPECT_GT(tally.oneCharacter, 0);
    EXPECT_GT(tally.simpleTwo, 0);
    EXPECT_GT(tally.advancedTwo, 0);
    EXPECT_LT(tally.emptyResults, kRequests / 2);
}

}  // namespace
}  // namespace lumivane
